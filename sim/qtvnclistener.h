#pragma once

// Qt's vnc server listens on every interface and takes no address. With
// VncForwarder in front, only the forwarder may reach it: confine() swaps
// the server's listening socket, in place under the same descriptor, for one
// on the loopback address only, on a port the system picks.
class QtVncListener
{
public:
    // The loopback port the server now listens on, or -1 when this process
    // has no one listening TCP socket on every interface (Qt's server has
    // not started, or another one is there too).
    static int confine();

private:
    QtVncListener() = delete;
};
