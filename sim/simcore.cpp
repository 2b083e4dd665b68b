#include "simcore.h"


#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace {
constexpr uint8_t RequestStart0 = 0xFF;
constexpr uint8_t RequestStart1 = 0xA5;
constexpr uint8_t FrameEnd = 0x5A;
constexpr int MaxRequestPayload = 122;

QByteArray littleEndian(uint32_t value, int bytes)
{
    QByteArray out(bytes, '\0');
    for (int i = 0; i < bytes; ++i)
        out[i] = char((value >> (8 * i)) & 0xFF);
    return out;
}

QByteArray versionField(const QByteArray &version)
{
    QByteArray field = version.left(15);
    field.append(QByteArray(15 - field.size(), '\0'));
    return field;
}

uint8_t xorOf(const QByteArray &bytes, int from, int to)
{
    uint8_t sum = 0;
    for (int i = from; i < to; ++i)
        sum ^= uint8_t(bytes[i]);
    return sum;
}
} // namespace

SimCore::SimCore()
    : m_cpuVersion(versionField("SIMCORE-CPU-1.0"))
    , m_fpgaVersion(versionField("SIMCORE-FPGA1.0"))
    , m_sensor{8000}
    , m_deltaAD(1200)
    , m_vsk(2000)
    , m_sum(5000)
    // Line noise that looks like frames but is none.
    , m_garbage(QByteArray::fromHex("0013377f00ffa55a7f7fa51f"))
{
    if (::pipe2(m_stopPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        m_stopPipe[0] = m_stopPipe[1] = -1;
    if (m_terminal.isValid() && m_stopPipe[0] >= 0)
        m_thread = std::thread(&SimCore::run, this);
}

SimCore::~SimCore()
{
    m_stop.store(true);
    if (m_stopPipe[1] >= 0) {
        const char wake = 1;
        [[maybe_unused]] const ssize_t n = ::write(m_stopPipe[1], &wake, 1);
    }
    if (m_thread.joinable())
        m_thread.join();
    for (int fd : m_stopPipe) {
        if (fd >= 0)
            ::close(fd);
    }
}

QByteArray SimCore::replyFrame(uint8_t code, const QByteArray &payload, uint8_t status)
{
    QByteArray frame;
    frame.append(char(0x7F));
    frame.append(char(0xA5));
    frame.append(char(payload.size()));
    frame.append(char(code));
    frame.append(char(status));
    frame.append(payload);
    frame.append(char(xorOf(frame, 2, frame.size())));
    frame.append(char(FrameEnd));
    return frame;
}

// ---- the core's loop ----

void SimCore::run()
{
    QByteArray input;
    while (!m_stop.load()) {
        pollfd fds[2] = {{m_terminal.masterFd(), POLLIN, 0}, {m_stopPipe[0], POLLIN, 0}};
        const int n = ::poll(fds, 2, 1000);
        if (n < 0 && errno != EINTR)
            break;
        if (n <= 0)
            continue;
        if (fds[1].revents & POLLIN)
            break;
        if (fds[0].revents & (POLLHUP | POLLERR)) {
            // No reader on the other end for the moment.
            sleepInterruptibly(5);
            continue;
        }
        char chunk[256];
        const ssize_t got = ::read(m_terminal.masterFd(), chunk, sizeof chunk);
        if (got <= 0)
            continue;
        input.append(chunk, int(got));
        for (;;) {
            const char header[2] = {char(RequestStart0), char(RequestStart1)};
            const int start = input.indexOf(QByteArray(header, 2));
            if (start < 0) {
                const bool keepLast = !input.isEmpty() && uint8_t(input.back()) == RequestStart0;
                input = keepLast ? QByteArray(1, char(RequestStart0)) : QByteArray();
                break;
            }
            input.remove(0, start);
            if (input.size() < 4)
                break;
            const int length = uint8_t(input[3]);
            if (length > MaxRequestPayload) {
                input.remove(0, 1);
                continue;
            }
            if (input.size() < length + 6)
                break;
            const QByteArray frame = input.left(length + 6);
            input.remove(0, length + 6);
            Request request;
            request.code = uint8_t(frame[2]);
            request.payload = frame.mid(4, length);
            request.checksumOk = uint8_t(frame[4 + length]) == xorOf(frame, 2, 4 + length)
                                 && uint8_t(frame[5 + length]) == FrameEnd;
            {
                std::lock_guard<std::mutex> lock(m_mutex);
                m_requests.append(request);
                if (!request.checksumOk)
                    ++m_badFrames;
                m_arrived.notify_all();
            }
            if (request.checksumOk)
                handle(request);
        }
    }
}

bool SimCore::payloadFor(uint8_t code, QByteArray *payload)
{
    *payload = QByteArray();
    switch (code) {
    case 0x30:
    case 0x31:
    case 0x51:
    case 0x52:
    case 0x70:
    case 0x78:
    case 0x82:
    case 0x84:
        return true;
    case 0x61:
        *payload = littleEndian(m_deltaAD, 4);
        return true;
    case 0x77:
        *payload = littleEndian(m_vsk, 2);
        return true;
    case 0x79:
        *payload = littleEndian(m_sum, 2);
        return true;
    case 0x80:
        *payload = m_cpuVersion;
        return true;
    case 0x81:
        *payload = m_fpgaVersion;
        return true;
    case 0x96: {
        const uint16_t value = m_sensor.isEmpty() ? 0 : m_sensor.first();
        if (m_sensor.size() > 1)
            m_sensor.removeFirst();
        *payload = littleEndian(value, 2);
        return true;
    }
    default:
        return false;
    }
}

void SimCore::setCommandHook(std::function<void(uint8_t code)> hook)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_commandHook = std::move(hook);
}

void SimCore::handle(const Request &request)
{
    std::function<void(uint8_t)> hook;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        hook = m_commandHook;
    }
    if (hook)
        hook(request.code);
    QByteArray reply;
    Fault fault = NoFault;
    int delay = 0;
    QByteArray garbage;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        const uint8_t code = request.code;
        auto word = [&](int offset) {
            return request.payload.size() >= offset + 2
                       ? uint16_t(uint8_t(request.payload[offset]) | (uint8_t(request.payload[offset + 1]) << 8))
                       : uint16_t(0);
        };
        switch (code) {
        case 0x30:
            m_autoShutter = !request.payload.isEmpty() && request.payload[0] != 0;
            break;
        case 0x70:
            m_intTime = word(0);
            break;
        case 0x78:
            m_vsk = word(0);
            break;
        case 0x82:
            m_intTime = word(0);
            m_vsk = word(2);
            break;
        case 0x84:
            m_poweredDown = true;
            break;
        default:
            break;
        }
        QByteArray payload;
        if (!payloadFor(code, &payload))
            return; // an unknown command gets no answer
        reply = replyFrame(code, payload);
        if (!m_ownFreeBytes) {
            reply[2] = char(m_freeBytes.length);
            reply[4] = char(m_freeBytes.status);
            reply[reply.size() - 2] = char(m_freeBytes.sum);
            reply[reply.size() - 1] = char(m_freeBytes.end);
        }
        garbage = m_garbage;
        if (m_fault != NoFault && m_faultCount != 0) {
            fault = m_fault;
            if (m_faultCount > 0 && --m_faultCount == 0)
                m_fault = NoFault;
        }
        delay = m_delayMs;
    }
    switch (fault) {
    case Silent:
        return;
    case WrongEcho:
        reply[3] = char(uint8_t(reply[3]) ^ 0x01);
        reply[reply.size() - 2] = char(xorOf(reply, 2, reply.size() - 2));
        break;
    case BadChecksum:
        reply[reply.size() - 2] = char(uint8_t(reply[reply.size() - 2]) ^ 0xFF);
        break;
    case LateReply:
        if (!sleepInterruptibly(delay))
            return;
        break;
    case GarbageFirst:
        send(garbage);
        break;
    case ShortReply:
        reply.truncate(reply.size() / 2);
        break;
    case NoFault:
        break;
    }
    // Counted before it goes out: once the peer has read the reply, the
    // count already shows it.
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        ++m_replies;
        m_arrived.notify_all();
    }
    send(reply);
}

