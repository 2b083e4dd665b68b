#pragma once

#include <QByteArray>
#include <QString>

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>

class RigLog;
class SimBoard;
struct fuse;

// The camera's register and request nodes, served from this process
// through FUSE in one folder (the rig links "/dev/DM365-FPGA" and the rest
// to it): the board's registers (positioned reads and writes reach
// SimBoard), the battery ADC (one 12-byte sample a read), the GPIO and
// PWM nodes, the second frame buffer, the OSS sound and mixer nodes. FUSE
// hands over only requests whose number carries its argument's size and
// direction (the sound requests); any other request arrives with its
// argument as a plain value (the frame buffer's blanking), and requests 1
// and 2 never get here (the kernel answers them for every file): the GPIO
// and PWM requests are RigRequests' (rig-exec), which reach the caller's
// memory.
class RigNodes
{
public:
    // powerLog: the rig's power log, shared with RigRequests.
    RigNodes(std::shared_ptr<SimBoard> board, const QString &logFolder, RigLog *powerLog);
    ~RigNodes();
    RigNodes(const RigNodes &) = delete;
    RigNodes &operator=(const RigNodes &) = delete;

    // Mounts the nodes at folder and serves them on a thread of their own.
    bool mount(const QString &folder, QString *error);
    // Unmounts and joins; also done by the destructor.
    void unmount();

    // The names in the mounted folder.
    static const char *const Board;
    static const char *const Adc;
    static const char *const Gpio;
    static const char *const Pwm;
    static const char *const Sound;
    static const char *const Mixer;
    static const char *const Panel;
    static const char *const Overlay;

    // FUSE's calls, by node name.
    int read(const char *name, char *buffer, size_t size, int64_t offset);
    int write(const char *name, const char *buffer, size_t size, int64_t offset);
    int control(const char *name, unsigned int request, void *argument, void *data, size_t inSize, size_t outSize);

private:
    std::shared_ptr<SimBoard> m_board;
    std::unique_ptr<RigLog> m_boardLog;
    RigLog *m_powerLog;
    std::unique_ptr<RigLog> m_soundLog;
    std::unique_ptr<RigLog> m_screenLog;
    std::mutex m_mutex;
    int m_volume = 0x4b4b;
    struct fuse *m_fuse = nullptr;
    std::thread m_thread;
};
