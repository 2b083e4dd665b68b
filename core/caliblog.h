#pragma once

#include <QFile>
#include <QString>

// One append-only run log. A log that cannot be opened loses its lines
// silently; a new file gets mode 0644.
class CalibLog
{
public:
    // create false: opened only when the file already exists.
    bool open(const QString &path, bool create = true);
    void append(const QByteArray &line);
    void close();
    bool isOpen() const { return m_file.isOpen(); }

private:
    QFile m_file;
};
