#pragma once

#include "therma_global.h"

#include <QByteArray>
#include <QString>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

class FPGABottom;
struct termios;

// One command as handed to packData: code, payload length, payload bytes.
struct Data_t
{
    unsigned char code;
    unsigned char length;
    const unsigned char *payload;
};

// Length of the last frame sent and of the last reply asked for.
THERMA_EXPORT extern std::atomic<int> g_writeData_length;
THERMA_EXPORT extern std::atomic<int> g_readData_length;

// The serial line to the infrared core: 115200 8N1, raw.
//
// Frame sent:  FF A5 code n payload[n] xor 5A, xor over code, n and payload.
// Reply:       7F A5 ?? code ?? payload ?? ??; its length is fixed per
//              command (payload + 7, replyLength). The bytes marked ?? are
//              the core's own: the link reads nothing from them.
//
// Requests that return data run on the caller's thread; commands that must
// not block the caller (shutter calibrations, integration time, VSK, range
// change, shutdown) go into a FIFO queue that one worker thread sends in
// order. Every exchange holds the port lock, drops stale input before it
// writes, and accepts only a reply that starts with the header and echoes
// its command, in full within a bounded time; a silent or garbled core is
// an error result, never zeros taken as values. A reply start that fails
// the echo (line noise, a late answer to an earlier request) costs one
// byte: the search goes on from the next one.
class THERMA_EXPORT Serial
{
public:
    struct Timeouts
    {
        // A request on the caller's thread: lock wait and reply together.
        int requestMs = 100;
        // The reply to a queued command, on the worker.
        int commandReplyMs = 1000;
        // The alarm pulse that announces a shutdown.
        int alarmPulseMs = 150;
    };
    enum { BUFFER_SIZE = 128, MAX_PAYLOAD = BUFFER_SIZE - 6 };
    enum { VERSION_LENGTH = 15, QUEUE_LIMIT = 32 };
    enum Command : unsigned char {
        AutoShutter = 0x30,
        InsideShutter = 0x31,
        InsideShutterNoVSK = 0x51,
        OutsideShutter = 0x52,
        ReadDeltaAD = 0x61,
        SetIntTime = 0x70,
        ReadVSK = 0x77,
        SetVSK = 0x78,
        ReadSum = 0x79,
        ReadCpuVersion = 0x80,
        ReadFpgaVersion = 0x81,
        ChangeTempRange = 0x82,
        ShutDown = 0x84,
        ReadSensor = 0x96
    };

    static const char *defaultDevice() { return "/dev/ttyS1"; }

    // Opens device (a path under the root), sets it up and starts the
    // worker. board receives the alarm pulse of shutDown (may be null).
    explicit Serial(FPGABottom *board, const QString &device = QString::fromLatin1(defaultDevice()));
    Serial(FPGABottom *board, const QString &device, const Timeouts &timeouts);
    // Stops and joins the worker (a command in flight is abandoned at once),
    // then closes the port.
    ~Serial();
    Serial(const Serial &) = delete;
    Serial &operator=(const Serial &) = delete;

    // Timeouts of objects created later (tests shorten them).
    static void setDefaultTimeouts(const Timeouts &timeouts);
    static Timeouts defaultTimeouts();
    void setTimeouts(const Timeouts &timeouts);
    Timeouts timeouts() const;

    bool isOpen() const { return m_fd.load() >= 0; }

    // ---- framing ----
    // Builds the frame in the send buffer; its length, or -1 when the
    // payload does not fit (or is missing).
    int packData(const Data_t &data);
    static unsigned char generateSum(const unsigned char *p, int n);
    static QByteArray frame(unsigned char code, const QByteArray &payload);
    // Reply length (payload + 7) of a command; 0 for an unknown code.
    static int replyLength(unsigned char code);
    // Offset of the reply header 7F A5 in buf[0..len), or -1.
    static int unpackData(const unsigned char *buf, int len);

