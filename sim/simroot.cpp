#include "simroot.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>
#include <QSet>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using Manifest = QHash<QString, QByteArray>; // relative path -> checksum of the copy

QByteArray checksum(const QString &path)
{
    // O_NONBLOCK and a regular file only: a FIFO or a device under a
    // default's name never holds the start.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return QByteArray();
    QFile file;
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return QByteArray();
    }
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(&file);
    return hash.result().toHex();
}

// What a default's place in the root holds when it is no regular file of
// its own; empty when it is one or when nothing is there. By lstat: a link
// is never followed, so one to a FIFO or to /dev/zero is seen for what it
// is, and a copy never goes through one out of the root.
QString notARegularFile(const QString &path)
{
    struct stat st;
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0 || S_ISREG(st.st_mode))
        return QString();
    if (S_ISLNK(st.st_mode))
        return QStringLiteral("a symbolic link");
    if (S_ISDIR(st.st_mode))
        return QStringLiteral("a folder");
    if (S_ISFIFO(st.st_mode))
        return QStringLiteral("a FIFO");
    if (S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode))
        return QStringLiteral("a device");
    return QStringLiteral("no regular file");
}

QStringList defaultFiles(const QString &defaultsDir)
{
    QStringList files;
    const QDir defaults(defaultsDir);
    if (!defaults.exists())
        return files;
    QDirIterator it(defaultsDir, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << defaults.relativeFilePath(it.next());
    return files;
}

QSet<QString> topFolders()
{
    QSet<QString> names;
    for (const QString &folder : SimRoot::folders())
        names.insert(folder.section(QLatin1Char('/'), 0, 0));
    return names;
}

// A root an earlier version made: nothing at the top but the simulator's
// own folders (and PNGs it wrote there, as --screenshot once did), and at
// least one of the defaults at its place.
bool isOldRoot(const QString &root, const QString &defaultsDir)
{
    const QSet<QString> folders = topFolders();
    const QFileInfoList entries = QDir(root).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo &entry : entries) {
        const bool ownFolder = entry.isDir() && !entry.isSymLink() && folders.contains(entry.fileName());
        const bool screenshot = entry.isFile() && !entry.isSymLink() && entry.suffix() == QLatin1String("png");
        if (!ownFolder && !screenshot)
            return false;
    }
    const QDir dir(root);
    for (const QString &relative : defaultFiles(defaultsDir)) {
        if (QFileInfo(dir.filePath(relative)).isFile())
            return true;
    }
    return false;
}

QString markPath(const QString &root)
{
    return QDir(root).filePath(QString::fromLatin1(SimRoot::MarkFile));
}

Manifest readManifest(const QString &root)
{
    Manifest manifest;
    QFile file(markPath(root));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return manifest;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        const int space = line.indexOf(' ');
        if (line.startsWith('#') || space != 64)
            continue;
        manifest.insert(QString::fromUtf8(line.mid(space + 1)), line.left(space));
    }
    return manifest;
}

bool writeManifest(const QString &root, const Manifest &manifest)
{
    QSaveFile file(markPath(root));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    file.write("# Made by ostrel --simulate. Checksums of the defaults it copied:\n"
               "# a file that still matches is refreshed when its default changes.\n");
    QStringList paths = manifest.keys();
    paths.sort();
    for (const QString &path : paths)
        file.write(manifest.value(path) + ' ' + path.toUtf8() + '\n');
    return file.commit();
}

bool copyDefault(const QString &source, const QString &target)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly) || out.write(in.readAll()) < 0 || !out.commit())
        return false;
    // Scripts among the defaults (the update stub) stay executable.
    QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther;
    if (in.permissions() & QFile::ExeOwner)
        permissions |= QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;
    QFile(target).setPermissions(permissions);
    return true;
}

QString lastSystemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

} // namespace

QStringList SimRoot::folders()
{
    return {QStringLiteral("tmp"), QStringLiteral("media/mmc"), QStringLiteral("dev"),
            QStringLiteral("dev/fb"), QStringLiteral("root"), QStringLiteral("works"),
            QStringLiteral("Parameter"), QStringLiteral("etc"), QStringLiteral("language")};
}

QString SimRoot::defaultsDirectory()
{
    const QString fromEnv = qEnvironmentVariable("OSTREL_DEFAULTS");
    if (!fromEnv.isEmpty())
        return fromEnv;
    return QStringLiteral(OSTREL_DEFAULTS_DIR);
}

QString SimRoot::resolve(const QString &rootDir)
{
    const QString absolute = QDir::cleanPath(QDir(rootDir).absolutePath());
    // Symbolic links can only be resolved where the path exists; the rest
    // is made below it.
    QString existing = absolute;
    QStringList missing;
    while (!QFileInfo::exists(existing) && existing != QLatin1String("/")) {
        missing.prepend(QFileInfo(existing).fileName());
        existing = QFileInfo(existing).path();
    }
    QString resolved = QFileInfo(existing).canonicalFilePath();
    if (resolved.isEmpty())
        resolved = existing;
    if (!missing.isEmpty())
        resolved += QLatin1Char('/') + missing.join(QLatin1Char('/'));
    return QDir::cleanPath(resolved);
}

