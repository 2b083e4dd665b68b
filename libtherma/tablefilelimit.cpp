#include "tablefilelimit.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

TableFileLimit::Verdict TableFileLimit::check(const QString &hostPath, qint64 maxBytes)
{
    const QFileInfo info(hostPath);
    if (!info.exists())
        // A link that leads nowhere is no file to read, nor one to create.
        return info.isSymLink() ? NotRegular : Missing;
    if (!info.isFile())
        return NotRegular;
    return info.size() > maxBytes ? TooLarge : Readable;
}

bool TableFileLimit::readable(const QString &hostPath)
{
    const QFileInfo info(hostPath);
    const Verdict verdict = check(hostPath);
    if (verdict == Missing)
        return false;
    warn(hostPath, verdict, info.size(), MAX_BYTES);
    return verdict == Readable;
}

void TableFileLimit::warn(const QString &hostPath, Verdict verdict, qint64 size, qint64 maxBytes)
{
    if (verdict == NotRegular)
        qWarning("%s is not a regular file, not read", qPrintable(hostPath));
    else if (verdict == TooLarge)
        qWarning("%s is too large (%lld bytes, at most %lld), not read", qPrintable(hostPath), static_cast<long long>(size),
                 static_cast<long long>(maxBytes));
}

bool TableFileLimit::read(const QString &hostPath, QByteArray *bytes, qint64 maxBytes)
{
    bytes->clear();
    // O_NONBLOCK: a pipe without a writer opens at once instead of waiting.
    const int fd = ::open(QFile::encodeName(hostPath).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        if (errno != ENOENT)
            qWarning("%s cannot be read: %s", qPrintable(hostPath), std::strerror(errno));
        return false;
    }
    struct stat status {};
    bool sound = ::fstat(fd, &status) == 0;
    if (sound && !S_ISREG(status.st_mode)) {
        warn(hostPath, NotRegular, 0, maxBytes);
        sound = false;
    } else if (sound && status.st_size > maxBytes) {
        warn(hostPath, TooLarge, status.st_size, maxBytes);
        sound = false;
    }
    if (sound) {
        // One byte more than the file had tells one that grows meanwhile.
        bytes->resize(qsizetype(qMin<qint64>(status.st_size, maxBytes)) + 1);
        qsizetype filled = 0;
        while (filled < bytes->size()) {
            const ssize_t n = ::read(fd, bytes->data() + filled, size_t(bytes->size() - filled));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0) {
                sound = n == 0;
                break;
            }
            filled += n;
            if (filled == bytes->size() && filled <= maxBytes)
                bytes->resize(qMin<qsizetype>(filled * 2, qsizetype(maxBytes) + 1));
        }
        bytes->truncate(filled);
        if (sound && filled > maxBytes) {
            warn(hostPath, TooLarge, filled, maxBytes);
            sound = false;
        }
    }
    ::close(fd);
    if (!sound)
        bytes->clear();
    return sound;
}
