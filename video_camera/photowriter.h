#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

// Writes the radiometric trailer and the notes of a photo. Paths are system
// paths (resolved through Paths). Everything is built in memory and checked
// before the first byte is written, so a refused write leaves the file as
// it was.
class PhotoWriter
{
public:
    enum Result { Ok, Missing, Unreadable, BadLayout, DirectoryFull, WriteFailed, NameTaken };

    // The hidden name the encoder service writes a photo under, beside the
    // photo: "181214_0001T.jpg" -> ".181214_0001T.part". Never "*.jpg".
    static QString temporaryName(const QString &finalName);
    static bool isTemporaryName(const QString &fileName);
    // Removes what a crash left behind in folder; the number removed.
    static int removeStaleTemporaries(const QString &folder);

    // The bytes of a service file with the trailer appended: header with
    // entry count 2 and the picture mode, entries 0 and 1, the IR block at
    // L - 4 and N again. Empty when the service file's N does not fit.
    static QByteArray withIrBlock(const QByteArray &serviceFile, const QByteArray &header, int imageMode,
                                  const QByteArray &irBlock);
    // The bytes of a photo with one more note, or empty (reason in *why).
    static QByteArray withNote(const QByteArray &photo, uint32_t type, const QByteArray &note, Result *why = nullptr);

    // Appends the trailer to the file at path in place and fsyncs it.
    static Result writeIrBlock(const QString &path, const QByteArray &header, int imageMode, const QByteArray &irBlock);
    // Replaces the contents of the file at path (made when missing) and
    // fsyncs it; meant for the hidden temporary only.
    static Result writeWhole(const QString &path, const QByteArray &bytes);
    // Renames from to the free name to (never over an existing file) and
    // makes the rename durable.
    static Result publish(const QString &from, const QString &to);
    // Rewrites the photo with one more note (temporary file, fsync, rename).
    static Result appendNote(const QString &path, uint32_t type, const QByteArray &note);

    static const char *describe(Result result);

private:
    PhotoWriter() = delete;
};
