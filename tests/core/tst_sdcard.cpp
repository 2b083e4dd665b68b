#include "cardentries.h"
#include "intervals.h"
#include "messagechannel.h"
#include "recordingcommandrunner.h"
#include "sdcard.h"
#include "simcardslot.h"
#include "testroot.h"

#include <QSignalSpy>
#include <QtTest>

#include <atomic>

#ifdef __SANITIZE_ADDRESS__
// The sanitizer build also sees a write into a stack frame that returned.
extern "C" const char *__asan_default_options()
{
    return "detect_stack_use_after_return=1";
}
#endif

namespace {

QByteArray eventBytes(qint32 value)
{
    return QByteArray(reinterpret_cast<const char *>(&value), sizeof value);
}

const QString kInsmod = QStringLiteral("insmod /works/drivers/g_file_storage.ko file=/dev/mmcblk0p1 stall=0 removable=1");
const QString kRmmod = QStringLiteral("rmmod g_file_storage");
const QString kLazyUmount = QStringLiteral("umount -l /media/mmc");
const QString kUmount = QStringLiteral("umount /media/mmc");
const QString kMount = QStringLiteral("/works/shell/mount-sd.sh");

// The devices as the simulator makes them, under the test's root.
void makeDevices(TestRoot &root, bool partition)
{
    QVERIFY(root.makeFifo(QStringLiteral("/dev/DM365-DETECT")));
    QVERIFY(root.makeFifo(QStringLiteral("/dev/DM365-USBDETECT")));
    if (partition)
        QVERIFY(root.writeFile(QStringLiteral("/dev/mmcblk0p1"), QByteArray()));
}

} // namespace

class TestSDCard : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // A test that shortened the waits gives them back, passed or not.
    void cleanup() { Intervals::setScale(1.0); }
    void events_data();
    void events();
    void thumbnailCaches_data();
    void thumbnailCaches();
    void thumbnailCacheEntries_data();
    void thumbnailCacheEntries();
    void startWithoutDevices();
    void watcherThread();
    void startChecksCaches_data();
    void startChecksCaches();
    void hostWaitsForCapture();
    void handOverOutlivesBlockedGuiThread();
    void handOverBoundIsTotal();
    void stopDuringHandOver();
};

void TestSDCard::events_data()
{
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<QStringList>("commands");
    QTest::addColumn<QList<bool>>("signalled");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<bool>("usable");
    QTest::addColumn<bool>("usbWatched");

    QTest::newRow("ymount") << QStringList{"pipe:ymount"} << QStringList{kInsmod} << QList<bool>{true}
                            << QStringList{"mounted()"} << true << true;
    QTest::newRow("capitals and more") << QStringList{"pipe:YMOUNTED now"} << QStringList{kInsmod} << QList<bool>{true}
                                       << QStringList{"mounted()"} << true << true;
    QTest::newRow("not at the start") << QStringList{"pipe: ymount"} << QStringList{} << QList<bool>{}
                                      << QStringList{} << false << false;
    QTest::newRow("two ymount") << QStringList{"pipe:ymount", "pipe:ymount"} << QStringList{kInsmod} << QList<bool>{true}
                                << QStringList{"mounted()"} << true << true;
    QTest::newRow("card in is only noted") << QStringList{"card:0"} << QStringList{} << QList<bool>{}
                                           << QStringList{} << false << false;
    QTest::newRow("card out") << QStringList{"pipe:ymount", "card:1"} << QStringList{kInsmod, kRmmod, kLazyUmount}
                              << QList<bool>{true, false} << QStringList{"mounted()", "unMounted()"} << false << false;
    // A short read says nothing: neither "in" nor "out".
    QTest::newRow("short card event") << QStringList{"pipe:ymount", "card:short"} << QStringList{kInsmod}
                                      << QList<bool>{true} << QStringList{"mounted()"} << true << true;
    QTest::newRow("usb host") << QStringList{"pipe:ymount", "usb:1"} << QStringList{kInsmod, kUmount}
                              << QList<bool>{true, false} << QStringList{"mounted()"} << false << true;
    QTest::newRow("usb host, then off") << QStringList{"pipe:ymount", "usb:1", "usb:0"} << QStringList{kInsmod, kUmount, kMount}
                                        << QList<bool>{true, false, true} << QStringList{"mounted()"} << true << true;
    QTest::newRow("usb host, then suspended") << QStringList{"pipe:ymount", "usb:1", "usb:2"} << QStringList{kInsmod, kUmount, kMount}
                                              << QList<bool>{true, false, true} << QStringList{"mounted()"} << true << true;
    QTest::newRow("suspend alone") << QStringList{"pipe:ymount", "usb:2"} << QStringList{kInsmod}
                                   << QList<bool>{true} << QStringList{"mounted()"} << true << true;
    QTest::newRow("unknown usb") << QStringList{"pipe:ymount", "usb:7"} << QStringList{kInsmod}
                                 << QList<bool>{true} << QStringList{"mounted()"} << true << true;
    // Removed while lent to the host: the gadget goes, no second false.
    QTest::newRow("card out while lent") << QStringList{"pipe:ymount", "usb:1", "card:1"}
                                         << QStringList{kInsmod, kUmount, kRmmod, kLazyUmount}
                                         << QList<bool>{true, false} << QStringList{"mounted()"} << false << false;
    // A failed read forgets the device, so the loop cannot spin on it.
    QTest::newRow("usb read error") << QStringList{"pipe:ymount", "usb:short"} << QStringList{kInsmod}
                                    << QList<bool>{true} << QStringList{"mounted()"} << true << false;
}

