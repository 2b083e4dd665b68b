#include "tablefilelimit.h"

#include <QFileInfo>

bool TableFileLimit::readable(const QString &hostPath)
{
    const QFileInfo info(hostPath);
    if (!info.exists())
        return false;
    // A pipe or device would block the reader or never end.
    if (!info.isFile()) {
        qWarning("%s is not a regular file, not read", qPrintable(hostPath));
        return false;
    }
    if (info.size() > MAX_BYTES) {
        qWarning("%s is too large (%lld bytes, at most %lld), not read", qPrintable(hostPath),
                 static_cast<long long>(info.size()), static_cast<long long>(MAX_BYTES));
        return false;
    }
    return true;
}
