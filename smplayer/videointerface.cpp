#include "videointerface.h"

#include "messagechannel.h"
#include "nativename.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <QTimer>

#include <utility>

namespace {
int s_nProgress = 0;
const QString Channel = QStringLiteral("videoGraphicsViewinterface");
} // namespace

VideoInterface::VideoInterface(QWidget *parent)
    : QWidget(parent)
{
    setFixedHeight(75);
    setFixedWidth(280);
    setFocusPolicy(Qt::NoFocus);
    createVideoUiInterface();
    m_player = MplayLib::create();
    connect(m_player, &MplayLib::starttime, this, &VideoInterface::startslost, Qt::DirectConnection);
    connect(m_player, &MplayLib::endtime, this, &VideoInterface::stopslots, Qt::DirectConnection);
    connect(m_player, &MplayLib::stateChange, this, &VideoInterface::mplayerStateChanged, Qt::DirectConnection);
    m_progress = new QTimer(this);
    connect(m_progress, &QTimer::timeout, this, &VideoInterface::slot_tmProgress);
}

VideoInterface::~VideoInterface()
{
    stopPlay();
    delete m_player;
}

int VideoInterface::progressTicks()
{
    return s_nProgress;
}

void VideoInterface::createVideoUiInterface()
{
    QFont font(QStringLiteral("wenquanyi"), 5, QFont::Normal);
    QPalette palette;
    palette.setColor(QPalette::WindowText, Qt::white);
    auto label = [&](const QRect &geometry) {
        auto *l = new QLabel(QStringLiteral("00:00:00"), this);
        l->setGeometry(geometry);
        l->setFont(font);
        l->setPalette(palette);
        return l;
    };
    m_elapsed = label(QRect(5, 10, 60, 16));
    m_lengthLabel = label(QRect(220, 10, 60, 16));
    m_slider = new QSlider(Qt::Horizontal, this);
    m_slider->setGeometry(60, 10, 160, 20);
    m_slider->setFocusPolicy(Qt::NoFocus);
    m_slider->setStyleSheet(QStringLiteral(
        "QSlider:horizontal { border-radius: 10px; }"
        "QSlider::groove:horizontal { border: 1px solid #999999; height: 2px; margin: 0px 0; left: 12px; right: 12px; }"
        "QSlider::handle:horizontal { border: 1px solid #5c5c5c; border-image: url(:/images/smplayerimages/slider1.bmp);"
        " width: 14px; margin: -6px -6px -6px -6px; }"
        "QSlider::sub-page:horizontal { background: rgb(39,135,183); }"
        "QSlider::add-page:horizontal { background: rgb(00,00,00); }"));
    connect(m_slider, &QSlider::sliderMoved, this, &VideoInterface::seekPlay);
    const int step = width() / 6;
    auto button = [&](int n, const QString &icon) {
        auto *b = new QPushButton(this);
        b->setGeometry(n * step - 15, 40, 30, 30);
        b->setFlat(true);
        b->setFocusPolicy(Qt::NoFocus);
        b->setIconSize(QSize(30, 30));
        b->setIcon(QIcon(icon));
        b->setStyleSheet(QStringLiteral("border-radius: 2px;"));
        return b;
    };
    m_stop = button(1, QStringLiteral(":/images/smplayerimages/stop_disabled.png"));
    m_play = button(2, QStringLiteral(":/images/smplayerimages/play_enabled.png"));
    m_list = button(3, QStringLiteral(":images/smplayerimages/showlist_enabled.png"));
    m_volume = button(4, QStringLiteral(":/images/smplayerimages/sound_enabled.png"));
    m_exit = button(5, QStringLiteral(":images/smplayerimages/exit.png"));
    connect(m_stop, &QPushButton::clicked, this, &VideoInterface::stopPlay);
    connect(m_play, &QPushButton::clicked, this, &VideoInterface::startpausePlay);
    connect(m_list, &QPushButton::clicked, this, &VideoInterface::videolistPlay);
    connect(m_volume, &QPushButton::clicked, this, &VideoInterface::soundPlay);
    connect(m_exit, &QPushButton::clicked, this, &VideoInterface::backPlay);
}

void VideoInterface::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient gradient(rect().topLeft(), rect().bottomLeft());
    gradient.setColorAt(0, QColor(88, 88, 72));
    gradient.setColorAt(1, QColor(102, 105, 115));
    p.setPen(Qt::NoPen);
    p.setBrush(gradient);
    p.drawRect(rect());
}

QTime VideoInterface::int_to_time(int seconds)
{
    return QTime(seconds / 3600, (seconds / 60) % 60, seconds % 60);
}

QString VideoInterface::timeText(int seconds)
{
    return int_to_time(seconds).toString(QStringLiteral("hh:mm:ss"));
}

int VideoInterface::pacedInterval(int shown, int reported)
{
    return 500 + 100 * qBound(-2, shown - reported, 2);
}

