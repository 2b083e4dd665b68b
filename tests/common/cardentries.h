#pragma once

#include "testroot.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// Makes one entry on the simulated card from a short description, relative
// to the test root:
//   "media/mmc/image/a.jpg"        a file holding "x"
//   "media/mmc/image/old/"         a folder
//   "media/mmc/image/l->a.jpg"     a symbolic link to "a.jpg" (beside it)
// A character U+DC80..U+DCFF stands for the byte 0x80..0xFF, so a name
// need not be UTF-8.
namespace CardEntries {

inline QByteArray bytesOf(const QString &text)
{
    QByteArray bytes;
    for (const QChar c : text) {
        if (c.unicode() >= 0xDC80 && c.unicode() <= 0xDCFF)
            bytes += char(c.unicode() - 0xDC00);
        else
            bytes += QString(c).toUtf8();
    }
    return bytes;
}

// mkdir -p by bytes.
inline bool makeFolders(const QByteArray &host)
{
    for (qsizetype at = 1; at <= host.size(); ++at) {
        if (at < host.size() && host.at(at) != '/')
            continue;
        const QByteArray part = host.left(at);
        if (::mkdir(part.constData(), 0755) != 0 && errno != EEXIST)
            return false;
    }
    return true;
}

inline bool make(const TestRoot &root, const QString &entry)
{
    const qsizetype arrow = entry.indexOf(QLatin1String("->"));
    const QString path = arrow < 0 ? entry : entry.left(arrow);
    const QByteArray host = QFile::encodeName(root.root()) + '/' + bytesOf(path);
    if (path.endsWith(QLatin1Char('/')))
        return makeFolders(host.left(host.size() - 1));
    if (!makeFolders(host.left(host.lastIndexOf('/'))))
        return false;
    if (arrow >= 0)
        return ::symlink(bytesOf(entry.mid(arrow + 2)).constData(), host.constData()) == 0;
    const int fd = ::open(host.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    const bool written = ::write(fd, "x", 1) == 1;
    ::close(fd);
    return written;
}

} // namespace CardEntries
