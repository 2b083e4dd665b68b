#include "atomicfile.h"

#include "installedfactory.h"
#include "paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
InstalledFactory<AtomicFile::Sync> s_sync;

enum { ScratchLetters = 6, ScratchTries = 100 };

int syncToDisk(int fd)
{
    const AtomicFile::Sync sync = s_sync.get();
    return sync ? sync(fd) : ::fsync(fd);
}

// "<target>." and six letters, one of them (at a random place) a capital,
// so isScratchOf() always knows it again.
QByteArray scratchName(const QByteArray &target)
{
    QRandomGenerator *random = QRandomGenerator::global();
    QByteArray letters(ScratchLetters, 'A');
    const int capital = int(random->bounded(ScratchLetters));
    for (int i = 0; i < ScratchLetters; ++i) {
        const int n = int(random->bounded(i == capital ? 26 : 52));
        letters[i] = char(n < 26 ? 'A' + n : 'a' + n - 26);
    }
    return target + '.' + letters;
}

bool writeAll(int fd, const QByteArray &data)
{
    qint64 done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(fd, data.constData() + done, size_t(data.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

// Places source at target without replacing anything there: the kernel
// checks where it can, else a look first.
bool renameWithoutReplacing(const QByteArray &source, const QByteArray &target)
{
    if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    struct stat st;
    if (::lstat(target.constData(), &st) == 0) {
        errno = EEXIST;
        return false;
    }
    return ::rename(source.constData(), target.constData()) == 0;
}

// Wildcards as the shell has them, case by case: "Setting" is not "setting".
bool matchesAny(const QStringList &patterns, const QString &name)
{
    for (const QString &pattern : patterns)
        if (QRegularExpression(QRegularExpression::wildcardToRegularExpression(pattern)).match(name).hasMatch())
            return true;
    return false;
}

void syncFolderOf(const QString &target)
{
    const int dir = ::open(QFile::encodeName(QFileInfo(target).absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        syncToDisk(dir);
        ::close(dir);
    }
}
} // namespace

void AtomicFile::installSync(Sync sync)
{
    s_sync.install(std::move(sync));
}

bool AtomicFile::write(const QString &path, const QByteArray &data)
{
    return writeHost(Paths::resolve(path), data, Existing::Replace);
}

bool AtomicFile::create(const QString &path, const QByteArray &data)
{
    return writeHost(Paths::resolve(path), data, Existing::Keep);
}

bool AtomicFile::writeHost(const QString &target, const QByteArray &data, Existing existing, Durability durability)
{
    const QByteArray native = QFile::encodeName(target);
    // lstat: the permissions of the file itself, never of what a link at
    // the name leads to.
    struct stat old;
    const bool keepMode = ::lstat(native.constData(), &old) == 0 && S_ISREG(old.st_mode);
    QByteArray scratch;
    int fd = -1;
    for (int i = 0; i < ScratchTries && fd < 0; ++i) {
        scratch = scratchName(native);
        // O_EXCL: a name planted meanwhile (a link, too) is never opened.
        fd = ::open(scratch.constData(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            return false;
    }
    if (fd < 0)
        return false;
    // A card's file system may not keep permissions: no reason to fail.
    if (keepMode)
        (void)::fchmod(fd, old.st_mode & 07777);
    bool ok = writeAll(fd, data) && (durability == Durability::Cache || syncToDisk(fd) == 0);
    ok = ::close(fd) == 0 && ok;
    // rename() replaces the name, a link at it included; it never writes
    // through it.
    ok = ok && (existing == Existing::Replace ? ::rename(scratch.constData(), native.constData()) == 0 : renameWithoutReplacing(scratch, native));
    if (!ok) {
        const int error = errno;
        ::unlink(scratch.constData());
        errno = error;
        return false;
    }
    // Make the rename itself durable.
    if (durability == Durability::Synced)
        syncFolderOf(target);
    return true;
}

bool AtomicFile::replaceLink(const QString &hostPath, qint64 maxBytes)
{
    const QByteArray native = QFile::encodeName(hostPath);
    struct stat st;
    if (::lstat(native.constData(), &st) != 0 || !S_ISLNK(st.st_mode))
        return true;
    // What the link leads to is read only when it is a regular file of a
    // bounded size: never a FIFO (O_NONBLOCK), a device or a folder.
    QByteArray data;
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd >= 0) {
        struct stat led;
        if (::fstat(fd, &led) == 0 && S_ISREG(led.st_mode) && led.st_size <= maxBytes) {
            data.resize(qsizetype(led.st_size));
            qint64 done = 0;
            while (done < data.size()) {
                const ssize_t n = ::read(fd, data.data() + done, size_t(data.size() - done));
                if (n < 0 && errno == EINTR)
                    continue;
                if (n <= 0)
                    break;
                done += n;
            }
            data.truncate(qsizetype(done));
        }
        ::close(fd);
    }
    qWarning("%s is a symbolic link: replaced by a file of its own", native.constData());
    return writeHost(hostPath, data, Existing::Replace);
}

QString AtomicFile::scratchTemplate(const QString &hostPath)
{
    return hostPath + QLatin1Char('.') + QString(ScratchLetters, QLatin1Char('X'));
}

QString AtomicFile::scratchTarget(const QString &fileName)
{
    const qsizetype cut = fileName.size() - 1 - ScratchLetters;
    if (cut < 1 || fileName.at(cut) != QLatin1Char('.'))
        return {};
    bool upper = false;
    for (const QChar c : QStringView(fileName).right(ScratchLetters)) {
        if (!(c >= QLatin1Char('a') && c <= QLatin1Char('z')) && !(c >= QLatin1Char('A') && c <= QLatin1Char('Z')))
            return {};
        upper |= c.isUpper();
    }
    return upper ? fileName.left(cut) : QString();
}

bool AtomicFile::isScratchOf(const QString &fileName, const QString &targetName)
{
    return !targetName.isEmpty() && scratchTarget(fileName) == targetName;
}

int AtomicFile::removeScratch(const QString &path)
{
    const QFileInfo target(Paths::resolve(path));
    QDir folder = target.absoluteDir();
    int removed = 0;
    const QStringList names = folder.entryList({target.fileName() + QStringLiteral(".*")},
                                               QDir::Files | QDir::Hidden | QDir::System | QDir::CaseSensitive);
    for (const QString &name : names)
        if (isScratchOf(name, target.fileName()) && folder.remove(name))
            ++removed;
    return removed;
}

int AtomicFile::removeScratchIn(const QString &folder, const QStringList &targetPatterns)
{
    QDir dir(Paths::resolve(folder));
    int removed = 0;
    // QDir::System: a scratch file is a regular file, but a link left under
    // such a name goes as well (the link, never what it leads to).
    const QStringList names = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : names) {
        const QString target = scratchTarget(name);
        if (!target.isEmpty() && matchesAny(targetPatterns, target) && dir.remove(name))
            ++removed;
    }
    return removed;
}
