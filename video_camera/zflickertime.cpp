#include "zflickertime.h"

#include "cardspace.h"
#include "ecapturepanel.h"
#include "encoderlink.h"
#include "fiforeader.h"
#include "intervals.h"
#include "ipckeys.h"
#include "replytokenizer.h"
#include "sharedmemory.h"

#include <QKeyEvent>
#include <QPainter>
#include <QTimer>

#include <cstring>

ZFlickerTime::ZFlickerTime(QWidget *parent)
    : QWidget(parent, Qt::FramelessWindowHint)
    , m_timer(new QTimer(this))
    , m_pipe(new FifoReader(QLatin1String(EncoderLink::VideoTimePipe), this))
    , m_tokens(std::make_unique<ReplyTokenizer>(QList<QByteArray>{EncoderLink::VideoTime}, Qt::CaseSensitive))
{
    setWindowModality(Qt::WindowModal);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TranslucentBackground);
    QFont f(QStringLiteral("wenquanyi"));
    f.setPointSize(9);
    setFont(f);
    m_text = QStringLiteral("00:00:00");
    m_textWidth = fontMetrics().horizontalAdvance(m_text);
    place();
    connect(m_timer, &QTimer::timeout, this, &ZFlickerTime::flickertime_timeout);
    connect(m_pipe, &FifoReader::received, this, &ZFlickerTime::handleTimePipe);
    if (!m_pipe->open())
        std::printf("%s %s %d VIDEOTIME_NAME[%s] fd [%d] \n", __FILE__, __func__, __LINE__, EncoderLink::VideoTimePipe, -1);
}

ZFlickerTime::~ZFlickerTime()
{
    m_pipe->stop();
}

QString ZFlickerTime::timeText(int seconds)
{
    if (seconds < 0 || seconds >= 24 * 3600)
        return QString();
    return QString::asprintf("%02d:%02d:%02d", seconds / 3600, seconds / 60 % 60, seconds % 60);
}

void ZFlickerTime::place()
{
    setGeometry((320 - m_textWidth) / 2, 20, m_textWidth, Height);
}

// Only a "video" that comes while waiting confirms; what arrives while
// counting belongs to no recording and is dropped.
void ZFlickerTime::handleTimePipe(const QByteArray &data)
{
    const QList<QByteArray> messages = m_tokens->feed(data);
    if (!m_started && !messages.isEmpty() && m_timer->isActive())
        m_confirmedByPipe = true;
}

int ZFlickerTime::readEncoderCount()
{
    SharedMemory segment;
    if (!segment.attach(IpcKeys::key(EncoderLink::VideoSecondsKey), 4, true))
        return -1;
    qint32 count = 0;
    std::memcpy(&count, segment.data(), sizeof count);
    return count;
}

void ZFlickerTime::setPeriod(int ms)
{
    m_timer->start(Intervals::ms(ms));
}

void ZFlickerTime::flickertime_timeout()
{
    // One read of the encoder's count a tick.
    const int count = readEncoderCount();
    if (count >= 0)
        m_encoderCount = count;
    if (!m_started) {
        if (m_confirmedByPipe || count >= 1) {
            m_confirmedByPipe = false;
            m_started = true;
            m_lastCount = 0;
            m_spaceTicks = 0;
            setPeriod(FastMs);
        }
    }
    if (!m_started) {
        m_text = QStringLiteral("00:00:00");
        place();
        update();
        return;
    }
    const int expected = m_ticks / 2 + 1;
    const int period = m_timer->interval();
    if (m_encoderCount > expected) {
        if (period != Intervals::ms(FastMs)) {
            setPeriod(FastMs);
            m_periodChanged = true;
        }
    } else if (m_encoderCount < expected) {
        if (period != Intervals::ms(SlowMs)) {
            setPeriod(SlowMs);
            m_periodChanged = true;
        }
    } else if (period != Intervals::ms(NormalMs)) {
        if (!m_periodChanged)
            setPeriod(NormalMs);
        m_periodChanged = false;
    }
    m_text = timeText(expected);
    m_lastCount = m_encoderCount;
    ++m_ticks;
    // The card may fill while recording: check it once a second.
    if (++m_spaceTicks >= 2) {
        m_spaceTicks = 0;
        if (CardSpace::tooFullForVideo())
            Q_EMIT spacesignals();
    }
    update();
}

void ZFlickerTime::startflickerTimer()
{
    m_started = false;
    m_encoderCount = 0;
    // A "video" left from an earlier recording must not confirm this one.
    m_confirmedByPipe = false;
    m_tokens->reset();
    m_timer->start(Intervals::ms(WaitMs));
    flickertime_timeout();
    m_timer->start(Intervals::ms(WaitMs));
    m_text = QStringLiteral("00:00:00");
    update();
}

void ZFlickerTime::stopflickerTimer()
{
    hide();
    m_encoderCount = 0;
    m_lastCount = 0;
    m_started = false;
    m_ticks = 0;
    m_timer->stop();
}

void ZFlickerTime::keyPressEvent(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Escape)
        return;
    ECapturePanel *panel = ECapturePanel::instance();
    if (panel && panel->get_activationstat() == ECapturePanel::HiddenByTimer && panel->get_currentwidget() == ECapturePanel::VideoPanel) {
        panel->panelWindow()->setVisible(true);
        panel->start_timer();
    }
}

void ZFlickerTime::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.fillRect(rect(), QColor(145, 71, 205, 99));
    p.setPen(Qt::red);
    p.drawText(rect(), Qt::AlignLeft | Qt::AlignTop, m_text);
}
