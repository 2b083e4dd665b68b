#pragma once

#include "clcd_power.h"
#include "eglobal.h"
#include "poweroff.h"
#include "recordingcommandrunner.h"
#include "simpowerdevice.h"
#include "testroot.h"

#include <memory>

// A temporary root with the simulated power nodes behind the power seam,
// the one CLcd_power registered and the power-off sequence idle.
struct PowerFixture
{
    PowerFixture()
        : device(std::make_shared<SimPowerDevice>())
    {
        SimPowerDevice::install(device);
        lcd = std::make_unique<CLcd_power>();
        EGlobal::set_LcdPower(lcd.get());
        device->clearEvents();
        PowerOff::instance()->reset();
    }
    ~PowerFixture()
    {
        PowerOff::instance()->reset();
        EGlobal::set_LcdPower(nullptr);
        lcd.reset();
        SimPowerDevice::install(nullptr);
    }
    bool rebooted() const { return root.runner()->lines().contains(QStringLiteral("reboot")); }

    TestRoot root;
    std::shared_ptr<SimPowerDevice> device;
    std::unique_ptr<CLcd_power> lcd;
};
