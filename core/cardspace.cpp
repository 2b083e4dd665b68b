#include "cardspace.h"

#include "freespace.h"
#include "paths.h"

#include <QFileInfo>

int CardSpace::sideFileMiB()
{
    const QFileInfo side(Paths::resolve(QStringLiteral("/root/tmp.avi")));
    return side.exists() ? int(side.size() / 1048576) : 0;
}

qint64 CardSpace::freeMiB()
{
    quint64 bytes = 0;
    if (!FreeSpace::freeBytes(QStringLiteral("/media/mmc"), &bytes))
        return -sideFileMiB();
    return qint64(bytes / 1048576) - sideFileMiB();
}
