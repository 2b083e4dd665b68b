#pragma once

#include <QObject>

#include <memory>

class CLcd_power;
class EBattery;
class SimBattery;
class SimPowerDevice;
class SimScreen;

// `ostrel --simulate`'s power: the simulated GPIO/PWM nodes and battery
// installed behind the seams (before the status bar's battery gauge opens
// the ADC), the one CLcd_power registered, the screen dimmed and darkened
// by the panel lines, and the program ended once a power-off has cut the
// power. The held P and E keys open the slide screen and the flash update
// (the key filter); the simulated screen shows them where they stand.
class SimPowerWiring : public QObject
{
    Q_OBJECT
public:
    static const char *batteryFile() { return "/sim/battery"; }

    // Owned by the screen.
    static SimPowerWiring *install(SimScreen *screen);
    ~SimPowerWiring() override;

    SimPowerDevice *device() const { return m_device.get(); }
    SimBattery *battery() const { return m_battery.get(); }
    CLcd_power *lcd() const { return m_lcd.get(); }
    // The status bar's gauge, null without a status bar.
    static EBattery *gauge();

    // Tests keep their program running after a power-off.
    void setQuitAfterPowerOff(bool quit) { m_quit = quit; }

private:
    explicit SimPowerWiring(SimScreen *screen);
    void showPanel();
    void prepareCard();

    SimScreen *m_screen;
    std::shared_ptr<SimPowerDevice> m_device;
    std::shared_ptr<SimBattery> m_battery;
    std::unique_ptr<CLcd_power> m_lcd;
    bool m_quit = true;
};
