#pragma once

#include <QString>
#include <QStringList>

// Lays out a simulator root: the folders the camera expects ("tmp",
// "media/mmc", "dev", "root", "works", "Parameter", "etc", "language") and
// the default files from resources/defaults.
//
// The simulator never acts on a real system: judge() refuses "/" (however
// spelled) and any non-empty folder the simulator did not make. Roots it
// makes hold MarkFile, which also lists the checksum of every default it
// copied; a default the user has not changed since is refreshed when the
// checkout's copy changes, one the user changed is kept.
class SimRoot
{
public:
    static constexpr const char *MarkFile = ".ostrel-sim-root";

    enum class Verdict {
        Make,       // missing or empty: made here
        Use,        // holds the mark
        Adopt,      // made before the mark existed: only the simulator's folders and defaults
        SystemRoot, // "/" itself
        NotAFolder,
        Foreign,    // holds files the simulator did not make
    };
    static Verdict judge(const QString &rootDir, const QString &defaultsDir = defaultsDirectory());
    static bool isRefusal(Verdict verdict);
    // Why the root cannot be used, for the user; empty when it can.
    static QString refusal(Verdict verdict, const QString &rootDir);
    // The absolute path with "." and ".." folded and symbolic links of the
    // part that exists resolved.
    static QString resolve(const QString &rootDir);
    // Where name lands in this machine's file system when the root at
    // rootDir stands for "/": name as the camera spells it ("/media/mmc/…"),
    // or already below the root (the simulator's own side resolves its
    // names). Empty when it would land anywhere but inside the root: a
    // relative name, a ".." part, a folder or a name whose link leads out,
    // a name that is a link to nothing yet (writing it would make its
    // target), or the root itself.
    static QString resolveInside(const QString &rootDir, const QString &name);

    // Refuses "/"; on failure *error names the path that could not be made
    // or written.
    static bool prepare(const QString &rootDir, const QString &defaultsDir = defaultsDirectory(),
                        QString *error = nullptr);
    // resources/defaults of the source tree, or OSTREL_DEFAULTS when set.
    static QString defaultsDirectory();
    static QStringList folders();

private:
    SimRoot() = delete;
};
