#pragma once

#include <QWidget>

class QPushButton;

// A full-screen page reached from the main menu that reports its exit (the
// Exit button or Escape) on the menu's "emaininterface" channel. What the
// browser stand-ins share until the browsing screens exist.
class MenuExitPage : public QWidget
{
    Q_OBJECT
public:
    MenuExitPage(const QString &caption, const QString &exitMessage, QWidget *parent = nullptr);

    QPushButton *exitButton() const { return m_exit; }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void leave();

    QString m_exitMessage;
    QPushButton *m_exit;
};
