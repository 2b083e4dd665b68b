#include "scenepicture.h"

#include <QThread>

QImage ScenePicture::take()
{
    for (int attempt = 0; attempt < ReadAttempts; ++attempt) {
        const QImage picture = m_segment.read();
        if (!picture.isNull()) {
            m_last = picture;
            return m_last;
        }
        // No segment at all: there is no writer to wait for.
        if (!m_segment.isAttached())
            break;
        QThread::msleep(RetryPauseMs);
    }
    return m_last;
}
