#include "simbattery.h"

#include "devicefile.h"

#include <cerrno>
#include <algorithm>
#include <cmath>

namespace {
// The board's scaling: count * 1.8 / 1024 * gain + offset.
constexpr double CountVolts = 1.8 / 1024.0;

quint16 countFor(double volts, double gain, double offset)
{
    const double count = std::round((volts - offset) / gain / CountVolts);
    return static_cast<quint16>(std::clamp(count, 0.0, 65535.0));
}

// What the gauge holds: a reader that asks the shared battery each poll.
class SimBatteryAdc : public BatteryAdc
{
public:
    explicit SimBatteryAdc(std::shared_ptr<SimBattery> battery) : m_battery(std::move(battery)) {}

    bool open() override
    {
        m_open = m_battery->present();
        if (!m_open)
            errno = ENOENT;
        return m_open;
    }
    bool isOpen() const override { return m_open; }
    bool readSample(Sample *sample) override
    {
        if (!m_open)
            return false;
        const QByteArray bytes = m_battery->nextRead();
        if (bytes.size() != SampleBytes)
            return false;
        *sample = decode(bytes);
        return true;
    }

private:
    std::shared_ptr<SimBattery> m_battery;
    bool m_open = false;
};
} // namespace

SimBattery::SimBattery() = default;

void SimBattery::install(const std::shared_ptr<SimBattery> &battery)
{
    if (!battery) {
        BatteryAdc::installFactory(nullptr);
        return;
    }
    BatteryAdc::installFactory([battery]() -> std::unique_ptr<BatteryAdc> {
        return std::make_unique<SimBatteryAdc>(battery);
    });
}

void SimBattery::setVolts(double battery, double supply)
{
    m_steady = true;
    m_battery = battery;
    m_supply = supply;
}

void SimBattery::clearVolts()
{
    m_steady = false;
}

void SimBattery::push(double battery, double supply)
{
    m_queue.append({Reading, battery, supply});
}

void SimBattery::pushShortRead()
{
    m_queue.append({ShortRead, 0.0, 0.0});
}

void SimBattery::pushNothing()
{
    m_queue.append({Nothing, 0.0, 0.0});
}

quint16 SimBattery::batteryRaw(double volts)
{
    return countFor(volts, 6.0, 0.2);
}

quint16 SimBattery::supplyRaw(double volts)
{
    return countFor(volts, 11.0, 0.5);
}

QByteArray SimBattery::sampleBytes(double battery, double supply)
{
    QByteArray bytes(BatteryAdc::SampleBytes, '\0');
    const quint16 b = batteryRaw(battery);
    const quint16 s = supplyRaw(supply);
    bytes[0] = static_cast<char>(b & 0xFF);
    bytes[1] = static_cast<char>(b >> 8);
    bytes[2] = static_cast<char>(s & 0xFF);
    bytes[3] = static_cast<char>(s >> 8);
    return bytes;
}

QByteArray SimBattery::nextRead()
{
    ++m_reads;
    if (!m_queue.isEmpty()) {
        const Entry entry = m_queue.takeFirst();
        if (entry.kind == ShortRead)
            return sampleBytes(entry.battery, entry.supply).left(5);
        if (entry.kind == Nothing)
            return QByteArray();
        return sampleBytes(entry.battery, entry.supply);
    }
    if (m_steady)
        return sampleBytes(m_battery, m_supply);
    if (!m_file.isEmpty()) {
        const QList<QByteArray> fields = DeviceFile::readSmallFile(m_file, 256).simplified().split(' ');
        bool okBattery = false, okSupply = false;
        const double battery = fields.value(0).toDouble(&okBattery);
        const double supply = fields.size() > 1 ? fields.at(1).toDouble(&okSupply) : 0.0;
        if (okBattery && std::isfinite(battery) && (fields.size() < 2 || (okSupply && std::isfinite(supply))))
            return sampleBytes(battery, supply);
    }
    return QByteArray();
}