void TestSDCard::events()
{
    QFETCH(QStringList, events);
    QFETCH(QStringList, commands);
    QFETCH(QList<bool>, signalled);
    QFETCH(QStringList, messages);
    QFETCH(bool, usable);
    QFETCH(bool, usbWatched);
    TestRoot root;
    makeDevices(root, false);
    MessageChannel channel(QLatin1String(SDCard::channel()));
    QSignalSpy bus(&channel, &MessageChannel::received);
    SDCard card;
    card.setHandOver([] { return true; });
    QSignalSpy spy(&card, &SDCard::sdCardSignals);
    for (const QString &e : events) {
        const QString kind = e.section(QLatin1Char(':'), 0, 0);
        const QString value = e.section(QLatin1Char(':'), 1);
        const QByteArray bytes = value == QLatin1String("short") ? QByteArray("\x01", 1) : eventBytes(value.toInt());
        if (kind == QLatin1String("pipe"))
            card.handle_sdcard(value.toLatin1());
        else if (kind == QLatin1String("card"))
            card.handle_sdcard_detect(bytes);
        else
            card.handle_usb_detect(bytes);
    }
    QStringList lines = root.runner()->lines();
    QCOMPARE(lines, commands);
    QList<bool> seen;
    for (const QList<QVariant> &args : spy)
        seen << args.at(0).toBool();
    QCOMPARE(seen, signalled);
    QCoreApplication::processEvents();
    QStringList received;
    for (const QList<QVariant> &args : bus)
        received << args.at(0).toString();
    QCOMPARE(received, messages);
    QCOMPARE(card.SDCardStatus(), usable);
    QCOMPARE(card.usbWatched(), usbWatched);
}

void TestSDCard::thumbnailCaches_data()
{
    QTest::addColumn<int>("photos");
    QTest::addColumn<int>("thumbnails");
    QTest::addColumn<bool>("removed");
    QTest::newRow("fewer photos") << 10 << 12 << true;
    QTest::newRow("more photos") << 12 << 10 << false;
    QTest::newRow("equal") << 5 << 5 << false;
    QTest::newRow("no photo folder") << -1 << 3 << true;
}

void TestSDCard::thumbnailCaches()
{
    QFETCH(int, photos);
    QFETCH(int, thumbnails);
    QFETCH(bool, removed);
    TestRoot root;
    for (int i = 0; i < photos; ++i)
        QVERIFY(root.writeFile(QStringLiteral("/media/mmc/image/p%1.jpg").arg(i), "x"));
    for (int i = 0; i < thumbnails; ++i)
        QVERIFY(root.writeFile(QStringLiteral("/root/.imagethumbnailer/t%1.png").arg(i), "x"));
    SDCard card;
    card.Check_ImageDir();
    QCOMPARE(!QFileInfo::exists(root.hostPath(QStringLiteral("/root/.imagethumbnailer"))), removed);
    // Nothing is made, and no command runs for it.
    QVERIFY(!QFileInfo::exists(root.hostPath(QStringLiteral("/root/.videothumbnails"))));
    QVERIFY(root.runner()->lines().isEmpty());
}

