#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <cstdio>
#include <unistd.h>

// Sends this process's standard output into a file for the capture's life,
// so a test can see the lines the code prints.
class StdoutCapture
{
public:
    explicit StdoutCapture(const QString &file)
        : m_file(file)
    {
        std::fflush(stdout);
        m_saved = ::dup(STDOUT_FILENO);
        if (std::FILE *f = std::fopen(QFile::encodeName(file).constData(), "w")) {
            ::dup2(::fileno(f), STDOUT_FILENO);
            std::fclose(f);
        }
    }
    ~StdoutCapture() { restore(); }

    // Everything printed so far; restores standard output.
    QByteArray text()
    {
        restore();
        QFile f(m_file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private:
    void restore()
    {
        if (m_saved < 0)
            return;
        std::fflush(stdout);
        ::dup2(m_saved, STDOUT_FILENO);
        ::close(m_saved);
        m_saved = -1;
    }

    QString m_file;
    int m_saved = -1;
};
