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
    gpio(GpioHold, 1, "error ioctl GPIO_SET_POWER_M...", Result, false);
    if (!m_device->open(PowerDevice::Pwm))
        std::perror("open /dev/DM365-PWM");
}

CLcd_power::~CLcd_power() = default;

// One GPIO request. Without the node most operations answer -1 without
// asking; the result is the request's own, or the word the driver left.
int CLcd_power::gpio(unsigned long request, int argument, const char *failure, Answer answer, bool checkOpen)
{
    if (checkOpen && !m_device->isOpen(PowerDevice::Gpio))
        return -1;
    int word = argument;
    const int result = m_device->request(PowerDevice::Gpio, request, &word);
    if (result < 0) {
        std::puts(failure);
        return -1;
    }
    return answer == Word ? word : result;
}

int CLcd_power::Get_Crg_Status()
{
    return gpio(GpioChargerStatus, 0, "error ioctl GPIO_GET_CRG_STATUS...", Word, false);
}

int CLcd_power::start_fpga()
{
    return gpio(GpioFpgaOn, 1, "error ioctl GPIO_GET_FPGA_POWER...", Word);
}

int CLcd_power::close_fpga()
{
    return gpio(GpioFpgaOff, 0, "error ioctl GPIO_SET_FPGA_POWER...", Word);
}

// A driver that does not answer leaves the -1, which no caller takes for
// either state.
int CLcd_power::cget_Lcd_stat()
{
    return gpio(GpioGetLcd, -1, "error ioctl GPIO_GET_LCD_POWER...", Word);
}

int CLcd_power::start_Lcd()
{
    return gpio(GpioSetLcd, 1, "error ioctl GPIO_SET_LCD_POWER...", Result);
}

int CLcd_power::close_Lcd()
{
    return gpio(GpioSetLcd, 0, "error ioctl GPIO_SET_LCD_POWER...", Result);
}

int CLcd_power::close_Power()
{
    return gpio(GpioKill, 0, "error ioctl GPIO_SET_KILL...", Result) < 0 ? -1 : 0;
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
