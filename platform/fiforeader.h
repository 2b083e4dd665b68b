#pragma once

#include <QByteArray>
#include <QString>
#include <QThread>

#include "stoppipe.h"

// Reads a named pipe on its own thread and hands each chunk to the owner's
// thread through received(). Blocks in select() on the pipe and a stop pipe,
// so stop() ends it at once.
class FifoReader : public QThread
{
    Q_OBJECT
public:
    // path is resolved through Paths. The pipe is created when missing; a
    // stale non-pipe file at the path is replaced.
    explicit FifoReader(const QString &path, QObject *parent = nullptr);
    ~FifoReader() override;

    // Opens the pipe and starts the thread; false when the pipe cannot be made.
    bool open();
    // Wakes the thread, joins it and closes the descriptors. Idempotent.
    void stop();

    QString path() const { return m_path; }

    static bool ensureFifo(const QString &path);

Q_SIGNALS:
    void received(const QByteArray &data);

protected:
    void run() override;

private:
    void closeAll();

    const QString m_path;
    int m_fd = -1;
    StopPipe m_stop;
};
