#pragma once

#include <QWidget>

class QPushButton;

// Stand-in of the video browser until the playback screens exist: a
// full-screen page whose exit button (or Escape) reports "playexit" on the
// "emaininterface" channel, as the browser does when it closes.
class Smaplayer : public QWidget
{
    Q_OBJECT
public:
    explicit Smaplayer(QWidget *parent = nullptr);

    void CreateMplayerList(bool) { ++m_listBuilds; }
    int listBuilds() const { return m_listBuilds; }
    QPushButton *exitButton() const { return m_exit; }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void leave();

    QPushButton *m_exit;
    int m_listBuilds = 0;
};
