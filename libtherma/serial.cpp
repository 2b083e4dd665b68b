#include "serial.h"

#include "fpgabottom.h"

#include <paths.h>

#include <QDebug>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

std::atomic<int> g_writeData_length{0};
std::atomic<int> g_readData_length{0};

namespace {
constexpr unsigned char FrameStart0 = 0xFF;
constexpr unsigned char FrameStart1 = 0xA5;
constexpr unsigned char ReplyStart0 = 0x7F;
constexpr unsigned char ReplyStart1 = 0xA5;
constexpr unsigned char FrameEnd = 0x5A;
constexpr int ReplyOverhead = 7;
constexpr int EchoOffset = 3;

std::mutex s_defaultsMutex;
Serial::Timeouts s_defaultTimeouts;

QByteArray littleEndian(unsigned int value, int bytes)
{
    QByteArray out(bytes, '\0');
    for (int i = 0; i < bytes; ++i)
        out[i] = char((value >> (8 * i)) & 0xFF);
    return out;
}

unsigned int fromLittleEndian(const QByteArray &bytes, int offset, int count)
{
    unsigned int value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = (value << 8) | uint8_t(bytes[offset + i]);
    return value;
}

void copyVersion(const QByteArray &reply, char *out, int size)
{
    const int length = std::min(size - 1, int(Serial::VERSION_LENGTH));
    std::memcpy(out, reply.constData() + 5, static_cast<size_t>(length));
    out[length] = '\0';
}

struct SpeedEntry
{
    int rate;
    speed_t constant;
};
constexpr SpeedEntry Speeds[] = {
    {115200, B115200}, {38400, B38400}, {19200, B19200}, {9600, B9600},
    {4800, B4800},     {2400, B2400},   {1200, B1200},   {300, B300},
};
} // namespace

// Holds the port for one exchange; without a deadline it waits for it.
class Serial::PortLock
{
public:
    explicit PortLock(const Serial *serial, const Clock::time_point *deadline = nullptr)
        : m_serial(serial)
        , m_owned(serial->acquirePort(deadline))
    {
    }
    ~PortLock()
    {
        if (m_owned)
            m_serial->releasePort();
    }
    PortLock(const PortLock &) = delete;
    PortLock &operator=(const PortLock &) = delete;
    bool owned() const { return m_owned; }

private:
    const Serial *m_serial;
    bool m_owned;
};

bool Serial::acquirePort(const Clock::time_point *deadline) const
{
    std::unique_lock<std::mutex> lock(m_portStateMutex);
    if (deadline) {
        if (!m_portFree.wait_until(lock, *deadline, [this] { return !m_portBusy; }))
            return false;
    } else {
        m_portFree.wait(lock, [this] { return !m_portBusy; });
    }
    m_portBusy = true;
    return true;
}

void Serial::releasePort() const
{
    {
        std::lock_guard<std::mutex> lock(m_portStateMutex);
        m_portBusy = false;
    }
    m_portFree.notify_all();
}

Serial::Serial(FPGABottom *board, const QString &device)
    : Serial(board, device, defaultTimeouts())
{
}

