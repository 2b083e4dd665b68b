#include "photowriter.h"

#include "atomicfile.h"
#include "efilemanager.h"
#include "paths.h"
#include "photolayout.h"
#include "photoreader.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

using namespace PhotoLayout;

namespace {

constexpr const char *TemporarySuffix = ".part";

unsigned char *at(QByteArray &bytes, qint64 offset)
{
    return reinterpret_cast<unsigned char *>(bytes.data()) + offset;
}

QByteArray u32(uint32_t v)
{
    QByteArray out(LengthSize, '\0');
    putU32(at(out, 0), v);
    return out;
}

bool readAll(const QString &host, QByteArray *bytes)
{
    QFile file(host);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    *bytes = file.readAll();
    return file.error() == QFile::NoError;
}

void syncFolder(const QString &host)
{
    const int dir = ::open(QFile::encodeName(QFileInfo(host).absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
}

bool writeAt(int fd, const QByteArray &bytes, qint64 offset)
{
    qint64 done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::pwrite(fd, bytes.constData() + done, size_t(bytes.size() - done), off_t(offset + done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

} // namespace

QString PhotoWriter::temporaryName(const QString &finalName)
{
    return QLatin1Char('.') + QFileInfo(finalName).completeBaseName() + QLatin1String(TemporarySuffix);
}

bool PhotoWriter::isTemporaryName(const QString &fileName)
{
    return fileName.startsWith(QLatin1Char('.')) && fileName.endsWith(QLatin1String(TemporarySuffix));
}

int PhotoWriter::removeStaleTemporaries(const QString &folder)
{
    const QString host = Paths::resolve(folder);
    QDir dir(host);
    int removed = 0;
    // One pass over what may be tens of thousands of photos, unsorted. Goes
    // with the encoder's hidden temporaries: the scratch of a photo's
    // rewrite ("<photo>.jpg." and six letters) when that photo is there,
    // and of a hidden temporary's.
    QDirIterator it(host, QDir::Files | QDir::Hidden | QDir::System);
    while (it.hasNext()) {
        it.next();
        const QString name = it.fileName();
        const QString target = AtomicFile::scratchTarget(name);
        const bool stale = isTemporaryName(name) || (!target.isEmpty() && isTemporaryName(target))
                           || (target.endsWith(QLatin1String(".jpg"), Qt::CaseInsensitive) && QFileInfo::exists(dir.filePath(target)));
        if (stale && dir.remove(name))
            ++removed;
    }
    return removed;
}

QByteArray PhotoWriter::withIrBlock(const QByteArray &serviceFile, const QByteArray &header, int imageMode,
                                    const QByteArray &irBlock)
{
    const PhotoReader::ServiceFile split = PhotoReader::splitService(serviceFile);
    if (!split.valid || split.serviceData.length < TrailerRoom || header.size() != HeaderSize || irBlock.size() != IrBlockSize)
        return {};
    const qint64 n = split.jpegLength;
    const qint64 l = serviceFile.size();
    QByteArray out = serviceFile.left(l - LengthSize);
    QByteArray head = header;
    putU16(at(head, HeaderModeOffset), EFileManager::clampU16(imageMode + 1));
    putU16(at(head, HeaderCountOffset), 2);
    out.replace(n, HeaderSize, head);
    // The whole directory: whatever the encoder left in the room past the
    // two entries would read as sections of this photo.
    QByteArray directory = EFileManager::sectionEntry(ServiceSection, uint32_t(n + TrailerRoom), uint32_t(l - (n + TrailerRoom) - LengthSize))
        + EFileManager::sectionEntry(IrSection, uint32_t(l - LengthSize), IrBlockSize);
    directory.resize(DirectorySize, '\0');
    out.replace(n + HeaderSize, DirectorySize, directory);
    out += irBlock;
    out += u32(uint32_t(n));
    return out;
}

QByteArray PhotoWriter::withNote(const QByteArray &photo, uint32_t type, const QByteArray &note, Result *why)
{
    auto refuse = [why](Result r) {
        if (why)
            *why = r;
        return QByteArray();
    };
    qint64 n = 0;
    const qint64 size = photo.size();
    if (!PhotoReader::trailingLength(photo, &n) || n + TrailerRoom + LengthSize > size)
        return refuse(BadLayout);
    const qint64 p = size - LengthSize;
    QByteArray out = photo.left(p);
    const int count = int(getU16(at(out, n + HeaderCountOffset)));
    if (count >= EntryCount)
        return refuse(DirectoryFull);
    putU16(at(out, n + HeaderCountOffset), uint32_t(count + 1));
    out.replace(n + HeaderSize + EntrySize * count, EntrySize, EFileManager::sectionEntry(type, uint32_t(p), uint32_t(note.size())));
    out += note;
    out += u32(uint32_t(n));
    if (why)
        *why = Ok;
    return out;
}

PhotoWriter::Result PhotoWriter::writeIrBlock(const QString &path, const QByteArray &header, int imageMode, const QByteArray &irBlock)
{
    const QString host = Paths::resolve(path);
    if (!QFileInfo(host).isFile()) {
        qWarning("\t Write Ir Data [%s] Err ", qPrintable(path));
        return Missing;
    }
    QByteArray service;
    if (!readAll(host, &service)) {
        qWarning("\t open %s Err ", qPrintable(path));
        return Unreadable;
    }
    const QByteArray whole = withIrBlock(service, header, imageMode, irBlock);
    if (whole.isEmpty())
        return BadLayout;
    // In place, so only into the file itself: never through a link.
    const int fd = ::open(QFile::encodeName(host).constData(), O_WRONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return Unreadable;
    // Only what changes is written: the header room, then the tail.
    const qint64 n = PhotoReader::splitService(service).jpegLength;
    const qint64 tail = service.size() - LengthSize;
    const bool ok = writeAt(fd, whole.mid(n, TrailerRoom), n) && writeAt(fd, whole.mid(tail), tail) && ::fsync(fd) == 0;
    ::close(fd);
    return ok ? Ok : WriteFailed;
}

PhotoWriter::Result PhotoWriter::writeWhole(const QString &path, const QByteArray &bytes)
{
    const QByteArray host = Paths::resolveNative(path);
    // The name itself is written, never what a link there leads to: a link
    // gives way to a new file.
    int fd = ::open(host.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0 && errno == ELOOP && ::unlink(host.constData()) == 0)
        fd = ::open(host.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0)
        return WriteFailed;
    const bool ok = writeAt(fd, bytes, 0) && ::fsync(fd) == 0;
    ::close(fd);
    return ok ? Ok : WriteFailed;
}

PhotoWriter::Result PhotoWriter::publish(const QString &from, const QString &to)
{
    const QByteArray source = Paths::resolveNative(from);
    const QByteArray target = Paths::resolveNative(to);
    // Never over an existing photo: the kernel checks where it can.
    if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) != 0) {
        if (errno == EEXIST)
            return NameTaken;
        if (errno != EINVAL && errno != ENOSYS)
            return WriteFailed;
        if (QFileInfo::exists(QFile::decodeName(target)))
            return NameTaken;
        if (::rename(source.constData(), target.constData()) != 0)
            return WriteFailed;
    }
    syncFolder(QFile::decodeName(target));
    return Ok;
}

PhotoWriter::Result PhotoWriter::appendNote(const QString &path, uint32_t type, const QByteArray &note)
{
    QByteArray photo;
    if (!readAll(Paths::resolve(path), &photo))
        return Unreadable;
    Result why = Ok;
    const QByteArray whole = withNote(photo, type, note, &why);
    if (whole.isEmpty())
        return why;
    return AtomicFile::write(path, whole) ? Ok : WriteFailed;
}

const char *PhotoWriter::describe(Result result)
{
    switch (result) {
    case Ok: return "written";
    case Missing: return "no such file";
    case Unreadable: return "cannot be read";
    case BadLayout: return "its length field does not fit the file";
    case DirectoryFull: return "its directory is full";
    case WriteFailed: return "the write failed";
    case NameTaken: return "the name is taken";
    }
    return "?";
}
