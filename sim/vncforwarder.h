#pragma once

#include <QString>

#include <atomic>
#include <memory>
#include <thread>
#include <vector>

// Stands on the VNC port in front of Qt's vnc server, which ends its
// process on a malformed viewer (an update request before a pixel format,
// an oversized cut text, random bytes). Each viewer gets its own
// connection to the server on the loopback port, and only what RfbSession
// lets through reaches it; a viewer that breaks the protocol loses its
// connection, and the server and every other viewer go on. The server's
// bytes pass unchanged, buffered up to a bound: a viewer that does not read
// holds the server's side of its own connection only. One thread with
// poll(), woken through a pipe to stop; the GUI thread never waits on it.
class VncForwarder
{
public:
    static constexpr int MaxViewers = 16;

    VncForwarder();
    ~VncForwarder();
    VncForwarder(const VncForwarder &) = delete;
    VncForwarder &operator=(const VncForwarder &) = delete;

    // Listens on port on every interface, as Qt's server would (dual-stack
    // where there is IPv6). Port 0: the system picks one (port() tells).
    bool listen(int port);
    int port() const { return m_port; }
    QString error() const { return m_error; }

    // Passes each viewer on to 127.0.0.1:serverPort until stop().
    bool start(int serverPort);
    void stop();

    // In this process, once the QGuiApplication exists on Qt's vnc platform
    // with a port the system picked: confines Qt's server to the loopback
    // address and serves port in front of it. Null, with the reason in
    // *error, when that cannot be done.
    static std::unique_ptr<VncForwarder> inFrontOfQt(int port, QString *error);

    // Viewers closed for breaking the protocol, for tests and the log.
    int refused() const { return m_refused.load(); }

private:
    struct Viewer;

    void run();
    void accept();
    // False when the viewer's session ends.
    bool serve(Viewer &viewer, short clientEvents, short serverEvents);

    int m_listener = -1;
    int m_port = 0;
    int m_serverPort = 0;
    int m_wake[2] = {-1, -1};
    std::thread m_thread;
    std::vector<std::unique_ptr<Viewer>> m_viewers;
    std::atomic<int> m_refused{0};
    QString m_error;
};
