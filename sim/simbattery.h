#pragma once

#include "batteryadc.h"

#include <QList>
#include <QString>

#include <memory>

// The battery ADC off the board. Samples are made from volts: first from
// the queue the test scripted (a reading, a short read or nothing yet),
// then from the steady values, else from a text file in the root holding
// "battery supply" in volts (the simulator's "/sim/battery"), else nothing
// (the non-blocking read finds the device empty).
class SimBattery
{
public:
    SimBattery();

    // Makes battery the source of every BatteryAdc::create(); null restores
    // the board's ADC.
    static void install(const std::shared_ptr<SimBattery> &battery);

    void setVolts(double battery, double supply);
    void clearVolts();
    void push(double battery, double supply);
    void pushShortRead();
    void pushNothing();
    void setFile(const QString &systemPath) { m_file = systemPath; }
    void setPresent(bool present) { m_present = present; }

    bool present() const { return m_present; }
    int reads() const { return m_reads; }

    // The counts whose voltage comes nearest.
    static quint16 batteryRaw(double volts);
    static quint16 supplyRaw(double volts);
    static QByteArray sampleBytes(double battery, double supply);

    // One read as the device would answer it: 12 bytes, fewer, or none.
    QByteArray nextRead();

private:
    enum Kind { Reading, ShortRead, Nothing };
    struct Entry
    {
        Kind kind = Reading;
        double battery = 0.0;
        double supply = 0.0;
    };

    QList<Entry> m_queue;
    bool m_steady = false;
    double m_battery = 0.0;
    double m_supply = 0.0;
    QString m_file;
    bool m_present = true;
    int m_reads = 0;
};
