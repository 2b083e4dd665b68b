#pragma once

#include <QByteArray>
#include <QList>

#include <optional>

// Cuts the update script's progress messages ("%d %d %d": final flag,
// seconds, amount) out of what the pipe delivers. A read may end inside a
// message, so unfinished text waits for the next read. A message ends at a
// line end, or at the end of a read once it holds three integers (the
// script's printf adds no line end). Of the messages one read completes
// only the first counts: the script keeps its messages a poll period apart.
class ProgressMessageReader
{
public:
    // Unfinished text longer than this is no message: it is dropped.
    static constexpr int MaxPending = 128;

    // Adds the bytes of one read; the first message they complete, if any.
    std::optional<QByteArray> add(const QByteArray &chunk);
    QByteArray pending() const { return m_pending; }
    void clear() { m_pending.clear(); }

    // The leading decimal integers of a message, at most three, read as
    // "%d %d %d" reads them: parsing stops at the first thing that is not one.
    static QList<int> integers(const QByteArray &message);

private:
    QByteArray m_pending;
};
