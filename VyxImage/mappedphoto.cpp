#include "mappedphoto.h"

#include "nativename.h"

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
