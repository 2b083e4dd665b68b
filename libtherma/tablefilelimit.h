#pragma once

#include "therma_global.h"

#include <QByteArray>
#include <QString>

// Every stored file the program reads - calibration and correction tables,
// the settings, the fusion offsets, the material list - holds a few
// kilobytes. A file far larger (damaged, or something else under that
// name) is refused unread: parsing it would cost more memory and time than
// the camera has. So is anything that is no regular file: a pipe would
// block the reader for ever, a device would never end. Readers then fall
// back as for a missing file. This is the one place that decides.
class THERMA_EXPORT TableFileLimit
{
public:
    enum : qint64 { MAX_BYTES = 256 * 1024 };
    enum Verdict { Missing, Readable, NotRegular, TooLarge };

    // What a reader would make of hostPath, from its status alone: nothing
    // is opened, so a pipe cannot block. Says nothing.
    static Verdict check(const QString &hostPath, qint64 maxBytes = MAX_BYTES);
    // True when hostPath is a regular file of at most MAX_BYTES. A file that
    // is there but refused is reported with a warning.
    static bool readable(const QString &hostPath);
    // The whole of hostPath when readable(): opened without blocking and
    // checked again on the open file, so one swapped in after a look is
    // refused as well, and never more than maxBytes read.
    static bool read(const QString &hostPath, QByteArray *bytes, qint64 maxBytes = MAX_BYTES);

private:
    TableFileLimit() = delete;
    static void warn(const QString &hostPath, Verdict verdict, qint64 size, qint64 maxBytes);
};
