#include "encodervideo.h"

#include "encoderlink.h"
#include "encoderphoto.h"
#include "intervals.h"
#include "ipckeys.h"
#include "mp4writer.h"
#include "paths.h"
#include "pipecommand.h"
#include "sharedmemory.h"
#include "simroot.h"
#include "videorecorder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <QTimer>

#include <cstring>

namespace {
void say(const char *pipe, const QByteArray &message)
{
    PipeCommand::send(pipe, message, "encoder-sim");
}
} // namespace

EncoderVideo::Switches EncoderVideo::Switches::parse(const QByteArray &text)
{
    Switches s;
    for (const QByteArray &raw : text.split('\n')) {
        const QByteArray word = raw.trimmed();
        s.stopsMerged |= word == "video-stops-merged";
        s.noVideoStop |= word == "no-videostop";
        s.noVideo |= word == "no-video";
        s.countStuck |= word == "count-stuck";
        s.countAhead |= word == "count-ahead";
        s.cardFull |= word == "card-full";
    }
    return s;
}

EncoderVideo::Switches EncoderVideo::Switches::load()
{
    return parse(EncoderPhoto::switchText());
}

int EncoderVideo::removeStaleTemporaries()
{
    // Only the root's own folder: one whose link leads out is left alone.
    QString videoFolder = QLatin1String(EncoderLink::VideoFolder);
    videoFolder.chop(1);
    const QString hostFolder = SimRoot::resolveInside(Paths::root(), videoFolder);
    if (hostFolder.isEmpty())
        return 0;
    QDir folder(hostFolder);
    int removed = 0;
    const QStringList names = folder.entryList({QStringLiteral("*.mp4") + QLatin1String(TemporarySuffix)},
                                               QDir::Files | QDir::Hidden | QDir::CaseSensitive);
    for (const QString &name : names)
        if (folder.remove(name))
            ++removed;
    return removed;
}

EncoderVideo::EncoderVideo(QObject *parent)
    : QObject(parent)
    , m_timer(new QTimer(this))
    , m_sidePoll(new QTimer(this))
{
    connect(m_timer, &QTimer::timeout, this, &EncoderVideo::second);
    connect(m_sidePoll, &QTimer::timeout, this, &EncoderVideo::pollSideFile);
}

EncoderVideo::~EncoderVideo()
{
    // The recorder finishes its file before it goes; a completion ends.
    delete m_recorder;
    if (m_completer) {
        m_completer->wait();
        delete m_completer;
    }
}

bool EncoderVideo::handle(const QByteArray &command)
{
    if (command.startsWith(EncoderLink::MultimediaStartPrefix)) {
        start(command.mid(int(qstrlen(EncoderLink::MultimediaStartPrefix))).trimmed());
        return true;
    }
    if (command == EncoderLink::MultimediaStop) {
        stop();
        return true;
    }
    return false;
}

void EncoderVideo::start(const QByteArray &path)
{
    if (m_state != Idle) {
        qWarning("encoder-sim: \"multimedia start\" while the last recording still runs: ignored");
        return;
    }
    m_switches = Switches::load();
    // The application names the file as the camera sees it: an absolute
    // path, resolved under the root. Anything else, or a path whose links
    // lead out of the root, records no file, though the answers come as
    // usual.
    const QString name = QString::fromLatin1(path);
    m_path = SimRoot::resolveInside(Paths::root(), name);
    m_temporary = SimRoot::resolveInside(Paths::root(), name + QLatin1String(TemporarySuffix));
    if (m_path.isEmpty() || m_temporary.isEmpty())
        m_path.clear();
    if (!m_path.isEmpty()) {
        QFile::remove(m_temporary);
        m_recorder = new VideoRecorder(m_temporary, Intervals::ms(1000) / Mp4Writer::FramesPerSecond);
        if (m_switches.cardFull)
            m_recorder->setRoomForSlots(CardFullSlots);
        connect(m_recorder, &QThread::finished, this, &EncoderVideo::recorderFinished);
        m_recorder->start();
    } else {
        qWarning("encoder-sim: \"%s\" is no file path inside the root: nothing is recorded", path.constData());
    }
    m_state = Recording;
    // Whole seconds: file times may be kept coarser than the clock.
    m_startedAt = QDateTime::currentDateTime().addSecs(-1);
    m_seconds = 0;
    publishSeconds();
    say(EncoderLink::VideoMainPipe, EncoderLink::FadSave);
    if (!m_switches.noVideo)
        say(EncoderLink::VideoTimePipe, EncoderLink::VideoTime);
    m_timer->start(Intervals::ms(1000));
}

