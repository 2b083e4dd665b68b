#pragma once

#include "paths.h"

#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QSettings>
#include <QTemporaryDir>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// A temporary root, both path root and working directory, in memory-backed
// storage (OSTREL_FUZZ_TMP, else /dev/shm, else the temporary folder), so an
// input costs no disk I/O. Each input overwrites the file under test and gets
// a modification time of its own: QSettings keeps the last parse of a path
// and trusts it while size and time are unchanged, and two inputs of one
// size often land in the same millisecond.
class FuzzRoot
{
public:
    FuzzRoot()
        : m_dir(baseFolder() + QStringLiteral("/fuzzroot-XXXXXX"))
    {
        QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false\n*.warning=false"));
        if (!m_dir.isValid()) {
            std::fprintf(stderr, "fuzzroot: cannot make a folder under %s\n", qPrintable(baseFolder()));
            std::abort();
        }
        QDir root(m_dir.path());
        root.mkpath(QStringLiteral("etc"));
        root.mkpath(QStringLiteral("Parameter"));
        Paths::setRoot(m_dir.path());
        QDir::setCurrent(m_dir.path());
    }

    // Writes the input to path (relative to the root) and returns path.
    QString write(const char *path, const uint8_t *data, size_t size)
    {
        const int fd = ::open(path, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        if (fd < 0) {
            std::perror(path);
            std::abort();
        }
        size_t done = 0;
        while (done < size) {
            const ssize_t n = ::write(fd, data + done, size - done);
            if (n <= 0) {
                std::perror(path);
                std::abort();
            }
            done += size_t(n);
        }
        const timespec stamp[2] = { { time_t(++m_run), 0 }, { time_t(m_run), 0 } };
        ::futimens(fd, stamp);
        ::close(fd);
        return QString::fromLatin1(path);
    }

    // Removes path and has QSettings drop its parse of it. QSettings keeps
    // the parse of a closed file in a process-wide cache, where the next
    // input's parse replaces it; one with more keys looks to the leak check
    // like a leak, and libFuzzer runs that input a second time to be sure.
    static void release(const char *path)
    {
        ::unlink(path);
        // A settings object that finds its file gone keeps no parse of it.
        QSettings gone(QString::fromLatin1(path), QSettings::IniFormat);
    }

private:
    static QString baseFolder()
    {
        const QString chosen = qEnvironmentVariable("OSTREL_FUZZ_TMP");
        if (!chosen.isEmpty())
            return chosen;
        const QFileInfo shm(QStringLiteral("/dev/shm"));
        if (shm.isDir() && shm.isWritable())
            return shm.filePath();
        return QDir::tempPath();
    }

    QTemporaryDir m_dir;
    unsigned long m_run = 0;
};
