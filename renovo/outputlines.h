#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Cuts a program's output into lines for a log a few lines high, in
// bounded memory whatever comes: of a line only its last keepChars bytes
// are kept (a line of megabytes without a break costs no more than a short
// one), and of the lines completed since they were last taken only the
// last keepLines. Text of a line after a NUL is dropped.
class OutputLines
{
public:
    OutputLines(int keepChars, int keepLines);

    void add(const QByteArray &piece);
    // The open line counts as complete: the output has ended.
    void finish();
    // The lines completed since the last call, trimmed, blank ones left
    // out; a cut line starts with "…".
    QStringList takeLines();
    // The line still being written, as takeLines() would give it.
    QString openLine() const;

private:
    void addToOpenLine(const char *data, qsizetype size);
    void closeLine();
    QString text(const QByteArray &bytes, bool cut) const;

    int m_keepChars;
    int m_keepLines;
    QByteArray m_open;
    bool m_openCut = false;
    bool m_openAfterNul = false;
    QStringList m_lines;
};
