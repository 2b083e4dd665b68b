#include "audiodevice.h"

#include "audiodevicefile.h"
#include "installedfactory.h"

namespace {
InstalledFactory<AudioDevice::Factory> s_factory;
} // namespace

AudioDevice::~AudioDevice() = default;

bool AudioDevice::configure(int channels, int format, int rate)
{
    int value = channels;
    if (!set(Channels, &value))
        return false;
    value = format;
    if (!set(Format, &value))
        return false;
    value = rate;
    return set(Rate, &value);
}

std::shared_ptr<AudioDevice> AudioDevice::create()
{
    return s_factory.make([]() -> std::shared_ptr<AudioDevice> { return std::make_shared<AudioDeviceFile>(); });
}

void AudioDevice::installFactory(Factory factory)
{
    s_factory.install(std::move(factory));
}
