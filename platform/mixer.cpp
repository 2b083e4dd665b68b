#include "mixer.h"

#include "installedfactory.h"
#include "mixerfile.h"

#include <QtDebug>

#include <algorithm>

namespace {
InstalledFactory<Mixer::Factory> s_factory;

int bothChannels(int level)
{
    return level + 256 * level;
}

// Opens the mixer and asks its device mask, as every volume operation does.
std::shared_ptr<Mixer> openAsked()
{
    std::shared_ptr<Mixer> mixer = Mixer::create();
    int mask = 0;
    if (!mixer->open() || !mixer->readDeviceMask(&mask)) {
        qDebug("Unable to open mixer device.");
        qDebug("qDebug:%s,%d", __FILE__, __LINE__);
        return nullptr;
    }
    return mixer;
}
} // namespace

Mixer::~Mixer() = default;

int Mixer::masterVolume()
{
    const std::shared_ptr<Mixer> mixer = openAsked();
    if (!mixer)
        return -1;
    int value = 0;
    const bool ok = mixer->readVolume(&value);
    mixer->close();
    if (!ok) {
        qDebug("Unable to read volume.");
        qDebug("qDebug:%s,%d", __FILE__, __LINE__);
        return -1;
    }
    return ((value & 0xff) + ((value >> 8) & 0xff)) / 2;
}

int Mixer::setMasterVolume(int level)
{
    level = std::clamp(level, 0, 100);
    const std::shared_ptr<Mixer> mixer = openAsked();
    if (!mixer)
        return -1;
    if (!mixer->writeVolume(bothChannels(level))) {
        qDebug("Unable to set volume.");
        qDebug("qDebug:%s,%d", __FILE__, __LINE__);
    }
    mixer->close();
    return level;
}

bool Mixer::setRecordingVolume(int level)
{
    const std::shared_ptr<Mixer> mixer = create();
    if (!mixer->open())
        return false;
    const bool ok = mixer->writeVolume(bothChannels(std::clamp(level, 0, 100)));
    mixer->close();
    return ok;
}

std::shared_ptr<Mixer> Mixer::create()
{
    return s_factory.make([]() -> std::shared_ptr<Mixer> { return std::make_shared<MixerFile>(); });
}

void Mixer::installFactory(Factory factory)
{
    s_factory.install(std::move(factory));
}
