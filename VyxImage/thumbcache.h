#pragma once

#include <QDateTime>
#include <QFileInfo>
#include <QString>

// The one naming rule of the thumbnail caches. A thumbnail is found only by
// its name: the MD5 of a key text followed by the file's time and size, so
// a photo or video that is touched, grows (a note appended) or is renamed
// gets a new name, and an existing thumbnail is never rewritten. The photo
// thread, the photo tiles and the video thumbnails all go through here.
class ThumbCache
{
public:
    // Folder of the photo thumbnails (resolve through Paths).
    static constexpr const char *PhotoFolder = "/root/.imagethumbnailer/";

    // The file's time as the names use it: its last status change (what the
    // device reports as its creation time), local, in whole seconds.
    static QDateTime fileTime(const QFileInfo &file);

    // 32 lower-case hex digits: MD5 over the Latin-1 bytes of key followed
    // by "yyyy-MM-dd-hh-mm-zz-size" of fileTime() (the seconds are left out,
    // zz is the milliseconds, always 00 in whole seconds) and the size's low
    // 32 bits as a signed int, zero-padded to sizeWidth digits (0: none).
    static QString digestName(const QString &key, const QFileInfo &file, int sizeWidth);
    static QString digestName(const QString &key, const QDateTime &time, qint64 size, int sizeWidth);

    // A photo's cache name: key = its absolute path through 8-bit text and
    // back (unrepresentable characters become '?', a NUL ends it), size
    // padded to four digits. A name that is not UTF-8 has its own bytes as
    // the key, so no two such names share a thumbnail.
    static QString photoName(const QFileInfo &photo);
    static QString photoName(const QString &absolutePath);
    // Its thumbnail file: PhotoFolder + photoName() + ".jpg", resolved.
    static QString photoThumbPath(const QFileInfo &photo);
    static QString photoThumbPath(const QString &absolutePath);
    // A photo whose path, identity, size and times are unchanged keeps the
    // name last worked out for it in this process; how many names were
    // worked out afresh so far (test seam).
    static quint64 photoNamesWorkedOut();

private:
    ThumbCache() = delete;
};
