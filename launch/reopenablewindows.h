#pragma once

#include <QObject>

class QWidget;

// Qt 6 destroys a top-level window's native surface when the window is
// closed (QWidget::close(), and QDialog::accept()/reject(), which close),
// but the widget keeps its backing store. On the frame-buffer platforms
// (linuxfb on the camera, vnc headless) the surface made when the window
// is shown again never gets that store, so every later opening is
// invisible while it still takes the taps. install() lets such a widget
// drop its window and store once the close is over, so the next show()
// builds both anew, as for a window shown the first time.
class ReopenableWindows : public QObject
{
public:
    // Once per application; later calls do nothing.
    static void install();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit ReopenableWindows(QObject *parent);
    static void renew(QWidget *window);
};
