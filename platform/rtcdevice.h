#pragma once

#include <QDateTime>

#include <cstdint>
#include <functional>
#include <memory>

// The kernel's rtc_time record as the clock driver takes it: nine 32-bit
// integers, 36 bytes.
struct RtcRecord
{
    int32_t sec = 0;
    int32_t min = 0;
    int32_t hour = 0;
    int32_t mday = 0;
    int32_t mon = 0;   // 0..11
    int32_t year = 0;  // years since 1900
    int32_t wday = 0;
    int32_t yday = 0;
    int32_t isdst = 0;

    // Every field from one local time, weekday, year day and DST flag included.
    static RtcRecord fromLocal(const QDateTime &local);
    bool operator==(const RtcRecord &other) const;
};
static_assert(sizeof(RtcRecord) == 36, "the driver takes a 36-byte record");

// The battery-backed clock chip. Each call opens the node anew and closes it
// again; failures are printed on standard output and give false.
class RtcDevice
{
public:
    enum Request : unsigned long { GetDateTime = 0, SetDateTime = 2 };

    virtual ~RtcDevice();

    virtual bool read(RtcRecord *record) = 0;
    virtual bool write(const RtcRecord &record) = 0;

    static const char *path() { return "/dev/X12026"; }

    using Factory = std::function<std::shared_ptr<RtcDevice>()>;
    // The installed factory's device (simulator, tests), else the node under
    // the path root.
    static std::shared_ptr<RtcDevice> create();
    static void installFactory(Factory factory);
};
