#include "filenamesystem.h"

#include "eglobal.h"
#include "paths.h"
#include "photowriter.h"
#include "systemclock.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QMutexLocker>

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

int FilenameSystem::highestIn(const QString &folder, const QString &filter)
{
    int highest = 0;
    QDirIterator it(Paths::resolve(folder), {filter}, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext())
        highest = qMax(highest, numberOf(QFileInfo(it.next()).fileName()));
    return highest;
}

void FilenameSystem::find_Max_multimediaId(int year, int month, int day)
{
    const QString filter = QString::asprintf("%02d%02d%02d_*", year, month, day);
    const int photo = highestIn(QLatin1String(ImageFolder), filter);
    const int video = highestIn(QLatin1String(VideoFolder), filter);
    QMutexLocker lock(&m_mutex);
    m_photoId = photo;
    m_videoId = video;
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
    static const char *const formats[] = {"%04dT.jpg", "%04dP.jpg", "%04dM.jpg", "%04dV.mp4"};
    return QString::asprintf("%02d%02d%02d_", m_year, m_month, m_day) + QString::asprintf(formats[kind], number);
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
    for (int n = qMax(0, counter); n <= MaxNumber; ++n) {
        const QString name = nameLocked(kind, n);
        if (QFileInfo::exists(QDir(host).filePath(name)) || QFileInfo::exists(QDir(host).filePath(PhotoWriter::temporaryName(name))))
            continue;
        counter = n + 1;
        if (kind == Video)
            m_currentVideo = name;
        return name;
    }
    return {};
}
