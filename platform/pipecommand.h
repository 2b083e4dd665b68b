#pragma once

#include <QByteArray>
#include <QString>

// One command to a service pipe from a caller that cannot wait: written
// through FifoWriter (bounded), and on failure dropped with a log line
// naming the caller, so a service that stopped reading never freezes the
// interface.
class PipeCommand
{
public:
    static constexpr const char *ServicePipe = "/tmp/service_ir";
    static constexpr const char *SavePipe = "/tmp/QSaveImage";

    // true when the command reached the pipe.
    static bool send(const char *path, const QByteArray &command, const char *caller);

private:
    PipeCommand() = delete;
};
