#include "clcd_power.h"

#include "powerdevice.h"

#include <cstdio>

namespace {
enum : unsigned long {
    GpioKill = 1, GpioHold = 3, GpioSetLcd = 7, GpioGetLcd = 8,
    GpioFpgaOff = 9, GpioFpgaOn = 10, GpioChargerStatus = 12, PwmBacklight = 1
};
} // namespace

CLcd_power::CLcd_power()
    : m_device(PowerDevice::create())
{
    if (!m_device->open(PowerDevice::Gpio))
        std::perror("open /dev/DM365-GPIO");
    // Keeps the board powered once the button is released; sent also when
    // the node is missing, so that case is logged.
    gpio(GpioHold, 1, "error ioctl GPIO_SET_POWER_M...", false);
    if (!m_device->open(PowerDevice::Pwm))
        std::perror("open /dev/DM365-PWM");
}

CLcd_power::~CLcd_power() = default;

int CLcd_power::gpio(unsigned long request, int argument, const char *failure, bool checkOpen)
{
    if (checkOpen && !m_device->isOpen(PowerDevice::Gpio))
        return -1;
    int word = argument;
    const int result = m_device->request(PowerDevice::Gpio, request, &word);
    if (result < 0) {
        std::puts(failure);
        return -1;
    }
    return result;
}

int CLcd_power::Get_Crg_Status()
{
    int word = 0;
    if (m_device->request(PowerDevice::Gpio, GpioChargerStatus, &word) < 0) {
        std::puts("error ioctl GPIO_GET_CRG_STATUS...");
        return -1;
    }
    return word;
}

int CLcd_power::start_fpga()
{
    if (!m_device->isOpen(PowerDevice::Gpio))
        return -1;
    int word = 1;
    if (m_device->request(PowerDevice::Gpio, GpioFpgaOn, &word) < 0) {
        std::puts("error ioctl GPIO_GET_FPGA_POWER...");
        return -1;
    }
    return word;
}

int CLcd_power::close_fpga()
{
    if (!m_device->isOpen(PowerDevice::Gpio))
        return -1;
    int word = 0;
    if (m_device->request(PowerDevice::Gpio, GpioFpgaOff, &word) < 0) {
        std::puts("error ioctl GPIO_SET_FPGA_POWER...");
        return -1;
    }
    return word;
}

int CLcd_power::cget_Lcd_stat()
{
    if (!m_device->isOpen(PowerDevice::Gpio))
        return -1;
    // A driver that does not answer leaves -1, which no caller takes for
    // either state.
    int word = -1;
    if (m_device->request(PowerDevice::Gpio, GpioGetLcd, &word) < 0) {
        std::puts("error ioctl GPIO_GET_LCD_POWER...");
        return -1;
    }
    return word;
}

int CLcd_power::start_Lcd()
{
    return gpio(GpioSetLcd, 1, "error ioctl GPIO_SET_LCD_POWER...");
}

int CLcd_power::close_Lcd()
{
    return gpio(GpioSetLcd, 0, "error ioctl GPIO_SET_LCD_POWER...");
}

int CLcd_power::close_Power()
{
    return gpio(GpioKill, 0, "error ioctl GPIO_SET_KILL...") < 0 ? -1 : 0;
}

void CLcd_power::lcd_pwm(int value)
{
    int word = value;
    if (m_device->request(PowerDevice::Pwm, PwmBacklight, &word) < 0)
        std::puts("error ioctl PWM_SET_BACKLIGHT...");
    std::printf("\n\t pwm val %d \n", value);
    std::fflush(stdout);
}

bool CLcd_power::sync_Disks()
{
    return m_device->sync();
}
