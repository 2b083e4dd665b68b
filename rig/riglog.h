#pragma once

#include <QByteArray>
#include <QString>

#include <mutex>

// One line a event, appended to a file in the rig's own folder, so a test
// outside the rig reads what the program under test did to its devices.
// Any thread may append.
class RigLog
{
public:
    explicit RigLog(const QString &path);
    ~RigLog();
    RigLog(const RigLog &) = delete;
    RigLog &operator=(const RigLog &) = delete;

    void append(const QByteArray &line);

private:
    std::mutex m_mutex;
    int m_fd = -1;
};
