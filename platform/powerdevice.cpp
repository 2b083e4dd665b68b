#include "powerdevice.h"

#include "installedfactory.h"
#include "powerdevicefiles.h"

namespace {
InstalledFactory<PowerDevice::Factory> s_factory;
} // namespace

PowerDevice::~PowerDevice() = default;

const char *PowerDevice::path(Node node)
{
    return node == Gpio ? "/dev/DM365-GPIO" : "/dev/DM365-PWM";
}

std::shared_ptr<PowerDevice> PowerDevice::create()
{
    return s_factory.make([]() -> std::shared_ptr<PowerDevice> { return std::make_shared<PowerDeviceFiles>(); });
}

void PowerDevice::installFactory(Factory factory)
{
    s_factory.install(std::move(factory));
}
