#pragma once

#include <QByteArray>
#include <QString>

// Writes one command to a named pipe the way every caller must: never
// creates a file, never blocks past its bound, and never lets two commands
// run together in the pipe (it waits for the reader to drain the previous
// one before writing).
class FifoWriter
{
public:
    enum Result {
        Written,
        Missing,      // nothing at the path
        NotAFifo,     // a regular file or anything else is there
        NoReader,     // nobody has the pipe open for reading
        Busy,         // the reader did not take the previous command in time
        Failed,       // open or write failed otherwise, or a short write
        TooLong,      // longer than one atomic pipe write
    };

    static constexpr int DefaultTimeoutMs = 100;

    // path is resolved through Paths ("/tmp/service_ir" → root + path).
    static Result write(const QString &path, const QByteArray &command, int timeoutMs = DefaultTimeoutMs);
    static const char *describe(Result result);

private:
    FifoWriter() = delete;
};
