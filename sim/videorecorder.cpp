#include "videorecorder.h"

#include "encoderlink.h"
#include "encoderphoto.h"
#include "mp4writer.h"

#include <QElapsedTimer>
#include <QImage>

VideoRecorder::VideoRecorder(const QString &hostPath, int slotMs, QObject *parent)
    : QThread(parent)
    , m_path(hostPath)
    , m_slotMs(qMax(1, slotMs))
{
}

VideoRecorder::~VideoRecorder()
{
    requestStop();
    wait();
}

void VideoRecorder::requestStop()
{
    QMutexLocker locker(&m_lock);
    m_stop = true;
    m_wake.wakeAll();
}

void VideoRecorder::run()
{
    Mp4Writer writer;
    if (!writer.open(m_path, EncoderLink::FrameWidth, EncoderLink::FrameHeight)) {
        qWarning("encoder-sim: cannot record to %s: %s", qPrintable(m_path), qPrintable(writer.errorString()));
        return;
    }
    QElapsedTimer clock;
    clock.start();
    QImage picture;
    bool ok = true;
    for (;;) {
        const qint64 slot = clock.elapsed() / m_slotMs;
        picture = EncoderPhoto::currentPicture();
        if (!writer.write(picture, slot)) {
            ok = false;
            break;
        }
        m_frames = m_frames + 1;
        QMutexLocker locker(&m_lock);
        if (m_stop)
            break;
        const qint64 untilNext = (slot + 1) * m_slotMs - clock.elapsed();
        m_wake.wait(&m_lock, ulong(qMax<qint64>(untilNext, MinGapMs)));
        if (m_stop)
            break;
    }
    if (!ok) {
        qWarning("encoder-sim: recording %s failed: %s", qPrintable(m_path), qPrintable(writer.errorString()));
        return;
    }
    // The last picture stands until the stop.
    const qint64 end = clock.elapsed() / m_slotMs;
    if (end > writer.lastSlot() && writer.write(picture, end))
        m_frames = m_frames + 1;
    m_ok = writer.finish();
    if (!m_ok)
        qWarning("encoder-sim: cannot finish %s: %s", qPrintable(m_path), qPrintable(writer.errorString()));
}
