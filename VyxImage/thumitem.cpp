#include "thumitem.h"

#include "intervals.h"
#include "mappedphoto.h"
#include "photolayout.h"
#include "thumbcache.h"

#include <QFile>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmapCache>
#include <QTimer>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr int RetryMs = 5000;

// The cache holds the thread's JPEG thumbnails and nothing else is read.
// False when path holds no thumbnail (yet); a file there that is no JPEG
// leaves *pixmap null. A page seen before shows its thumbnails from
// memory: a thumbnail's name changes with its photo, and the file's own
// size and time key it too.
bool cachedThumbnail(const QString &path, QPixmap *pixmap)
{
    *pixmap = QPixmap();
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return errno != ENOENT && errno != ENOTDIR;
    QFile file;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return true;
    }
    const QString key = QStringLiteral("thumbnail:%1:%2:%3.%4")
                            .arg(path)
                            .arg(qint64(info.st_size))
                            .arg(qint64(info.st_mtim.tv_sec))
                            .arg(qint64(info.st_mtim.tv_nsec));
    if (QPixmapCache::find(key, pixmap))
        return true;
    *pixmap = QPixmap::fromImage(MappedPhoto::decodeJpeg(file.readAll()));
    if (!pixmap->isNull())
        QPixmapCache::insert(key, *pixmap);
    return true;
}
} // namespace

ThumItem::ThumItem(QWidget *parent)
    : QLabel(parent)
    , m_retry(new QTimer(this))
{
    connect(m_retry, &QTimer::timeout, this, &ThumItem::timeoutupdate);
}

QString ThumItem::getThumbsMd5(const QFileInfo &photo)
{
    return ThumbCache::photoName(photo);
}

void ThumItem::loadThumbnails(const QFileInfo &photo)
{
    const QString path = ThumbCache::photoThumbPath(photo);
    if (path == m_thumbPath)
        return;
    m_thumbPath = path;
    m_retry->stop();
    if (cachedThumbnail(path, &m_pixmap)) {
        m_placeholder = false;
    } else {
        m_retry->start(Intervals::ms(RetryMs));
        m_pixmap = QPixmap(QLatin1String(Placeholder));
        m_placeholder = true;
    }
    checkFileAnnotateMusic(photo, &m_text, &m_voice);
    update();
}

void ThumItem::timeoutupdate()
{
    QPixmap thumbnail;
    if (cachedThumbnail(m_thumbPath, &thumbnail)) {
        m_retry->stop();
        m_pixmap = thumbnail;
        m_placeholder = false;
    }
    update();
}

void ThumItem::checkFileAnnotateMusic(const QFileInfo &photo, bool *text, bool *voice)
{
    *text = false;
    *voice = false;
    const MappedPhoto file(photo.absoluteFilePath());
    // Only checked entries count: a stray count or offset marks nothing.
    for (const PhotoReader::Note &note : file.photo().notes) {
        if (note.type == PhotoLayout::TextNote)
            *text = true;
        else if (note.type == PhotoLayout::VoiceNote)
            *voice = true;
    }
}

void ThumItem::setDeleteImageFlag(bool on)
{
    m_delete = on;
    update();
}

void ThumItem::mousePressEvent(QMouseEvent *event)
{
    m_pressPos = event->globalPosition().toPoint();
    emit clicked(m_name);
}

void ThumItem::mouseReleaseEvent(QMouseEvent *event)
{
    m_releasePos = event->globalPosition().toPoint();
    emit mouseRelease(m_name);
}

void ThumItem::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!m_pixmap.isNull())
        p.drawPixmap(QRect(0, 0, 100, 75), m_pixmap);
    if (m_delete)
        p.drawPixmap(QRect(width() - 30, height() - 30, 20, 20), QPixmap(QStringLiteral(":/images/smplayerimages/delIcon.png")));
    if (m_text)
        p.drawPixmap(QRect(5, 5, 20, 20), QPixmap(QStringLiteral(":/images/vyxImages/annotate.png")));
    if (m_voice)
        p.drawPixmap(QRect(m_text ? 30 : 5, 5, 20, 20), QPixmap(QStringLiteral(":/images/vyxImages/musicplay.png")));
}
