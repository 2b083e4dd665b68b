#pragma once

#include <QByteArray>
#include <QThread>

#include "stoppipe.h"

#include <atomic>
#include <functional>
#include <memory>

// Follows the SD card and the USB cable on its own thread: the announcer's
// pipe "/tmp/service_sd" ("ymount": a card is mounted), the card-detect and
// the USB-detect devices (one 4-byte integer per event). It loads and
// unloads the mass-storage gadget, unmounts the card for a USB host and
// mounts it again afterwards, clears stale thumbnail caches (on its thread,
// at start too) and reports
// each change by sdCardSignals() (queued to the GUI thread) and on the
// "VYX/SDCard" channel. Every command goes through the CommandRunner.
class SDCard : public QThread
{
    Q_OBJECT
public:
    enum CardEvent { CardIn = 0 };
    enum UsbEvent { UsbDisconnected = 0, UsbConnected = 1, UsbSuspended = 2 };
    // The hand-over to a USB host asks the GUI thread every HandOverPollMs
    // and gives up after HostHandOverMs in all (both through Intervals).
    enum { MessageMax = 128, EventBytes = 4, HostHandOverMs = 5000, HandOverPollMs = 100 };

    static const char *pipePath() { return "/tmp/service_sd"; }
    static const char *cardDetect() { return "/dev/DM365-DETECT"; }
    static const char *usbDetect() { return "/dev/DM365-USBDETECT"; }
    static const char *partition() { return "/dev/mmcblk0p1"; }
    static const char *channel() { return "VYX/SDCard"; }

    explicit SDCard(QObject *parent = nullptr);
    ~SDCard() override;

    // Opens the sources and starts the thread; false (and no thread) when
    // the pipe or the card-detect device cannot be opened.
    bool start();
    // Wakes the thread through its stop pipe and joins it.
    void stop();

    bool SDCardStatus() const { return m_cardUsable; }
    bool usbWatched() const { return m_usbFd >= 0; }

    // Run on the GUI thread, queued, before the card goes to a USB host:
    // stops a recording and returns true once no photo is being saved. By
    // default it asks the capture panel.
    void setHandOver(std::function<bool()> readyForHost) { m_readyForHost = std::move(readyForHost); }

    // The handlers, on the watcher's thread (tests call them directly).
    void handle_sdcard(const QByteArray &message);
    // bytes: what one read returned; fewer than 4 is a read error.
    void handle_sdcard_detect(const QByteArray &bytes);
    void handle_usb_detect(const QByteArray &bytes);
    void Check_ImageDir();

Q_SIGNALS:
    void sdCardSignals(bool isSd);

protected:
    void run() override;

private:
    struct HandOver;
    enum HandOverResult { HandedOver, CaptureBusy, Stopping };

    void startUp();
    void openUsbDetect();
    void closeUsbDetect();
    void cardUsable(bool usable);
    HandOverResult waitForHandOver();
    static QByteArray readEvent(int fd);

    int m_pipeFd = -1;
    int m_cardFd = -1;
    int m_usbFd = -1;
    StopPipe m_stop;
    int m_usbStatus = UsbDisconnected;
    std::atomic<bool> m_cardUsable{false};
    // The card was usable at start: the thread checks the thumbnail caches.
    std::atomic<bool> m_checkOnStart{false};
    std::function<bool()> m_readyForHost;
    const std::shared_ptr<HandOver> m_handOver;
};
