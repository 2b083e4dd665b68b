#pragma once

#include <QByteArray>
#include <QString>

// Replaces a file whole: writes a temporary file beside it, syncs it to
// disk, then renames it over the old one. On any failure the old file is
// left as it was and the result is false.
class AtomicFile
{
public:
    // path is resolved through Paths.
    static bool write(const QString &path, const QByteArray &data);

private:
    AtomicFile() = delete;
};
