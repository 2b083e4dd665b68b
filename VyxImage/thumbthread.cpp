#include "thumbthread.h"

#include "atomicfile.h"
#include "filenamesystem.h"
#include "mappedphoto.h"
#include "nativename.h"
#include "paths.h"
#include "thumbcache.h"

#include <QBuffer>
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
    m_paths.clear();
    m_stop.store(0);
    m_count = 0;
    // The paths alone: a QFileInfo fills its caches lazily, and the
    // browser's copies are read on the GUI thread meanwhile.
    m_paths.reserve(list.size());
    for (const QFileInfo &photo : list)
        m_paths.append(photo.absoluteFilePath());
    m_count = int(m_paths.size());
}

void ThumbThread::loadPhotoPaths(const QStringList &paths)
{
    m_stop.store(0);
    m_paths = paths;
    m_count = int(m_paths.size());
}

void ThumbThread::loadThumbs()
{
    loadPhotoPaths(photoPathsOnCard());
}

QList<QFileInfo> ThumbThread::photosOnCard()
{
    QList<QFileInfo> photos;
    const QStringList paths = photoPathsOnCard();
    photos.reserve(paths.size());
    for (const QString &path : paths)
        photos.append(QFileInfo(path));
    return photos;
}

namespace {

// True when path is absolute and has no empty, "." or ".." part: as
// QFileInfo::absoluteFilePath() would give it, which the cache names use.
bool isCleanAbsolute(const QString &path)
{
    if (!path.startsWith(QLatin1Char('/')) || (path.size() > 1 && path.endsWith(QLatin1Char('/'))))
        return false;
    const QStringView view(path);
    return !view.contains(u"//") && !view.contains(u"/./") && !view.contains(u"/../") && !view.endsWith(u"/.")
           && !view.endsWith(u"/..");
}

} // namespace

QStringList ThumbThread::photoPathsOnCard()
{
    // Names that are not UTF-8 too: the user must see them to delete them.
    QStringList paths = NativeName::filesUnder(Paths::resolve(QLatin1String(FilenameSystem::ImageFolder)),
                                               QStringLiteral(".jpg"));
    for (QString &path : paths)
        if (!isCleanAbsolute(path))
            path = QFileInfo(path).absoluteFilePath();
    return paths;
}

QString ThumbThread::getThumbsMd5(int i) const
{
    return i >= 0 && i < m_paths.size() ? ThumbCache::photoName(m_paths.at(i)) : QString();
}

bool ThumbThread::makeThumbnail(const QFileInfo &photo, const QString &path)
{
    // Through the name's own bytes, which need not be UTF-8; a JPEG only.
    const MappedPhoto file(photo.absoluteFilePath());
    const QImage image = file.picture(ThumbSize);
    if (image.isNull())
        return false;
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    if (!buffer.open(QIODevice::WriteOnly) || !QImageWriter(&buffer, "jpg").write(image))
        return false;
    buffer.close();
    // Written aside and renamed: a reader never sees half a file, and a
    // rename never replaces a thumbnail (or a link) that appeared
    // meanwhile. A cache: no sync.
    return AtomicFile::writeHost(path, jpeg, AtomicFile::Existing::Keep, AtomicFile::Durability::Cache);
}

int ThumbThread::removeStaleScratch()
{
    QDir dir(Paths::resolve(QLatin1String(ThumbCache::PhotoFolder)));
    int removed = 0;
    // The cache is the program's own: the scratch of any thumbnail goes,
    // and the ".part" names earlier versions wrote.
    for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        const bool scratch = AtomicFile::scratchTarget(name).endsWith(QLatin1String(".jpg"))
                             || name.endsWith(QLatin1String(".jpg.part"));
        if (scratch && dir.remove(name))
            ++removed;
    }
    return removed;
}

void ThumbThread::run()
{
    qWarning("\t start Run thumb image thread \n");
    // Scratch of writes a kill cut short goes on the program's first run,
    // here rather than at start: the cache can hold as many names as the
    // card holds photos.
    static std::atomic<bool> cleaned{false};
    if (!cleaned.exchange(true))
        removeStaleScratch();
    for (int i = 0; i < m_count; ++i) {
        const QString &photo = m_paths.at(i);
        const QString path = ThumbCache::photoThumbPath(photo);
        if (!QFileInfo::exists(path) && NativeName::exists(photo))
            makeThumbnail(QFileInfo(photo), path);
        if (m_afterPhoto)
            m_afterPhoto(i);
        if (m_stop.load())
            return;
    }
}
