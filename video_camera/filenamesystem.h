#pragma once

#include <QObject>

// Stand-in of the media file-name generator: counts the requests to re-read
// the date, which the date dialog makes when it finishes.
class FilenameSystem : public QObject
{
    Q_OBJECT
public:
    explicit FilenameSystem(QObject *parent = nullptr) : QObject(parent) {}

    void updateSysFnParam() { ++m_updates; }
    int updateCount() const { return m_updates; }

private:
    int m_updates = 0;
};
