#pragma once

#include "stoppipe.h"

#include <QString>

#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

class RigLog;
class SimRtc;
struct seccomp_notif;

// The requests rig-exec passes on from the program under test: the GPIO,
// PWM and clock chip's plain-number requests, whose int or record argument
// is read and written in the program's memory here, and sync(2) and the
// setting of the system clock, which are recorded and not done. Any other
// request of that kind goes on to the kernel as it was. Runs on a thread of
// its own; rig-exec hands its listener over at the socket.
class RigRequests
{
public:
    RigRequests(std::shared_ptr<SimRtc> rtc, RigLog *powerLog, RigLog *clockLog);
    ~RigRequests();
    RigRequests(const RigRequests &) = delete;
    RigRequests &operator=(const RigRequests &) = delete;

    bool listen(const QString &socketPath, QString *error);
    void stop();

    // Answers one request received from listener. Whatever is read of the
    // program (its descriptor's node, the argument in its memory) counts,
    // and anything is written back, only while the request still waits:
    // once the program has ended or left the call, its process number may
    // name another process.
    void respond(int listener, const seccomp_notif &request);

    // The descriptor rig-exec sends over channel (one byte and the right
    // to it); -1 when none came.
    static int receiveDescriptor(int channel);

private:
    class ProgramMemory;
    void serve();
    void acceptListener();
    void answer(int listener);
    // The answer to one request: true with the result, false to let it go
    // on. pending() tells whether the request still waits.
    bool handleIoctl(const seccomp_notif &request, const ProgramMemory &memory, const std::function<bool()> &pending,
                     long long *result);
    // The time the program sets, checked as the kernel checks it and
    // recorded in the clock's log, never set; 0 or -errno.
    long long recordSystemTime(const seccomp_notif &request, const ProgramMemory &memory,
                               const std::function<bool()> &pending);

    std::shared_ptr<SimRtc> m_rtc;
    RigLog *m_powerLog;
    RigLog *m_clockLog;
    int m_socket = -1;
    std::vector<int> m_listeners;
    StopPipe m_stop;
    std::thread m_thread;
    int m_lcd = 1;
};
