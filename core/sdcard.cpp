#include "sdcard.h"

#include "commandrunner.h"
#include "cvmainwindow.h"
#include "eglobal.h"
#include "fiforeader.h"
#include "folderlisting.h"
#include "intervals.h"
#include "messagechannel.h"
#include "paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <fcntl.h>
#include <mutex>
#include <sys/select.h>
#include <unistd.h>

namespace {

const QString kGadget = QStringLiteral("/works/drivers/g_file_storage.ko");
const QString kMountScript = QStringLiteral("/works/shell/mount-sd.sh");
const QString kCardFolder = QStringLiteral("/media/mmc");

QStringList gadgetArguments()
{
    return {kGadget, QStringLiteral("file=/dev/mmcblk0p1"), QStringLiteral("stall=0"), QStringLiteral("removable=1")};
}

int openDevice(const char *path)
{
    return ::open(Paths::resolveNative(QLatin1String(path)).constData(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
}

// Regular files, hidden names and links left out. By the names' bytes: a
// photo whose name is not UTF-8 still has its thumbnail in the cache.
int countFiles(const QString &folder)
{
    return FolderListing::countFiles(Paths::resolve(folder));
}

// The default hand-over: the capture panel stops its recording; the card
// is free once no photo is being saved.
bool captureReadyForHost()
{
    CvmainWindow *panel = EGlobal::get_cvmainwindow();
    if (!panel)
        return true;
    if (panel->get_video_workstat() == CvmainWindow::VRecording)
        panel->video_work(CvmainWindow::VIdle);
    return panel->get_Imagestate() == 0 && panel->get_video_workstat() != CvmainWindow::VRecording;
}

} // namespace

// What the watcher shares with the questions it posts to the GUI thread. A
// question can be answered after the watcher stopped waiting for it (the
// GUI thread was busy past the bound), so its answer goes here, never to
// the watcher's stack.
struct SDCard::HandOver {
    std::mutex lock;
    std::condition_variable changed;
    quint64 asked = 0;    // the latest question posted
    quint64 answered = 0; // the question the answer below is for
    bool ready = false;
    bool stopping = false;
};

SDCard::SDCard(QObject *parent)
    : QThread(parent)
    , m_readyForHost(captureReadyForHost)
    , m_handOver(std::make_shared<HandOver>())
{
}

SDCard::~SDCard()
{
    stop();
}

bool SDCard::start()
{
    if (isRunning())
        return true;
    if (!FifoReader::ensureFifo(QLatin1String(pipePath()))
        || (m_pipeFd = openDevice(pipePath())) < 0) {
        std::printf("Error: Cannot open SDcard detect.\n");
        stop();
        return false;
    }
    if ((m_cardFd = openDevice(cardDetect())) < 0) {
        std::printf("Error: Cannot open SDcard detect1.\n");
        stop();
        return false;
    }
    if (!m_stop.open()) {
        stop();
        return false;
    }
    {
        std::lock_guard<std::mutex> lock(m_handOver->lock);
        m_handOver->stopping = false;
    }
    startUp();
    QThread::start();
    return true;
}

void SDCard::stop()
{
    // A hand-over waiting for the GUI thread ends now: this thread may be
    // the GUI thread, which cannot answer while it waits here.
    {
        std::lock_guard<std::mutex> lock(m_handOver->lock);
        m_handOver->stopping = true;
    }
    m_handOver->changed.notify_all();
    m_stop.wake();
    wait();
    m_stop.close();
    for (int *fd : {&m_pipeFd, &m_cardFd, &m_usbFd}) {
        if (*fd >= 0)
            ::close(*fd);
        *fd = -1;
    }
}

void SDCard::startUp()
{
    m_usbStatus = UsbDisconnected;
    if (!QFileInfo::exists(Paths::resolve(QLatin1String(partition())))) {
        std::printf("read /dev/mmcblk0p1 Err \n");
        return;
    }
    CommandRunner::instance()->run(QStringLiteral("insmod"), gadgetArguments(), 5000);
    openUsbDetect();
    cardUsable(true);
    // The cache check passes over every photo and thumbnail and flushes
    // the file systems: the watcher does it first thing, off the GUI
    // thread, which is still building the live view.
    m_checkOnStart = true;
}

void SDCard::openUsbDetect()
{
    if (m_usbFd >= 0)
        return;
    m_usbFd = openDevice(usbDetect());
    if (m_usbFd >= 0)
        std::printf("Can open usb detect1. fd %d\n", m_usbFd);
    else
        std::printf("Error: Cannot open SDcard detect1.\n");
}

void SDCard::closeUsbDetect()
{
    if (m_usbFd >= 0)
        ::close(m_usbFd);
    m_usbFd = -1;
}

void SDCard::cardUsable(bool usable)
{
    m_cardUsable = usable;
    Q_EMIT sdCardSignals(usable);
}

QByteArray SDCard::readEvent(int fd)
{
    char buffer[EventBytes];
    ssize_t n;
    do {
        n = ::read(fd, buffer, sizeof buffer);
    } while (n < 0 && errno == EINTR);
    return n > 0 ? QByteArray(buffer, int(n)) : QByteArray();
}

void SDCard::run()
{
    if (m_checkOnStart.exchange(false))
        Check_ImageDir();
    for (;;) {
        fd_set set;
        FD_ZERO(&set);
        int top = m_stop.readFd();
        for (int fd : {m_pipeFd, m_cardFd, m_usbFd, m_stop.readFd()}) {
            if (fd < 0)
                continue;
            FD_SET(fd, &set);
            top = qMax(top, fd);
        }
        const int ready = ::select(top + 1, &set, nullptr, nullptr, nullptr);
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0) {
            std::printf("select ret=%d\n", ready);
            return;
        }
        if (FD_ISSET(m_stop.readFd(), &set))
            return;
        if (FD_ISSET(m_pipeFd, &set)) {
            char buffer[MessageMax];
            const ssize_t n = ::read(m_pipeFd, buffer, sizeof buffer);
            if (n < 0 && errno != EAGAIN)
                std::printf("Error reading the sdcard status.\n");
            handle_sdcard(n > 0 ? QByteArray(buffer, int(n)) : QByteArray());
        }
        if (FD_ISSET(m_cardFd, &set))
            handle_sdcard_detect(readEvent(m_cardFd));
        if (m_usbFd >= 0 && FD_ISSET(m_usbFd, &set))
            handle_usb_detect(readEvent(m_usbFd));
    }
}

void SDCard::handle_sdcard(const QByteArray &message)
{
    if (message.left(6).toLower() != "ymount" || m_cardUsable)
        return;
    std::printf("card in 1\n");
    CommandRunner::instance()->startDetached(QStringLiteral("insmod"), gadgetArguments());
    openUsbDetect();
    cardUsable(true);
    MessageChannel::send(QLatin1String(channel()), QStringLiteral("mounted()"));
    Check_ImageDir();
    std::printf("card in 2\n");
}

void SDCard::handle_sdcard_detect(const QByteArray &bytes)
{
    if (bytes.size() < EventBytes) {
        // A short or failed read says nothing about the card.
        std::printf("Error reading the sdcard status.\n");
        return;
    }
    const qint32 value = *reinterpret_cast<const qint32 *>(bytes.constData());
    if (value == CardIn) {
        std::printf("handle_sdcard_detect card in\n");
        return;
    }
    std::printf("handle_sdcard_detect  card out  fd_usb_detect=%d \n", m_usbFd);
    closeUsbDetect();
    CommandRunner::instance()->startDetached(QStringLiteral("rmmod"), {QStringLiteral("g_file_storage")});
    // The card is gone: drop its mount so nothing writes into a stale one.
    CommandRunner::instance()->startDetached(QStringLiteral("umount"), {QStringLiteral("-l"), kCardFolder});
    if (!m_cardUsable)
        return;
    cardUsable(false);
    MessageChannel::send(QLatin1String(channel()), QStringLiteral("unMounted()"));
}

SDCard::HandOverResult SDCard::waitForHandOver()
{
    if (!m_readyForHost)
        return HandedOver;
    QCoreApplication *app = QCoreApplication::instance();
    if (!app || app->thread() == QThread::currentThread())
        return m_readyForHost() ? HandedOver : CaptureBusy;
    // Ask the GUI thread every poll interval until it lets the card go, at
    // most HostHandOverMs in all, however long each answer takes.
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(Intervals::ms(HostHandOverMs));
    const std::chrono::milliseconds poll(Intervals::ms(HandOverPollMs));
    const std::shared_ptr<HandOver> shared = m_handOver;
    const std::function<bool()> readyForHost = m_readyForHost;
    std::unique_lock<std::mutex> lock(shared->lock);
    for (;;) {
        if (shared->stopping)
            return Stopping;
        const quint64 question = ++shared->asked;
        QMetaObject::invokeMethod(app, [shared, readyForHost, question] {
            {
                std::lock_guard<std::mutex> lock(shared->lock);
                if (shared->stopping)
                    return;
            }
            const bool ready = readyForHost();
            std::lock_guard<std::mutex> lock(shared->lock);
            shared->answered = question;
            shared->ready = ready;
            shared->changed.notify_all();
        }, Qt::QueuedConnection);
        if (!shared->changed.wait_until(lock, deadline, [&] { return shared->stopping || shared->answered == question; }))
            return CaptureBusy;
        if (shared->stopping)
            return Stopping;
        if (shared->ready)
            return HandedOver;
        if (shared->changed.wait_until(lock, std::min(Clock::now() + poll, deadline), [&] { return shared->stopping; }))
            return Stopping;
        if (Clock::now() >= deadline)
            return CaptureBusy;
    }
}

void SDCard::handle_usb_detect(const QByteArray &bytes)
{
    std::printf("handle_usb_detect fd=%d\n", m_usbFd);
    if (bytes.size() < EventBytes) {
        // The device failed: forget it, so select() does not spin on it.
        std::printf("Error reading the usb status.\n");
        closeUsbDetect();
        return;
    }
    const int previous = m_usbStatus;
    m_usbStatus = *reinterpret_cast<const qint32 *>(bytes.constData());
    switch (m_usbStatus) {
    case UsbConnected:
        if (!m_cardUsable)
            return;
        std::printf("[usb connect...]\n");
        switch (waitForHandOver()) {
        case Stopping:
            // The watcher is ending: the card stays as it is.
            return;
        case CaptureBusy:
            std::printf("usb connect: capture still busy\n");
            break;
        case HandedOver:
            break;
        }
        m_cardUsable = false;
        std::printf("card out \n");
        Q_EMIT sdCardSignals(false);
        CommandRunner::instance()->run(QStringLiteral("umount"), {kCardFolder}, 5000);
        return;
    case UsbDisconnected:
    case UsbSuspended:
        std::printf(m_usbStatus == UsbDisconnected ? "[usb disconnect...]\n" : "[usb suspend...]\n");
        if (previous != UsbConnected)
            return;
        std::printf("card in \n");
        cardUsable(true);
        CommandRunner::instance()->run(kMountScript, {}, 10000);
        return;
    default:
        std::printf("[unknown usb status]...\n");
    }
}

void SDCard::Check_ImageDir()
{
    const struct {
        const char *cache;
        const char *media;
    } pairs[] = {{"/root/.imagethumbnailer/", "/media/mmc/image/"}, {"/root/.videothumbnails/", "/media/mmc/videoFile/"}};
    for (const auto &pair : pairs) {
        const QString cache = QLatin1String(pair.cache);
        if (!QFileInfo::exists(Paths::resolve(cache)))
            continue;
        if (countFiles(QLatin1String(pair.media)) < countFiles(cache))
            QDir(Paths::resolve(cache)).removeRecursively();
    }
    std::printf("Check_ImageDir \n");
    ::sync();
}
