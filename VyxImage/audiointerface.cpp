#include "audiointerface.h"

#include "audiodevice.h"
#include "intervals.h"
#include "osssound.h"
#include "paths.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <QTimer>

#include <cstdio>

namespace {
int s_runState = AudioInterface::Idle;
int s_pauseState = 2;

QLabel *makeLabel(QWidget *parent, const QRect &geometry)
{
    auto *label = new QLabel(QStringLiteral("00:00:00"), parent);
    label->setGeometry(geometry);
    label->setFont(QFont(QStringLiteral("wenquanyi"), 5, QFont::Normal));
    QPalette palette = label->palette();
    palette.setColor(QPalette::Active, QPalette::Text, Qt::white);
    palette.setColor(QPalette::Active, QPalette::WindowText, Qt::white);
    label->setPalette(palette);
    return label;
}
} // namespace

AudioInterface::AudioInterface(QWidget *parent)
    : QWidget(parent)
{
    setFixedSize(280, 75);
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    setWindowModality(Qt::WindowModal);
    setFocusPolicy(Qt::StrongFocus);
    setFocus();

    m_feedTimer = new QTimer(this);
    connect(m_feedTimer, &QTimer::timeout, this, &AudioInterface::runMusicPlay);
    connect(this, &AudioInterface::bufLengthSig, this, &AudioInterface::BufTotime);
    connect(this, &AudioInterface::runExitSig, this, &AudioInterface::audioStopPlay);

    createAudioInterface();
    setRunState(Idle);
    setpthreadRunState(2);
    stopslots(0);
    startslost(0);
}

AudioInterface::~AudioInterface()
{
    if (m_note.isOpen() || m_device)
        audioStopPlay();
}

QPushButton *AudioInterface::makeButton(int x, const char *image)
{
    auto *button = new QPushButton(this);
    button->setGeometry(x, 40, 30, 30);
    button->setIconSize(QSize(30, 30));
    button->setFlat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setStyleSheet(QStringLiteral("border-radius: 2px;"));
    setIcon(button, image);
    return button;
}

void AudioInterface::setIcon(QPushButton *button, const char *image)
{
    button->setIcon(QIcon(QStringLiteral(":/images/%1").arg(QLatin1String(image))));
}

void AudioInterface::createAudioInterface()
{
    m_elapsed = makeLabel(this, QRect(5, 10, 60, 16));
    m_slider = new QSlider(Qt::Horizontal, this);
    m_slider->setGeometry(60, 10, 160, 20);
    m_slider->setFocusPolicy(Qt::NoFocus);
    m_slider->setStyleSheet(QStringLiteral(
        "QSlider { border-radius: 10px; }"
        "QSlider::groove:horizontal { height: 2px; border: 1px solid #999999; margin: 0px 12px; }"
        "QSlider::handle:horizontal { width: 14px; border: 1px solid #5c5c5c;"
        " border-image: url(:/images/smplayerimages/slider1.bmp); margin: -6px -6px -6px -6px; }"
        "QSlider::sub-page:horizontal { background: rgb(39, 135, 183); }"
        "QSlider::add-page:horizontal { background: black; }"));
    m_total = makeLabel(this, QRect(220, 10, 60, 16));
    m_stop = makeButton(50, "stop_disabled.png");
    m_play = makeButton(120, "play_enabled.png");
    m_sound = makeButton(190, "sound_enabled.png");

    connect(m_slider, &QSlider::sliderMoved, this, &AudioInterface::seekPlay);
    connect(m_stop, &QPushButton::clicked, this, &AudioInterface::audioStopPlay);
    connect(m_play, &QPushButton::clicked, this, &AudioInterface::startpausePlay);
    connect(m_sound, &QPushButton::clicked, this, &AudioInterface::soundPlay);
}

int AudioInterface::getRunState() { return s_runState; }
void AudioInterface::setRunState(int state) { s_runState = state; }
int AudioInterface::getpthreadRunState() { return s_pauseState; }
void AudioInterface::setpthreadRunState(int state) { s_pauseState = state; }

QTime AudioInterface::int_to_time(int second)
{
    return QTime(second / 3600, (second / 60) % 60, second % 60);
}

void AudioInterface::startslost(int second)
{
    m_elapsed->setText(int_to_time(second).toString(QStringLiteral("hh:mm:ss")));
    m_slider->setValue(second);
}

void AudioInterface::stopslots(int second)
{
    m_slider->setRange(0, second);
    m_total->setText(int_to_time(second).toString(QStringLiteral("hh:mm:ss")));
}

void AudioInterface::BufTotime(int length)
{
    if (length != 0)
        startslost(length / BytesPerSecond);
}

