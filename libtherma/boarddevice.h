#pragma once

#include "registerdevice.h"
#include "therma_global.h"

#include <devicefile.h>

#include <QString>

// The FPGA character device, opened read-write under the path root and
// accessed with pread/pwrite so no file position is shared between threads.
class THERMA_EXPORT BoardDevice : public RegisterDevice
{
public:
    static const char *defaultPath() { return "/dev/DM365-FPGA"; }

    explicit BoardDevice(const QString &path = QString::fromLatin1(defaultPath()));
    ~BoardDevice() override;

    bool isOpen() const override;
    int readAt(uint32_t offset, void *buffer, int length) override;
    int writeAt(uint32_t offset, const void *buffer, int length) override;

private:
    DeviceFile m_file;
};
