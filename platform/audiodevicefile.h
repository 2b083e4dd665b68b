#pragma once

#include "audiodevice.h"
#include "devicefile.h"

// The real OSS sound node under the path root: one ioctl per setting,
// blocking reads for capture, non-blocking writes for playback.
class AudioDeviceFile : public AudioDevice
{
public:
    AudioDeviceFile();

    bool open(Direction direction) override;
    void close() override;
    bool isOpen() const override;
    bool set(Setting setting, int *value) override;
    qint64 read(char *data, qint64 maxBytes) override;
    qint64 write(const char *data, qint64 bytes) override;

private:
    DeviceFile m_file;
};
