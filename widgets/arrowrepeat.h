#pragma once

#include <QObject>
#include <QPointer>

class QPushButton;
class QTimer;
class QWidget;

// Press-and-hold repeat of a row's two arrows (direction -1 the left arrow,
// +1 the right one). A press starts that arrow's 200 ms timer and restarts
// the tick count; every tick asks the row for one step. The release of a
// press that ticked adds no step, a short click steps once. Hiding the row
// ends the press; the timers go with the row.
class ArrowRepeat : public QObject
{
    Q_OBJECT
public:
    ArrowRepeat(QPushButton *left, QPushButton *right, QWidget *row);

    // Presses and releases of the two arrows go straight to press() and
    // release(), for rows that do nothing else on them.
    void followArrows();

    // Off: a held arrow is one short click.
    void setRepeatOnHold(bool on) { m_repeatOnHold = on; }
    void press(int direction);
    void tick(int direction);
    void release(int direction);
    // Ends any press without a step.
    void stop();

Q_SIGNALS:
    // ticks: 0 for a short click, else the ticks of this press so far.
    void stepRequested(int direction, int ticks);
    // stop() ended a press that had ticked. Also sent while a shown row is
    // being destroyed (it hides then): connect it to a child, not the row.
    void holdAbandoned();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    int side(int direction) const { return direction < 0 ? 0 : 1; }

    QPointer<QPushButton> m_arrows[2];
    QTimer *m_timers[2];
    bool m_repeated[2] = {false, false};
    int m_ticks = 0;
    bool m_repeatOnHold = true;
};