// What counts as a photo and as a thumbnail: regular files by their
// bytes; links, folders and hidden names do not.
void TestSDCard::thumbnailCacheEntries_data()
{
    QTest::addColumn<QStringList>("photos");
    QTest::addColumn<QStringList>("thumbnails");
    QTest::addColumn<bool>("removed");
    const QStringList two{"t0.jpg", "t1.jpg"};
    QTest::newRow("photo name not UTF-8") << QStringList{"p0.jpg", QStringLiteral("p\xdcff.jpg")} << two << false;
    QTest::newRow("thumbnails without photos") << QStringList{""} << two << true;
    QTest::newRow("links are no photos") << QStringList{"p0.jpg", "p1.jpg->p0.jpg"} << two << true;
    QTest::newRow("folders are no photos") << QStringList{"p0.jpg", "old/"} << two << true;
    QTest::newRow("photos in folders not counted") << QStringList{"p0.jpg", "old/p1.jpg"} << two << true;
    QTest::newRow("hidden names are no photos") << QStringList{"p0.jpg", ".p1.jpg"} << two << true;
    QTest::newRow("hidden thumbnails not counted") << QStringList{"p0.jpg"} << QStringList{"t0.jpg", ".t1.jpg"} << false;
    QTest::newRow("thumbnail links not counted") << QStringList{"p0.jpg"} << QStringList{"t0.jpg", "t1.jpg->t0.jpg"} << false;
}

void TestSDCard::thumbnailCacheEntries()
{
    QFETCH(QStringList, photos);
    QFETCH(QStringList, thumbnails);
    QFETCH(bool, removed);
    TestRoot root;
    for (const QString &photo : photos)
        QVERIFY(CardEntries::make(root, QStringLiteral("media/mmc/image/") + photo));
    for (const QString &thumbnail : thumbnails)
        QVERIFY(CardEntries::make(root, QStringLiteral("root/.imagethumbnailer/") + thumbnail));
    SDCard card;
    card.Check_ImageDir();
    QCOMPARE(!QFileInfo::exists(root.hostPath(QStringLiteral("/root/.imagethumbnailer"))), removed);
}

void TestSDCard::startWithoutDevices()
{
    TestRoot root;
    SDCard card;
    QVERIFY(!card.start());
    QVERIFY(!card.isRunning());
    QVERIFY(root.runner()->lines().isEmpty());
}

// Real events through the devices: the thread reports queued, and the
// destructor ends it at once through the stop pipe.
void TestSDCard::watcherThread()
{
    TestRoot root;
    SimCardSlot slot;
    QVERIFY(slot.open());
    auto card = std::make_unique<SDCard>();
    card->setHandOver([] { return true; });
    QSignalSpy spy(card.get(), &SDCard::sdCardSignals);
    QVERIFY(card->start());
    // The partition node exists: the card is usable at once.
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toBool(), true);
    QVERIFY(card->usbWatched());
    QVERIFY(slot.writeUsb(SDCard::UsbConnected));
    QTRY_COMPARE(spy.count(), 2);
    QCOMPARE(spy.at(1).at(0).toBool(), false);
    QVERIFY(slot.writeUsb(SDCard::UsbDisconnected));
    QTRY_COMPARE(spy.count(), 3);
    QVERIFY(slot.writeCard(1));
    QTRY_COMPARE(spy.count(), 4);
    QCOMPARE(spy.at(3).at(0).toBool(), false);
    QTRY_COMPARE(root.runner()->lines(), (QStringList{kInsmod, kUmount, kMount, kRmmod, kLazyUmount}));
    card.reset();
}

void TestSDCard::startChecksCaches_data()
{
    QTest::addColumn<bool>("partition");
    QTest::addColumn<bool>("removed");
    QTest::newRow("card in the slot") << true << true;
    QTest::newRow("no card") << false << false;
}

// A card found at start has its stale thumbnail cache cleared, by the
// watcher; without a card the cache stays.
void TestSDCard::startChecksCaches()
{
    QFETCH(bool, partition);
    QFETCH(bool, removed);
    TestRoot root;
    makeDevices(root, partition);
    QVERIFY(root.writeFile(QStringLiteral("/media/mmc/image/p0.jpg"), "x"));
    for (const char *name : {"t0.jpg", "t1.jpg"})
        QVERIFY(root.writeFile(QStringLiteral("/root/.imagethumbnailer/") + QLatin1String(name), "x"));
    const QString cache = root.hostPath(QStringLiteral("/root/.imagethumbnailer"));
    {
        SDCard card;
        QVERIFY(card.start());
        if (removed)
            QTRY_VERIFY(!QFileInfo::exists(cache));
    }
    QCOMPARE(!QFileInfo::exists(cache), removed);
}

