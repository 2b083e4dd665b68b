#pragma once

#include <functional>
#include <memory>

// The board's power switches as the application sees them: the GPIO node
// (panel, FPGA supply, charger line, hold and kill lines) and the backlight
// PWM node, each taking integer requests with a pointer to one int, and the
// flush of the file systems that must come before the power is cut.
class PowerDevice
{
public:
    enum Node { Gpio, Pwm };

    virtual ~PowerDevice();

    // Opens the node read-write; false (errno set) when it cannot.
    virtual bool open(Node node) = 0;
    virtual bool isOpen(Node node) const = 0;
    // One request; the driver may write back into *argument. The driver's
    // result (0 or more), or -1 on failure.
    virtual int request(Node node, unsigned long request, int *argument) = 0;
    // Flushes the file systems to the card; false when that is refused.
    virtual bool sync() = 0;

    static const char *path(Node node);

    using Factory = std::function<std::shared_ptr<PowerDevice>()>;
    // The installed factory's device (the simulator and the tests install
    // theirs), else the board's nodes under the path root.
    static std::shared_ptr<PowerDevice> create();
    // An empty factory restores the default.
    static void installFactory(Factory factory);
};