Serial::Serial(FPGABottom *board, const QString &device, const Timeouts &timeouts)
    : m_board(board)
    , m_device(device)
    , m_timeouts(timeouts)
{
    if (::pipe2(m_stopPipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        perror("serial stop pipe");
        m_stopPipe[0] = m_stopPipe[1] = -1;
    }
    open(device);
    startWorker();
}

Serial::~Serial()
{
    {
        std::lock_guard<std::mutex> lock(m_queueMutex);
        m_stop.store(true);
    }
    m_queueChanged.notify_all();
    if (m_stopPipe[1] >= 0) {
        const char wake = 1;
        [[maybe_unused]] const ssize_t n = ::write(m_stopPipe[1], &wake, 1);
    }
    if (m_worker.joinable())
        m_worker.join();
    {
        // A request still on another thread ends at the stop pipe.
        PortLock port(this);
        const int fd = m_fd.exchange(-1);
        if (fd >= 0)
            ::close(fd);
        if (m_parkedFd >= 0)
            ::close(m_parkedFd);
        m_parkedFd = -1;
    }
    for (int &fd : m_stopPipe) {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
}

void Serial::open(const QString &device)
{
    const QByteArray path = Paths::resolveNative(device);
    const int fd = ::open(path.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        perror("open device failed");
        return;
    }
    m_fd.store(fd);
    set_speed(115200);
    set_Parity(8, 1, 'N');
}

void Serial::startWorker()
{
    try {
        m_worker = std::thread(&Serial::workerLoop, this);
    } catch (const std::system_error &) {
        qWarning("create pthread failed");
    }
}

// ---- settings ----

void Serial::setDefaultTimeouts(const Timeouts &timeouts)
{
    std::lock_guard<std::mutex> lock(s_defaultsMutex);
    s_defaultTimeouts = timeouts;
}

Serial::Timeouts Serial::defaultTimeouts()
{
    std::lock_guard<std::mutex> lock(s_defaultsMutex);
    return s_defaultTimeouts;
}

void Serial::setTimeouts(const Timeouts &timeouts)
{
    std::lock_guard<std::mutex> lock(m_settingsMutex);
    m_timeouts = timeouts;
}

Serial::Timeouts Serial::timeouts() const
{
    std::lock_guard<std::mutex> lock(m_settingsMutex);
    return m_timeouts;
}

// ---- framing ----

unsigned char Serial::generateSum(const unsigned char *p, int n)
{
    unsigned char sum = 0;
    for (int i = 0; p && i < n; ++i)
        sum ^= p[i];
    return sum;
}

QByteArray Serial::frame(unsigned char code, const QByteArray &payload)
{
    if (payload.size() > MAX_PAYLOAD)
        return QByteArray();
    QByteArray out;
    out.reserve(payload.size() + 6);
    out.append(char(FrameStart0));
    out.append(char(FrameStart1));
    out.append(char(code));
    out.append(char(payload.size()));
    out.append(payload);
    out.append(char(generateSum(reinterpret_cast<const unsigned char *>(out.constData()) + 2,
                                payload.size() + 2)));
    out.append(char(FrameEnd));
    return out;
}

int Serial::packData(const Data_t &data)
{
    if (data.length > MAX_PAYLOAD || (data.length > 0 && !data.payload))
        return -1;
    const QByteArray built = frame(data.code, QByteArray(reinterpret_cast<const char *>(data.payload), data.length));
    PortLock port(this);
    std::memset(m_sendBuffer, 0, sizeof m_sendBuffer);
    std::memcpy(m_sendBuffer, built.constData(), static_cast<size_t>(built.size()));
    m_sendLength = built.size();
    g_writeData_length.store(m_sendLength);
    return m_sendLength;
}

int Serial::replyLength(unsigned char code)
{
    switch (code) {
    case AutoShutter:
    case InsideShutter:
    case InsideShutterNoVSK:
    case OutsideShutter:
    case SetIntTime:
    case SetVSK:
    case ChangeTempRange:
    case ShutDown:
        return ReplyOverhead;
    case ReadVSK:
    case ReadSum:
    case ReadSensor:
        return ReplyOverhead + 2;
    case ReadDeltaAD:
        return ReplyOverhead + 4;
    case ReadCpuVersion:
    case ReadFpgaVersion:
        return ReplyOverhead + VERSION_LENGTH;
    default:
        return 0;
    }
}

int Serial::unpackData(const unsigned char *buf, int len)
{
    if (!buf)
        return -1;
    for (int i = 0; i + 1 < len; ++i) {
        if (buf[i] == ReplyStart0 && buf[i + 1] == ReplyStart1)
            return i;
    }
    return -1;
}

// ---- raw transfers ----

bool Serial::waitReadable(int fd, Clock::time_point deadline)
{
    for (;;) {
        if (stopRequested())
            return false;
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0)
            return false;
        pollfd fds[2] = {{fd, POLLIN, 0}, {m_stopPipe[0], POLLIN, 0}};
        const int n = ::poll(fds, m_stopPipe[0] >= 0 ? 2 : 1, int(std::min<long long>(left, 1000)));
        if (n < 0 && errno != EINTR)
            return false;
        if (n > 0 && (fds[1].revents & POLLIN))
            return false;
        if (n > 0 && (fds[0].revents & (POLLIN | POLLERR | POLLHUP)))
            return true;
    }
}

bool Serial::writeAll(int fd, const unsigned char *data, int length, Clock::time_point deadline)
{
    int written = 0;
    while (written < length) {
        const ssize_t n = ::write(fd, data + written, static_cast<size_t>(length - written));
        if (n > 0) {
            written += int(n);
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EINTR) {
            perror("write serial failed");
            return false;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0 || stopRequested())
            return false;
        pollfd out = {fd, POLLOUT, 0};
        ::poll(&out, 1, int(std::min<long long>(left, 10)));
    }
    return true;
}

void Serial::dropStaleInput(int fd)
{
    ::tcflush(fd, TCIFLUSH);
    unsigned char scratch[64];
    while (::read(fd, scratch, sizeof scratch) > 0) {
    }
}

int Serial::writeData(const void *buf, const int &len)
{
    if (!buf || len < 1)
        return -1;
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeouts().requestMs);
    PortLock port(this, &deadline);
    const int fd = m_fd.load();
    if (!port.owned() || fd < 0)
        return -1;
    return writeAll(fd, static_cast<const unsigned char *>(buf), len, deadline) ? len : -1;
}

