#include "batteryadc.h"

#include <fcntl.h>

#include <mutex>

namespace {
std::mutex s_factoryMutex;
BatteryAdc::Factory s_factory;

quint16 word(const QByteArray &bytes, int at)
{
    return static_cast<quint16>(static_cast<quint8>(bytes.at(at)) | (static_cast<quint8>(bytes.at(at + 1)) << 8));
}
} // namespace

BatteryAdc::BatteryAdc()
    : m_file(QString::fromLatin1(defaultPath()))
{
}

BatteryAdc::~BatteryAdc() = default;

bool BatteryAdc::open()
{
    return m_file.open(O_RDONLY | O_NONBLOCK);
}

bool BatteryAdc::isOpen() const
{
    return m_file.isOpen();
}

bool BatteryAdc::readSample(Sample *sample)
{
    const QByteArray bytes = m_file.read(SampleBytes);
    if (bytes.size() != SampleBytes)
        return false;
    *sample = decode(bytes);
    return true;
}

BatteryAdc::Sample BatteryAdc::decode(const QByteArray &bytes)
{
    Sample sample;
    if (bytes.size() >= 4) {
        sample.battery = word(bytes, 0);
        sample.supply = word(bytes, 2);
    }
    return sample;
}

std::unique_ptr<BatteryAdc> BatteryAdc::create()
{
    Factory factory;
    {
        std::lock_guard<std::mutex> lock(s_factoryMutex);
        factory = s_factory;
    }
    if (factory) {
        if (std::unique_ptr<BatteryAdc> adc = factory())
            return adc;
    }
    return std::make_unique<BatteryAdc>();
}

void BatteryAdc::installFactory(Factory factory)
{
    std::lock_guard<std::mutex> lock(s_factoryMutex);
    s_factory = std::move(factory);
}
