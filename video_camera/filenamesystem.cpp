#include "filenamesystem.h"

#include "eglobal.h"
#include "paths.h"
#include "photowriter.h"
#include "systemclock.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QMutexLocker>

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

int FilenameSystem::highestIn(const QString &folder, const QString &filter, QBitArray (&taken)[KindCount])
{
    static const QLatin1String letters("TPMV");
    const QString host = Paths::resolve(folder);
    const qsizetype dateLength = filter.size() - 1;
    for (QBitArray &bits : taken)
        bits = QBitArray(MaxNumber + 1);
    int highest = 0;
    QDirIterator it(host, {filter}, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        const QString name = it.fileName();
        const int number = numberOf(name);
        highest = qMax(highest, number);
        // Only a name of our own layout right in the folder stands in the
        // way of a new one; the letter after the number gives its kind.
        if (it.fileInfo().path() != host)
            continue;
        qsizetype end = dateLength;
        while (end < name.size() && name.at(end).isDigit())
            ++end;
        const qsizetype kind = end < name.size() ? letters.indexOf(name.at(end)) : -1;
        if (kind >= 0 && QStringView(name).mid(dateLength) == QString::asprintf(s_formats[kind], number))
            taken[kind].setBit(number);
    }
    return highest;
}

void FilenameSystem::find_Max_multimediaId(int year, int month, int day)
{
    const QString filter = QString::asprintf("%02d%02d%02d_*", year, month, day);
    QBitArray images[KindCount];
    QBitArray videos[KindCount];
    const int photo = highestIn(QLatin1String(ImageFolder), filter, images);
    const int video = highestIn(QLatin1String(VideoFolder), filter, videos);
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
