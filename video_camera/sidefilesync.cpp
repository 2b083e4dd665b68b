#include "sidefilesync.h"

#include "installedfactory.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {
InstalledFactory<SideFileSync::Sync> s_sync;

int flush(int fd)
{
    const SideFileSync::Sync sync = s_sync.get();
    if (sync)
        return sync(fd);
    int r;
    do {
        r = ::fdatasync(fd);
    } while (r < 0 && errno == EINTR);
    return r;
}
} // namespace

void SideFileSync::installSync(Sync sync)
{
    s_sync.install(std::move(sync));
}

SideFileSync::SideFileSync(QObject *parent)
    : QObject(parent)
    , m_worker([this] { run(); })
{
}

SideFileSync::~SideFileSync()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stopping = true;
    }
    m_changed.notify_all();
    m_worker.join();
}

void SideFileSync::request(int fd)
{
    // A duplicate: the recording may close or replace its descriptor
    // while the flush still runs.
    const int copy = ::fcntl(fd, F_DUPFD_CLOEXEC, 0);
    if (copy < 0) {
        const int error = errno;
        qWarning("SideFileSync: cannot keep the side file for its flush (%d)", error);
        Q_EMIT failed(error);
        return;
    }
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_next >= 0)
            ::close(m_next); // the newer request flushes the same file
        m_next = copy;
    }
    m_changed.notify_all();
}

void SideFileSync::waitForDone()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_changed.wait(lock, [this] { return m_next < 0 && !m_busy; });
}

void SideFileSync::run()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        // Stopping still flushes what was asked for: the records belong on
        // the card.
        m_changed.wait(lock, [this] { return m_next >= 0 || m_stopping; });
        if (m_next < 0)
            return;
        const int fd = m_next;
        m_next = -1;
        m_busy = true;
        lock.unlock();
        errno = 0;
        const int error = flush(fd) == 0 ? 0 : (errno ? errno : EIO);
        ::close(fd);
        if (error != 0) {
            qWarning("SideFileSync: the side file's records did not reach the card (%d)", error);
            QMetaObject::invokeMethod(this, [this, error] { Q_EMIT failed(error); }, Qt::QueuedConnection);
        }
        lock.lock();
        m_busy = false;
        m_changed.notify_all();
    }
}
