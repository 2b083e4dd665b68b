#pragma once

#include <QtGlobal>

#include <functional>
#include <memory>

// The sound node "/dev/dsp" as the voice notes use it: opened for capture
// or for playback, set to a channel count, a sample format and a rate, then
// read in blocks or written with what the device has room for.
class AudioDevice
{
public:
    enum Direction { Capture, Playback };
    enum Setting { Channels, Format, Rate };

    virtual ~AudioDevice();

    // Capture reads block until sound is there; playback never blocks: a
    // write takes what fits into the device's buffer. False when the node
    // cannot be opened.
    virtual bool open(Direction direction) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    // One setting; the device may write back the value it chose. False when
    // the device refuses it.
    virtual bool set(Setting setting, int *value) = 0;
    // At most maxBytes of sound: the count read, 0 at the end, -1 on error.
    virtual qint64 read(char *data, qint64 maxBytes) = 0;
    // The count the device took (0 when its buffer is full), -1 on error.
    virtual qint64 write(const char *data, qint64 bytes) = 0;

    // Channels, then format, then rate; the first refusal ends it.
    bool configure(int channels, int format, int rate);

    static const char *path() { return "/dev/dsp"; }

    using Factory = std::function<std::shared_ptr<AudioDevice>()>;
    // A fresh device from the installed factory (simulator, tests), else the
    // node under the path root.
    static std::shared_ptr<AudioDevice> create();
    // An empty factory restores the default.
    static void installFactory(Factory factory);
};
