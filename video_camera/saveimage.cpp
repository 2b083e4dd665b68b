#include "saveimage.h"

#include "capturerelease.h"
#include "fiforeader.h"
#include "intervals.h"
#include "pipecommand.h"

#include <QTimer>

SaveImage::SaveImage(QObject *parent)
    : QObject(parent)
    , m_reader(new FifoReader(QLatin1String(PipeCommand::SavePipe), this))
{
    connect(m_reader, &FifoReader::received, this, &SaveImage::onReceived);
}

SaveImage::~SaveImage()
{
    stop();
}

bool SaveImage::start()
{
    return m_reader->open();
}

void SaveImage::stop()
{
    m_reader->stop();
}

bool SaveImage::isSaveRequest(const QByteArray &data)
{
    return data.size() >= 4 && data.left(4).toLower() == "save";
}

void SaveImage::onReceived(const QByteArray &data)
{
    if (!isSaveRequest(data))
        return;
    // The real save takes a while; the picture stays frozen as long.
    QTimer::singleShot(Intervals::ms(FinishMs), this, [this] {
        CaptureRelease::release(true, "SaveImage");
        Q_EMIT saved();
    });
}
