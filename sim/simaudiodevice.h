#pragma once

#include "audiodevice.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QString>

#include <memory>

// The sound node off the board. Capture plays back a PCM file under the
// root in a loop (a tone when there is none), playback appends to a PCM file
// under the root; both at 16,000 bytes a second (scaled by Intervals), and
// playback holds at most a 2 s buffer, so a write takes only what has room.
// Switches make the node fail to open, refuse a setting, or fail a read or a
// write after k good blocks. Each device is used by one thread.
class SimAudioDevice : public AudioDevice
{
public:
    struct Switches
    {
        bool openFails = false;
        int refusedSetting = -1;   // an AudioDevice::Setting, -1 none
        int failAfterBlocks = -1;  // reads or writes that succeed, -1 all
        bool stalled = false;      // playback drains nothing
        int bufferBytes = 2 * 16000;
    };

    static constexpr int BytesPerSecond = 16000;
    static QString capturePath() { return QStringLiteral("/sim/microphone.pcm"); }
    static QString playbackPath() { return QStringLiteral("/sim/speaker.pcm"); }

    SimAudioDevice();
    explicit SimAudioDevice(const Switches &switches);

    // Every AudioDevice::create() hands out a fresh device with these
    // switches; uninstall() restores the node.
    static void install();
    static void install(const Switches &switches);
    static void uninstall();
    // The sound a capture of bytes gives without a file.
    static QByteArray tone(int bytes);

    bool open(Direction direction) override;
    void close() override;
    bool isOpen() const override { return m_open; }
    bool set(Setting setting, int *value) override;
    qint64 read(char *data, qint64 maxBytes) override;
    qint64 write(const char *data, qint64 bytes) override;

private:
    bool blockFails();
    qint64 msFor(qint64 bytes) const;

    Switches m_switches;
    bool m_open = false;
    Direction m_direction = Capture;
    int m_blocks = 0;
    QByteArray m_source;
    qint64 m_sourcePos = 0;
    qint64 m_delivered = 0;
    QElapsedTimer m_clock;
    qint64 m_buffered = 0;
    qint64 m_lastDrainMs = 0;
};
