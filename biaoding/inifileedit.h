#pragma once

#include <QPair>
#include <QString>
#include <QVector>

// Sets keys of an INI file (relative paths through the working folder,
// absolute ones through Paths) and replaces the file whole: a copy is
// edited, synced and renamed over it, so a failure leaves the old file as
// it was. Keys not named stay as they were.
class IniFileEdit
{
public:
    using Values = QVector<QPair<QString, QString>>;
    static bool apply(const QString &path, const Values &values);

private:
    IniFileEdit() = delete;
};
