// The device build, unmodified, in the rig: its own mount, PID and IPC
// namespaces, a rig root as "/" whose device nodes the simulated board,
// core and devices serve from outside the program, stand-ins for every
// program it starts. Checked from the rig's side (registers written,
// commands recorded, files on the card) and from the frame buffer, read
// over VNC.

#include "rfbclient.h"
#include "rigprocess.h"

#include "encoderlink.h"
#include "photolayout.h"
#include "photoreader.h"
#include "simboard.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <fcntl.h>
#include <unistd.h>

namespace {
constexpr int StartMs = 20000;
constexpr int StepMs = 5000;
// Where the live view shows spot 1's reading, and the status bar's card.
const QRect SpotReading(0, 18, 64, 20);
const QRect CardIcon(182, 0, 18, 18);
// X11 key symbols of the camera's keys.
constexpr quint32 KeyS = 's';
constexpr quint32 KeyU = 'u';

// Saves what the frame buffer shows where OSTREL_SCREENS_DIR asks.
void save(const QImage &image, const QString &name)
{
    const QString dir = qEnvironmentVariable("OSTREL_SCREENS_DIR");
    if (dir.isEmpty() || image.isNull())
        return;
    QDir().mkpath(dir);
    image.save(QDir(dir).filePath(QStringLiteral("device-%1.png").arg(name)));
}

// Pixels that are not the black of an empty frame buffer.
int litPixels(const QImage &image, const QRect &area)
{
    int lit = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            lit += (image.pixel(x, y) & 0xffffff) != 0;
    return lit;
}
QImage region(const QImage &image, const QRect &area)
{
    return image.isNull() ? QImage() : image.copy(area);
}

// One 4-byte event into a detect device's pipe, as its driver delivers it.
bool writeEvent(const QString &pipe, qint32 value)
{
    const int fd = ::open(QFile::encodeName(pipe).constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool written = ::write(fd, &value, sizeof value) == sizeof value;
    ::close(fd);
    return written;
}

// The saved photos on the card, hidden temporaries left out.
QStringList photos(const QString &folder)
{
    return QDir(folder).entryList({QStringLiteral("*.jpg")}, QDir::Files, QDir::Name);
}
} // namespace

class tst_DeviceRig : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void startsToTheLiveView();
    void snapshotIsSavedToTheCard();
    void cardOutAndIn();
    void updateKeyStartsTheWizard();

private:
    // Starts the rig and connects to its screen; skips where it cannot run.
    bool startRig();
    // Waits for the live view with its readings: the frame then, or null.
    QImage liveView();
    // Waits until the frame buffer's area differs from (or, same, equals)
    // what it was; the frame then, or null.
    QImage waitForArea(const QRect &area, const QImage &was, bool same);

    QString m_unavailable;
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<RigProcess> m_rig;
    std::unique_ptr<RfbClient> m_screen;
};

void tst_DeviceRig::init()
{
    static const QString reason = RigProcess::unavailable();
    m_unavailable = reason;
    if (!m_unavailable.isEmpty())
        QSKIP(qPrintable(m_unavailable));
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("root")));
}

void tst_DeviceRig::cleanup()
{
    m_screen.reset();
    if (m_rig) {
        m_rig->stop();
        if (QTest::currentTestFailed())
            qWarning("rig output:\n%s", m_rig->output().constData());
    }
    m_rig.reset();
    m_dir.reset();
}

bool tst_DeviceRig::startRig()
{
    m_rig = std::make_unique<RigProcess>();
    const quint16 port = RigProcess::freePort();
    if (!m_rig->start(m_dir->path() + QStringLiteral("/root"), port))
        return false;
    m_screen = std::make_unique<RfbClient>();
    if (!m_screen->connectTo(port, StartMs)) {
        qWarning("%s", qPrintable(m_screen->error()));
        return false;
    }
    return true;
}

QImage tst_DeviceRig::liveView()
{
    if (!m_rig->waitForText(QStringLiteral("/tmp/encoder-sim.log"), "capture start", StartMs))
        return QImage();
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < StepMs) {
        const QImage shown = m_screen->frame();
        if (!shown.isNull() && litPixels(shown, SpotReading) > 0 && litPixels(shown, CardIcon) > 0)
            return shown;
        QTest::qWait(100);
    }
    return QImage();
}

QImage tst_DeviceRig::waitForArea(const QRect &area, const QImage &was, bool same)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < StepMs) {
        const QImage shown = m_screen->frame();
        if (!shown.isNull() && (region(shown, area) == was) == same)
            return shown;
        QTest::qWait(100);
    }
    return QImage();
}