int Serial::readData(void *buf, int len)
{
    if (!buf || len < 1)
        return len == 0 ? 0 : -1;
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeouts().requestMs);
    PortLock port(this, &deadline);
    const int fd = m_fd.load();
    if (!port.owned() || fd < 0)
        return -1;
    int total = 0;
    while (total < len && waitReadable(fd, deadline)) {
        const ssize_t n = ::read(fd, static_cast<char *>(buf) + total, static_cast<size_t>(len - total));
        if (n > 0)
            total += int(n);
        else if (n == 0 || (errno != EAGAIN && errno != EINTR))
            break;
    }
    return total;
}

// ---- exchanges ----

Serial::Outcome Serial::exchange(unsigned char code, const QByteArray &payload, QByteArray *reply,
                                 Clock::time_point deadline)
{
    const int fd = m_fd.load();
    if (fd < 0)
        return Outcome::NoPort;
    const QByteArray out = frame(code, payload);
    if (out.isEmpty())
        return Outcome::WriteFailed;
    std::memset(m_sendBuffer, 0, sizeof m_sendBuffer);
    std::memcpy(m_sendBuffer, out.constData(), static_cast<size_t>(out.size()));
    m_sendLength = out.size();
    g_writeData_length.store(m_sendLength);
    const int expected = replyLength(code);
    if (expected < 1)
        return Outcome::UnknownCommand;
    g_readData_length.store(expected);

    // Whatever arrived before this request (a late reply, line noise) is
    // not its answer.
    dropStaleInput(fd);
    if (!writeAll(fd, m_sendBuffer, m_sendLength, deadline))
        return stopRequested() ? Outcome::Stopped : Outcome::WriteFailed;

    // The reply's length comes from the command; only its header and the
    // echoed code are checked. Bytes 2 and 4 and the two closing bytes are
    // the core's to choose.
    QByteArray pending;
    for (;;) {
        for (;;) {
            const int start = unpackData(reinterpret_cast<const unsigned char *>(pending.constData()), pending.size());
            if (start < 0) {
                // Keep a trailing first header byte; the rest is noise.
                const bool keepLast = !pending.isEmpty() && uint8_t(pending.back()) == ReplyStart0;
                pending = keepLast ? QByteArray(1, char(ReplyStart0)) : QByteArray();
                break;
            }
            pending.remove(0, start);
            if (pending.size() <= EchoOffset)
                break;
            if (uint8_t(pending[EchoOffset]) != code) {
                // Noise that looks like a reply start, or another command's
                // late answer: give up one byte only, the real reply may
                // begin inside it.
                qDebug("serial: skipped a reply start echoing 0x%02x while waiting for 0x%02x",
                       uint8_t(pending[EchoOffset]), code);
                pending.remove(0, 1);
                continue;
            }
            if (pending.size() < expected)
                break;
            if (reply)
                *reply = pending.left(expected);
            return Outcome::Done;
        }
        if (!waitReadable(fd, deadline))
            return stopRequested() ? Outcome::Stopped : Outcome::TimedOut;
        char chunk[64];
        const ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got > 0)
            pending.append(chunk, int(got));
        else if (got == 0 || (errno != EAGAIN && errno != EINTR))
            return Outcome::TimedOut;
        if (pending.size() > 4 * BUFFER_SIZE)
            pending.remove(0, pending.size() - BUFFER_SIZE);
    }
}

int Serial::request(unsigned char code, const QByteArray &payload, QByteArray *reply)
{
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeouts().requestMs);
    PortLock port(this, &deadline);
    if (!port.owned()) {
        qWarning("serial: port busy, command 0x%02x not sent", code);
        return -1;
    }
    const Outcome outcome = exchange(code, payload, reply, deadline);
    if (outcome == Outcome::TimedOut)
        qWarning("serial: no reply to command 0x%02x", code);
    return outcome == Outcome::Done ? 0 : -1;
}

int Serial::readDeltaAD(unsigned int *out)
{
    if (!out)
        return -1;
    QByteArray reply;
    if (request(ReadDeltaAD, QByteArray(4, '\0'), &reply) != 0)
        return -1;
    *out = fromLittleEndian(reply, 5, 4);
    return 0;
}

