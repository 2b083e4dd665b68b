#include "videopipeinterface.h"

#include "eglobal.h"
#include "efilemanager.h"
#include "egraphicsview.h"
#include "encoderlink.h"
#include "fiforeader.h"
#include "intervals.h"
#include "paths.h"
#include "replytokenizer.h"
#include "sidefilesync.h"
#include "systemclock.h"

#include <QFile>
#include <QTimer>

#include <fcntl.h>
#include <unistd.h>

namespace {
bool writeAll(int fd, const QByteArray &bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}
} // namespace

VideoPipeInterface::VideoPipeInterface(QObject *parent)
    : QObject(parent)
    , m_reader(new FifoReader(QLatin1String(EncoderLink::VideoMainPipe), this))
    , m_tokens(std::make_unique<ReplyTokenizer>(
          QList<QByteArray>{EncoderLink::VideoStop, EncoderLink::FadSave, EncoderLink::FadStop}, Qt::CaseSensitive))
    , m_tick(new QTimer(this))
    , m_sync(new SideFileSync(this))
{
    connect(m_reader, &FifoReader::received, this, &VideoPipeInterface::handleData);
    connect(m_tick, &QTimer::timeout, this, &VideoPipeInterface::tick);
    connect(m_sync, &SideFileSync::failed, this, &VideoPipeInterface::tellNotWritten);
}

VideoPipeInterface::~VideoPipeInterface()
{
    stop();
    closeIrAdFile();
}

bool VideoPipeInterface::start()
{
    if (!m_reader->open()) {
        qWarning("VideoPipeInterface: cannot open %s", EncoderLink::VideoMainPipe);
        return false;
    }
    return true;
}

void VideoPipeInterface::stop()
{
    m_reader->stop();
    m_tick->stop();
}

void VideoPipeInterface::handleData(const QByteArray &data)
{
    for (const QByteArray &message : m_tokens->feed(data))
        handleMessage(message);
}

void VideoPipeInterface::handleMessage(const QByteArray &message)
{
    std::printf("==== check out file %s line %d cmd %s \n", __FILE__, __LINE__, message.constData());
    if (message == EncoderLink::VideoStop) {
        closeIrAdFile();
        m_recording = false;
        m_tick->stop();
        Q_EMIT videoExitPipeSignals();
    } else if (message == EncoderLink::FadSave) {
        // Each recording's records count from its own start.
        m_seconds = 0;
        m_recording = true;
        m_failureTold = false;
        m_lastSecond = SystemClock::instance()->now();
        if (openIrAdFile())
            writeIrAdFile(m_seconds);
        m_tick->start(Intervals::ms(TickMs));
    } else if (message == EncoderLink::FadStop) {
        m_recording = false;
        m_seconds = 0;
        m_tick->stop();
        closeIrAdFile();
    }
}

// One record per elapsed second, also after a stall.
void VideoPipeInterface::tick()
{
    if (!m_recording)
        return;
    const QDateTime now = SystemClock::instance()->now();
    qint64 passed = m_lastSecond.secsTo(now);
    if (passed < 0 || passed > MaxCatchUpSeconds) {
        // The clock was set during the recording: count on from now,
        // neither waiting for the old time nor writing the jump out.
        qWarning("VideoPipeInterface: the clock moved by %lld s while recording", passed);
        m_lastSecond = passed < 0 ? now : now.addSecs(-1);
        passed = passed < 0 ? 0 : 1;
    }
    if (passed == 0)
        return;
    for (qint64 i = 0; i < passed && m_recording; ++i) {
        m_lastSecond = m_lastSecond.addSecs(1);
        writeIrAdFile(++m_seconds);
    }
}

bool VideoPipeInterface::openIrAdFile()
{
    closeIrAdFile();
    const QByteArray path = Paths::resolveNative(QLatin1String(SideFile));
    ::unlink(path.constData());
    m_fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (m_fd < 0) {
        qWarning("VideoPipeInterface: side file not made");
        tellNotWritten();
        return false;
    }
    // The live view's picture mode; the side file's start stores it + 1.
    int mode = 0;
    if (EGraphicsView *view = EGlobal::getGraphicsView())
        mode = int(view->getImageMode());
    const QByteArray header = EFileManager::buildFilePara(EFileManager::currentFileParaValues());
    if (!writeAll(m_fd, EFileManager::videoSideFileStart(header, mode))) {
        qWarning("VideoPipeInterface: side file start not written");
        closeIrAdFile();
        tellNotWritten();
        return false;
    }
    return true;
}

void VideoPipeInterface::writeIrAdFile(int seconds)
{
    if (m_fd < 0) {
        m_recording = false;
        return;
    }
    QByteArray record(RecordSize, '\0');
    EFileManager::video_addIRData(record.data(), RecordSize, seconds);
    if (!writeAll(m_fd, record)) {
        qWarning("VideoPipeInterface: side file record %d not written", seconds);
        tellNotWritten();
    }
    // The side file must be on the card when the service ends the video;
    // a flush waits for the card, so it runs on the worker.
    m_sync->request(m_fd);
}

void VideoPipeInterface::closeIrAdFile()
{
    if (m_fd < 0)
        return;
    m_sync->request(m_fd);
    ::close(m_fd);
    m_fd = -1;
}

// Told as a recording that could not be saved is; once a recording, not
// every second.
void VideoPipeInterface::tellNotWritten()
{
    if (m_failureTold)
        return;
    m_failureTold = true;
    Q_EMIT sideFileNotWritten();
}