QString SimRoot::resolveInside(const QString &rootDir, const QString &name)
{
    if (!name.startsWith(QLatin1Char('/')) || name.endsWith(QLatin1Char('/')))
        return QString();
    if (name.split(QLatin1Char('/'), Qt::SkipEmptyParts).contains(QLatin1String("..")))
        return QString();
    const QString root = resolve(rootDir);
    if (root == QLatin1String("/"))
        return QString();
    const QString clean = QDir::cleanPath(name);
    QString host = root + clean;
    for (const QString &base : {QDir::cleanPath(QDir(rootDir).absolutePath()), root}) {
        if (clean.startsWith(base + QLatin1Char('/'))) {
            host = root + clean.mid(base.size());
            break;
        }
    }
    // resolve() takes a link to nothing for a name still to be made: a
    // write there would make whatever it names.
    for (QString missing = host; !QFileInfo::exists(missing) && missing != root; missing = QFileInfo(missing).path()) {
        if (QFileInfo(missing).isSymLink())
            return QString();
    }
    const QString resolved = resolve(host);
    return resolved.startsWith(root + QLatin1Char('/')) ? resolved : QString();
}

SimRoot::Verdict SimRoot::judge(const QString &rootDir, const QString &defaultsDir)
{
    const QString root = resolve(rootDir);
    if (root == QLatin1String("/"))
        return Verdict::SystemRoot;
    const QFileInfo info(root);
    if (info.isSymLink() && !info.exists())
        return Verdict::NotAFolder;
    if (!info.exists())
        return Verdict::Make;
    if (!info.isDir())
        return Verdict::NotAFolder;
    if (QDir(root).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot))
        return Verdict::Make;
    if (QFileInfo(markPath(root)).isFile())
        return Verdict::Use;
    return isOldRoot(root, defaultsDir) ? Verdict::Adopt : Verdict::Foreign;
}

bool SimRoot::isRefusal(Verdict verdict)
{
    return verdict == Verdict::SystemRoot || verdict == Verdict::NotAFolder || verdict == Verdict::Foreign;
}

QString SimRoot::refusal(Verdict verdict, const QString &rootDir)
{
    const QString root = resolve(rootDir);
    switch (verdict) {
    case Verdict::SystemRoot:
        return QStringLiteral("refusing %1 as the simulator root: it is this machine's own root folder, "
                              "and the simulator writes under its root as the camera writes under \"/\". "
                              "Set OSTREL_ROOT to a folder of its own (default ./sim-root).").arg(rootDir);
    case Verdict::NotAFolder:
        return QStringLiteral("refusing %1 as the simulator root: it is not a folder.").arg(root);
    case Verdict::Foreign:
        return QStringLiteral("refusing %1 as the simulator root: it holds files the simulator did not make "
                              "(no %2 in it). Choose a new or empty folder.").arg(root, QString::fromLatin1(MarkFile));
    case Verdict::Make:
    case Verdict::Use:
    case Verdict::Adopt:
        break;
    }
    return QString();
}

bool SimRoot::prepare(const QString &rootDir, const QString &defaultsDir, QString *error)
{
    auto fail = [error](const QString &message) {
        if (error)
            *error = message;
        return false;
    };
    const QString rootPath = resolve(rootDir);
    if (rootPath == QLatin1String("/"))
        return fail(refusal(Verdict::SystemRoot, rootDir));
    QDir root(rootPath);
    if (!root.mkpath(QStringLiteral(".")))
        return fail(QStringLiteral("cannot make the folder %1").arg(rootPath));
    // The mark comes first, so a root left half-made is still known as ours.
    Manifest manifest = readManifest(rootPath);
    if (!QFileInfo::exists(markPath(rootPath)) && !writeManifest(rootPath, manifest))
        return fail(QStringLiteral("cannot write in the folder %1").arg(rootPath));
    for (const QString &folder : folders()) {
        const QString path = root.filePath(folder);
        if (!root.mkpath(folder) || !QFileInfo(path).isDir())
            return fail(QStringLiteral("cannot make the folder %1").arg(path));
        if (::access(QFile::encodeName(path).constData(), W_OK) != 0)
            return fail(QStringLiteral("cannot write in the folder %1: %2").arg(path, lastSystemError()));
    }

    const QDir defaults(defaultsDir);
    for (const QString &relative : defaultFiles(defaultsDir)) {
        const QString source = defaults.filePath(relative);
        const QString target = root.filePath(relative);
        const QString kind = notARegularFile(target);
        if (!kind.isEmpty())
            return fail(QStringLiteral("refusing %1: it is %2, not the regular file the simulator keeps there").arg(target, kind));
        const QByteArray fresh = checksum(source);
        bool copy = !QFileInfo::exists(target);
        if (!copy) {
            const QByteArray current = checksum(target);
            if (!manifest.contains(relative)) {
                // Unknown history (a root made before the list): only a
                // copy identical to the default is known to be one.
                if (current == fresh)
                    manifest.insert(relative, fresh);
                continue;
            }
            copy = current == manifest.value(relative) && current != fresh;
        }
        if (!copy)
            continue;
        if (!root.mkpath(QFileInfo(relative).path()) || !copyDefault(source, target))
            return fail(QStringLiteral("cannot write %1").arg(target));
        manifest.insert(relative, fresh);
    }
    if (!writeManifest(rootPath, manifest))
        return fail(QStringLiteral("cannot write %1").arg(markPath(rootPath)));
    return true;
}
