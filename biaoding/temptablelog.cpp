#include "temptablelog.h"

#include "caliblog.h"

#include <cstdio>

namespace {

enum { FieldBytes = 10, LineBytes = 200 };

QByteArray field(float value)
{
    char text[FieldBytes];
    std::snprintf(text, sizeof text, "%4.4f", double(value));
    return QByteArray(text);
}

} // namespace

QByteArray TempTableLog::line(float sensor, float shutter, float drift, int temperature, const QString &captured,
                              unsigned corrected)
{
    const QByteArray head = field(sensor) + '\t' + field(shutter) + '\t' + field(drift) + '\t'
                            + QByteArray::number(temperature) + '\t';
    const QByteArray tail = '\t' + QByteArray::number(corrected, 16) + '\n';
    // The captured text is the only open-ended field: cut it so the line
    // stays within one bounded write.
    const QByteArray ad = captured.toLatin1().left(LineBytes - head.size() - tail.size());
    return head + ad + tail;
}

bool TempTableLog::append(const QByteArray &line)
{
    CalibLog log;
    if (!log.open(fileName(), false))
        return false;
    log.append(line);
    return true;
}
