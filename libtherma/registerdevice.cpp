#include "registerdevice.h"

#include "boarddevice.h"
#include "installedfactory.h"

namespace {
InstalledFactory<RegisterDevice::Factory> s_factory;
} // namespace

RegisterDevice::~RegisterDevice() = default;

std::shared_ptr<RegisterDevice> RegisterDevice::openBoard()
{
    return s_factory.make([]() -> std::shared_ptr<RegisterDevice> { return std::make_shared<BoardDevice>(); });
}

void RegisterDevice::installFactory(Factory factory)
{
    s_factory.install(std::move(factory));
}