int Serial::readSerialVSK(unsigned short *out)
{
    if (!out)
        return -1;
    QByteArray reply;
    if (request(ReadVSK, QByteArray(), &reply) != 0) {
        *out = 0;
        return -1;
    }
    *out = static_cast<unsigned short>(fromLittleEndian(reply, 5, 2));
    return 0;
}

int Serial::readSerialSum(unsigned short *out)
{
    if (!out)
        return -1;
    QByteArray reply;
    if (request(ReadSum, QByteArray(), &reply) != 0)
        return -1;
    *out = static_cast<unsigned short>(fromLittleEndian(reply, 5, 2));
    return 0;
}

int Serial::readSensor(unsigned short *out)
{
    if (!out)
        return -1;
    QByteArray reply;
    if (request(ReadSensor, QByteArray(2, '\0'), &reply) != 0)
        return -1;
    *out = static_cast<unsigned short>(fromLittleEndian(reply, 5, 2));
    return 0;
}

int Serial::readCoreCpuVersion(char *out, int size)
{
    if (!out || size < 1)
        return -1;
    QByteArray reply;
    if (request(ReadCpuVersion, QByteArray(), &reply) != 0)
        return -1;
    copyVersion(reply, out, size);
    return 0;
}

int Serial::readCoreFPGAVersion(char *out, int size)
{
    if (!out || size < 1)
        return -1;
    QByteArray reply;
    if (request(ReadFpgaVersion, QByteArray(), &reply) != 0)
        return -1;
    copyVersion(reply, out, size);
    return 0;
}

// ---- queued commands ----

bool Serial::enqueue(unsigned char code, const QByteArray &payload)
{
    {
        std::lock_guard<std::mutex> lock(m_queueMutex);
        if (m_stop.load() || !m_worker.joinable())
            return false;
        if (m_queue.size() >= QUEUE_LIMIT) {
            qWarning("serial: command queue full, 0x%02x dropped", code);
            return false;
        }
        m_queue.push_back({code, payload});
    }
    m_queueChanged.notify_all();
    return true;
}

bool Serial::autoShutter(bool on)
{
    return enqueue(AutoShutter, QByteArray(1, on ? '\1' : '\0'));
}

bool Serial::insideShutter()
{
    return enqueue(InsideShutter, QByteArray());
}

bool Serial::insideShutterNoVSK()
{
    return enqueue(InsideShutterNoVSK, QByteArray());
}

bool Serial::outsideShutter()
{
    return enqueue(OutsideShutter, QByteArray());
}

bool Serial::setIntTime(int range, unsigned short intTime)
{
    Q_UNUSED(range); // the core keeps one integration time
    return enqueue(SetIntTime, littleEndian(intTime, 2));
}

bool Serial::setVSK(unsigned short vsk)
{
    return enqueue(SetVSK, littleEndian(vsk, 2));
}

bool Serial::changeTempRange(unsigned short intTime, unsigned int vsk)
{
    qDebug("change temp range intTime:%d vsk:%u", intTime, vsk);
    return enqueue(ChangeTempRange, littleEndian(intTime, 2) + littleEndian(vsk & 0xFFFF, 2));
}

bool Serial::shutDown()
{
    return enqueue(ShutDown, QByteArray());
}

void Serial::signalThread()
{
    m_queueChanged.notify_all();
}

bool Serial::waitForIdle(int timeoutMs)
{
    std::unique_lock<std::mutex> lock(m_queueMutex);
    return m_queueChanged.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                                   [this] { return m_queue.empty() && !m_inFlight; });
}

int Serial::pendingCommands() const
{
    std::lock_guard<std::mutex> lock(m_queueMutex);
    return int(m_queue.size()) + (m_inFlight ? 1 : 0);
}

int Serial::commandsSent() const
{
    std::lock_guard<std::mutex> lock(m_queueMutex);
    return m_sent;
}

int Serial::commandsFailed() const
{
    std::lock_guard<std::mutex> lock(m_queueMutex);
    return m_failed;
}

