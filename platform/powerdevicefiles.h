#pragma once

#include "devicefile.h"
#include "powerdevice.h"

// The real power nodes: "/dev/DM365-GPIO" and "/dev/DM365-PWM" under the
// path root, one ioctl per request.
class PowerDeviceFiles : public PowerDevice
{
public:
    PowerDeviceFiles();

    bool open(Node node) override;
    bool isOpen(Node node) const override;
    int request(Node node, unsigned long request, int *argument) override;
    // sync(2) only on the device itself: anywhere else (a test root, the
    // simulator) the host's disks are none of our business.
    bool sync() override;

private:
    DeviceFile &file(Node node) { return node == Gpio ? m_gpio : m_pwm; }
    const DeviceFile &file(Node node) const { return node == Gpio ? m_gpio : m_pwm; }

    DeviceFile m_gpio;
    DeviceFile m_pwm;
};
