#pragma once

#include "devicefile.h"

#include <QtGlobal>

#include <functional>
#include <memory>

// The board's ADC ("/dev/adc"): every read of exactly 12 bytes carries the
// battery channel (bytes 0-1) and the external supply channel (bytes 2-3),
// unsigned 16-bit little-endian counts. Opened non-blocking: a poll never
// waits, and a short read or an empty device (EAGAIN) skips the poll.
class BatteryAdc
{
public:
    enum { SampleBytes = 12 };
    struct Sample
    {
        quint16 battery = 0;
        quint16 supply = 0;
    };

    BatteryAdc();
    virtual ~BatteryAdc();
    BatteryAdc(const BatteryAdc &) = delete;
    BatteryAdc &operator=(const BatteryAdc &) = delete;

    static const char *defaultPath() { return "/dev/adc"; }

    // Read-only and non-blocking; false (errno set) when it cannot be opened.
    virtual bool open();
    virtual bool isOpen() const;
    // One read; true only when exactly 12 bytes came.
    virtual bool readSample(Sample *sample);

    static Sample decode(const QByteArray &bytes);

    using Factory = std::function<std::unique_ptr<BatteryAdc>()>;
    // The installed factory's ADC (simulator, tests), else the board's.
    static std::unique_ptr<BatteryAdc> create();
    static void installFactory(Factory factory);

private:
    DeviceFile m_file;
};