void SimCore::send(const QByteArray &bytes)
{
    int written = 0;
    while (written < bytes.size() && !m_stop.load()) {
        const ssize_t n = ::write(m_terminal.masterFd(), bytes.constData() + written, size_t(bytes.size() - written));
        if (n > 0) {
            written += int(n);
        } else if (n < 0 && errno != EAGAIN && errno != EINTR) {
            return;
        } else {
            pollfd out = {m_terminal.masterFd(), POLLOUT, 0};
            ::poll(&out, 1, 10);
        }
    }
}

bool SimCore::sleepInterruptibly(int ms)
{
    pollfd stop = {m_stopPipe[0], POLLIN, 0};
    return ::poll(&stop, 1, ms) == 0;
}

// ---- scripted values ----

void SimCore::setCpuVersion(const QByteArray &version)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_cpuVersion = versionField(version);
}

void SimCore::setFpgaVersion(const QByteArray &version)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_fpgaVersion = versionField(version);
}

void SimCore::setSensor(uint16_t value)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_sensor = {value};
}

void SimCore::setSensorSequence(const QVector<uint16_t> &values)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_sensor = values.isEmpty() ? QVector<uint16_t>{0} : values;
}

void SimCore::setDeltaAD(uint32_t value)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_deltaAD = value;
}

void SimCore::setVsk(uint16_t value)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_vsk = value;
}

void SimCore::setSum(uint16_t value)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_sum = value;
}

uint16_t SimCore::vsk() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_vsk;
}

uint16_t SimCore::intTime() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_intTime;
}

bool SimCore::autoShutterOn() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_autoShutter;
}

bool SimCore::poweredDown() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_poweredDown;
}

// ---- faults ----

void SimCore::setFault(Fault fault, int count)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_fault = count == 0 ? NoFault : fault;
    m_faultCount = count;
}

void SimCore::setReplyDelay(int ms)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_delayMs = qMax(0, ms);
}

void SimCore::setGarbage(const QByteArray &bytes)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_garbage = bytes;
}

void SimCore::setFreeBytes(const FreeBytes &bytes)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_freeBytes = bytes;
    m_ownFreeBytes = false;
}

void SimCore::clearFreeBytes()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_ownFreeBytes = true;
}

// ---- inspection ----

QVector<SimCore::Request> SimCore::requests() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_requests;
}

QVector<uint8_t> SimCore::codes() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    QVector<uint8_t> codes;
    for (const Request &request : m_requests)
        codes.append(request.code);
    return codes;
}

int SimCore::repliesSent() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_replies;
}

int SimCore::badFrames() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_badFrames;
}

void SimCore::clearLog()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_requests.clear();
    m_replies = 0;
    m_badFrames = 0;
}

bool SimCore::waitForRequests(int count, int timeoutMs) const
{
    std::unique_lock<std::mutex> lock(m_mutex);
    return m_arrived.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                              [&] { return m_requests.size() >= count; });
}