void Serial::workerLoop()
{
    std::unique_lock<std::mutex> lock(m_queueMutex);
    for (;;) {
        m_queueChanged.wait(lock, [this] { return m_stop.load() || !m_queue.empty(); });
        if (m_stop.load())
            break;
        const Pending command = m_queue.front();
        m_queue.pop_front();
        m_inFlight = true;
        const Timeouts limits = timeouts();
        lock.unlock();

        if (command.code == ShutDown && m_board) {
            m_board->fpga_open_alarm(true);
            std::unique_lock<std::mutex> pulse(m_queueMutex);
            m_queueChanged.wait_for(pulse, std::chrono::milliseconds(limits.alarmPulseMs),
                                    [this] { return m_stop.load(); });
            pulse.unlock();
            m_board->fpga_open_alarm(false);
        }
        Outcome outcome = Outcome::Stopped;
        if (!m_stop.load()) {
            PortLock port(this);
            outcome = exchange(command.code, command.payload, nullptr,
                               Clock::now() + std::chrono::milliseconds(limits.commandReplyMs));
        }
        if (outcome != Outcome::Done && outcome != Outcome::Stopped)
            qWarning("serial: command 0x%02x failed", command.code);

        lock.lock();
        m_inFlight = false;
        if (outcome == Outcome::Done)
            ++m_sent;
        else
            ++m_failed;
        lock.unlock();
        m_queueChanged.notify_all();
        lock.lock();
    }
    m_inFlight = false;
    lock.unlock();
    m_queueChanged.notify_all();
}

// ---- parking ----

void Serial::closeSerial()
{
    PortLock port(this);
    if (m_parkedFd >= 0)
        return;
    m_parkedFd = m_fd.exchange(-1);
}

void Serial::restoreSerial()
{
    PortLock port(this);
    if (m_parkedFd < 0 || m_fd.load() >= 0)
        return;
    m_fd.store(m_parkedFd);
    m_parkedFd = -1;
}

bool Serial::isParked() const
{
    PortLock port(this);
    return m_parkedFd >= 0;
}

// ---- port set-up ----

int Serial::set_speed(int rate)
{
    const int fd = m_fd.load();
    if (fd < 0)
        return -1;
    for (const SpeedEntry &entry : Speeds) {
        if (entry.rate != rate)
            continue;
        termios options;
        if (::tcgetattr(fd, &options) != 0)
            return -1;
        ::tcflush(fd, TCIOFLUSH);
        ::cfsetispeed(&options, entry.constant);
        ::cfsetospeed(&options, entry.constant);
        options.c_cflag |= (CLOCAL | CREAD);
        if (::tcsetattr(fd, TCSANOW, &options) != 0) {
            perror("tcsetattr m_fd");
            return -1;
        }
        ::tcflush(fd, TCIOFLUSH);
        return 0;
    }
    return -1;
}

int Serial::lineOptions(termios &options, int databits, int stopbits, int parity)
{
    options.c_cflag &= ~CSIZE;
    switch (databits) {
    case 7:
        options.c_cflag |= CS7;
        break;
    case 8:
        options.c_cflag |= CS8;
        break;
    default:
        fprintf(stderr, "Unsupported data size\n");
        return -1;
    }
    switch (parity) {
    case 'n':
    case 'N':
        options.c_cflag &= ~PARENB;
        options.c_iflag &= ~INPCK;
        break;
    case 'o':
    case 'O':
        options.c_cflag |= (PARODD | PARENB);
        options.c_iflag |= INPCK;
        break;
    case 'e':
    case 'E':
        options.c_cflag |= PARENB;
        options.c_cflag &= ~PARODD;
        options.c_iflag |= INPCK;
        break;
    case 's':
    case 'S':
        options.c_cflag &= ~PARENB;
        options.c_cflag &= ~CSTOPB;
        break;
    default:
        fprintf(stderr, "Unsupported parity\n");
        return -1;
    }
    switch (stopbits) {
    case 1:
        options.c_cflag &= ~CSTOPB;
        break;
    case 2:
        options.c_cflag |= CSTOPB;
        break;
    default:
        fprintf(stderr, "Unsupported stop bits\n");
        return -1;
    }
    // Binary frames: no byte may be translated or taken as flow control.
    options.c_iflag &= ~(ICRNL | IXON | IXOFF | INLCR | IGNCR | ISTRIP);
    // Input parity checking goes with every parity but none, in either case:
    // the link itself asks for 'N'.
    if (parity != 'n' && parity != 'N')
        options.c_iflag |= INPCK;
    return 0;
}

int Serial::set_Parity(int databits, int stopbits, int parity)
{
    const int fd = m_fd.load();
    if (fd < 0)
        return -1;
    termios options;
    if (::tcgetattr(fd, &options) != 0) {
        perror("SetupSerial 1");
        return -1;
    }
    if (lineOptions(options, databits, stopbits, parity) != 0)
        return -1;
    ::tcflush(fd, TCIFLUSH);
    options.c_oflag &= ~OPOST;
    options.c_lflag &= ~(ISIG | ICANON | ECHO | ECHOE | IEXTEN);
    options.c_cc[VTIME] = 1;
    options.c_cc[VMIN] = 0;
    if (::tcsetattr(fd, TCSANOW, &options) != 0) {
        perror("SetupSerial 3");
        return -1;
    }
    return 0;
}
