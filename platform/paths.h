#pragma once

#include <QByteArray>
#include <QString>

// Every absolute path the system touches ("/tmp/…", "/media/mmc/…", "/dev/…")
// goes through resolve(), which puts it under the root taken from OSTREL_ROOT
// (default "/"). Relative paths stay relative to the working directory.
class Paths
{
public:
    static QString root();
    static void setRoot(const QString &root);
    static bool isRealRoot();

    static QString resolve(const QString &path);
    static QByteArray resolveNative(const QString &path);

private:
    Paths() = delete;
};
