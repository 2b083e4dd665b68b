#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

// Replaces a file whole: writes a temporary file beside it, syncs it to
// disk, then renames it over the old one. On any failure the old file is
// left as it was and the result is false.
class AtomicFile
{
public:
    // path is resolved through Paths.
    static bool write(const QString &path, const QByteArray &data);

    // Where the file system cannot make an unnamed temporary file, a save
    // (this one, or a settings object's) writes "<name>." and six letters
    // beside the file; a save killed half-way leaves it there. Removes
    // those of path and returns how many. A word in lower case
    // ("Setting.backup") is taken for a name someone chose and stays.
    static int removeScratch(const QString &path);
    static bool isScratchOf(const QString &fileName, const QString &targetName);

    // What makes a descriptor's data durable: the written temporary file
    // before the rename, its folder after it. fsync() by default; a test
    // installs its own to see what is synced when. An empty one restores
    // the default.
    using Sync = std::function<int(int fd)>;
    static void installSync(Sync sync);

private:
    AtomicFile() = delete;
};
