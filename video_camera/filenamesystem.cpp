#include "filenamesystem.h"

#include "eglobal.h"
#include "folderlisting.h"
#include "paths.h"
#include "photowriter.h"
#include "systemclock.h"

#include <QDir>
#include <QFileInfo>
#include <QMutexLocker>

#include <cstring>

namespace {
// The part of a name after the date, by kind.
const char *const s_formats[] = {"%04dT.jpg", "%04dP.jpg", "%04dM.jpg", "%04dV.mp4"};
} // namespace


FilenameSystem::FilenameSystem()
{
    EGlobal::set_FilenameSystem(this);
    updateSysFnParam();
    m_updates = 0;
}

FilenameSystem::~FilenameSystem()
{
    if (EGlobal::get_FilenameSystem() == this)
        EGlobal::set_FilenameSystem(nullptr);
}

void FilenameSystem::updateSysFnParam()
{
    const QDate today = SystemClock::instance()->now().date();
    const int year = qMax(0, today.year() - 2000);
    {
        QMutexLocker lock(&m_mutex);
        m_year = year;
        m_month = today.month();
        m_day = today.day();
        ++m_updates;
    }
    find_Max_multimediaId(year, today.month(), today.day());
}

int FilenameSystem::updateCount() const
{
    QMutexLocker lock(&m_mutex);
    return m_updates;
}

int FilenameSystem::numberOf(const QString &fileName)
{
    const int underscore = fileName.indexOf(QLatin1Char('_'));
    if (underscore < 0)
        return 0;
    int end = underscore + 1;
    while (end < fileName.size() && fileName.at(end).isDigit())
        ++end;
    bool ok = false;
    const qlonglong n = fileName.mid(underscore + 1, end - underscore - 1).toLongLong(&ok);
    // A run no name of ours can have belongs to a foreign file.
    return ok && n <= MaxNumber ? int(n) : 0;
}

namespace {

// What one pass over a media folder found for one date.
struct DayScan
{
    QByteArray prefix; // "yymmdd_"
    int highest = 0;
    QBitArray *taken = nullptr;
};

// The kind of a name of our own layout: the digit run written as "%04d"
// would write it, one of the kind letters, its extension and nothing
// after; -1 for any other name.
int ownKind(const char *run, const char *end, int number)
{
    static const char *const tails[] = {"T.jpg", "P.jpg", "M.jpg", "V.mp4"};
    const qsizetype digits = end - run;
    const bool canonical = number <= FilenameSystem::MaxNumber && digits >= 4 && (digits == 4 || run[0] != '0');
    if (!canonical)
        return -1;
    for (int kind = 0; kind < FilenameSystem::KindCount; ++kind)
        if (std::strcmp(end, tails[kind]) == 0)
            return kind;
    return -1;
}

// A name of the day in folder (at depth 0, right in the media folder).
void countName(DayScan &scan, const char *name, bool topLevel, bool raw)
{
    if (raw) {
        // Rare: a name with characters past ASCII reads as text, where a
        // digit may be one ASCII does not have.
        scan.highest = qMax(scan.highest, FilenameSystem::numberOf(QString::fromUtf8(name)));
        return;
    }
    const char *run = name + scan.prefix.size();
    const char *end = run;
    qint64 number = 0;
    while (*end >= '0' && *end <= '9') {
        // Past the highest number the value no longer matters.
        if (number <= FilenameSystem::MaxNumber)
            number = number * 10 + (*end - '0');
        ++end;
    }
    const int value = end > run && number <= FilenameSystem::MaxNumber ? int(number) : 0;
    scan.highest = qMax(scan.highest, value);
    if (!topLevel)
        return;
    const int kind = ownKind(run, end, int(number));
    if (kind >= 0)
        scan.taken[kind].setBit(value);
}

bool isAscii(const char *name)
{
    for (; *name; ++name)
        if (static_cast<unsigned char>(*name) >= 0x80)
            return false;
    return true;
}

// Hidden folders and links are not entered; names that are not UTF-8
// are left out, files and folders alike.
void scanFolder(DayScan &scan, const QByteArray &folder, bool topLevel)
{
    FolderListing listing(folder);
    while (listing.next()) {
        const char *name = listing.name();
        const bool raw = !isAscii(name);
        if (raw && listing.hasRawBytes())
            continue;
        if (listing.kind() == FolderListing::Folder) {
            if (!listing.isHidden())
                scanFolder(scan, folder + '/' + name, false);
            continue;
        }
        // The day's names only; a link counts when it leads to a file.
        if (std::strncmp(name, scan.prefix.constData(), size_t(scan.prefix.size())) != 0)
            continue;
        if (listing.kind() == FolderListing::File || (listing.kind() == FolderListing::Link && listing.linksToFile()))
            countName(scan, name, topLevel, raw);
    }
}

} // namespace

