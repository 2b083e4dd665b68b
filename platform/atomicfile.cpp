#include "atomicfile.h"

#include "installedfactory.h"
#include "paths.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <fcntl.h>
#include <unistd.h>

namespace {
InstalledFactory<AtomicFile::Sync> s_sync;

int syncToDisk(int fd)
{
    const AtomicFile::Sync sync = s_sync.get();
    return sync ? sync(fd) : ::fsync(fd);
}
} // namespace

void AtomicFile::installSync(Sync sync)
{
    s_sync.install(std::move(sync));
}

bool AtomicFile::write(const QString &path, const QByteArray &data)
{
    const QString target = Paths::resolve(path);
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(data) != data.size() || !file.flush() || syncToDisk(file.handle()) != 0) {
        file.cancelWriting();
        return false;
    }
    if (!file.commit())
        return false;
    // Make the rename itself durable.
    const int dir = ::open(QFile::encodeName(QFileInfo(target).absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        syncToDisk(dir);
        ::close(dir);
    }
    return true;
}

bool AtomicFile::isScratchOf(const QString &fileName, const QString &targetName)
{
    enum { ScratchLetters = 6 };
    if (fileName.size() != targetName.size() + 1 + ScratchLetters || !fileName.startsWith(targetName)
        || fileName.at(targetName.size()) != QLatin1Char('.'))
        return false;
    bool upper = false;
    for (const QChar c : QStringView(fileName).right(ScratchLetters)) {
        if (!(c >= QLatin1Char('a') && c <= QLatin1Char('z')) && !(c >= QLatin1Char('A') && c <= QLatin1Char('Z')))
            return false;
        upper |= c.isUpper();
    }
    return upper;
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
