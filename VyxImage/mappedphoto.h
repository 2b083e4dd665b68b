#pragma once

#include "photoreader.h"

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QSize>

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
    // The photo's picture (null when it is none), see decodeJpeg().
    QImage picture(const QSize &scaledSize = QSize()) const { return decodeJpeg(m_bytes, scaledSize); }

    // True when bytes begin with a JPEG start-of-image marker.
    static bool isJpeg(const QByteArray &bytes);
    // The camera writes its photos as JPEG, and only JPEG is read back:
    // decided by the bytes and decoded by the JPEG reader alone. Letting
    // Qt pick a reader would hand a card's file to any image plugin, and
    // some (SVG) open further files the picture names. Decoded at
    // scaledSize when one is given; null for anything else.
    static QImage decodeJpeg(const QByteArray &bytes, const QSize &scaledSize = QSize());

private:
    QFile m_file;
    uchar *m_map = nullptr;
    bool m_open = false;
    QByteArray m_bytes;
    PhotoReader::Photo m_photo;
};
