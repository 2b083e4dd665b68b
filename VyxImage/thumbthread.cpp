#include "thumbthread.h"

#include "filenamesystem.h"
#include "mappedphoto.h"
#include "nativename.h"
#include "paths.h"
#include "thumbcache.h"

#include <QDir>
#include <QFile>
#include <QImageWriter>

namespace {
const QSize ThumbSize(100, 75);
} // namespace

ThumbThread::ThumbThread(QObject *parent)
    : QThread(parent)
{
    QDir().mkdir(Paths::resolve(QLatin1String(ThumbCache::PhotoFolder)));
}

ThumbThread::~ThumbThread()
{
    requestStop();
    wait();
}

void ThumbThread::loadThumbs_p(const QList<QFileInfo> &list)
{
    m_list.clear();
    m_stop.store(0);
    m_count = 0;
    // Own copies: a QFileInfo fills its caches lazily, and the browser's
    // copies are read on the GUI thread meanwhile.
    m_list.reserve(list.size());
    for (const QFileInfo &photo : list)
        m_list.append(QFileInfo(photo.absoluteFilePath()));
    m_count = int(m_list.size());
}

void ThumbThread::loadThumbs()
{
    m_stop.store(0);
    m_list = photosOnCard();
    m_count = int(m_list.size());
}

QList<QFileInfo> ThumbThread::photosOnCard()
{
    QList<QFileInfo> photos;
    // Names that are not UTF-8 too: the user must see them to delete them.
    const QStringList paths = NativeName::filesUnder(Paths::resolve(QLatin1String(FilenameSystem::ImageFolder)),
                                                     QStringLiteral(".jpg"));
    for (const QString &path : paths)
        photos.append(QFileInfo(path));
    return photos;
}

QString ThumbThread::getThumbsMd5(int i) const
{
    return i >= 0 && i < m_list.size() ? ThumbCache::photoName(m_list.at(i)) : QString();
}

bool ThumbThread::makeThumbnail(const QFileInfo &photo, const QString &path)
{
    // Through the name's own bytes, which need not be UTF-8; a JPEG only.
    const MappedPhoto file(photo.absoluteFilePath());
    const QImage image = file.picture(ThumbSize);
    if (image.isNull())
        return false;
    // Written aside and renamed: a reader never sees half a file, and a
    // rename never replaces a thumbnail that appeared meanwhile.
    const QString temporary = path + QStringLiteral(".part");
    QImageWriter writer(temporary, "jpg");
    if (!writer.write(image)) {
        QFile::remove(temporary);
        return false;
    }
    if (!QFile::rename(temporary, path)) {
        QFile::remove(temporary);
        return false;
    }
    return true;
}

void ThumbThread::run()
{
    qWarning("\t start Run thumb image thread \n");
    for (int i = 0; i < m_count; ++i) {
        const QFileInfo &photo = m_list.at(i);
        const QString path = ThumbCache::photoThumbPath(photo);
        if (!QFileInfo::exists(path) && NativeName::exists(photo.absoluteFilePath()))
            makeThumbnail(photo, path);
        if (m_afterPhoto)
            m_afterPhoto(i);
        if (m_stop.load())
            return;
    }
}
