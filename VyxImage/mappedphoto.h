#pragma once

#include "photoreader.h"

#include <QByteArray>
#include <QFile>

// A saved photo mapped read-only for the one reader: its bytes without a
// copy and what the reader makes of them (every range checked). The
// browser's marks, the viewer's notes and the replay read photos this way.
class MappedPhoto
{
public:
    explicit MappedPhoto(const QString &path);
    ~MappedPhoto();
    MappedPhoto(const MappedPhoto &) = delete;
    MappedPhoto &operator=(const MappedPhoto &) = delete;

    bool isOpen() const { return m_open; }
    // Valid while this object lives.
    const QByteArray &bytes() const { return m_bytes; }
    const PhotoReader::Photo &photo() const { return m_photo; }
    // A copy of a checked range's bytes (empty when it does not lie inside);
    // it outlives the mapping.
    QByteArray slice(const PhotoReader::Range &range) const;

private:
    QFile m_file;
    uchar *m_map = nullptr;
    bool m_open = false;
    QByteArray m_bytes;
    PhotoReader::Photo m_photo;
};
