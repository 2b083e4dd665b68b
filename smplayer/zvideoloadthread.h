#pragma once

#include <QMutex>
#include <QString>
#include <QStringList>
#include <QThread>

// Fills the video thumbnail cache in the background: for every listed video
// without a cached picture it has the thumbnailer draw one, or copies a
// stock picture for a file too small or not a complete recording, and
// reports the list position. A stop request ends it before its next video;
// nobody waits for it.
class ZVideoloadThread : public QThread
{
    Q_OBJECT
public:
    explicit ZVideoloadThread(QObject *parent = nullptr);
    ~ZVideoloadThread() override;

    void Idle(bool stop);
    bool isIdle();
    // The names the next run walks (the live view's last scan); false when
    // they are the ones it had.
    bool setFiles(const QStringList &names);

    // Makes the cached picture of one video when it is missing; true (and
    // sendthumbimage(index)) when one was made.
    bool LoadImage(const QString &name, int index);

    // 0 for a complete recording, -1 otherwise.
    static int checkVideoError(const QString &path);
    static qint64 get_file_size(const QString &path);

    // The cache entry of a listed video: its name (32 hex digits) and path.
    static QString thumbnailName(const QString &name);
    static QString thumbnailPath(const QString &name);
    static QString videoPath(const QString &name);
    // The device's folders of the videos and of their pictures.
    static QString videoFolder() { return QStringLiteral("/media/mmc/videoFile/"); }
    static QString thumbnailFolder() { return QStringLiteral("/root/.videothumbnails/"); }

    static constexpr qint64 SmallVideoBytes = 102400;
    static const QSize &thumbnailSize();

Q_SIGNALS:
    void sendthumbimage(int index);

protected:
    void run() override;

private:
    QMutex m_lock;
    bool m_stop = false;
    QStringList m_files;
};
