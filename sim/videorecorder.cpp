#include "videorecorder.h"

#include "encoderlink.h"
#include "encoderphoto.h"
#include "mp4writer.h"
#include "scenepicture.h"

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
    ScenePicture scene;
    QImage picture;
    bool ok = true;
    for (;;) {
        const qint64 slot = clock.elapsed() / m_slotMs;
        if (m_roomForSlots >= 0 && slot >= m_roomForSlots) {
            qWarning("encoder-sim: no space left on the card for %s", qPrintable(m_path));
            return;
        }
        picture = scene.take();
        // Until the scene has come nothing is written; its first picture
        // then stands from the start, so every frame is the scene.
        if (!picture.isNull() && !writer.write(picture, writer.lastSlot() < 0 ? 0 : slot)) {
            ok = false;
            break;
        }
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
    // No scene at all (encoder-sim on its own): the test pattern stands
    // for it, so the file still holds a picture.
    if (picture.isNull()) {
        picture = EncoderPhoto::testPattern();
        writer.write(picture, 0);
    }
    // The last picture stands until the stop.
    const qint64 end = clock.elapsed() / m_slotMs;
    if (end > writer.lastSlot())
        writer.write(picture, end);
    m_ok = writer.finish();
    if (!m_ok)
        qWarning("encoder-sim: cannot finish %s: %s", qPrintable(m_path), qPrintable(writer.errorString()));
}
