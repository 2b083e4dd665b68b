#include "rtcdevice.h"

#include "installedfactory.h"
#include "rtcdevicefile.h"

#include <cstring>

namespace {
InstalledFactory<RtcDevice::Factory> s_factory;
} // namespace

RtcRecord RtcRecord::fromLocal(const QDateTime &local)
{
    RtcRecord r;
    const QDate date = local.date();
    const QTime time = local.time();
    r.sec = time.second();
    r.min = time.minute();
    r.hour = time.hour();
    r.mday = date.day();
    r.mon = date.month() - 1;
    r.year = date.year() - 1900;
    r.wday = date.dayOfWeek() % 7; // Sunday is 0
    r.yday = date.dayOfYear() - 1;
    r.isdst = local.isDaylightTime() ? 1 : 0;
    return r;
}

bool RtcRecord::operator==(const RtcRecord &other) const
{
    return std::memcmp(this, &other, sizeof(RtcRecord)) == 0;
}

RtcDevice::~RtcDevice() = default;

std::shared_ptr<RtcDevice> RtcDevice::create()
{
    return s_factory.make([]() -> std::shared_ptr<RtcDevice> { return std::make_shared<RtcDeviceFile>(); });
}

void RtcDevice::installFactory(Factory factory)
{
    s_factory.install(std::move(factory));
}
