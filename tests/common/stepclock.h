#pragma once

#include "systemclock.h"

#include <QDateTime>

// A clock whose time moves only when a test sets it: seconds counted from
// it come out exact whatever the machine's load.
class StepClock : public SystemClock
{
public:
    QDateTime now() const override { return t; }
    bool setSystemTime(const QDateTime &) override { return false; }
    bool syncHardwareClock() override { return false; }
    QDateTime t = QDateTime(QDate(2026, 1, 2), QTime(10, 0, 0));
};
