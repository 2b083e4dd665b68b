#include "zvideoloadthread.h"

#include "atomicfile.h"
#include "eglobal.h"
#include "nativename.h"
#include "egraphicsview.h"
#include "paths.h"
#include "thumbcache.h"
#include "videothumbnailer.h"

#include <QFile>
#include <QFileInfo>
#include <QMutexLocker>
#include <QPointer>
#include <QSize>

#include <atomic>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The live view's wait flag belongs to the GUI thread: set it there.
void raiseWaitFlag()
{
    QPointer<EGraphicsView> view = EGlobal::getGraphicsView();
    if (!view)
        return;
    QMetaObject::invokeMethod(view, [view] {
        if (view)
            view->setWaitIrAdmode(true);
    }, Qt::QueuedConnection);
}
} // namespace

ZVideoloadThread::ZVideoloadThread(QObject *parent)
    : QThread(parent)
{
}

ZVideoloadThread::~ZVideoloadThread()
{
    Idle(true);
    wait();
}

const QSize &ZVideoloadThread::thumbnailSize()
{
    static const QSize size(72, 54);
    return size;
}

void ZVideoloadThread::Idle(bool stop)
{
    QMutexLocker locker(&m_lock);
    m_stop = stop;
}

bool ZVideoloadThread::isIdle()
{
    QMutexLocker locker(&m_lock);
    return m_stop;
}

bool ZVideoloadThread::setFiles(const QStringList &names)
{
    QMutexLocker locker(&m_lock);
    if (m_files == names)
        return false;
    m_files = names;
    return true;
}

QString ZVideoloadThread::videoPath(const QString &name)
{
    return Paths::resolve(videoFolder() + name);
}

QString ZVideoloadThread::thumbnailName(const QString &name)
{
    // The device's path as the key, so a cache keeps its names under any
    // root; the time and size as every thumbnail cache takes them.
    if (NativeName::hasRawBytes(name)) {
        // A name that is not UTF-8: its own bytes are the key, and its time
        // and size come from the file under those bytes, so no two such
        // videos share a picture.
        const QString key = QString::fromLatin1(NativeName::encode(videoFolder() + name));
        struct stat info {};
        if (::stat(NativeName::encode(videoPath(name)).constData(), &info) != 0)
            return ThumbCache::digestName(key, QDateTime(), 0, 0);
        return ThumbCache::digestName(key, QDateTime::fromSecsSinceEpoch(info.st_ctim.tv_sec), info.st_size, 0);
    }
    return ThumbCache::digestName(videoFolder() + name, QFileInfo(videoPath(name)), 0);
}

QString ZVideoloadThread::thumbnailPath(const QString &name)
{
    return Paths::resolve(thumbnailFolder() + thumbnailName(name) + QStringLiteral(".jpg"));
}

void ZVideoloadThread::run()
{
    // Scratch of thumbnail writes a kill cut short goes on the program's
    // first run, here rather than at start: the cache can hold a name for
    // every video on the card.
    static std::atomic<bool> cleaned{false};
    if (!cleaned.exchange(true))
        AtomicFile::removeScratchIn(thumbnailFolder(), {QStringLiteral("*.jpg")});
    QStringList files;
    {
        QMutexLocker locker(&m_lock);
        files = m_files;
    }
    for (int i = 0; i < files.size(); ++i) {
        if (isIdle())
            return;
        if (LoadImage(files.at(i), i))
            ::sync();
    }
}

bool ZVideoloadThread::LoadImage(const QString &name, int index)
{
    const QString thumb = thumbnailPath(name);
    if (QFile::exists(thumb))
        return false;
    raiseWaitFlag();
    const QString video = videoPath(name);
    // By the name's own bytes, held open while the thumbnailer reads it.
    QFile file;
    if (!NativeName::openForReading(file, video))
        return false;
    if (checkVideoError(video) != 0)
        QFile::copy(Paths::resolve(QStringLiteral("/root/nullimage_err.jpg")), thumb);
    else if (file.size() <= SmallVideoBytes)
        QFile::copy(Paths::resolve(QStringLiteral("/root/nullimage.jpg")), thumb);
    else
        VideoThumbnailer::instance()->makeThumbnail(NativeName::openablePath(video, file), thumb, thumbnailSize());
    qWarning("video thumbnail %d: %s", index, qPrintable(name));
    Q_EMIT sendthumbimage(index);
    return true;
}

qint64 ZVideoloadThread::get_file_size(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() ? info.size() : -1;
}

int ZVideoloadThread::checkVideoError(const QString &path)
{
    QFile file;
    if (!NativeName::openForReading(file, path))
        return -1;
    const qint64 size = file.size();
    const QByteArray head = file.read(64);
    bool ok = head.size() >= 8
              && (head.startsWith(QByteArray("\x00\x00\x00\x1c", 4)) || head.mid(4, 4) == QByteArrayLiteral("ftyp"));
    // The final u32 is the offset of the appended data: it must leave room
    // for the eight bytes the video data ends with, and lie inside the file.
    qint64 p = -1;
    if (ok && size >= 12 && file.seek(size - 4)) {
        const QByteArray tail = file.read(4);
        if (tail.size() == 4)
            p = qint64(quint8(tail[0])) | qint64(quint8(tail[1])) << 8 | qint64(quint8(tail[2])) << 16
                | qint64(quint8(tail[3])) << 24;
    }
    ok = ok && p >= 8 && p <= size - 4 && file.seek(p - 8);
    if (ok) {
        const QByteArray end = file.read(8);
        ok = end.size() == 8 && (end.startsWith("f52.") || end.mid(4, 4) == QByteArrayLiteral("31.0"));
    }
    file.close();
    return ok ? 0 : -1;
}
