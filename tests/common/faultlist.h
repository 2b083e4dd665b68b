#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

// A check that gathers every fault before it fails. QTest cuts a failure's
// message at a kilobyte, so the whole list goes to the log as one warning
// and the failure names the subject, the count and the first fault. No
// faults, no warning: QVERIFY2 builds its message before it checks.
inline QString faultList(const QString &subject, const QString &what, const QStringList &faults)
{
    if (faults.isEmpty())
        return QString();
    qWarning("%s: %lld %s:\n  %s", qPrintable(subject), qlonglong(faults.size()), qPrintable(what),
             qPrintable(faults.join(QStringLiteral("\n  "))));
    return QStringLiteral("%1: %2 %3 (all in the warning above), the first: %4")
        .arg(subject)
        .arg(faults.size())
        .arg(what, faults.value(0));
}