    // Raw transfers under the port lock, bounded by the request timeout:
    // bytes written or received, -1 on failure.
    int writeData(const void *buf, const int &len);
    int readData(void *buf, int len);

    // ---- requests (caller's thread): 0 done, -1 no valid reply ----
    int readDeltaAD(unsigned int *out);
    // On failure *out is 0.
    int readSerialVSK(unsigned short *out);
    int readSerialSum(unsigned short *out);
    int readSensor(unsigned short *out);
    // At most size - 1 characters and a terminator.
    int readCoreCpuVersion(char *out, int size);
    int readCoreFPGAVersion(char *out, int size);

    // ---- queued commands: true when queued ----
    bool autoShutter(bool on);
    bool insideShutter();
    bool insideShutterNoVSK();
    bool outsideShutter();
    bool setIntTime(int range, unsigned short intTime);
    bool setVSK(unsigned short vsk);
    bool changeTempRange(unsigned short intTime, unsigned int vsk);
    // Pulses the board's alarm output, then tells the core to power down.
    bool shutDown();

    // Wakes the worker (it also wakes by itself for every queued command).
    void signalThread();
    // True once every queued command has been sent and answered or failed.
    bool waitForIdle(int timeoutMs);
    int pendingCommands() const;
    int commandsSent() const;
    int commandsFailed() const;

    // ---- parking the port for the core-maintenance tools ----
    // Paired and idempotent: a second park keeps the parked descriptor, a
    // restore without a park does nothing. While parked, requests and
    // commands fail at once.
    void closeSerial();
    void restoreSerial();
    bool isParked() const;

    // ---- port set-up ----
    // 0 done; -1 for a rate not in the table or a failed call.
    int set_speed(int rate);
    int set_Parity(int databits, int stopbits, int parity);
    // What set_Parity applies for data bits, stop bits and parity letter,
    // on top of options; -1 for values the line cannot take.
    static int lineOptions(termios &options, int databits, int stopbits, int parity);

private:
    using Clock = std::chrono::steady_clock;
    struct Pending
    {
        unsigned char code;
        QByteArray payload;
    };
    enum class Outcome { Done, NoPort, WriteFailed, TimedOut, UnknownCommand, Stopped };

    void open(const QString &device);
    void startWorker();
    void workerLoop();
    bool enqueue(unsigned char code, const QByteArray &payload);
    int request(unsigned char code, const QByteArray &payload, QByteArray *reply);
    Outcome exchange(unsigned char code, const QByteArray &payload, QByteArray *reply,
                     Clock::time_point deadline);
    void dropStaleInput(int fd);
    bool writeAll(int fd, const unsigned char *data, int length, Clock::time_point deadline);
    // Waits until fd is readable; false on time-out or stop.
    bool waitReadable(int fd, Clock::time_point deadline);
    bool stopRequested() const { return m_stop.load(); }

    FPGABottom *m_board;
    QString m_device;
    std::atomic<int> m_fd{-1};
    int m_parkedFd = -1;
    unsigned char m_sendBuffer[BUFFER_SIZE] = {};
    int m_sendLength = 0;

    mutable std::mutex m_settingsMutex;
    Timeouts m_timeouts;

    // Serialises every exchange on the port (and the send and receive
    // buffers): a busy flag under a mutex, so waits for it can be bounded.
    class PortLock;
    bool acquirePort(const Clock::time_point *deadline) const;
    void releasePort() const;
    mutable std::mutex m_portStateMutex;
    mutable std::condition_variable m_portFree;
    mutable bool m_portBusy = false;

    mutable std::mutex m_queueMutex;
    std::condition_variable m_queueChanged;
    std::deque<Pending> m_queue;
    bool m_inFlight = false;
    int m_sent = 0;
    int m_failed = 0;

    std::atomic<bool> m_stop{false};
    int m_stopPipe[2] = {-1, -1};
    std::thread m_worker;
};
