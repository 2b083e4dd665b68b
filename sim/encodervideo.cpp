#include "encodervideo.h"

#include "encoderlink.h"
#include "fifowriter.h"
#include "intervals.h"
#include "ipckeys.h"
#include "sharedmemory.h"

#include <QTimer>

#include <cstring>

namespace {
void say(const char *pipe, const char *message)
{
    const FifoWriter::Result r = FifoWriter::write(QLatin1String(pipe), QByteArray(message));
    if (r != FifoWriter::Written)
        qWarning("encoder-sim: \"%s\" to %s: %s", message, pipe, FifoWriter::describe(r));
}
} // namespace

EncoderVideo::EncoderVideo(QObject *parent)
    : QObject(parent)
    , m_timer(new QTimer(this))
{
    connect(m_timer, &QTimer::timeout, this, &EncoderVideo::second);
}

bool EncoderVideo::handle(const QByteArray &command)
{
    if (command.startsWith(EncoderLink::MultimediaStartPrefix)) {
        m_recording = true;
        m_seconds = 0;
        publishSeconds();
        say(EncoderLink::VideoMainPipe, EncoderLink::FadSave);
        say(EncoderLink::VideoTimePipe, EncoderLink::VideoTime);
        m_timer->start(Intervals::ms(1000));
        return true;
    }
    if (command == EncoderLink::MultimediaStop) {
        m_timer->stop();
        m_recording = false;
        m_seconds = 0;
        publishSeconds();
        say(EncoderLink::VideoMainPipe, EncoderLink::FadStop);
        say(EncoderLink::VideoMainPipe, EncoderLink::VideoStop);
        return true;
    }
    return false;
}

void EncoderVideo::second()
{
    ++m_seconds;
    publishSeconds();
}

void EncoderVideo::publishSeconds()
{
    SharedMemory segment;
    if (!segment.create(IpcKeys::key(EncoderLink::VideoSecondsKey), EncoderLink::VideoSecondsSize))
        return;
    const qint32 value = m_seconds;
    std::memcpy(segment.data(), &value, sizeof value);
}
