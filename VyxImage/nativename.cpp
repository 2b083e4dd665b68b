#include "nativename.h"

#include <QFile>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <linux/capability.h>
#include <sys/syscall.h>
#include <sys/stat.h>
#include <unistd.h>

// The card's listing and its recordings past 2 GB need 64-bit offsets on the
// camera's 32-bit processor (the build defines _FILE_OFFSET_BITS there).
static_assert(sizeof(off_t) == 8 && sizeof(ino_t) == 8, "64-bit file offsets and inode numbers are needed");

namespace {

std::atomic<bool> entryTypesUnknown{false};

// The type the listing tells, or DT_UNKNOWN.
unsigned char listedType(const dirent *entry)
{
    if (entryTypesUnknown.load(std::memory_order_relaxed))
        return DT_UNKNOWN;
    return entry->d_type;
}

constexpr char16_t RawBase = 0xDC00;   // a kept byte b (0x80..0xFF) is RawBase + b

// A kept byte, not the second half of a character beyond U+FFFF.
bool isKeptByte(const QString &text, qsizetype at)
{
    const char16_t c = text.at(at).unicode();
    return c >= RawBase + 0x80 && c <= RawBase + 0xFF && !(at > 0 && text.at(at - 1).isHighSurrogate());
}

// The length of the UTF-8 sequence at at, or 0 when it is none (overlong
// forms, surrogates and code points past U+10FFFF included).
int sequenceAt(const QByteArray &bytes, qsizetype at, char32_t *codePoint)
{
    const auto byte = [&](qsizetype i) { return static_cast<unsigned char>(bytes.at(i)); };
    const unsigned char lead = byte(at);
    int length = 0;
    char32_t value = 0;
    char32_t least = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        value = lead & 0x1F;
        least = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        value = lead & 0x0F;
        least = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        value = lead & 0x07;
        least = 0x10000;
    } else {
        return 0;
    }
    if (at + length > bytes.size())
        return 0;
    for (int k = 1; k < length; ++k) {
        if ((byte(at + k) & 0xC0) != 0x80)
            return 0;
        value = (value << 6) | (byte(at + k) & 0x3F);
    }
    if (value < least || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return 0;
    *codePoint = value;
    return length;
}

// Whether this process reads any file whatever its mode bits, as root does
// on the camera. faccessat() checks for the real user, and gives root its
// permitted capabilities: with either capability that passes over read
// permission, no file needs to be asked one by one.
bool readsEveryFile()
{
    if (::getuid() != 0)
        return false;
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[_LINUX_CAPABILITY_U32S_3] = {};
    if (::syscall(SYS_capget, &header, data) != 0)
        return false;
    const auto permitted = [&](int capability) { return (data[capability / 32].permitted >> (capability % 32)) & 1u; };
    return permitted(CAP_DAC_OVERRIDE) || permitted(CAP_DAC_READ_SEARCH);
}

bool endsWithCaseless(const char *name, const QByteArray &suffix)
{
    const size_t length = std::strlen(name);
    return length >= size_t(suffix.size()) && qstrnicmp(name + length - size_t(suffix.size()), suffix.constData(), size_t(suffix.size())) == 0;
}

} // namespace

QString NativeName::decode(const QByteArray &bytes)
{
    QString text;
    appendDecoded(text, bytes);
    return text;
}

