#include "powerdevice.h"

#include "powerdevicefiles.h"

#include <mutex>

namespace {
std::mutex s_factoryMutex;
PowerDevice::Factory s_factory;
} // namespace

PowerDevice::~PowerDevice() = default;

const char *PowerDevice::path(Node node)
{
    return node == Gpio ? "/dev/DM365-GPIO" : "/dev/DM365-PWM";
}

std::shared_ptr<PowerDevice> PowerDevice::create()
{
    Factory factory;
    {
        std::lock_guard<std::mutex> lock(s_factoryMutex);
        factory = s_factory;
    }
    if (factory) {
        if (std::shared_ptr<PowerDevice> device = factory())
            return device;
    }
    return std::make_shared<PowerDeviceFiles>();
}

void PowerDevice::installFactory(Factory factory)
{
    std::lock_guard<std::mutex> lock(s_factoryMutex);
    s_factory = std::move(factory);
}
