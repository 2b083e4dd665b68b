#pragma once

#include <memory>

class PowerDevice;

// The one gate to the board's power switches: LCD panel, backlight, FPGA
// supply, charger status, hold and kill lines. Each operation is one
// integer request on the GPIO or PWM node; every failure result is -1.
class CLcd_power
{
public:
    CLcd_power();
    ~CLcd_power();
    CLcd_power(const CLcd_power &) = delete;
    CLcd_power &operator=(const CLcd_power &) = delete;

    // 1 while the charger feeds the battery; -1 on failure.
    int Get_Crg_Status();
    int start_fpga();
    int close_fpga();
    // 0 panel off, 1 on; whatever the driver left in the word.
    int cget_Lcd_stat();
    // Above 0 when the panel really changed state.
    int start_Lcd();
    int close_Lcd();
    // 0 when the kill request went through.
    int close_Power();
    // 0..8192, lower is brighter.
    void lcd_pwm(int value);

    // Flushes the file systems; every power-off path does this before the cut.
    bool sync_Disks();

private:
    enum Answer { Result, Word };
    int gpio(unsigned long request, int argument, const char *failure, Answer answer, bool checkOpen = true);

    std::shared_ptr<PowerDevice> m_device;
};
