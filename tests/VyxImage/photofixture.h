#pragma once

#include "efilemanager.h"
#include "photolayout.h"
#include "photowriter.h"

#include <QBuffer>
#include <QColor>
#include <QImage>
#include <QPainter>

// Saved photos as the capture side writes them: a real JPEG, the service's
// trailer room and N, then the IR block with a parameter record, and notes.
namespace PhotoFixture {

inline QByteArray jpeg(const QColor &colour, const QSize &size = QSize(640, 480))
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QPainter p(&image);
    p.fillRect(0, 0, size.width() / 2, size.height() / 2, colour.darker(200));
    p.end();
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG");
    return out;
}

inline QByteArray le32(uint32_t v)
{
    QByteArray out(4, '\0');
    PhotoLayout::putU32(reinterpret_cast<unsigned char *>(out.data()), v);
    return out;
}

// What the encoder leaves: the JPEG, the empty trailer room, N.
inline QByteArray serviceFile(const QByteArray &picture)
{
    return picture + QByteArray(PhotoLayout::TrailerRoom, '\0') + le32(uint32_t(picture.size()));
}

// imageMode is the picture mode (0 IR ... 5); the header stores it + 1.
inline QByteArray photo(const QByteArray &record, int imageMode = 0, const QColor &colour = QColor(200, 80, 20))
{
    QByteArray block = record;
    block.resize(PhotoLayout::IrBlockSize, '\0');
    return PhotoWriter::withIrBlock(serviceFile(jpeg(colour)), EFileManager::buildFilePara({}), imageMode, block);
}

inline QByteArray record(const EFileManager::ImageParaValues &v = EFileManager::ImageParaValues())
{
    return EFileManager::buildImagePara(v);
}

inline QByteArray withNote(const QByteArray &bytes, uint32_t type, const QByteArray &note)
{
    return PhotoWriter::withNote(bytes, type, note);
}

} // namespace PhotoFixture
