#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

// Replaces a file whole: writes a scratch file beside it, syncs it to
// disk, then renames it over the old one. On any failure the old file is
// left as it was and the result is false.
//
// The rename replaces the name itself: a symbolic link at path is
// replaced by the new regular file, and whatever it led to is never
// written.
//
// Every atomic write of the program names its scratch file one way:
// "<name>." and six ASCII letters, at least one of them a capital (the
// shape a settings object's save uses as well), so the start-up knows
// exactly what a save killed half-way leaves.
class AtomicFile
{
public:
    // path is resolved through Paths. A file that existed keeps its
    // permissions; a new one gets 0666 less the umask.
    static bool write(const QString &path, const QByteArray &data);
    // As write(), but never over an existing name (a link included):
    // false when path is taken.
    static bool create(const QString &path, const QByteArray &data);
    // The same for a path as the file system knows it (already resolved).
    // A cache that can be made again (thumbnails) skips the syncs.
    enum class Existing { Replace, Keep };
    enum class Durability { Synced, Cache };
    static bool writeHost(const QString &hostPath, const QByteArray &data, Existing existing,
                          Durability durability = Durability::Synced);

    // When hostPath (as the file system knows it, e.g. a settings
    // object's fileName()) is a symbolic link, replaces the link by a
    // regular file that holds what it led to: a regular file of at most
    // maxBytes, else nothing. A settings object follows links when it
    // saves; after this its save lands here. True when no link is left.
    static bool replaceLink(const QString &hostPath, qint64 maxBytes);

    // The scratch naming: hostPath + ".XXXXXX", a QTemporaryFile template
    // for writers that need the scratch file as a named file of their own.
    static QString scratchTemplate(const QString &hostPath);
    // Whether fileName is a scratch name of targetName.
    static bool isScratchOf(const QString &fileName, const QString &targetName);
    // The name a scratch name stands for; empty for any other name.
    static QString scratchTarget(const QString &fileName);

    // Removes the scratch files of path and returns how many. A word in
    // lower case ("Setting.backup") is taken for a name someone chose and
    // stays.
    static int removeScratch(const QString &path);
    // Removes the scratch files in folder whose target name matches one of
    // the wildcard patterns ("Modify*"); how many.
    static int removeScratchIn(const QString &folder, const QStringList &targetPatterns);

    // What makes a descriptor's data durable: the written temporary file
    // before the rename, its folder after it. fsync() by default; a test
    // installs its own to see what is synced when. An empty one restores
    // the default.
    using Sync = std::function<int(int fd)>;
    static void installSync(Sync sync);

private:
    AtomicFile() = delete;
};
