#pragma once

#include <QPushButton>

// A quarter marker of the palette editor: reports press, move and release
// with the finger's global x. A move does not end the press, so the release
// after a drag still counts as a click; the editor tells the two apart.
class ECustomButton : public QPushButton
{
    Q_OBJECT
public:
    ECustomButton(const QString &name, QWidget *parent = nullptr);

Q_SIGNALS:
    void signal_press(const QString &name, int x);
    void signal_release(const QString &name, int x);
    void signal_move(const QString &name, int x);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
};
