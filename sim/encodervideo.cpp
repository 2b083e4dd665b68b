#include "encodervideo.h"

#include "encoderlink.h"
#include "encoderphoto.h"
#include "fifowriter.h"
#include "intervals.h"
#include "ipckeys.h"
#include "mp4writer.h"
#include "paths.h"
#include "sharedmemory.h"
#include "videopipeinterface.h"
#include "videorecorder.h"

#include <QFile>
#include <QFileInfo>
#include <QTimer>

#include <cstring>

namespace {
void say(const char *pipe, const QByteArray &message)
{
    const FifoWriter::Result r = FifoWriter::write(QLatin1String(pipe), message);
    if (r != FifoWriter::Written)
        qWarning("encoder-sim: \"%s\" to %s: %s", message.constData(), pipe, FifoWriter::describe(r));
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
    }
    return s;
}

EncoderVideo::Switches EncoderVideo::Switches::load()
{
    return parse(EncoderPhoto::switchText());
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
    // The recorder finishes its file before it goes.
    delete m_recorder;
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
    // The application names the file as the camera sees it.
    m_path = Paths::resolve(QString::fromLatin1(path));
    m_temporary = m_path + QLatin1String(TemporarySuffix);
    QFile::remove(m_temporary);
    m_recorder = new VideoRecorder(m_temporary, Intervals::ms(1000) / Mp4Writer::FramesPerSecond);
    connect(m_recorder, &QThread::finished, this, &EncoderVideo::recorderFinished);
    m_recorder->start();
    m_state = Recording;
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
    const QFileInfo side(Paths::resolve(QLatin1String(VideoPipeInterface::SideFile)));
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
    if (!m_path.isEmpty()) {
        // A recording without a side file plays without measurements.
        QFile side(Paths::resolve(QLatin1String(VideoPipeInterface::SideFile)));
        const QByteArray bytes = side.open(QIODevice::ReadOnly) ? side.readAll() : QByteArray();
        if (!Mp4Writer::completeRecording(m_temporary, bytes, m_path)) {
            qWarning("encoder-sim: cannot complete the recording %s", qPrintable(m_path));
            QFile::remove(m_temporary);
        }
    }
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
