#pragma once

#include <QWidget>

class QPushButton;

// Stand-in of the photo browser until the browsing screens exist: a
// full-screen page whose exit button (or Escape) reports "Imagephotos" on
// the "emaininterface" channel, as the browser does when it closes.
class ThumbMenu : public QWidget
{
    Q_OBJECT
public:
    explicit ThumbMenu(QWidget *parent = nullptr);

    void browse() {}
    QPushButton *exitButton() const { return m_exit; }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void leave();

    QPushButton *m_exit;
};
