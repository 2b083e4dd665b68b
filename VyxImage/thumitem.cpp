#include "thumitem.h"

#include "intervals.h"
#include "mappedphoto.h"
#include "photolayout.h"
#include "thumbcache.h"

#include <QFile>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

namespace {
constexpr int RetryMs = 5000;

// The cache holds the thread's JPEG thumbnails and nothing else is read.
QPixmap cachedThumbnail(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QPixmap::fromImage(MappedPhoto::decodeJpeg(file.readAll()));
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
    if (QFileInfo::exists(path)) {
        m_pixmap = cachedThumbnail(path);
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
    if (QFileInfo::exists(m_thumbPath)) {
        m_retry->stop();
        m_pixmap = cachedThumbnail(m_thumbPath);
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