int FilenameSystem::highestIn(const QString &folder, const QByteArray &prefix, QBitArray (&taken)[KindCount])
{
    for (QBitArray &bits : taken)
        bits = QBitArray(MaxNumber + 1);
    QByteArray host = Paths::resolveNative(folder);
    while (host.size() > 1 && host.endsWith('/'))
        host.chop(1);
    DayScan scan;
    scan.prefix = prefix;
    scan.taken = taken;
    scanFolder(scan, host, true);
    return scan.highest;
}

void FilenameSystem::find_Max_multimediaId(int year, int month, int day)
{
    const QByteArray prefix = QString::asprintf("%02d%02d%02d_", year, month, day).toLatin1();
    QBitArray images[KindCount];
    QBitArray videos[KindCount];
    const int photo = highestIn(QLatin1String(ImageFolder), prefix, images);
    const int video = highestIn(QLatin1String(VideoFolder), prefix, videos);
    QMutexLocker lock(&m_mutex);
    m_photoId = photo;
    m_videoId = video;
    for (Kind kind : {Thermogram, Ccd, Mix})
        m_taken[kind] = images[kind];
    m_taken[Video] = videos[Video];
}

int FilenameSystem::GetPhotoId() const
{
    QMutexLocker lock(&m_mutex);
    return m_photoId;
}

int FilenameSystem::GetVideoId() const
{
    QMutexLocker lock(&m_mutex);
    return m_videoId;
}

void FilenameSystem::SetPhotoId(int id)
{
    QMutexLocker lock(&m_mutex);
    m_photoId = id;
}

void FilenameSystem::SetVideoId(int id)
{
    QMutexLocker lock(&m_mutex);
    m_videoId = id;
}

QString FilenameSystem::nameLocked(Kind kind, int number) const
{
    return QString::asprintf("%02d%02d%02d_", m_year, m_month, m_day) + QString::asprintf(s_formats[kind], number);
}

QString FilenameSystem::GetThermogram_ImageFn() const
{
    QMutexLocker lock(&m_mutex);
    return nameLocked(Thermogram, m_photoId);
}

QString FilenameSystem::GetCcd_ImageFn() const
{
    QMutexLocker lock(&m_mutex);
    return nameLocked(Ccd, m_photoId);
}

QString FilenameSystem::GetMix_ImageFn() const
{
    QMutexLocker lock(&m_mutex);
    return nameLocked(Mix, m_photoId);
}

QString FilenameSystem::GetMp3_AudioFn() const
{
    QMutexLocker lock(&m_mutex);
    return QString::asprintf("%02d%02d%02d_%04dA.mp3", m_year, m_month, m_day, m_photoId);
}

QString FilenameSystem::GetThermogram_VideoFn()
{
    QMutexLocker lock(&m_mutex);
    m_currentVideo = nameLocked(Video, m_videoId);
    return m_currentVideo;
}

QString FilenameSystem::GetVis_VideoFn()
{
    return GetThermogram_VideoFn();
}

void FilenameSystem::SetCurrentVideoFilename(const QString &name)
{
    QMutexLocker lock(&m_mutex);
    m_currentVideo = name;
}

QString FilenameSystem::GetCurrentVideoFilename() const
{
    QMutexLocker lock(&m_mutex);
    return m_currentVideo;
}

void FilenameSystem::eventkeyPressEvent(QKeyEvent *)
{
    qDebug("%s %d", __FILE__, __LINE__);
}

FilenameSystem::Kind FilenameSystem::photoKind(int imageMode)
{
    return imageMode == 0 ? Thermogram : imageMode == 1 ? Ccd : Mix;
}

QString FilenameSystem::takeFreeName(Kind kind)
{
    const QString folder = QLatin1String(kind == Video ? VideoFolder : ImageFolder);
    const QString host = Paths::resolve(folder);
    if (!QDir(host).exists())
        QDir().mkpath(host);
    QMutexLocker lock(&m_mutex);
    int &counter = kind == Video ? m_videoId : m_photoId;
    QBitArray &taken = m_taken[kind];
    if (taken.size() != MaxNumber + 1)
        taken = QBitArray(MaxNumber + 1);
    const int start = qBound(0, counter, MaxNumber + 1);
    // Up from the counter, then round from 0 to where it began: a number
    // left high on the card does not use up the day.
    for (int step = 0; step <= MaxNumber; ++step) {
        const int n = (start + step) % (MaxNumber + 1);
        if (taken.testBit(n))
            continue;
        const QString name = nameLocked(kind, n);
        if (QFileInfo::exists(QDir(host).filePath(name)) || QFileInfo::exists(QDir(host).filePath(PhotoWriter::temporaryName(name)))) {
            taken.setBit(n);
            continue;
        }
        taken.setBit(n);
        counter = n + 1;
        if (kind == Video)
            m_currentVideo = name;
        return name;
    }
    return {};
}
