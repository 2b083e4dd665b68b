#include "batteryadc.h"

#include "installedfactory.h"

#include <fcntl.h>

namespace {
InstalledFactory<BatteryAdc::Factory> s_factory;

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
    return s_factory.make([]() -> std::unique_ptr<BatteryAdc> { return std::make_unique<BatteryAdc>(); });
}

void BatteryAdc::installFactory(Factory factory)
{
    s_factory.install(std::move(factory));
}
