#include "outputlines.h"

#include <cstring>

OutputLines::OutputLines(int keepChars, int keepLines)
    : m_keepChars(keepChars)
    , m_keepLines(keepLines)
{
}

void OutputLines::add(const QByteArray &piece)
{
    const char *data = piece.constData();
    qsizetype left = piece.size();
    while (left > 0) {
        const char *end = static_cast<const char *>(std::memchr(data, '\n', size_t(left)));
        if (!end) {
            addToOpenLine(data, left);
            return;
        }
        addToOpenLine(data, end - data);
        closeLine();
        left -= end - data + 1;
        data = end + 1;
    }
}

void OutputLines::finish()
{
    closeLine();
}

QStringList OutputLines::takeLines()
{
    QStringList lines;
    lines.swap(m_lines);
    return lines;
}

QString OutputLines::openLine() const
{
    return text(m_open, m_openCut);
}

void OutputLines::addToOpenLine(const char *data, qsizetype size)
{
    if (m_openAfterNul)
        return;
    if (const void *nul = std::memchr(data, '\0', size_t(size))) {
        size = static_cast<const char *>(nul) - data;
        m_openAfterNul = true;
    }
    const qsizetype over = m_open.size() + size - m_keepChars;
    if (over > 0)
        m_openCut = true;
    if (size >= m_keepChars) {
        m_open = QByteArray(data + size - m_keepChars, m_keepChars);
        return;
    }
    if (over > 0)
        m_open.remove(0, over);
    m_open.append(data, size);
}

void OutputLines::closeLine()
{
    const QString line = text(m_open, m_openCut);
    m_open.clear();
    m_openCut = false;
    m_openAfterNul = false;
    if (line.isEmpty())
        return;
    m_lines.append(line);
    if (m_lines.size() > m_keepLines)
        m_lines.erase(m_lines.begin(), m_lines.end() - m_keepLines);
}

QString OutputLines::text(const QByteArray &bytes, bool cut) const
{
    qsizetype start = 0;
    // A cut may fall inside a character: its continuation bytes go too.
    if (cut) {
        while (start < bytes.size() && (uchar(bytes.at(start)) & 0xC0) == 0x80)
            ++start;
    }
    const QString line = QString::fromLocal8Bit(bytes.constData() + start, bytes.size() - start).trimmed();
    if (!cut || line.isEmpty())
        return line;
    return QStringLiteral("\u2026") + line;
}
