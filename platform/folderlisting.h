#pragma once

#include <QByteArray>
#include <QString>

#include <dirent.h>

// One pass over a folder straight from readdir: each entry's name as the
// bytes on the card and its kind from the listing itself, so nothing is
// decoded, no file information is built and a file is looked at (lstat)
// only when the file system does not tell its type. Cards hold tens of
// thousands of photos, and start-up passes over their folder.
class FolderListing
{
public:
    enum Kind { File, Folder, Link, Other };

    explicit FolderListing(const QByteArray &hostFolder);
    ~FolderListing();
    FolderListing(const FolderListing &) = delete;
    FolderListing &operator=(const FolderListing &) = delete;

    bool isOpen() const { return m_dir != nullptr; }
    // The next entry, "." and ".." passed over; false at the end.
    bool next();
    const char *name() const { return m_name; }
    // As lstat sees it: a symbolic link is a Link, never its target.
    Kind kind() const { return m_kind; }
    // For a Link: whether it leads to a regular file.
    bool linksToFile() const;

    // Names that start with a dot are hidden.
    bool isHidden() const { return m_name[0] == '.'; }
    // True when the name is not valid UTF-8.
    bool hasRawBytes() const;
    static bool isUtf8(const char *name);

    // The regular files right in hostFolder whose names are not hidden;
    // links are not counted. 0 when the folder cannot be read.
    static int countFiles(const QString &hostFolder);

private:
    DIR *m_dir = nullptr;
    const char *m_name = "";
    Kind m_kind = Other;
};
