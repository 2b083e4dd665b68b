#pragma once

#include "devicefile.h"
#include "mixer.h"

// The real OSS mixer node under the path root, one ioctl per request.
class MixerFile : public Mixer
{
public:
    MixerFile();

    bool open() override;
    void close() override;
    bool readDeviceMask(int *mask) override;
    bool readVolume(int *value) override;
    bool writeVolume(int value) override;

private:
    DeviceFile m_file;
};
