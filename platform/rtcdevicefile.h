#pragma once

#include "rtcdevice.h"

// The clock chip's node under the path root, opened read-write per call.
class RtcDeviceFile : public RtcDevice
{
public:
    bool read(RtcRecord *record) override;
    bool write(const RtcRecord &record) override;

private:
    bool call(unsigned long request, RtcRecord *record, const char *requestName);
};