void VideoInterface::startpausePlay()
{
    if (!m_started) {
        qWarning("===m_mplayLib->play==file:%s=", qPrintable(NativeName::shown(m_path)));
        m_started = true;
        m_awaitingPlay = true;
        m_refused = false;
        // The player takes the name as text: one that is not UTF-8 it
        // reaches through the file held open here.
        m_playing.close();
        if (NativeName::hasRawBytes(m_path))
            NativeName::openForReading(m_playing, m_path);
        m_player->play(NativeName::openablePath(m_path, m_playing));
        return;
    }
    // The player answers with its state; the progress timer follows that.
    qWarning("===m_mplayLib->pause===");
    m_player->pause();
}

void VideoInterface::stopslots(int length)
{
    m_length = length;
    m_slider->setRange(0, length);
    m_lengthLabel->setText(timeText(length));
    if (length > 0 && !m_paused) {
        qWarning("-------------Get video Length------------------");
        m_progress->start(1000);
    }
}

void VideoInterface::startslost(int second)
{
    m_reported = second;
}

void VideoInterface::slot_tmProgress()
{
    ++s_nProgress;
    m_shown = qMin(s_nProgress / 2, m_length);
    if (!m_slider->isSliderDown())
        m_slider->setValue(m_shown);
    m_elapsed->setText(timeText(m_shown));
    Q_EMIT signal_startTime(m_shown, false);
    m_progress->setInterval(pacedInterval(m_shown, m_reported));
}

void VideoInterface::seekPlay(int position)
{
    if (m_length < 0)
        return;
    m_player->seek(position, true);
    qWarning("===Slide moved to %d===", position);
    m_shown = position;
    s_nProgress = 2 * position;
    m_reported = position;
    m_elapsed->setText(timeText(position));
    m_lengthLabel->setText(timeText(m_length));
    Q_EMIT signal_startTime(position, true);
}

void VideoInterface::showStateIcons(MplayLib::State state)
{
    const bool running = state == MplayLib::stPlaying || state == MplayLib::stPaused;
    m_stop->setIcon(QIcon(running ? QStringLiteral(":/images/smplayerimages/stop_enabled.png")
                                  : QStringLiteral(":/images/smplayerimages/stop_disabled.png")));
    m_play->setIcon(QIcon(state == MplayLib::stPlaying ? QStringLiteral(":/images/smplayerimages/pause_enabled.png")
                                                       : QStringLiteral(":/images/smplayerimages/play_enabled.png")));
}

void VideoInterface::mplayerStateChanged(MplayLib::State state)
{
    qWarning("---mplayerStateChanged---state:%d", int(state));
    switch (state) {
    case MplayLib::stStopped:
        if (std::exchange(m_awaitingPlay, false)) {
            // Not a recording the player takes (or none at all): told
            // rather than left at 00:00:00 without a word.
            m_refused = true;
            Q_EMIT signal_cannotPlay();
        }
        Q_EMIT signal_stopPlay();
        m_elapsed->setText(QStringLiteral("00:00:00"));
        m_lengthLabel->setText(QStringLiteral("00:00:00"));
        m_reported = m_length = m_shown = 0;
        m_progress->stop();
        s_nProgress = 0;
        m_started = false;
        m_paused = false;
        m_slider->setValue(0);
        showStateIcons(state);
        qWarning("MplayLib::stStopped");
        break;
    case MplayLib::stLoading:
        qWarning("MplayLib::stLoading");
        break;
    case MplayLib::stBuffering:
        qWarning("MplayLib::stBuffering");
        break;
    case MplayLib::stPlaying:
        m_awaitingPlay = false;
        showStateIcons(state);
        qWarning("MplayLib::stPlaying");
        m_started = true;
        if (m_paused && m_length > 0)
            m_progress->start(500);
        m_paused = false;
        break;
    case MplayLib::stPaused:
        showStateIcons(state);
        qWarning("MplayLib::stPaused");
        m_awaitingPlay = false;
        m_paused = true;
        m_progress->stop();
        break;
    }
}

void VideoInterface::stopPlay()
{
    // The stopped state resets the count and the progress timer; a stop
    // asked for here is no refusal.
    m_awaitingPlay = false;
    mplayerStateChanged(MplayLib::stStopped);
    if (m_player)
        m_player->stop();
}

void VideoInterface::videolistPlay()
{
    qWarning("\t file [%s] func [%s] line [%d] \n", __FILE__, "videolistPlay", __LINE__);
    MessageChannel::send(Channel, QStringLiteral("playlistSig"));
}

void VideoInterface::backPlay()
{
    qWarning("\t file [%s] func [%s] line [%d] \n", __FILE__, "backPlay", __LINE__);
    MessageChannel::send(Channel, QStringLiteral("backPlaySig"));
}

void VideoInterface::soundPlay()
{
    Q_EMIT sound_signals();
}