// A host connection during a recording: the GUI thread is asked, queued,
// until the capture lets the card go; only then is it unmounted.
void TestSDCard::hostWaitsForCapture()
{
    TestRoot root;
    SimCardSlot slot;
    QVERIFY(slot.open());
    SDCard card;
    int asked = 0;
    bool guiThread = true;
    card.setHandOver([&] {
        guiThread = guiThread && QThread::currentThread() == qApp->thread();
        return ++asked >= 3;
    });
    QSignalSpy spy(&card, &SDCard::sdCardSignals);
    QVERIFY(card.start());
    QVERIFY(slot.writeUsb(SDCard::UsbConnected));
    QTRY_COMPARE(spy.count(), 2);
    QCOMPARE(asked, 3);
    QVERIFY(guiThread);
    QTRY_COMPARE(root.runner()->lines().last(), kUmount);
}

// The GUI thread blocked past the bound: the watcher gives up and lends
// the card. The question it posted is answered afterwards, into state that
// outlives the wait (the sanitizer build sees a write into a stack frame
// that returned), and the watcher goes on with the next event.
void TestSDCard::handOverOutlivesBlockedGuiThread()
{
    Intervals::setScale(0.01);
    TestRoot root;
    SimCardSlot slot;
    QVERIFY(slot.open());
    SDCard card;
    std::atomic<int> asked{0};
    card.setHandOver([&] {
        ++asked;
        return true;
    });
    QVERIFY(card.start());
    QVERIFY(slot.writeUsb(SDCard::UsbConnected));
    // No event runs on this thread while it waits here.
    QDeadlineTimer patience(20000);
    while (!root.runner()->lines().contains(kUmount) && !patience.hasExpired())
        QThread::msleep(1);
    QVERIFY(root.runner()->lines().contains(kUmount));
    QCOMPARE(asked.load(), 0);
    QCoreApplication::sendPostedEvents();
    QCOMPARE(asked.load(), 1);
    QVERIFY(slot.writeUsb(SDCard::UsbDisconnected));
    QTRY_COMPARE(root.runner()->lines().last(), kMount);
}

// Every answer comes, but slowly and "not yet": the watcher gives up once
// the bound has passed in all, not after that long for each question.
void TestSDCard::handOverBoundIsTotal()
{
    Intervals::setScale(0.01);
    TestRoot root;
    SimCardSlot slot;
    QVERIFY(slot.open());
    SDCard card;
    int asked = 0;
    card.setHandOver([&] {
        ++asked;
        // A GUI thread busy for a third of the bound each time.
        QThread::msleep(Intervals::ms(SDCard::HostHandOverMs / 3));
        return false;
    });
    QVERIFY(card.start());
    QVERIFY(slot.writeUsb(SDCard::UsbConnected));
    QTRY_VERIFY_WITH_TIMEOUT(root.runner()->lines().contains(kUmount), 20000);
    QVERIFY2(asked <= 4, qPrintable(QString::number(asked)));
}

// The watcher stopped (the application ends) while it waits for the GUI
// thread, which is the one stopping it and cannot answer: it ends at once
// and leaves the card as it was.
void TestSDCard::stopDuringHandOver()
{
    Intervals::setScale(0.2);
    TestRoot root;
    SimCardSlot slot;
    QVERIFY(slot.open());
    auto card = std::make_unique<SDCard>();
    int asked = 0;
    card->setHandOver([&] {
        ++asked;
        return false;
    });
    QSignalSpy spy(card.get(), &SDCard::sdCardSignals);
    QVERIFY(card->start());
    QVERIFY(slot.writeUsb(SDCard::UsbConnected));
    QTRY_VERIFY(asked >= 1);
    // Past a few polls with no event run here: the next question waits in
    // the queue, well inside the bound.
    QThread::msleep(3 * Intervals::ms(SDCard::HandOverPollMs));
    const int askedAtStop = asked;
    card.reset();
    QCoreApplication::sendPostedEvents();
    QCOMPARE(asked, askedAtStop); // a question still queued is not put
    QCOMPARE(root.runner()->lines(), QStringList{kInsmod});
    QCOMPARE(spy.count(), 1);
}

QTEST_MAIN(TestSDCard)
#include "tst_sdcard.moc"
