#pragma once

#include "therma_global.h"

#include <cstdint>
#include <functional>
#include <memory>

// The board's register space as the library sees it: positioned transfers
// at register offsets. The real one is the FPGA character device; the
// simulator and the tests put a model of the register map in its place.
class THERMA_EXPORT RegisterDevice
{
public:
    virtual ~RegisterDevice();

    virtual bool isOpen() const = 0;
    // Reads or writes length bytes at offset in one transfer. Returns the
    // byte count moved (possibly short), or -1 with errno set on failure.
    // Positioned, so threads sharing the device never disturb each other.
    virtual int readAt(uint32_t offset, void *buffer, int length) = 0;
    virtual int writeAt(uint32_t offset, const void *buffer, int length) = 0;

    using Factory = std::function<std::shared_ptr<RegisterDevice>()>;
    // The board the library opens by default: the installed factory's
    // device (the simulator installs its board), else "/dev/DM365-FPGA"
    // under the path root. Installing an empty factory restores the default.
    static std::shared_ptr<RegisterDevice> openBoard();
    static void installFactory(Factory factory);
};
