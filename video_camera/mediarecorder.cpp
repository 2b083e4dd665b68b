#include "mediarecorder.h"

#include "audiotimedisplay.h"
#include "sharedmemory.h"
#include "voicenotesegment.h"
#include "wavheader.h"
#include "waveform.h"
#include "wavrecthread.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>

#include <cstring>

MediaRecorder::MediaRecorder(QWidget *parent)
    : QWidget(parent)
{
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    setWindowModality(Qt::WindowModal);
    setCursor(Qt::BlankCursor);
    setObjectName(QStringLiteral("Form"));
    resize(320, 240);
    m_recordButton = new QPushButton(this);
    m_recordButton->setObjectName(QStringLiteral("recoderbutton"));
    m_recordButton->setGeometry(31, 182, 40, 40);
    m_recordButton->setFocusPolicy(Qt::NoFocus);
    m_writeButton = new QPushButton(this);
    m_writeButton->setObjectName(QStringLiteral("writebutton"));
    m_writeButton->setGeometry(240, 180, 40, 40);
    m_writeButton->setFocusPolicy(Qt::NoFocus);
    setSkin(m_writeButton, "disk.bmp");

    m_thread = new WavRecThread(this);
    connect(m_thread, &QThread::finished, this, &MediaRecorder::threadWavAudioSlots);
    m_samples = QByteArray(2048, '\0');

    m_waveform = new Waveform(this);
    m_waveform->setGeometry(10, 80, 300, 90);
    m_time = new AudioTimeDisplay(this);
    m_time->setGeometry(60, 0, 200, 80);

    connect(this, &MediaRecorder::audiotimesignals, this, &MediaRecorder::currentTimeRecordSlots);
    connect(m_recordButton, &QPushButton::clicked, this, &MediaRecorder::recordClicked);
    connect(m_writeButton, &QPushButton::clicked, this, &MediaRecorder::writeAudioDateFile);
    connect(this, &MediaRecorder::showwave, this, &MediaRecorder::showWaveData);

    m_writeButton->setEnabled(false);
    setSkin(m_recordButton, "startrecord.bmp");
}

MediaRecorder::~MediaRecorder()
{
    // The thread calls back into this object until it sees its flag: it
    // must end before anything here goes.
    m_thread->setWavRecFlag(true);
    m_thread->wait();
    delete m_thread;
}

void MediaRecorder::setSkin(QPushButton *button, const char *image)
{
    button->setStyleSheet(QStringLiteral("border-image: url(:/images/wavimage/%1);").arg(QLatin1String(image)));
}

int MediaRecorder::byteCount()
{
    QMutexLocker lock(&m_sampleLock);
    return m_byteCount;
}

void MediaRecorder::recordClicked()
{
    if (m_state == Idle) {
        setSkin(m_recordButton, "stoprecord.bmp");
        setSkin(m_writeButton, "disk.bmp");
        m_writeButton->setEnabled(false);
        {
            QMutexLocker lock(&m_sampleLock);
            m_byteCount = 0;
        }
        m_time->setTime(0);
        startWaveRecording();
        m_thread->setWavRecFlag(false);
        m_thread->start(QThread::InheritPriority);
        m_state = Recording;
    } else if (m_state == Recording) {
        m_thread->setWavRecFlag(true);
        m_state = StopRequested;
    }
}

void MediaRecorder::startWaveRecording()
{
    m_waveform->changeSettings(8000, 1);
}

void MediaRecorder::stopWaveRecording()
{
    m_waveform->reset();
}

void MediaRecorder::setSoundBuffer(char *block, int bytes, int total)
{
    if (m_samples.isEmpty())
        return;
    setSampleBuffer(block, bytes, total);
    if (total > 0)
        Q_EMIT audiotimesignals(total / WavHeader::BytesPerSecond);
    Q_EMIT showwave(bytes);
}

void MediaRecorder::setSampleBuffer(char *block, int bytes, int total)
{
    QMutexLocker lock(&m_sampleLock);
    const int n = qBound(0, bytes, static_cast<int>(m_samples.size()));
    std::memcpy(m_samples.data(), block, static_cast<size_t>(n));
    m_sampleBytes = n;
    m_byteCount = total;
}

void MediaRecorder::currentTimeRecordSlots(int seconds)
{
    if (seconds > MaxSeconds - 1)
        recordClicked();
    m_time->setTime(seconds);
}

void MediaRecorder::showWaveData(int bytes)
{
    QMutexLocker lock(&m_sampleLock);
    // Only what the buffer holds now: the latest block.
    const int n = qMin(bytes, m_sampleBytes);
    m_waveform->newSamples(reinterpret_cast<const short *>(m_samples.constData()), n / 2);
}

void MediaRecorder::threadWavAudioSlots()
{
    m_writeButton->setEnabled(true);
    setSkin(m_recordButton, "startrecord.bmp");
    setSkin(m_writeButton, "_disk.bmp");
    stopWaveRecording();
    m_state = Idle;
    if (m_discard)
        Q_EMIT audiorecoderexit(0);
}

int MediaRecorder::writeAudioDateFile()
{
    // The thread has ended: the save button is off while it runs.
    const int count = byteCount();
    SharedMemory segment;
    if (!VoiceNoteSegment::open(&segment) || count < WavHeader::Size || static_cast<size_t>(count) > segment.size()) {
        Q_EMIT audiorecoderexit(0);
        return 0;
    }
    const QByteArray header = WavHeader::build(static_cast<quint32>(count));
    std::memcpy(segment.data(), header.constData(), static_cast<size_t>(header.size()));
    segment.detach();
    Q_EMIT audiorecoderexit(count);
    return 0;
}

void MediaRecorder::keyReleaseEvent(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Escape || event->isAutoRepeat()) {
        event->ignore();
        return;
    }
    if (m_discard)
        return;
    // A capture still running, or ended with its end handler pending: the
    // handler reports the discard once the thread is done.
    if (m_thread->isRunning() || m_state != Idle) {
        m_discard = true;
        if (m_thread->isRunning()) {
            m_state = Recording;
            recordClicked();
        }
        return;
    }
    Q_EMIT audiorecoderexit(0);
}

void MediaRecorder::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    drawBackground(&painter);
}

void MediaRecorder::drawBackground(QPainter *painter)
{
    QLinearGradient g(0, 0, 0, height());
    g.setColorAt(0, QColor(255, 255, 0));
    g.setColorAt(0.5, QColor(20, 20, 20));
    g.setColorAt(1, QColor(255, 255, 0));
    painter->setPen(Qt::NoPen);
    painter->setBrush(g);
    painter->drawRect(rect());
}
