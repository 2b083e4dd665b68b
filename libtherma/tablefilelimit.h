#pragma once

#include "therma_global.h"

#include <QString>

// Calibration and correction files hold a few kilobytes. A file far larger
// (damaged, or something else under that name) is refused unread: parsing
// it would cost more memory than the camera has. Both readers then fall
// back as for a missing file.
class THERMA_EXPORT TableFileLimit
{
public:
    enum : qint64 { MAX_BYTES = 256 * 1024 };

    // True when hostPath is a regular file of at most MAX_BYTES. A file that
    // is there but refused is reported with a warning.
    static bool readable(const QString &hostPath);

private:
    TableFileLimit() = delete;
};
