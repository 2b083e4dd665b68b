#pragma once

#include "mixer.h"

#include <QString>

// The mixer off the board: the master volume lives in a file under the root
// (three quarters on both channels when there is none), so every fresh
// device sees what the last one wrote. Switches make it fail to open or
// refuse a new volume.
class SimMixer : public Mixer
{
public:
    struct Switches
    {
        bool openFails = false;
        bool writeRefused = false;
    };

    static constexpr int DeviceMask = 0x1; // the master volume only
    static QString file() { return QStringLiteral("/sim/mixer"); }

    SimMixer();
    explicit SimMixer(const Switches &switches);

    // Every Mixer::create() hands out a fresh mixer with these switches.
    static void install();
    static void install(const Switches &switches);
    static void uninstall();
    // The stored value, or the default.
    static int storedValue();

    bool open() override;
    void close() override { m_open = false; }
    bool readDeviceMask(int *mask) override;
    bool readVolume(int *value) override;
    bool writeVolume(int value) override;

private:
    Switches m_switches;
    bool m_open = false;
};
