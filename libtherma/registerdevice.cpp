#include "registerdevice.h"

#include "boarddevice.h"

#include <mutex>

namespace {
std::mutex s_factoryMutex;
RegisterDevice::Factory s_factory;
} // namespace

RegisterDevice::~RegisterDevice() = default;

std::shared_ptr<RegisterDevice> RegisterDevice::openBoard()
{
    Factory factory;
    {
        std::lock_guard<std::mutex> lock(s_factoryMutex);
        factory = s_factory;
    }
    if (factory) {
        if (std::shared_ptr<RegisterDevice> device = factory())
            return device;
    }
    return std::make_shared<BoardDevice>();
}

void RegisterDevice::installFactory(Factory factory)
{
    std::lock_guard<std::mutex> lock(s_factoryMutex);
    s_factory = std::move(factory);
}
