#pragma once

#include <QString>

// The port of the simulator's VNC screen. Qt's vnc platform listens on
// every interface with no password, takes no address option, and carries
// on without a screen when its port is taken: so the port is tried first.
class VncPort
{
public:
    // Nothing listens on the port (on any address).
    static bool isFree(int port);
    // A non-blocking socket listening on port on every address of family
    // (dual-stack for AF_INET6), as Qt's server binds; -1 with errno set.
    static int listenOnAll(int family, int port, int backlog);
    static QString hint(int port);
    static QString busyMessage(int port);

private:
    VncPort() = delete;
};
