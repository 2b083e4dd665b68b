#include "folderlisting.h"

#include <QFile>

#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>

namespace {

FolderListing::Kind kindOf(mode_t mode)
{
    return S_ISREG(mode) ? FolderListing::File
           : S_ISDIR(mode) ? FolderListing::Folder
           : S_ISLNK(mode) ? FolderListing::Link
                           : FolderListing::Other;
}

} // namespace

FolderListing::FolderListing(const QByteArray &hostFolder)
    : m_dir(::opendir(hostFolder.constData()))
{
}

FolderListing::~FolderListing()
{
    if (m_dir)
        ::closedir(m_dir);
}

bool FolderListing::next()
{
    if (!m_dir)
        return false;
    while (const dirent *entry = ::readdir(m_dir)) {
        const char *name = entry->d_name;
        if (name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0')))
            continue;
        m_name = name;
        switch (entry->d_type) {
        case DT_REG:
            m_kind = File;
            return true;
        case DT_DIR:
            m_kind = Folder;
            return true;
        case DT_LNK:
            m_kind = Link;
            return true;
        case DT_UNKNOWN: {
            struct stat info {};
            if (::fstatat(::dirfd(m_dir), name, &info, AT_SYMLINK_NOFOLLOW) != 0)
                continue; // gone since it was listed
            m_kind = kindOf(info.st_mode);
            return true;
        }
        default:
            m_kind = Other;
            return true;
        }
    }
    return false;
}

bool FolderListing::linksToFile() const
{
    struct stat info {};
    return m_kind == Link && ::fstatat(::dirfd(m_dir), m_name, &info, 0) == 0 && S_ISREG(info.st_mode);
}

bool FolderListing::hasRawBytes() const
{
    return !isUtf8(m_name);
}

bool FolderListing::isUtf8(const char *name)
{
    const auto *p = reinterpret_cast<const unsigned char *>(name);
    while (*p) {
        if (*p < 0x80) {
            ++p;
            continue;
        }
        int length = 0;
        char32_t value = 0;
        char32_t least = 0;
        if ((*p & 0xE0) == 0xC0) {
            length = 2;
            value = *p & 0x1F;
            least = 0x80;
        } else if ((*p & 0xF0) == 0xE0) {
            length = 3;
            value = *p & 0x0F;
            least = 0x800;
        } else if ((*p & 0xF8) == 0xF0) {
            length = 4;
            value = *p & 0x07;
            least = 0x10000;
        } else {
            return false;
        }
        for (int k = 1; k < length; ++k) {
            // The terminating zero fails this test too.
            if ((p[k] & 0xC0) != 0x80)
                return false;
            value = (value << 6) | (p[k] & 0x3F);
        }
        if (value < least || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
            return false;
        p += length;
    }
    return true;
}

int FolderListing::countFiles(const QString &hostFolder)
{
    FolderListing listing(QFile::encodeName(hostFolder));
    int count = 0;
    while (listing.next())
        count += listing.kind() == File && !listing.isHidden();
    return count;
}
