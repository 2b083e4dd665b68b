#include "replytokenizer.h"

#include <algorithm>

ReplyTokenizer::ReplyTokenizer(const QList<QByteArray> &known, Qt::CaseSensitivity cs)
    : m_known(known)
    , m_cs(cs)
{
    // The longest first, so "videostop" wins over "video".
    std::stable_sort(m_known.begin(), m_known.end(), [](const QByteArray &a, const QByteArray &b) { return a.size() > b.size(); });
}

bool ReplyTokenizer::startsWith(const QByteArray &data, int at, const QByteArray &text) const
{
    if (data.size() - at < text.size())
        return false;
    const QByteArray part = QByteArray::fromRawData(data.constData() + at, text.size());
    return m_cs == Qt::CaseSensitive ? part == text : part.compare(text, Qt::CaseInsensitive) == 0;
}

QList<QByteArray> ReplyTokenizer::feed(const QByteArray &data)
{
    QList<QByteArray> found;
    const QByteArray buffer = m_pending + data;
    m_pending.clear();
    int at = 0;
    while (at < buffer.size()) {
        bool matched = false;
        bool partial = false;
        for (const QByteArray &text : m_known) {
            if (startsWith(buffer, at, text)) {
                found.append(text);
                at += int(text.size());
                matched = true;
                break;
            }
            const int rest = int(buffer.size()) - at;
            if (rest < text.size() && startsWith(buffer, at, text.left(rest)))
                partial = true;
        }
        if (matched)
            continue;
        if (partial) {
            // The start of a message the next read completes.
            m_pending = buffer.mid(at);
            break;
        }
        ++at;
    }
    return found;
}
