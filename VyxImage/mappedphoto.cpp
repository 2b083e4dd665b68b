#include "mappedphoto.h"

#include "nativename.h"

#include <QBuffer>
#include <QImageReader>

MappedPhoto::MappedPhoto(const QString &path)
{
    // By the name's own bytes, which need not be UTF-8.
    if (!NativeName::openForReading(m_file, path))
        return;
    m_open = true;
    const qint64 size = m_file.size();
    if (size <= 0)
        return;
    m_map = m_file.map(0, size);
    if (m_map)
        m_bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(m_map), qsizetype(size));
    else
        m_bytes = m_file.readAll();
    m_photo = PhotoReader::readPhoto(m_bytes);
}

MappedPhoto::~MappedPhoto()
{
    m_bytes.clear();
    if (m_map)
        m_file.unmap(m_map);
}

QByteArray MappedPhoto::slice(const PhotoReader::Range &range) const
{
    const QByteArray part = PhotoReader::slice(m_bytes, range);
    return QByteArray(part.constData(), part.size());
}

bool MappedPhoto::isJpeg(const QByteArray &bytes)
{
    return bytes.startsWith(QByteArrayLiteral("\xFF\xD8\xFF"));
}

QImage MappedPhoto::decodeJpeg(const QByteArray &bytes, const QSize &scaledSize)
{
    if (!isJpeg(bytes))
        return {};
    QBuffer buffer;
    buffer.setData(bytes);
    if (!buffer.open(QIODevice::ReadOnly))
        return {};
    QImageReader reader(&buffer, "jpeg");
    // No fallback to the other plugins when the JPEG reader gives up.
    reader.setAutoDetectImageFormat(false);
    reader.setDecideFormatFromContent(false);
    if (scaledSize.isValid())
        reader.setScaledSize(scaledSize);
    return reader.read();
}