void NativeName::appendDecoded(QString &text, const QByteArray &bytes)
{
    // Most names are plain ASCII: one conversion.
    if (std::all_of(bytes.cbegin(), bytes.cend(), [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
        text += QLatin1String(bytes);
        return;
    }
    text.reserve(text.size() + bytes.size());
    for (qsizetype at = 0; at < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes.at(at));
        if (lead < 0x80) {
            text += QChar(lead);
            ++at;
            continue;
        }
        char32_t codePoint = 0;
        if (const int length = sequenceAt(bytes, at, &codePoint)) {
            text += QString::fromUcs4(&codePoint, 1);
            at += length;
        } else {
            text += QChar(char16_t(RawBase + lead));
            ++at;
        }
    }
}

QByteArray NativeName::encode(const QString &path)
{
    QByteArray bytes;
    bytes.reserve(path.size());
    qsizetype from = 0;
    for (qsizetype at = 0; at < path.size(); ++at) {
        if (!isKeptByte(path, at))
            continue;
        bytes += QStringView(path).mid(from, at - from).toUtf8();
        bytes += char(path.at(at).unicode() - RawBase);
        from = at + 1;
    }
    bytes += QStringView(path).mid(from).toUtf8();
    return bytes;
}

QString NativeName::shown(const QString &name)
{
    QString text = name;
    for (qsizetype at = 0; at < text.size(); ++at)
        if (isKeptByte(name, at))
            text[at] = QChar::ReplacementCharacter;
    return text;
}

bool NativeName::hasRawBytes(const QString &path)
{
    for (qsizetype at = 0; at < path.size(); ++at)
        if (isKeptByte(path, at))
            return true;
    return false;
}

bool NativeName::exists(const QString &path)
{
    struct stat info {};
    return ::stat(encode(path).constData(), &info) == 0;
}

bool NativeName::remove(const QString &path, QString *error)
{
    const QByteArray bytes = encode(path);
    struct stat info {};
    if (::lstat(bytes.constData(), &info) == 0 && S_ISDIR(info.st_mode)) {
        if (error)
            *error = QStringLiteral("is a folder");
        return false;
    }
    if (::unlink(bytes.constData()) == 0)
        return true;
    if (error)
        *error = QString::fromLocal8Bit(std::strerror(errno));
    return false;
}

bool NativeName::openForReading(QFile &file, const QString &path)
{
    const int fd = ::open(encode(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW);
    if (fd < 0)
        return false;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    return true;
}

QString NativeName::openablePath(const QString &path, const QFile &file)
{
    if (!hasRawBytes(path) || file.handle() < 0)
        return path;
    return QStringLiteral("/proc/%1/fd/%2").arg(::getpid()).arg(file.handle());
}

QStringList NativeName::filesUnder(const QString &hostFolder, const QString &suffix)
{
    QStringList found;
    QByteArray folder = QFile::encodeName(hostFolder);
    while (folder.size() > 1 && folder.endsWith('/'))
        folder.chop(1);
    walk(folder, suffix.toUtf8(), &found);
    return found;
}

void NativeName::walk(const QByteArray &folder, const QByteArray &suffix, QStringList *found)
{
    DIR *dir = ::opendir(folder.constData());
    if (!dir)
        return;
    const int fd = ::dirfd(dir);
    // The folder's part of each path, decoded once: '/' is a byte of its
    // own in UTF-8, so a name's bytes decode alike on their own.
    const QString shownFolder = decode(folder) + QLatin1Char('/');
    while (const dirent *entry = ::readdir(dir)) {
        // Hidden names, "." and ".." among them, are not listed.
        if (entry->d_name[0] == '.')
            continue;
        // The listing tells the type on most file systems; only an unknown
        // one is looked at, and a link is never followed either way.
        unsigned char type = listedType(entry);
        if (type == DT_UNKNOWN) {
            struct stat info {};
            if (::fstatat(fd, entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0)
                continue;
            if (S_ISDIR(info.st_mode))
                type = DT_DIR;
            else if (S_ISREG(info.st_mode))
                type = DT_REG;
        }
        if (type == DT_DIR)
            walk(folder + '/' + entry->d_name, suffix, found);
        else if (type == DT_REG && endsWithCaseless(entry->d_name, suffix)) {
            const QByteArray name = QByteArray::fromRawData(entry->d_name, qsizetype(std::strlen(entry->d_name)));
            QString path;
            path.reserve(shownFolder.size() + name.size());
            path += shownFolder;
            appendDecoded(path, name);
            found->append(path);
        }
    }
    ::closedir(dir);
}

void NativeName::setEntryTypesUnknown(bool unknown)
{
    entryTypesUnknown.store(unknown);
}

QStringList NativeName::filesIn(const QString &hostFolder, const QString &suffix)
{
    QStringList found;
    DIR *dir = ::opendir(QFile::encodeName(hostFolder).constData());
    if (!dir)
        return found;
    const int fd = ::dirfd(dir);
    const QByteArray ending = suffix.toUtf8();
    const bool readable = readsEveryFile();
    while (const dirent *entry = ::readdir(dir)) {
        if (entry->d_name[0] == '.' || !endsWithCaseless(entry->d_name, ending))
            continue;
        // The listing tells most types; an unknown one is looked at, and a
        // link is not followed.
        if (const unsigned char type = listedType(entry); type != DT_REG) {
            struct stat info {};
            if (type != DT_UNKNOWN)
                continue;
            if (::fstatat(fd, entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(info.st_mode))
                continue;
        }
        if (!readable && ::faccessat(fd, entry->d_name, R_OK, 0) != 0)
            continue;
        found.append(decode(QByteArray::fromRawData(entry->d_name, qsizetype(std::strlen(entry->d_name)))));
    }
    ::closedir(dir);
    return found;
}
