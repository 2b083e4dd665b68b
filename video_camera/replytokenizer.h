#pragma once

#include <QByteArray>
#include <QList>

// Cuts what a pipe read delivers into the known messages it holds. Two
// messages may come in one read, with or without newlines between them, a
// message may be split over two reads (its start is kept for the next), and
// bytes after a message's text (a shell's newline, a NUL) do not hide it.
// Unknown bytes are skipped. The kept tail is never longer than the
// longest message, so the buffer stays bounded.
class ReplyTokenizer
{
public:
    ReplyTokenizer(const QList<QByteArray> &known, Qt::CaseSensitivity cs);

    // The known messages found, in order, as the known texts.
    QList<QByteArray> feed(const QByteArray &data);
    void reset() { m_pending.clear(); }
    QByteArray pending() const { return m_pending; }

private:
    bool startsWith(const QByteArray &data, int at, const QByteArray &text) const;

    QList<QByteArray> m_known;   // longest first
    Qt::CaseSensitivity m_cs;
    QByteArray m_pending;
};
