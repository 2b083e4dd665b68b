#pragma once

#include <QByteArray>
#include <QString>

// The calibration log "etc/temptable.txt" (relative to the working
// folder): one line per point the wizard saves, appended in one write and
// only to a log that is already there.
class TempTableLog
{
public:
    static QString fileName() { return QStringLiteral("etc/temptable.txt"); }

    // sensor, shutter and drift as "%4.4f" cut to 9 characters each, the
    // blackbody temperature, the AD as captured, the stored AD in hex; at
    // most 200 bytes.
    static QByteArray line(float sensor, float shutter, float drift, int temperature, const QString &captured,
                           unsigned corrected);
    // False when there is no log; never creates it.
    static bool append(const QByteArray &line);

private:
    TempTableLog() = delete;
};
