#pragma once

#include <QByteArray>
#include <QString>

// The pipe the update script writes its progress into. Made afresh when the
// wizard starts (whatever is at the path goes first), held open read-write
// and non-blocking: the script's open never waits for a reader, the wizard
// never sees an end of file, and a read never waits.
class ProgressFifo
{
public:
    static constexpr int ReadSize = 128;

    // path is a system path, resolved through Paths.
    explicit ProgressFifo(const QString &path);
    ~ProgressFifo();
    ProgressFifo(const ProgressFifo &) = delete;
    ProgressFifo &operator=(const ProgressFifo &) = delete;

    bool isOpen() const { return m_fd >= 0; }
    // What has arrived, at most ReadSize bytes; empty when nothing has.
    QByteArray read();

private:
    int m_fd = -1;
};
