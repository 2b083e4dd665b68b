#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <atomic>
#include <functional>
#include <memory>

class RegisterDevice;

// Writes the FPGA's configuration flash from a programmer object file
// through the board's flash registers. Everything that can refuse (the
// image, the flash's ID) is checked before the erase; after the erase every
// register access is checked and every wait is bounded, and a failure says
// plainly that the flash is only partly written.
//
// run() blocks: the dialog calls it on a worker thread. Its signals are
// emitted from there and reach the dialog queued.
class EpcsProgrammer : public QObject
{
    Q_OBJECT
public:
    enum Result {
        Done,
        ImageMissing,
        ImageUnreadable,
        ImageEmpty,
        ImageTooShort,
        ImageBlank,
        WrongId,
        // After the erase began: the flash is no longer whole.
        EraseTimeout,
        DeviceFailed,
        PageTimeout,
        Stopped
    };
    static constexpr uint32_t ImageOffset = 150;
    static constexpr int Pages = 2048;
    static constexpr int PageBytes = 256;
    static constexpr int DataBytes = Pages * PageBytes;
    static constexpr uint8_t ExpectedId = 0x14;
    // The erase of the whole flash takes seconds; a minute is far beyond it.
    static constexpr int MaxErasePolls = 60;
    static constexpr int MaxPagePolls = 20;

    using Sleeper = std::function<void(int ms)>;

    explicit EpcsProgrammer(std::shared_ptr<RegisterDevice> device, QObject *parent = nullptr);

    // Waits between register accesses; the default sleeps the worker for
    // the nominal time scaled by Intervals. Benchmarks and tests pass none.
    void setSleeper(Sleeper sleeper) { m_sleep = std::move(sleeper); }
    static Sleeper defaultSleeper();
    void requestStop() { m_stop = true; }

    // The image's data region (2048 pages from byte 150), or why not.
    static Result loadImage(const QString &systemPath, QByteArray *data);
    static uint8_t reverseBits(uint8_t byte);
    static bool partlyWritten(Result result) { return result >= EraseTimeout && result != Stopped; }
    static QString describe(Result result);

    Result run(const QString &imagePath);
    Result checkChipID(uint8_t *id);
    Result erase();
    Result programPage(int page, const char *data);
    Result program(const QByteArray &data);

Q_SIGNALS:
    // One line for the message label; good lines in green, bad in red.
    void message(const QString &line, bool good);
    void progress(int value);
    void finished(int result);

private:
    bool writeRegister(uint32_t offset, uint8_t value);
    bool command(uint8_t code, int waitMs);
    bool readStatus(uint8_t *status);
    void sleep(int ms);

    std::shared_ptr<RegisterDevice> m_device;
    Sleeper m_sleep;
    std::atomic<bool> m_stop{false};
};