void tst_DeviceRig::startsToTheLiveView()
{
    QVERIFY(startRig());
    // The overlay's start-up from the device's side: the palette uploaded
    // to the board, the board held powered, the second frame buffer
    // blanked, the capture started at the encoder service.
    QVERIFY(m_rig->waitForText(QStringLiteral("/tmp/encoder-sim.log"), "capture start", StartMs));
    QVERIFY(m_rig->readFile(QStringLiteral("/rig/board.log")).contains("0x1300 "));
    QVERIFY(m_rig->readFile(QStringLiteral("/rig/power.log")).contains("gpio 3\n"));
    QVERIFY(m_rig->readFile(QStringLiteral("/rig/screen.log")).contains("fb2 0x4611 0x1\n"));
    QVERIFY(m_rig->readFile(QStringLiteral("/rig/commands.log")).contains("insmod /works/drivers/g_file_storage.ko"));

    // The overlay over the board's picture: the status bar with the card,
    // spot 1's reading of the scene.
    const QImage shown = liveView();
    QVERIFY2(!shown.isNull(), qPrintable(m_screen->error()));
    save(shown, QStringLiteral("liveview"));
    QCOMPARE(shown.size(), QSize(320, 240));
}

void tst_DeviceRig::snapshotIsSavedToTheCard()
{
    QVERIFY(startRig());
    QVERIFY(!liveView().isNull());
    const QString folder = m_rig->hostPath(QString::fromLatin1(EncoderLink::PhotoFolder));
    const QStringList before = photos(folder);
    QVERIFY(m_screen->key(KeyS, true));
    QVERIFY(m_screen->key(KeyS, false));
    QElapsedTimer clock;
    clock.start();
    while (photos(folder) == before && clock.elapsed() < StepMs)
        QTest::qWait(100);
    const QStringList after = photos(folder);
    QCOMPARE(after.size(), before.size() + 1);
    save(m_screen->frame(), QStringLiteral("snapshot"));

    QFile file(QDir(folder).filePath(after.last()));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const PhotoReader::Photo photo = PhotoReader::readPhoto(bytes);
    QVERIFY(photo.valid);
    QVERIFY(photo.irBlock.isValid());
    QCOMPARE(photo.irBlock.length, qint64(PhotoLayout::IrBlockSize));
    // The block's frame is the one the board handed over through the rig:
    // the scene's hot and cold objects stand out of its background.
    const auto *frame = reinterpret_cast<const uchar *>(bytes.constData() + photo.irBlock.offset + PhotoLayout::ParaSize);
    std::vector<uint16_t> values(PhotoLayout::FrameWidth * PhotoLayout::FrameHeight);
    for (size_t i = 0; i < values.size(); ++i)
        values[i] = uint16_t(PhotoLayout::getU16(frame + 2 * i));
    const auto [coldest, hottest] = std::minmax_element(values.begin(), values.end());
    uint16_t hotObject = 0;
    uint16_t coldObject = 0xffff;
    for (const SimBoard::SceneObject &object : SimBoard::defaultObjects()) {
        hotObject = std::max(hotObject, object.ad);
        coldObject = std::min(coldObject, object.ad);
    }
    const int spread = int(*hottest) - int(*coldest);
    QVERIFY2(spread > (hotObject - coldObject) / 2,
             qPrintable(QStringLiteral("frame %1..%2, scene objects %3..%4").arg(*coldest).arg(*hottest).arg(coldObject).arg(hotObject)));
    // No hidden temporary stays beside it.
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden).size(), after.size());
}

void tst_DeviceRig::cardOutAndIn()
{
    QVERIFY(startRig());
    const QImage live = liveView();
    QVERIFY(!live.isNull());
    const QImage cardShown = region(live, CardIcon);

    QVERIFY(writeEvent(m_rig->hostPath(QStringLiteral("/dev/DM365-DETECT")), 1));
    QVERIFY(m_rig->waitForText(QStringLiteral("/rig/commands.log"), "umount -l /media/mmc\n", StepMs));
    QVERIFY(m_rig->readFile(QStringLiteral("/rig/commands.log")).contains("rmmod g_file_storage\n"));
    const QImage out = waitForArea(CardIcon, cardShown, false);
    QVERIFY(!out.isNull());
    save(out, QStringLiteral("card-out"));

    // Back in the slot: the card's announcer says it is mounted.
    QVERIFY(writeEvent(m_rig->hostPath(QStringLiteral("/dev/DM365-DETECT")), 0));
    QFile announcer(m_rig->hostPath(QStringLiteral("/tmp/service_sd")));
    QVERIFY(announcer.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    QCOMPARE(announcer.write("ymount"), qint64(6));
    announcer.close();
    const QImage in = waitForArea(CardIcon, cardShown, true);
    QVERIFY(!in.isNull());
    save(in, QStringLiteral("card-in"));
    QCOMPARE(m_rig->readFile(QStringLiteral("/rig/commands.log")).count("insmod /works/drivers/g_file_storage.ko"), 2);
}

void tst_DeviceRig::updateKeyStartsTheWizard()
{
    QVERIFY(startRig());
    QVERIFY(!liveView().isNull());
    // Held five seconds (a tenth of that in the rig).
    QVERIFY(m_screen->key(KeyU, true));
    QVERIFY(m_rig->waitForText(QStringLiteral("/rig/commands.log"), "renovo \n", StepMs));
    QVERIFY(m_screen->key(KeyU, false));
    QCOMPARE(m_rig->readFile(QStringLiteral("/rig/commands.log")).count("renovo \n"), 1);
}

QTEST_GUILESS_MAIN(tst_DeviceRig)
#include "tst_devicerig.moc"