void AudioInterface::seekPlay(int pos)
{
    // Playback goes on where it is; the next tick puts the handle back.
    Q_UNUSED(pos);
}

void AudioInterface::soundPlay()
{
    Q_EMIT soundplay_signals();
}

int AudioInterface::startpausePlay()
{
    const int run = getRunState();
    if (run == Idle) {
        start();
    } else if (run == Running && getpthreadRunState() == 0) {
        std::printf("\t start to pause \n");
        setpthreadRunState(1);
        m_feedTimer->stop();
        setIcon(m_play, "play_enabled.png");
    } else if (run == Running) {
        std::printf("\t pause to start \n");
        setpthreadRunState(0);
        m_feedTimer->start(Intervals::ms(FeedMs));
        setIcon(m_play, "pause_enabled.png");
    }
    return 0;
}

void AudioInterface::start()
{
    m_bytesFed = 0;
    m_bytesRead = 0;
    m_pending.clear();
    m_note.setFileName(Paths::resolve(musicFile()));
    m_dataLength = qMax<qint64>(0, m_note.size() - HeaderBytes);
    startslost(0);
    stopslots(static_cast<int>(m_dataLength / BytesPerSecond));

    if (!m_note.open(QIODevice::ReadOnly) || !m_note.seek(HeaderBytes))
        std::printf("\t Open /root/music.wav fail \n");

    m_device = AudioDevice::create();
    const bool ready = m_device->open(AudioDevice::Playback)
        && m_device->configure(1, OssSound::AFMT_S16_LE, 8000);
    std::printf("\t Open /dev/dsp fd %d \n", ready ? 1 : -1);
    if (!ready) {
        std::printf("\t Init /dev/dsp fail \n");
        m_device.reset();
    }

    setIcon(m_stop, "stop_enabled.png");
    setIcon(m_play, "pause_enabled.png");
    setRunState(Running);
    setpthreadRunState(0);
    m_feedTimer->start(Intervals::ms(FeedMs));
    // The first second goes out at once; a note that cannot be played ends here.
    runMusicPlay();
    std::fflush(stdout);
}

void AudioInterface::runMusicPlay()
{
    if (getRunState() != Running)
        return;
    if (m_pending.isEmpty()) {
        const qint64 left = m_dataLength - m_bytesRead;
        if (left <= 0 || !m_note.isOpen()) {
            // Nothing (more) to play: a missing or short note, or its end.
            Q_EMIT runExitSig();
            return;
        }
        m_pending = m_note.read(qMin<qint64>(BytesPerSecond, left));
        if (m_pending.isEmpty()) {
            std::printf("\t Read /root/music.wav fail \n");
            Q_EMIT runExitSig();
            return;
        }
        m_bytesRead += m_pending.size();
    }
    qint64 taken = m_device ? m_device->write(m_pending.constData(), m_pending.size()) : -1;
    if (taken < 0) {
        // The sound is lost, but the position goes on to the end.
        std::printf("\t Write /dev/dsp fail \n");
        taken = m_pending.size();
    } else if (taken > 0) {
        std::printf("\t Write /dev/dsp %d  \n", static_cast<int>(taken));
    }
    m_pending.remove(0, static_cast<int>(taken));
    m_bytesFed += taken;
    if (m_bytesFed >= m_dataLength)
        Q_EMIT runExitSig();
    else
        Q_EMIT bufLengthSig(static_cast<int>(m_bytesFed));
}

void AudioInterface::audioStopPlay()
{
    setRunState(Stopping);
    setpthreadRunState(0);
    m_feedTimer->stop();
    stopslots(0);
    startslost(0);
    setIcon(m_stop, "stop_disabled.png");
    setIcon(m_play, "play_enabled.png");
    m_note.close();
    m_pending.clear();
    const bool hadDevice = m_device != nullptr;
    if (m_device)
        m_device->close();
    m_device.reset();
    setRunState(Idle);
    std::printf("\t ==== thread exit close /dev/dsp %d ==== \n", hadDevice ? 1 : 0);
    std::fflush(stdout);
}

void AudioInterface::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        audioStopPlay();
        hide();
        return;
    }
    event->ignore();
}

void AudioInterface::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    drawBg(&painter);
}

void AudioInterface::drawBg(QPainter *painter)
{
    QLinearGradient gradient(0, 0, 0, height());
    gradient.setColorAt(0, QColor(88, 88, 72, 99));
    gradient.setColorAt(1, QColor(102, 105, 115, 99));
    painter->setPen(Qt::NoPen);
    painter->setBrush(gradient);
    painter->drawRect(rect());
}