void EncoderVideo::stop()
{
    const Switches switches = Switches::load();
    m_switches.stopsMerged = switches.stopsMerged;
    m_switches.noVideoStop = switches.noVideoStop;
    if (m_state == Idle) {
        // Nothing recorded: the application's handshake still ends.
        if (!m_switches.stopsMerged)
            say(EncoderLink::VideoMainPipe, EncoderLink::FadStop);
        m_path.clear();
        complete();
        return;
    }
    if (m_state != Recording)
        return;
    m_timer->stop();
    m_state = Finishing;
    m_seconds = 0;
    publishSeconds();
    if (m_recorder)
        m_recorder->requestStop();
    else
        videoFinished();
}

void EncoderVideo::recorderFinished()
{
    const bool ok = m_recorder->succeeded();
    m_recorder->deleteLater();
    m_recorder = nullptr;
    if (!ok) {
        // No file to deliver; the answers still come as the stop asks.
        QFile::remove(m_temporary);
        m_path.clear();
    }
    if (m_state == Finishing)
        videoFinished();
}

void EncoderVideo::videoFinished()
{
    if (!m_switches.stopsMerged)
        say(EncoderLink::VideoMainPipe, EncoderLink::FadStop);
    m_state = WaitingForSideFile;
    m_sideSize = -1;
    m_sideQuiet.start();
    m_sideWait.start();
    m_sidePoll->start(Intervals::ms(SidePollMs));
}

void EncoderVideo::pollSideFile()
{
    const QFileInfo side(Paths::resolve(QLatin1String(EncoderLink::VideoSideFile)));
    const qint64 size = side.exists() ? side.size() : -1;
    const QDateTime changed = side.exists() ? side.lastModified() : QDateTime();
    if (size != m_sideSize || changed != m_sideChanged) {
        m_sideSize = size;
        m_sideChanged = changed;
        m_sideQuiet.start();
    }
    if (m_sideQuiet.elapsed() < Intervals::ms(SideQuietMs) && m_sideWait.elapsed() < Intervals::ms(SideWaitMs))
        return;
    if (m_sideQuiet.elapsed() < Intervals::ms(SideQuietMs))
        qWarning("encoder-sim: the side file still grows: its bytes so far go into the recording");
    m_sidePoll->stop();
    complete();
}

void EncoderVideo::complete()
{
    if (m_path.isEmpty()) {
        answerStop();
        return;
    }
    // A recording without a side file plays without measurements; one left
    // from before this recording would show another one's.
    // Only the root's own file: a link leading out would copy one of this
    // machine's files into the recording.
    const QString sidePath = SimRoot::resolveInside(Paths::root(), QLatin1String(EncoderLink::VideoSideFile));
    if (sidePath.isEmpty())
        qWarning("encoder-sim: the side file leads out of the root: left out");
    QFile side(sidePath);
    const bool there = !sidePath.isEmpty() && QFileInfo(sidePath).isFile();
    const bool fresh = there && side.fileTime(QFileDevice::FileModificationTime) >= m_startedAt;
    if (there && !fresh)
        qWarning("encoder-sim: the side file is older than the recording: left out");
    const QByteArray bytes = fresh && side.open(QIODevice::ReadOnly) ? side.readAll() : QByteArray();
    // Appending, syncing and renaming a long recording takes a while: off
    // the thread that reads the commands.
    m_state = Completing;
    m_completer = QThread::create([temporary = m_temporary, bytes, path = m_path] {
        if (!Mp4Writer::completeRecording(temporary, bytes, path)) {
            qWarning("encoder-sim: cannot complete the recording %s", qPrintable(path));
            QFile::remove(temporary);
        }
    });
    connect(m_completer, &QThread::finished, this, [this] {
        m_completer->deleteLater();
        m_completer = nullptr;
        answerStop();
    });
    m_completer->start();
}

void EncoderVideo::answerStop()
{
    m_state = Idle;
    m_path.clear();
    if (m_switches.stopsMerged)
        say(EncoderLink::VideoMainPipe, m_switches.noVideoStop ? QByteArray(EncoderLink::FadStop)
                                                                  : QByteArray(EncoderLink::FadStop) + EncoderLink::VideoStop);
    else if (!m_switches.noVideoStop)
        say(EncoderLink::VideoMainPipe, EncoderLink::VideoStop);
}

void EncoderVideo::second()
{
    if (!m_switches.countStuck)
        ++m_seconds;
    publishSeconds();
}

void EncoderVideo::publishSeconds()
{
    SharedMemory segment;
    if (!segment.create(IpcKeys::key(EncoderLink::VideoSecondsKey), EncoderLink::VideoSecondsSize))
        return;
    const bool running = m_state == Recording;
    const qint32 value = running && m_switches.countAhead ? m_seconds + CountLead : m_seconds;
    std::memcpy(segment.data(), &value, sizeof value);
}
