#pragma once

#include "pseudoterminal.h"

#include <QByteArray>
#include <QString>
#include <QVector>

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <cstdint>
#include <thread>

// The infrared core's side of the serial line, on a pseudo-terminal pair.
// It reads request frames (FF A5 code n payload xor 5A), logs them and
// answers each command with its fixed-length reply
// (7F A5 n code status payload xor 5A). Values are scriptable; fault modes
// make it silent, echo the wrong code, answer late, send garbage before the
// reply or cut the reply short. BadChecksum flips the XOR byte: the link
// reads nothing from that byte (it is the core's own), so such a reply is
// still a correct one.
//
// Use: construct, linkAt("/dev/ttyS1") (a link under the path root to the
// pseudo-terminal), let Serial open that path, then drive Serial and
// inspect requests().
class SimCore
{
public:
    enum Fault { NoFault, Silent, WrongEcho, BadChecksum, LateReply, GarbageFirst, ShortReply };

    struct Request
    {
        uint8_t code = 0;
        QByteArray payload;
        bool checksumOk = false;
    };

    SimCore();
    ~SimCore();
    SimCore(const SimCore &) = delete;
    SimCore &operator=(const SimCore &) = delete;

    bool isValid() const { return m_terminal.isValid(); }
    QString deviceName() const { return m_terminal.slaveName(); }
    bool linkAt(const QString &systemPath) const { return m_terminal.linkAt(systemPath); }

    // ---- scripted values ----
    void setCpuVersion(const QByteArray &version);      // 15 bytes, padded with NUL
    void setFpgaVersion(const QByteArray &version);
    void setSensor(uint16_t value);
    // Readings handed out one per request; the last one repeats.
    void setSensorSequence(const QVector<uint16_t> &values);
    void setDeltaAD(uint32_t value);
    void setVsk(uint16_t value);                        // also set by command 0x78
    void setSum(uint16_t value);
    uint16_t vsk() const;
    uint16_t intTime() const;                           // last of 0x70 / 0x82
    bool autoShutterOn() const;
    bool poweredDown() const;                           // after 0x84

    // Told the code of every request as it arrives, on the core's thread
    // (the simulator lets the external shutter, 0x52, settle the picture).
    void setCommandHook(std::function<void(uint8_t code)> hook);

    // ---- faults ----
    // The next count replies (-1: all until changed) suffer fault.
    void setFault(Fault fault, int count = -1);
    void setReplyDelay(int ms);                         // for LateReply
    // What GarbageFirst sends before the reply.
    void setGarbage(const QByteArray &bytes);

    // ---- the bytes a reply leaves to the core ----
    // Byte 2, byte 4 and the two closing bytes of every reply from now on;
    // until set (and after clearFreeBytes) the core's own convention.
    struct FreeBytes
    {
        uint8_t length;
        uint8_t status;
        uint8_t sum;
        uint8_t end;
    };
    void setFreeBytes(const FreeBytes &bytes);
    void clearFreeBytes();

    // ---- inspection ----
    QVector<Request> requests() const;
    QVector<uint8_t> codes() const;
    int repliesSent() const;
    int badFrames() const;                              // requests with a wrong checksum or end
    void clearLog();
    // Blocks until count requests have arrived in total, or timeoutMs.
    bool waitForRequests(int count, int timeoutMs) const;

    static QByteArray replyFrame(uint8_t code, const QByteArray &payload, uint8_t status = 0);

private:
    void run();
    void handle(const Request &request);
    bool payloadFor(uint8_t code, QByteArray *payload);
    void send(const QByteArray &bytes);
    bool sleepInterruptibly(int ms);

    PseudoTerminal m_terminal;
    int m_stopPipe[2] = {-1, -1};
    std::atomic<bool> m_stop{false};
    std::thread m_thread;

    // std primitives rather than Qt's: the log is waited on across threads
    // and the thread sanitizer must see every hand-over.
    mutable std::mutex m_mutex;
    mutable std::condition_variable m_arrived;
    QByteArray m_cpuVersion;
    QByteArray m_fpgaVersion;
    QVector<uint16_t> m_sensor;
    uint32_t m_deltaAD = 0;
    uint16_t m_vsk = 0;
    uint16_t m_sum = 0;
    uint16_t m_intTime = 0;
    bool m_autoShutter = false;
    bool m_poweredDown = false;
    Fault m_fault = NoFault;
    int m_faultCount = -1;
    int m_delayMs = 200;
    QByteArray m_garbage;
    bool m_ownFreeBytes = true;
    FreeBytes m_freeBytes = {0, 0, 0, 0};
    QVector<Request> m_requests;
    std::function<void(uint8_t)> m_commandHook;
    int m_replies = 0;
    int m_badFrames = 0;
};
