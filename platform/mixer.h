#pragma once

#include <functional>
#include <memory>

// The OSS mixer "/dev/mixer": its device mask and the master volume, a
// 16-bit value with the left level in the low byte and the right level in
// the high byte (0..100 each). Opened for each use and closed again.
class Mixer
{
public:
    virtual ~Mixer();

    virtual bool open() = 0;
    virtual void close() = 0;
    virtual bool readDeviceMask(int *mask) = 0;
    virtual bool readVolume(int *value) = 0;
    virtual bool writeVolume(int value) = 0;

    static const char *path() { return "/dev/mixer"; }

    // The master level 0..100 (mean of both channels), -1 when the mixer
    // cannot be opened or read. Failures go to the debug output.
    static int masterVolume();
    // Both channels to level clamped to 0..100: the clamped level (also when
    // the mixer refused the value), -1 when it cannot be opened or asked.
    static int setMasterVolume(int level);
    // Both channels to level without asking the device mask first; a mixer
    // that cannot be opened is skipped silently (the recorder's gain).
    static bool setRecordingVolume(int level);

    using Factory = std::function<std::shared_ptr<Mixer>()>;
    static std::shared_ptr<Mixer> create();
    static void installFactory(Factory factory);
};
