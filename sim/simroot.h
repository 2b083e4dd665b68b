#pragma once

#include <QString>
#include <QStringList>

// Lays out a simulator root: the folders the camera expects ("tmp",
// "media/mmc", "dev", "root", "works", "Parameter", "etc", "language") and
// the default files from resources/defaults. Files already there are kept,
// so settings changed in an earlier run survive.
class SimRoot
{
public:
    static bool prepare(const QString &rootDir, const QString &defaultsDir = defaultsDirectory());
    // resources/defaults of the source tree, or OSTREL_DEFAULTS when set.
    static QString defaultsDirectory();
    static QStringList folders();

private:
    SimRoot() = delete;
};
