#pragma once

#include "paths.h"

#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

// A temporary root; each input is written to the file under test inside a
// fresh working folder, so settings cached for an earlier input never
// answer for this one.
class FuzzRoot
{
public:
    FuzzRoot()
    {
        QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false\n*.warning=false"));
        Paths::setRoot(m_dir.path());
    }

    QString write(const char *path, const uint8_t *data, size_t size)
    {
        QDir root(m_dir.path());
        const QString previous = QStringLiteral("run%1").arg(m_run);
        const QString current = QStringLiteral("run%1").arg(++m_run);
        QDir::setCurrent(m_dir.path());
        QDir(root.filePath(previous)).removeRecursively();
        root.mkpath(current + QStringLiteral("/etc"));
        root.mkpath(current + QStringLiteral("/Parameter"));
        QDir::setCurrent(root.filePath(current));
        QFile file(QString::fromLatin1(path));
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            file.write(reinterpret_cast<const char *>(data), qint64(size));
        return QString::fromLatin1(path);
    }

private:
    QTemporaryDir m_dir;
    unsigned long m_run = 0;
};
