#pragma once

#include <QObject>

#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

// Puts the side file's records on the card off the GUI thread: a flush can
// take as long as the card wants. One flush at a time; a request while one
// runs is kept (the newest only) and done right after it, so a slow card
// never piles flushes up. A flush that fails is told with failed(), on the
// thread that owns this object.
class SideFileSync : public QObject
{
    Q_OBJECT
public:
    // What flushes a descriptor's data: fdatasync() by default; a test
    // installs its own to see the flushes or make them fail. An empty one
    // restores the default.
    using Sync = std::function<int(int fd)>;
    static void installSync(Sync sync);

    explicit SideFileSync(QObject *parent = nullptr);
    // Waits for the flush that runs and the one kept.
    ~SideFileSync() override;

    // Flushes fd's data soon; fd may be closed by the caller right after.
    void request(int fd);
    // Returns when no flush runs or waits.
    void waitForDone();

Q_SIGNALS:
    void failed(int error);

private:
    void run();

    std::mutex m_mutex;
    std::condition_variable m_changed;
    int m_next = -1; // a duplicate of the descriptor to flush next
    bool m_busy = false;
    bool m_stopping = false;
    // Last: the worker starts once the state it reads is set.
    std::thread m_worker;
};
