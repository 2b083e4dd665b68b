#pragma once

// The way a thread blocked in select() is told to end: the owner writes one
// byte, the thread sees readFd() readable and returns. Both ends are
// close-on-exec and non-blocking.
class StopPipe
{
public:
    StopPipe() = default;
    ~StopPipe() { close(); }
    StopPipe(const StopPipe &) = delete;
    StopPipe &operator=(const StopPipe &) = delete;

    bool open();
    // Safe when not open.
    void wake();
    void close();
    int readFd() const { return m_fds[0]; }

private:
    int m_fds[2] = {-1, -1};
};
