#include "caliblog.h"

#include "paths.h"

#include <QFileInfo>

bool CalibLog::open(const QString &path, bool create)
{
    // Reopening first lets the last handle go.
    close();
    const QString target = Paths::resolve(path);
    const bool existed = QFileInfo::exists(target);
    if (!existed && !create)
        return false;
    m_file.setFileName(target);
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    if (!existed)
        m_file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    return true;
}

void CalibLog::append(const QByteArray &line)
{
    if (m_file.isOpen()) {
        m_file.write(line);
        m_file.flush();
    }
}

void CalibLog::close()
{
    if (m_file.isOpen())
        m_file.close();
}
