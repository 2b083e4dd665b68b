#include "progressmessagereader.h"

#include <QtGlobal>

#include <climits>

namespace {
bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}
} // namespace

std::optional<QByteArray> ProgressMessageReader::add(const QByteArray &chunk)
{
    QByteArray text = chunk;
    // A NUL ends a message like a line end does; nothing after it is lost.
    text.replace('\0', '\n');
    m_pending += text;

    std::optional<QByteArray> first;
    for (qsizetype end = m_pending.indexOf('\n'); end >= 0; end = m_pending.indexOf('\n')) {
        const QByteArray message = m_pending.left(end).trimmed();
        m_pending.remove(0, end + 1);
        if (!message.isEmpty() && !first)
            first = message;
    }
    if (!m_pending.trimmed().isEmpty() && integers(m_pending).size() == 3) {
        if (!first)
            first = m_pending.trimmed();
        m_pending.clear();
    }
    if (m_pending.size() > MaxPending) {
        qWarning("progress pipe: dropping %lld bytes that hold no message", static_cast<long long>(m_pending.size()));
        m_pending.clear();
    }
    return first;
}

QList<int> ProgressMessageReader::integers(const QByteArray &message)
{
    QList<int> values;
    const qsizetype size = message.size();
    qsizetype i = 0;
    while (values.size() < 3) {
        while (i < size && isBlank(message.at(i)))
            ++i;
        bool negative = false;
        if (i < size && (message.at(i) == '-' || message.at(i) == '+'))
            negative = message.at(i++) == '-';
        const qsizetype digits = i;
        qint64 value = 0;
        while (i < size && message.at(i) >= '0' && message.at(i) <= '9') {
            value = value * 10 + (message.at(i++) - '0');
            if (value > qint64(INT_MAX) + 1)
                return values; // out of range: not a value the script can mean
        }
        if (i == digits)
            break;
        value = negative ? -value : value;
        if (value > INT_MAX)
            break;
        values << static_cast<int>(value);
        if (i < size && !isBlank(message.at(i)))
            break;
    }
    return values;
}
