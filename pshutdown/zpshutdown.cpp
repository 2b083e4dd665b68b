#include "zpshutdown.h"

#include "intervals.h"
#include "poweroff.h"
#include "systemclock.h"

#include <QFontMetrics>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

#include <cstdio>

namespace {
QString timeText(const QDateTime &now)
{
    return QString::asprintf("%02d:%02d", now.time().hour(), now.time().minute());
}

QString dateText(const QDateTime &now)
{
    return QString::asprintf("%04d/%02d/%02d", now.date().year(), now.date().month(), now.date().day());
}

// The label keeps its place in the track beside the knob; a text longer
// than that place gets a smaller font, so that it shows whole.
void fitFontToWidth(QLabel *label)
{
    QFont font = label->font();
    while (font.pixelSize() > 1 && QFontMetrics(font).horizontalAdvance(label->text()) > label->contentsRect().width())
        font.setPixelSize(font.pixelSize() - 1);
    label->setFont(font);
}
} // namespace

ZPshutdown::ZPshutdown(QWidget *parent)
    : QWidget(parent, Qt::FramelessWindowHint)
{
    setWindowModality(Qt::WindowModal);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 320, 240);
    QPalette palette = this->palette();
    palette.setBrush(QPalette::Window, QBrush(QPixmap(QStringLiteral(":/images/shutdown/slidermain.bmp"))));
    setPalette(palette);
    setAutoFillBackground(true);

    QFont font = this->font();
    font.setPixelSize(20);
    auto label = [&](const QRect &geometry) {
        auto *l = new QLabel(this);
        l->setFont(font);
        l->setGeometry(geometry);
        return l;
    };
    const QDateTime now = SystemClock::instance()->now();
    m_timeText = timeText(now);
    m_dateText = dateText(now);
    m_timeLabel = label(QRect(40, 40, 200, 40));
    m_timeLabel->setText(m_timeText);
    m_dateLabel = label(QRect(40, 70, 200, 40));
    m_dateLabel->setText(m_dateText);
    for (QLabel *l : {m_timeLabel, m_dateLabel})
        l->setStyleSheet(QStringLiteral("color: white;"));
    m_slideLabel = label(QRect(75, 176, 140, 37));
    m_slideLabel->setText(tr("Slide to power off"));
    m_slideLabel->setStyleSheet(QStringLiteral("color: white;"));
    fitFontToWidth(m_slideLabel);
    m_shutdownLabel = label(QRect(17, 120, 200, 40));
    m_shutdownLabel->setText(tr("Shutdown ....."));
    m_shutdownLabel->setStyleSheet(QStringLiteral("color: white;"));
    m_shutdownLabel->hide();

    // Above the slide text so the knob covers it while it travels.
    m_knob = new QLabel(this);
    m_knob->setPixmap(QPixmap(QStringLiteral(":/images/shutdown/slider.png")));
    m_knob->setGeometry(KnobHome, KnobY, 52, 37);
    m_knob->setAttribute(Qt::WA_TransparentForMouseEvents);

    m_cancel = new QPushButton(this);
    m_cancel->setFocusPolicy(Qt::NoFocus);
    m_cancel->setGeometry(248, 135, 44, 44);
    m_cancel->setStyleSheet(QStringLiteral("QPushButton {\nborder-image: url(:images/shutdown/cancel.bmp)}\n"
                                           "QPushButton:Pressed {\nborder-image: url(:images/shutdown/cancelok.bmp)}\n"));
    connect(m_cancel, &QPushButton::clicked, this, &ZPshutdown::cancel_shutdownslots);

    m_timer = new QTimer(this);
    connect(m_timer, &QTimer::timeout, this, &ZPshutdown::update_time);
    m_timer->start(Intervals::ms(TickMs));
}

void ZPshutdown::mousePressEvent(QMouseEvent *event)
{
    const QPoint p = event->position().toPoint();
    if (m_slid || m_armed || p.x() < PressLeft || p.x() > PressRight || !inBand(p.y()))
        return;
    m_pressed = true;
    m_reachedEnd = false;
    m_pressX = p.x();
}

void ZPshutdown::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint p = event->position().toPoint();
    if (!m_pressed || m_slid || p.x() < PressLeft || p.x() > TravelRight || !inBand(p.y()))
        return;
    if (m_knob->x() + 51 <= TravelRight)
        m_knob->move(p.x(), KnobY);
    if (m_knob->x() >= KnobEnd)
        m_reachedEnd = true;
}

// Only a knob that reached the end completes the slide: a finger that
// slips off the band, or lets go short of the end, sends it home.
void ZPshutdown::mouseReleaseEvent(QMouseEvent *event)
{
    if (!m_pressed || m_slid)
        return;
    m_pressed = false;
    if (!m_reachedEnd) {
        snapBack();
        return;
    }
    m_knob->setGeometry(KnobEnd, KnobY, 52, 37);
    m_slid = true;
    m_armed = true;
    m_byKey = false;
    m_timer->start(Intervals::ms(TickMs));
    std::puts("send shutdown signals ");
}

void ZPshutdown::snapBack()
{
    m_knob->move(KnobHome, KnobY);
    m_reachedEnd = false;
}

void ZPshutdown::KeyCloseWindow()
{
    m_shutdownLabel->show();
    m_knob->setEnabled(false);
    m_cancel->setEnabled(false);
    m_timer->stop();
    m_pressed = false;
    m_armed = true;
    m_byKey = true;
    m_timer->start(Intervals::ms(KeyTickMs));
}

void ZPshutdown::update_time()
{
    m_timeText = timeText(SystemClock::instance()->now());
    m_timeLabel->setText(m_timeText);
    if (!m_armed)
        return;
    m_timer->stop();
    m_cancel->setEnabled(false);
    if (!PowerOff::instance()->request(m_byKey ? PowerOff::PowerKey : PowerOff::SlideScreen)) {
        disarm();
        return;
    }
    // No way back from here; the screen only waits for the power to go.
    m_armed = false;
}

// Refused (a flash update is being written): back to the idle screen.
void ZPshutdown::disarm()
{
    m_armed = false;
    m_slid = false;
    m_byKey = false;
    snapBack();
    m_shutdownLabel->hide();
    m_knob->setEnabled(true);
    m_cancel->setEnabled(true);
    m_timer->start(Intervals::ms(TickMs));
}

void ZPshutdown::cancel_shutdownslots()
{
    std::printf("cancel shutdown (%s:%d)\n", __FILE__, __LINE__);
    Q_EMIT cancel_shutdown_signal();
}
