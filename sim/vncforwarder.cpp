#include "vncforwarder.h"

#include "qtvnclistener.h"
#include "rfbsession.h"
#include "vncport.h"

#include <QCoreApplication>

#include <QByteArray>

#include <algorithm>
#include <arpa/inet.h>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
// A viewer's unread screen updates: a few whole 320x240 frames.
constexpr int MaxToViewer = 2 * 1024 * 1024;
// Client messages are small; a server that stops reading stops the viewer.
constexpr int MaxToServer = 64 * 1024;
constexpr int ReadChunk = 64 * 1024;

void closeFd(int &fd)
{
    if (fd >= 0)
        ::close(fd);
    fd = -1;
}

int boundPort(int fd)
{
    sockaddr_storage address = {};
    socklen_t length = sizeof address;
    if (::getsockname(fd, reinterpret_cast<sockaddr *>(&address), &length) != 0)
        return 0;
    if (address.ss_family == AF_INET6)
        return ntohs(reinterpret_cast<sockaddr_in6 *>(&address)->sin6_port);
    return ntohs(reinterpret_cast<sockaddr_in *>(&address)->sin_port);
}

// The server is on this machine: the connection is made or refused at once.
int connectLoopback(int port)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return -1;
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(uint16_t(port));
    if (::connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0) {
        ::close(fd);
        return -1;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
    const int on = 1;
    ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    return fd;
}

// Reads what is there; false when the peer closed or failed.
bool readSome(int fd, QByteArray *data)
{
    char buffer[ReadChunk];
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n > 0) {
        data->append(buffer, int(n));
        return true;
    }
    return n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR);
}

bool writeSome(int fd, QByteArray *pending)
{
    if (pending->isEmpty())
        return true;
    const ssize_t n = ::send(fd, pending->constData(), size_t(pending->size()), MSG_NOSIGNAL);
    if (n > 0) {
        pending->remove(0, int(n));
        return true;
    }
    return n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR);
}
} // namespace

struct VncForwarder::Viewer
{
    int client = -1;
    int server = -1;
    RfbSession session;
    QByteArray toClient;
    QByteArray toServer;

    ~Viewer()
    {
        closeFd(client);
        closeFd(server);
    }
};

VncForwarder::VncForwarder() = default;

VncForwarder::~VncForwarder()
{
    stop();
    closeFd(m_listener);
}

bool VncForwarder::listen(int port)
{
    closeFd(m_listener);
    m_listener = VncPort::listenOnAll(AF_INET6, port, 8);
    if (m_listener < 0 && errno != EADDRINUSE)
        m_listener = VncPort::listenOnAll(AF_INET, port, 8);
    if (m_listener < 0) {
        m_error = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    m_port = boundPort(m_listener);
    return true;
}

bool VncForwarder::start(int serverPort)
{
    if (m_listener < 0 || m_thread.joinable())
        return false;
    if (::pipe2(m_wake, O_CLOEXEC | O_NONBLOCK) != 0) {
        m_error = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    m_serverPort = serverPort;
    m_thread = std::thread([this] { run(); });
    return true;
}

void VncForwarder::stop()
{
    if (m_thread.joinable()) {
        const char stop = 1;
        while (::write(m_wake[1], &stop, 1) < 0 && errno == EINTR) {
        }
        m_thread.join();
    }
    m_viewers.clear();
    closeFd(m_wake[0]);
    closeFd(m_wake[1]);
}

std::unique_ptr<VncForwarder> VncForwarder::inFrontOfQt(int port, QString *error)
{
    // Qt's server starts listening from a queued call.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
    const int serverPort = QtVncListener::confine();
    if (serverPort <= 0) {
        *error = QStringLiteral("the screen's VNC server is not listening");
        return nullptr;
    }
    auto forwarder = std::make_unique<VncForwarder>();
    if (!forwarder->listen(port) || !forwarder->start(serverPort)) {
        *error = QStringLiteral("cannot serve VNC port %1: %2").arg(port).arg(forwarder->error());
        return nullptr;
    }
    return forwarder;
}

void VncForwarder::accept()
{
    const int client = ::accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
    if (client < 0)
        return;
    if (int(m_viewers.size()) >= MaxViewers) {
        ::close(client);
        return;
    }
    auto viewer = std::make_unique<Viewer>();
    viewer->client = client;
    viewer->server = connectLoopback(m_serverPort);
    if (viewer->server < 0)
        return; // no screen to show: the viewer is closed
    const int on = 1;
    ::setsockopt(client, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    m_viewers.push_back(std::move(viewer));
}

bool VncForwarder::serve(Viewer &viewer, short clientEvents, short serverEvents)
{
    if ((clientEvents | serverEvents) & POLLNVAL)
        return false;
    if (serverEvents & (POLLIN | POLLHUP | POLLERR)) {
        QByteArray data;
        if (!readSome(viewer.server, &data))
            return false;
        if (!viewer.session.fromServer(data, &viewer.toServer, &viewer.toClient))
            return false;
    }
    if (clientEvents & (POLLIN | POLLHUP | POLLERR)) {
        QByteArray data;
        if (!readSome(viewer.client, &data))
            return false;
        if (!viewer.session.fromClient(data, &viewer.toServer, &viewer.toClient)) {
            ++m_refused;
            std::fprintf(stderr, "vnc: viewer closed: %s\n", qPrintable(viewer.session.error()));
            return false;
        }
    }
    return writeSome(viewer.client, &viewer.toClient) && writeSome(viewer.server, &viewer.toServer);
}

void VncForwarder::run()
{
    std::vector<pollfd> fds;
    for (;;) {
        fds.clear();
        fds.push_back({m_wake[0], POLLIN, 0});
        fds.push_back({m_listener, POLLIN, 0});
        for (const auto &viewer : m_viewers) {
            // A side whose peer's buffer is full is not read until it drains.
            short client = viewer->toServer.size() < MaxToServer ? POLLIN : 0;
            short server = viewer->toClient.size() < MaxToViewer ? POLLIN : 0;
            if (!viewer->toClient.isEmpty())
                client |= POLLOUT;
            if (!viewer->toServer.isEmpty())
                server |= POLLOUT;
            fds.push_back({viewer->client, client, 0});
            fds.push_back({viewer->server, server, 0});
        }
        if (::poll(fds.data(), nfds_t(fds.size()), -1) < 0) {
            if (errno == EINTR)
                continue;
            return;
        }
        if (fds[0].revents)
            return;
        // Viewers first: the list grows only after their events are served.
        for (size_t i = 0; i < m_viewers.size(); ++i) {
            const short client = fds[2 + 2 * i].revents;
            const short server = fds[3 + 2 * i].revents;
            if ((client || server) && !serve(*m_viewers[i], client, server))
                m_viewers[i].reset();
        }
        m_viewers.erase(std::remove(m_viewers.begin(), m_viewers.end(), nullptr), m_viewers.end());
        if (fds[1].revents & POLLIN)
            accept();
    }
}
