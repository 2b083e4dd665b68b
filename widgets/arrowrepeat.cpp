#include "arrowrepeat.h"

#include <QEvent>
#include <QPushButton>
#include <QTimer>

namespace {
const int s_repeatMs = 200;
}

ArrowRepeat::ArrowRepeat(QPushButton *left, QPushButton *right, QWidget *row)
    : QObject(row)
    , m_arrows{left, right}
{
    for (int i = 0; i < 2; ++i) {
        m_timers[i] = new QTimer(this);
        const int direction = i == 0 ? -1 : +1;
        connect(m_timers[i], &QTimer::timeout, this, [this, direction] { tick(direction); });
    }
    row->installEventFilter(this);
}

void ArrowRepeat::followArrows()
{
    for (int i = 0; i < 2; ++i) {
        const int direction = i == 0 ? -1 : +1;
        connect(m_arrows[i], &QPushButton::pressed, this, [this, direction] { press(direction); });
        connect(m_arrows[i], &QPushButton::released, this, [this, direction] { release(direction); });
    }
}

void ArrowRepeat::press(int direction)
{
    if (m_repeatOnHold)
        m_timers[side(direction)]->start(s_repeatMs);
    m_ticks = 0;
}

void ArrowRepeat::tick(int direction)
{
    ++m_ticks;
    m_repeated[side(direction)] = true;
    Q_EMIT stepRequested(direction, m_ticks);
}

void ArrowRepeat::release(int direction)
{
    const int i = side(direction);
    m_timers[i]->stop();
    if (m_repeated[i]) {
        m_repeated[i] = false;
        return;
    }
    Q_EMIT stepRequested(direction, 0);
}

void ArrowRepeat::stop()
{
    const bool held = m_repeated[0] || m_repeated[1];
    for (int i = 0; i < 2; ++i) {
        m_timers[i]->stop();
        // Without this a release delivered later would count as a short click.
        if (m_arrows[i])
            m_arrows[i]->setDown(false);
        m_repeated[i] = false;
    }
    m_ticks = 0;
    if (held)
        Q_EMIT holdAbandoned();
}

// A row hidden under the finger never sees the release: end the repeat here
// so the value stops moving while nobody can see it.
bool ArrowRepeat::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Hide && watched == parent())
        stop();
    return QObject::eventFilter(watched, event);
}
