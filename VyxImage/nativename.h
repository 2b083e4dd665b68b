#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class QFile;

// File names on the card are bytes, and a card written elsewhere may hold
// names that are not UTF-8. Qt leaves those out of its listings and cannot
// name them again from text. A path decoded here keeps each byte that is
// not part of UTF-8 as a character of its own (U+DC80 + the byte, which
// UTF-8 text never holds), so the file can be listed, shown with a
// replacement character for each such byte, opened and removed as the
// very file it is. For UTF-8 names everything is as Qt does it.
class NativeName
{
public:
    static QString decode(const QByteArray &bytes);
    static QByteArray encode(const QString &path);
    // For the screen: each kept byte as U+FFFD.
    static QString shown(const QString &name);
    // True when the path holds a byte that is not UTF-8.
    static bool hasRawBytes(const QString &path);

    static bool exists(const QString &path);
    // Removes the file (never a folder); false with the reason in *error.
    static bool remove(const QString &path, QString *error = nullptr);
    // Opens a regular file read-only (never waits on a pipe, never
    // through a symbolic link).
    static bool openForReading(QFile &file, const QString &path);
    // A name that programs taking names as text (the player, the video
    // thumbnailer) open as path: path itself when it is UTF-8, else this
    // process's descriptor of file, opened on path, which must stay open
    // while the name is in use.
    static QString openablePath(const QString &path, const QFile &file);

    // Symbolic links on the card are neither listed nor opened: one named
    // like a photo or a video could lead anywhere on the machine.

    // The regular files under hostFolder and its sub-folders whose names
    // end in suffix, in any case: hidden names and links left out.
    static QStringList filesUnder(const QString &hostFolder, const QString &suffix);

    // The names of the readable regular files right in hostFolder whose
    // names end in suffix, in any case; hidden names and links left out,
    // in the folder's own order. One pass over the folder.
    static QStringList filesIn(const QString &hostFolder, const QString &suffix);

    // Test seam: the listings look at every entry, as on a file system
    // whose folders tell no entry types.
    static void setEntryTypesUnknown(bool unknown);

private:
    NativeName() = delete;
    static void appendDecoded(QString &text, const QByteArray &bytes);
    static void walk(const QByteArray &folder, const QByteArray &suffix, QStringList *found);
};
