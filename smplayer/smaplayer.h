#pragma once

#include <QString>
#include <QWidget>

class EVideoGraphicsView;
class MessageChannel;
class PMainWindow;
class QPushButton;

// The player window the main menu's Play opens: the video list, and the
// playback screen over it once a video is chosen. Leaving reports
// "playexit" on "emaininterface".
class Smaplayer : public QWidget
{
    Q_OBJECT
public:
    explicit Smaplayer(QWidget *parent = nullptr);
    ~Smaplayer() override;

    void CreateMplayerList(bool reload);
    QString GetCurrentPlayFilePath(int index);

    PMainWindow *list() const { return m_list; }
    EVideoGraphicsView *playback() const { return m_playback; }
    int listBuilds() const { return m_listBuilds; }
    // The list's exit: how the user leaves the window.
    QPushButton *exitButton() const;

public Q_SLOTS:
    void ShowMplayerList();
    void RecvListSendItem(int index, const QString &name);
    void HideMplayerList();
    void PlaySysExit();
    void getCurrentDirFile();
    void videoGraphicsView_received(const QString &message, const QByteArray &data);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    PMainWindow *m_list = nullptr;
    EVideoGraphicsView *m_playback = nullptr;
    MessageChannel *m_channel = nullptr;
    int m_listBuilds = 0;
};
