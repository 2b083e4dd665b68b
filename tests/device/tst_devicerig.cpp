// The device build, unmodified, in the rig: its own mount, PID and IPC
// namespaces, a rig root as "/" whose device nodes the simulated board,
// core and devices serve from outside the program, stand-ins for every
// program it starts. Checked from the rig's side (registers written,
// commands recorded, files on the card) and from the frame buffer, read
// over VNC.

#include "badviewer.h"
#include "rfbclient.h"
#include "rigprocess.h"

#include "encoderlink.h"
#include "encoderphoto.h"
#include "photolayout.h"
#include "photoreader.h"
#include "riglog.h"
#include "rigrequests.h"
#include "simboard.h"
#include "simpowerdevice.h"
#include "simrtc.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

#include <QTcpSocket>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <functional>
#include <fcntl.h>
#include <linux/capability.h>
#include <linux/seccomp.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/syscall.h>
#include <sys/un.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr int StartMs = 20000;
constexpr int EmulatedStartMs = 120000;
constexpr int StepMs = 5000;
// How long a stopped rig may take to be gone.
constexpr int StopMs = 10000;
// The program's exit status when the rig could not run here (no root, no
// /dev/fuse, no namespaces) and nothing failed: ctest counts it Skipped.
constexpr int RigUnavailableExit = 77;
// The start-up's seconds-long pauses, shortened.
constexpr double ShortTimers = 0.1;
// A key held is timed by the program: long enough to see its first step
// before its second.
constexpr double KeyTimers = 0.5;
// Longer than Qt's double-click interval.
constexpr int DoubleClickMs = 500;
// Spot 1 stands in the middle of the screen at first.
const QPoint ScreenCentre(160, 120);
// Where the live view shows spot 1's reading, and the status bar's card
// (its slot between the zoom button and the emissivity).
const QRect SpotReading(0, 18, 64, 20);
const QRect CardIcon(120, 0, 16, 16);
// X11 key symbols of the camera's keys.
constexpr quint32 KeyS = 's';
constexpr quint32 KeyU = 'u';
constexpr quint32 KeyP = 'p';
// The route to the language list: a bare place opens the menu, then its
// "Settings" tile, the "Language" row; "Deutsch" is the list's fourth row.
const QPoint BarePlace(250, 150);
const QPoint SettingsTile(245, 150);
const QPoint LanguageRow(225, 60);
const QPoint GermanRow(120, 172);
const QPoint DoneButton(256, 53);
const QRect MenuLabels(40, 90, 240, 95);
const QRect LanguageList(40, 40, 240, 160);
// Where the tick shows on the chosen row.
const QRect GermanMark(240, 160, 30, 25);
// The date: the setup window's "Date & Time" page, its "Set Date" row, the
// year's "+" and the dialog's "Done".
const QPoint DateTimeEntry(60, 150);
const QPoint SetDateRow(225, 60);
const QPoint YearUp(105, 106);
const QPoint DateDone(254, 65);
const QRect SetupPage(135, 40, 180, 160);
const QRect YearField(66, 120, 80, 22);
// Inside the name indicator shown while a photo is saved (y 105 to 135,
// centred), over spot 1's cross.
const QRect NameIndicator(120, 108, 80, 24);
// The upper limit's label at the right edge, over the black bar.
const QRect UpperLimitLabel(272, 38, 46, 18);
// How far a decoded photo may stray from the picture it was encoded from:
// the JPEG's own loss, not a box drawn over it.
constexpr int JpegLoss = 16;
// Nothing of the live view's overlay stands here.
const QRect LiveViewClear(20, 60, 120, 40);
// The slide-to-power-off knob's track.
const QPoint SlideFrom(40, 190);
const QPoint SlideTo(185, 190);

// Saves what the frame buffer shows where OSTREL_SCREENS_DIR asks.
void save(const QImage &image, const QString &name)
{
    const QString dir = qEnvironmentVariable("OSTREL_SCREENS_DIR");
    if (dir.isEmpty() || image.isNull())
        return;
    QDir().mkpath(dir);
    image.save(QDir(dir).filePath(QStringLiteral("device-%1.png").arg(name)));
}

// The pixels of the area that match.
int countPixels(const QImage &image, const QRect &area, const std::function<bool(QRgb)> &matches)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += matches(image.pixel(x, y));
    return count;
}

// Pixels that are not the black of an empty frame buffer.
int litPixels(const QImage &image, const QRect &area)
{
    return countPixels(image, area, [](QRgb pixel) { return (pixel & 0xffffff) != 0; });
}

// The shape of a reading's text on its dark label.
QByteArray glyphs(const QImage &image, const QRect &area)
{
    QByteArray shape;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            shape += qRed(image.pixel(x, y)) > 0x9f ? '#' : '.';
    return shape;
}

// A selected object's reading is drawn in red.
bool readingSelected(const QImage &image)
{
    return countPixels(image, SpotReading, [](QRgb pixel) { return qRed(pixel) > 0xe0 && qGreen(pixel) < 0x40; }) > 10;
}

QImage region(const QImage &image, const QRect &area)
{
    return image.isNull() ? QImage() : image.copy(area);
}

// The status bar's card: drawn in more than one shade, never dark.
bool cardShown(const QImage &image)
{
    return litPixels(image, CardIcon) > CardIcon.width() * CardIcon.height() / 4;
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

// The mean of the largest channel difference between the photo and the
// overlay blended over the encoder's picture, the way the camera composes
// it (each channel the lighter, the 320x240 screen doubled), over the
// screen's area.
int strayFromComposed(const QImage &photo, const QImage &overlay, const QImage &picture, const QRect &area)
{
    qint64 total = 0;
    for (int y = 2 * area.top(); y <= 2 * area.bottom() + 1; ++y)
        for (int x = 2 * area.left(); x <= 2 * area.right() + 1; ++x) {
            const QRgb shown = overlay.pixel(x / 2, y / 2);
            const QRgb under = picture.pixel(x, y);
            const QRgb saved = photo.pixel(x, y);
            total += std::max({std::abs(std::max(qRed(shown), qRed(under)) - qRed(saved)),
                               std::abs(std::max(qGreen(shown), qGreen(under)) - qGreen(saved)),
                               std::abs(std::max(qBlue(shown), qBlue(under)) - qBlue(saved))});
        }
    return int(total / (4 * area.width() * area.height()));
}

// Stops by SIGKILL whatever of the processes still runs when it goes out of
// scope: a rig the script failed to stop does not outlive its test.
class LeftoverKiller
{
public:
    ~LeftoverKiller()
    {
        for (const RigProcess::Process &process : std::as_const(processes))
            if (RigProcess::runs(process))
                ::kill(pid_t(process.pid), SIGKILL);
        RigProcess::waitForEnd(processes, StepMs);
    }
    QList<RigProcess::Process> processes;
};

// Those of the processes that still run, with their arguments.
QStringList stillRunning(const QList<RigProcess::Process> &processes)
{
    QStringList running;
    for (const RigProcess::Process &process : processes)
        if (RigProcess::runs(process))
            running << QString::number(process.pid) + QLatin1Char(' ') + RigProcess::arguments(process).join(QLatin1Char(' '));
    return running;
}

// Whether a process of the tree was started as that program of the build.
bool startedAs(const QList<RigProcess::Process> &processes, const QString &name)
{
    return std::any_of(processes.begin(), processes.end(), [&](const RigProcess::Process &process) {
        const QStringList arguments = RigProcess::arguments(process);
        return !arguments.isEmpty() && arguments.first().endsWith(QLatin1Char('/') + name);
    });
}

// A stand-in for one of the build's programs: it only says it ran.
bool writeStandIn(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write("#!/bin/sh\necho stand-in ran\nexit 5\n") < 0)
        return false;
    file.close();
    return file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// The saved photos on the card, hidden temporaries left out.
QStringList photos(const QString &folder)
{
    return QDir(folder).entryList({QStringLiteral("*.jpg")}, QDir::Files, QDir::Name);
}

// rig-exec running rig-probe under its filter, the requests handed over at
// socketPath. The clock capability is out of its reach besides: should a
// call ever pass the filter, it changes nothing.
void startProbe(QProcess *process, const QString &socketPath, const QStringList &probeArguments)
{
    const QString bin = QFileInfo(QStringLiteral(DEVICE_RIG_BINARY)).absolutePath();
    process->setChildProcessModifier([] { ::prctl(PR_CAPBSET_DROP, CAP_SYS_TIME, 0, 0, 0); });
    process->start(bin + QStringLiteral("/rig-exec"),
                   QStringList{socketPath, bin + QStringLiteral("/rig-probe")} + probeArguments);
}

// What rig-probe printed, once it has ended; null when it did not.
QByteArray probeOutput(QProcess *process)
{
    if (!process->waitForFinished(10000)) {
        process->kill();
        process->waitForFinished(1000);
        return QByteArray();
    }
    if (process->exitStatus() != QProcess::NormalExit || process->exitCode() != 0)
        qWarning("rig-exec: exit %d: %s", process->exitCode(), process->readAllStandardError().constData());
    return process->readAllStandardOutput();
}

// The rig's request handling with its power and clock logs in folder, as
// device-rig runs it.
struct RequestService
{
    explicit RequestService(const QString &folder)
        : power(folder + QStringLiteral("/power.log"))
        , clock(folder + QStringLiteral("/clock.log"))
        , requests(std::make_shared<SimRtc>(), &power, &clock)
    {
    }
    RigLog power;
    RigLog clock;
    RigRequests requests;
};

// Waits for a script the test ran to end; kills it when it does not.
bool endsInTime(QProcess &process)
{
    if (process.waitForFinished(StepMs))
        return true;
    process.kill();
    process.waitForFinished(StepMs);
    return false;
}

// The listener rig-exec hands over at socketPath, taken as device-rig
// takes it; -1 when none came.
int takeListener(int server)
{
    pollfd ready{server, POLLIN, 0};
    if (::poll(&ready, 1, 10000) != 1)
        return -1;
    const int channel = ::accept4(server, nullptr, nullptr, SOCK_CLOEXEC);
    if (channel < 0)
        return -1;
    int listener = RigRequests::receiveDescriptor(channel);
    const char taken = 'T';
    if (listener >= 0 && ::write(channel, &taken, 1) != 1) {
        ::close(listener);
        listener = -1;
    }
    ::close(channel);
    return listener;
}

int listenAt(const QString &path)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray native = QFile::encodeName(path);
    if (size_t(native.size()) >= sizeof address.sun_path)
        return -1;
    std::memcpy(address.sun_path, native.constData(), size_t(native.size()));
    const int server = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (server >= 0 && (::bind(server, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0 || ::listen(server, 1) != 0)) {
        ::close(server);
        return -1;
    }
    return server;
}

bool receiveRequest(int listener, seccomp_notif *request)
{
    pollfd ready{listener, POLLIN, 0};
    *request = seccomp_notif{};
    return ::poll(&ready, 1, 10000) == 1 && ::ioctl(listener, SECCOMP_IOCTL_NOTIF_RECV, request) == 0;
}

bool stillWaits(int listener, quint64 id)
{
    __u64 asked = id;
    return ::ioctl(listener, SECCOMP_IOCTL_NOTIF_ID_VALID, &asked) == 0;
}

// The processes whose command line names path.
QStringList processesNaming(const QString &path)
{
    QStringList found;
    const QByteArray native = QFile::encodeName(path);
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
        bool numeric = false;
        entry.toInt(&numeric);
        QFile cmdline(QStringLiteral("/proc/%1/cmdline").arg(entry));
        if (numeric && cmdline.open(QIODevice::ReadOnly)) {
            const QByteArray line = cmdline.readAll();
            if (line.contains(native))
                found << entry + QLatin1Char(' ') + QString::fromLocal8Bit(line).replace(QLatin1Char('\0'), QLatin1Char(' '));
        }
    }
    return found;
}
} // namespace

class tst_DeviceRig : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void startsToTheLiveView_data();
    void startsToTheLiveView();
    void snapshotIsSavedToTheCard();
    void cardOutAndIn();
    void languageChangeRestartsTheProgram();
    void dateIsSetOnTheClockChip();
    void updateKeyStartsTheWizard();
    void slideToPowerOff();
    void malformedViewerLeavesTheScreenServed_data();
    void malformedViewerLeavesTheScreenServed();
    void takenVncPortEndsTheRig_data();
    void takenVncPortEndsTheRig();
    void filterRefusesForeignCalls();
    void settimeofdayAnsweredAsTheKernel_data();
    void settimeofdayAnsweredAsTheKernel();
    void abandonedRequestLeavesTheProgramAlone();
    void stoppingEndsTheRig_data();
    void stoppingEndsTheRig();
    void saysWhatIsNotBuilt_data();
    void saysWhatIsNotBuilt();
    void armelRunSaysItSkipped_data();
    void armelRunSaysItSkipped();
    void programStaysInTheRig_data();
    void programStaysInTheRig();

private:
    // Starts the rig and connects to its screen.
    bool startRig(double timeScale = ShortTimers, const QString &program = QString(),
                  const QString &emulator = QString());
    // Connects to the program's screen while the rig runs.
    bool connectScreen();
    // Waits for the live view with its readings: the frame then, or null.
    QImage liveView();
    // Waits until the frame buffer shows what shows() looks for; the frame
    // then, or null.
    QImage waitForFrame(const std::function<bool(const QImage &)> &shows);
    // Waits until the area differs from before and has settled.
    QImage waitForChange(const QRect &area, const QImage &before);
    // Waits until spot 1 reads another value than before and holds it.
    QImage waitForReading(const QImage &before);

    quint16 m_port = 0;
    int m_startMs = StartMs;
    // What the probe reported, and the marker outside the rig's root after
    // it: the probe runs once for all the ways it tries.
    QByteArray m_probeReport;
    QByteArray m_markerAfterProbe;
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<RigProcess> m_rig;
    std::unique_ptr<RfbClient> m_screen;
};

void tst_DeviceRig::init()
{
    // The script's own checks of its options run anywhere; all else needs
    // the rig.
    const bool needsTheRig = qstrcmp(QTest::currentTestFunction(), "saysWhatIsNotBuilt") != 0
        && qstrcmp(QTest::currentTestFunction(), "armelRunSaysItSkipped") != 0;
    const QString unavailable = RigProcess::unavailable();
    if (needsTheRig && !unavailable.isEmpty())
        QSKIP(qPrintable(unavailable));
    m_startMs = StartMs;
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

bool tst_DeviceRig::startRig(double timeScale, const QString &program, const QString &emulator)
{
    m_rig = std::make_unique<RigProcess>();
    m_port = RigProcess::freePort();
    if (!m_rig->start(m_dir->path() + QStringLiteral("/root"), m_port, timeScale, program, emulator))
        return false;
    return connectScreen();
}

bool tst_DeviceRig::connectScreen()
{
    // A rig that ended (a node it could not serve, a port taken) is not
    // waited for.
    m_screen = std::make_unique<RfbClient>();
    QElapsedTimer clock;
    clock.start();
    while (m_rig->isRunning() && clock.elapsed() < m_startMs) {
        if (m_screen->connectTo(m_port, 1000))
            return true;
    }
    qWarning("no screen: %s", qPrintable(m_screen->error()));
    return false;
}

QImage tst_DeviceRig::liveView()
{
    if (!m_rig->waitForText(QStringLiteral("/tmp/encoder-sim.log"), "capture start", m_startMs))
        return QImage();
    return waitForFrame([](const QImage &shown) { return litPixels(shown, SpotReading) > 0 && cardShown(shown); });
}

QImage tst_DeviceRig::waitForFrame(const std::function<bool(const QImage &)> &shows)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < StepMs) {
        const QImage shown = m_screen->frame();
        if (!shown.isNull() && shows(shown))
            return shown;
        QTest::qWait(100);
    }
    return QImage();
}

QImage tst_DeviceRig::waitForChange(const QRect &area, const QImage &before)
{
    // Changed, and the same in two frames running: a window being built is
    // not yet one that takes touches.
    const QImage was = region(before, area);
    QImage last;
    return waitForFrame([&](const QImage &shown) {
        const QImage now = region(shown, area);
        const bool settled = now != was && now == last;
        last = now;
        return settled;
    });
}

QImage tst_DeviceRig::waitForReading(const QImage &before)
{
    const QByteArray was = glyphs(before, SpotReading);
    QByteArray last;
    return waitForFrame([&](const QImage &shown) {
        const QByteArray now = glyphs(shown, SpotReading);
        const bool settled = now != was && now == last;
        last = now;
        return settled;
    });
}

void tst_DeviceRig::startsToTheLiveView_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("emulator");
    // qemu-arm answers the requests it does not know itself (the GPIO's,
    // the frame buffer's blanking), and starts no child: it refuses the
    // clone flags QProcess asks for. The rig sees neither.
    QTest::addColumn<bool>("emulated");
    QTest::newRow("host build") << QString() << QString() << false;
    // The camera's build, where scripts/test-armel.sh names it.
    const QString armel = qEnvironmentVariable("OSTREL_RIG_ARMEL_BUILD");
    QTest::newRow("armel build under qemu-arm")
        << (armel.isEmpty() ? QString() : armel + QStringLiteral("/bin/ostrel"))
        << (armel.isEmpty() ? QString() : QStringLiteral("qemu-arm -L ") + armel + QStringLiteral("/sysroot")) << true;
}

void tst_DeviceRig::startsToTheLiveView()
{
    QFETCH(QString, program);
    QFETCH(QString, emulator);
    QFETCH(bool, emulated);
    if (emulated) {
        if (program.isEmpty())
            QSKIP("OSTREL_RIG_ARMEL_BUILD names no armel build folder");
        // Emulated, the start-up takes many times as long.
        m_startMs = EmulatedStartMs;
    }
    QVERIFY(startRig(ShortTimers, program, emulator));
    // The overlay's start-up from the device's side: the palette uploaded
    // to the board, the board held powered, the second frame buffer
    // blanked, the capture started at the encoder service.
    QVERIFY(m_rig->waitForText(QStringLiteral("/tmp/encoder-sim.log"), "capture start", m_startMs));
    QVERIFY(m_rig->readFile(QStringLiteral("/rig/board.log")).contains("0x1300 "));
    if (!emulated) {
        QVERIFY(m_rig->readFile(QStringLiteral("/rig/power.log")).contains("gpio 3 1\n"));
        QVERIFY(m_rig->waitForText(QStringLiteral("/rig/screen.log"), "fb2 0x4611 0x1\n", StepMs));
        QVERIFY(m_rig->waitForText(QStringLiteral("/rig/commands.log"), "insmod /works/drivers/g_file_storage.ko", StepMs));
    }

    // The overlay over the board's picture: the status bar with the card,
    // spot 1's reading of the scene.
    const QString build = QString::fromLatin1(QTest::currentDataTag()).section(QLatin1Char(' '), 0, 0);
    const QImage shown = liveView();
    QVERIFY2(!shown.isNull(), qPrintable(m_screen->error()));
    save(shown, QStringLiteral("liveview-%1").arg(build));
    QCOMPARE(shown.size(), QSize(320, 240));

    // The spot selected where it stands, then dragged onto the warm mug,
    // then onto the cold pack: each reading is the scene's, read through
    // the board's registers. (Selected, the reading turns red: the
    // readings are compared in that colour.)
    const SimBoard scene;
    const QPoint mug = scene.objectCentre(QStringLiteral("mug"));
    const QPoint coldPack = scene.objectCentre(QStringLiteral("cold pack"));
    QVERIFY(m_screen->tap(ScreenCentre));
    const QImage onBackground = waitForFrame(readingSelected);
    QVERIFY(!onBackground.isNull());
    // A press this soon after the tap would be its double click.
    QTest::qWait(DoubleClickMs);
    QVERIFY(m_screen->drag(ScreenCentre, mug, 10));
    const QImage onMug = waitForReading(onBackground);
    QVERIFY(!onMug.isNull());
    save(onMug, QStringLiteral("spot-on-mug-%1").arg(build));
    QVERIFY(m_screen->drag(mug, coldPack, 10));
    const QImage onColdPack = waitForReading(onMug);
    QVERIFY(!onColdPack.isNull());
    save(onColdPack, QStringLiteral("spot-on-cold-pack-%1").arg(build));
    QVERIFY(glyphs(onColdPack, SpotReading) != glyphs(onBackground, SpotReading));
}

void tst_DeviceRig::snapshotIsSavedToTheCard()
{
    QVERIFY(startRig());
    const QImage live = liveView();
    QVERIFY(!live.isNull());
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

    // The overlay in the photo is the live view's, without the name of the
    // photo shown while it was being saved. Without a simulated screen the
    // encoder service encodes its test pattern.
    const QImage saved = QImage::fromData(bytes.left(int(photo.jpegLength)), "JPG");
    QCOMPARE(saved.size(), QSize(EncoderLink::PhotoWidth, EncoderLink::PhotoHeight));
    save(saved, QStringLiteral("snapshot-photo"));
    const int stray = strayFromComposed(saved, live, EncoderPhoto::testPattern(), NameIndicator);
    QVERIFY2(stray < JpegLoss, qPrintable(QStringLiteral("the photo strays by %1 where the name was shown").arg(stray)));
    // The lasting overlay is in it: the limit's label is far nearer the
    // screen's than the bare picture (its small text loses more to the
    // JPEG than the plain parts do).
    QImage bare(live.size(), QImage::Format_RGB32);
    bare.fill(Qt::black);
    const int fromShown = strayFromComposed(saved, live, EncoderPhoto::testPattern(), UpperLimitLabel);
    const int fromBare = strayFromComposed(saved, bare, EncoderPhoto::testPattern(), UpperLimitLabel);
    QVERIFY2(3 * fromShown < fromBare, qPrintable(QStringLiteral("label strays by %1 from the screen's, %2 from the bare picture").arg(fromShown).arg(fromBare)));
    // No hidden temporary stays beside it.
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden).size(), after.size());
}

void tst_DeviceRig::cardOutAndIn()
{
    QVERIFY(startRig());
    QVERIFY(!liveView().isNull());

    QVERIFY(writeEvent(m_rig->hostPath(QStringLiteral("/dev/DM365-DETECT")), 1));
    QVERIFY(m_rig->waitForText(QStringLiteral("/rig/commands.log"), "umount -l /media/mmc\n", StepMs));
    QVERIFY(m_rig->readFile(QStringLiteral("/rig/commands.log")).contains("rmmod g_file_storage\n"));
    const QImage out = waitForFrame([](const QImage &shown) { return litPixels(shown, CardIcon) == 0; });
    QVERIFY(!out.isNull());
    save(out, QStringLiteral("card-out"));

    // Back in the slot: the card's announcer says it is mounted.
    QVERIFY(writeEvent(m_rig->hostPath(QStringLiteral("/dev/DM365-DETECT")), 0));
    QFile announcer(m_rig->hostPath(QStringLiteral("/tmp/service_sd")));
    QVERIFY(announcer.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    QCOMPARE(announcer.write("ymount"), qint64(6));
    announcer.close();
    const QImage in = waitForFrame(cardShown);
    QVERIFY(!in.isNull());
    save(in, QStringLiteral("card-in"));
    QCOMPARE(m_rig->readFile(QStringLiteral("/rig/commands.log")).count("insmod /works/drivers/g_file_storage.ko"), 2);
}

void tst_DeviceRig::languageChangeRestartsTheProgram()
{
    QVERIFY(startRig());
    const QImage live = liveView();
    QVERIFY(!live.isNull());
    QVERIFY(m_screen->tap(BarePlace));
    const QImage english = waitForChange(MenuLabels, live);
    QVERIFY(!english.isNull());
    save(english, QStringLiteral("menu-english"));
    QVERIFY(m_screen->tap(SettingsTile));
    const QImage setup = waitForChange(MenuLabels, english);
    QVERIFY(!setup.isNull());
    QVERIFY(m_screen->tap(LanguageRow));
    const QImage list = waitForChange(LanguageList, setup);
    QVERIFY(!list.isNull());
    QVERIFY(m_screen->tap(GermanRow));
    const QImage chosen = waitForChange(GermanMark, list);
    QVERIFY(!chosen.isNull());
    save(chosen, QStringLiteral("language-list"));
    QVERIFY(m_screen->tap(DoneButton));

    // The same program again from its start: the encoder service hears a
    // second "capture start", the card watcher loads the gadget again.
    QVERIFY(m_rig->waitForText(QStringLiteral("/Parameter/Setting"), "Lang=German", StepMs));
    QElapsedTimer clock;
    clock.start();
    while (m_rig->readFile(QStringLiteral("/tmp/encoder-sim.log")).count("capture start") < 2 && clock.elapsed() < StartMs)
        QTest::qWait(100);
    QCOMPARE(m_rig->readFile(QStringLiteral("/tmp/encoder-sim.log")).count("capture start"), 2);
    QCOMPARE(m_rig->readFile(QStringLiteral("/rig/commands.log")).count("insmod /works/drivers/g_file_storage.ko"), 2);
    QVERIFY(m_rig->isRunning());

    // Its screen is served anew, in German.
    QVERIFY(connectScreen());
    const QImage again = liveView();
    QVERIFY(!again.isNull());
    QVERIFY(m_screen->tap(BarePlace));
    const QImage german = waitForChange(MenuLabels, again);
    QVERIFY(!german.isNull());
    save(german, QStringLiteral("menu-german"));
    QVERIFY(region(german, MenuLabels) != region(english, MenuLabels));
}

void tst_DeviceRig::dateIsSetOnTheClockChip()
{
    QVERIFY(startRig());
    const QImage live = liveView();
    QVERIFY(!live.isNull());
    QVERIFY(m_screen->tap(BarePlace));
    const QImage menu = waitForChange(MenuLabels, live);
    QVERIFY(!menu.isNull());
    QVERIFY(m_screen->tap(SettingsTile));
    const QImage setup = waitForChange(MenuLabels, menu);
    QVERIFY(!setup.isNull());
    QVERIFY(m_screen->tap(DateTimeEntry));
    const QImage datePage = waitForChange(SetupPage, setup);
    QVERIFY(!datePage.isNull());
    QVERIFY(m_screen->tap(SetDateRow));
    const QImage dialog = waitForChange(SetupPage, datePage);
    QVERIFY(!dialog.isNull());
    QVERIFY(m_screen->tap(YearUp));
    const QImage nextYear = waitForChange(YearField, dialog);
    QVERIFY(!nextYear.isNull());
    save(nextYear, QStringLiteral("date-dialog"));
    QVERIFY(m_screen->tap(DateDone));

    // The system clock asked for next year, and the clock chip written:
    // both in the rig, this machine's clock untouched.
    const QByteArray year = QByteArray::number(QDate::currentDate().year() + 1);
    QVERIFY(m_rig->waitForText(QStringLiteral("/rig/clock.log"), "system " + year + '-', StepMs));
    QVERIFY(m_rig->waitForText(QStringLiteral("/rig/clock.log"), "set " + year + '-', StepMs));
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

void tst_DeviceRig::slideToPowerOff()
{
    QVERIFY(startRig(KeyTimers));
    const QImage live = liveView();
    QVERIFY(!live.isNull());
    QCOMPARE(litPixels(live, LiveViewClear), 0);
    // P held two seconds: the slide screen, over the whole panel.
    QVERIFY(m_screen->key(KeyP, true));
    const QImage slide = waitForFrame([](const QImage &shown) { return litPixels(shown, LiveViewClear) > 0; });
    QVERIFY(m_screen->key(KeyP, false));
    QVERIFY(!slide.isNull());
    save(slide, QStringLiteral("slide"));
    QVERIFY(m_screen->drag(SlideFrom, SlideTo, 10));

    // The core told to shut down, the disks synced, then the hold line
    // dropped (the power cut) and the reboot that follows on the camera.
    QVERIFY(m_rig->waitForText(QStringLiteral("/rig/commands.log"), "reboot \n", StepMs));
    const QList<QByteArray> power = m_rig->readFile(QStringLiteral("/rig/power.log")).split('\n');
    const qsizetype cut = power.indexOf("gpio 1 0");
    QVERIFY2(cut > 0, m_rig->readFile(QStringLiteral("/rig/power.log")).constData());
    QCOMPARE(power.at(cut - 1), QByteArray("sync"));
    save(m_screen->frame(), QStringLiteral("powered-off"));
}

void tst_DeviceRig::malformedViewerLeavesTheScreenServed_data()
{
    BadViewer::addRows();
}

// The device build's vnc server sits in the rig's own network, behind
// vnc-forwarder: a viewer that breaks the protocol loses its connection
// only, and the program goes on serving its screen.
void tst_DeviceRig::malformedViewerLeavesTheScreenServed()
{
    QFETCH(bool, handshake);
    QFETCH(QByteArray, payload);
    QFETCH(bool, answered);
    QVERIFY(startRig());
    QVERIFY2(!m_screen->frame().isNull(), qPrintable(m_screen->error()));

    const std::unique_ptr<QTcpSocket> bad = BadViewer::play(m_port, handshake, payload);
    QVERIFY(bad);
    QVERIFY2(!m_screen->frame().isNull(), qPrintable(m_screen->error()));
    RfbClient next;
    QVERIFY2(next.connectTo(m_port, StepMs), qPrintable(next.error()));
    QVERIFY2(!next.frame().isNull(), qPrintable(next.error()));
    QVERIFY(BadViewer::answeredOrClosed(*bad, answered));
    QVERIFY(m_rig->isRunning());
    QVERIFY2(!m_screen->frame().isNull(), qPrintable(m_screen->error()));
}

void tst_DeviceRig::stoppingEndsTheRig_data()
{
    // The signal the script is sent, or 0: the process that started it ends.
    QTest::addColumn<int>("signal");
    QTest::addColumn<bool>("givenRoot");
    for (const bool given : {false, true}) {
        const char *root = given ? "given root" : "temporary root";
        QTest::addRow("TERM, %s", root) << int(SIGTERM) << given;
        QTest::addRow("INT, %s", root) << int(SIGINT) << given;
        QTest::addRow("parent ends, %s", root) << 0 << given;
    }
}

// However the script is stopped, nothing it started runs on and nothing it
// made stays: no process under it, no VNC port, no rig root (a given root
// folder stays, empty as it was given).
void tst_DeviceRig::stoppingEndsTheRig()
{
    QFETCH(int, signal);
    QFETCH(bool, givenRoot);
    const QString temporary = m_dir->path() + QStringLiteral("/tmp");
    const QString given = m_dir->path() + QStringLiteral("/root");
    QVERIFY(QDir().mkdir(temporary));
    m_rig = std::make_unique<RigProcess>();
    m_rig->setTemporaryFolder(temporary);
    m_port = RigProcess::freePort();
    QVERIFY(m_rig->start(givenRoot ? given : QString(), m_port, ShortTimers, QString(), QString(), QStringList(),
                         signal != 0 ? RigProcess::Parent::Test : RigProcess::Parent::Shell));
    QVERIFY(connectScreen());
    const QStringList made = QDir(temporary).entryList({QStringLiteral("device-rig.*")}, QDir::Dirs);
    QCOMPARE(made.size(), givenRoot ? 0 : 1);
    const QString root = givenRoot ? given : temporary + QLatin1Char('/') + made.first();
    QVERIFY(QFileInfo::exists(root + QStringLiteral("/rig/ready")));

    // The rig's processes, by descent from the script, read before it is
    // stopped.
    LeftoverKiller leftovers;
    leftovers.processes = RigProcess::tree(m_rig->scriptProcess().pid);
    for (const char *program : {"vnc-forwarder", "device-rig", "encoder-sim"})
        QVERIFY2(startedAs(leftovers.processes, QLatin1String(program)), program);

    if (signal != 0)
        QCOMPARE(::kill(pid_t(m_rig->scriptProcess().pid), signal), 0);
    else
        m_rig->endParent();
    RigProcess::waitForEnd(leftovers.processes, StopMs);
    const QStringList running = stillRunning(leftovers.processes);
    QVERIFY2(running.isEmpty(), qPrintable(running.join(QLatin1Char('\n'))));

    QTcpSocket viewer;
    viewer.connectToHost(QHostAddress::LocalHost, m_port);
    QVERIFY2(!viewer.waitForConnected(StepMs), "the VNC port is still open");
    if (givenRoot) {
        QVERIFY(QFileInfo(given).isDir());
        QCOMPARE(QDir(given).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
                 QStringList());
    }
    QCOMPARE(QDir(temporary).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
             QStringList());
}

void tst_DeviceRig::saysWhatIsNotBuilt_data()
{
    // The build folder named with --build (none: the default beside the
    // script's folder), the programs it holds, and the one the script must
    // name as missing; all under the test's folder.
    QTest::addColumn<QString>("build");
    QTest::addColumn<QStringList>("built");
    QTest::addColumn<QString>("missing");
    // A clone's script, with no build beside it.
    QTest::newRow("clone never built") << QString() << QStringList() << QStringLiteral("clone/build/bin/device-rig");
    QTest::newRow("no build folder") << QStringLiteral("never/built") << QStringList()
                                     << QStringLiteral("never/built/bin/device-rig");
    QTest::newRow("empty build folder") << QStringLiteral("build") << QStringList{QString()}
                                        << QStringLiteral("build/bin/device-rig");
    // The program is looked for in the build given.
    QTest::newRow("build without the program")
        << QStringLiteral("build")
        << QStringList{QStringLiteral("device-rig"), QStringLiteral("rig-exec"), QStringLiteral("encoder-sim"),
                       QStringLiteral("vnc-forwarder")}
        << QStringLiteral("build/bin/ostrel");
}

// A clone that was never built, or a build folder named with --build that
// lacks a program: the script says which, before it asks for anything.
void tst_DeviceRig::saysWhatIsNotBuilt()
{
    QFETCH(QString, build);
    QFETCH(QStringList, built);
    QFETCH(QString, missing);
    const QString folder = QDir(m_dir->path()).canonicalPath();
    QString script = RigProcess::script();
    QStringList args;
    if (build.isEmpty()) {
        QVERIFY(QDir().mkpath(folder + QStringLiteral("/clone/scripts")));
        script = folder + QStringLiteral("/clone/scripts/device-rig.sh");
        QVERIFY(QFile::copy(RigProcess::script(), script));
    } else {
        args << QStringLiteral("--build") << folder + QLatin1Char('/') + build;
    }
    if (!built.isEmpty())
        QVERIFY(QDir().mkpath(folder + QLatin1Char('/') + build));
    for (const QString &name : std::as_const(built)) {
        if (name.isEmpty())
            continue;
        QVERIFY(QDir().mkpath(folder + QLatin1Char('/') + build + QStringLiteral("/bin")));
        QVERIFY(writeStandIn(folder + QLatin1Char('/') + build + QStringLiteral("/bin/") + name));
    }

    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TMPDIR"), folder);
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QStringLiteral("bash"), QStringList{script} << args << QStringLiteral("--root")
                                              << folder + QStringLiteral("/root") << QStringLiteral("--vnc-port")
                                              << QString::number(RigProcess::freePort()));
    QVERIFY(process.waitForStarted(StepMs));
    QVERIFY2(endsInTime(process), "the script did not end");
    const QString said = QString::fromLocal8Bit(process.readAll());
    QVERIFY2(said.contains(folder + QLatin1Char('/') + missing + QStringLiteral(" is not built")), qPrintable(said));
    QCOMPARE(process.exitCode(), 2);
}

void tst_DeviceRig::armelRunSaysItSkipped_data()
{
    // Whether the clone holds a finished armel build; what the run says.
    QTest::addColumn<bool>("armelBuild");
    QTest::addColumn<QString>("said");
    QTest::newRow("no armel build") << false << QStringLiteral("Skipped: no armel build");
    QTest::newRow("no qemu-arm") << true << QStringLiteral("Skipped: qemu-arm is missing");
}

// scripts/test-armel.sh where it cannot run: it says so and ends with the
// skip status, neither success nor a failure. A copy in a clone of its
// own, with a PATH that holds only what it needs up to its checks.
void tst_DeviceRig::armelRunSaysItSkipped()
{
    QFETCH(bool, armelBuild);
    QFETCH(QString, said);
    const QString clone = m_dir->path() + QStringLiteral("/clone");
    QVERIFY(QDir().mkpath(clone + QStringLiteral("/scripts")));
    const QString script = clone + QStringLiteral("/scripts/test-armel.sh");
    QVERIFY(QFile::copy(QFileInfo(RigProcess::script()).absolutePath() + QStringLiteral("/test-armel.sh"), script));
    if (armelBuild) {
        QVERIFY(QDir().mkpath(clone + QStringLiteral("/build-armel/sysroot")));
        for (const char *file : {"/build-armel/CTestTestfile.cmake", "/build-armel/sysroot/.complete"}) {
            QFile made(clone + QLatin1String(file));
            QVERIFY(made.open(QIODevice::WriteOnly));
        }
    }
    const QString tools = m_dir->path() + QStringLiteral("/tools");
    QVERIFY(QDir().mkpath(tools));
    QVERIFY(QFile::link(QStringLiteral("/usr/bin/dirname"), tools + QStringLiteral("/dirname")));

    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("PATH"), tools);
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QStringLiteral("/bin/bash"), {script});
    QVERIFY(process.waitForStarted(StepMs));
    QVERIFY2(endsInTime(process), "the script did not end");
    const QString output = QString::fromLocal8Bit(process.readAll());
    QVERIFY2(output.contains(said), qPrintable(output));
    QCOMPARE(process.exitCode(), RigUnavailableExit);
}

void tst_DeviceRig::takenVncPortEndsTheRig_data()
{
    QTest::addColumn<bool>("anyAddress");
    QTest::addColumn<bool>("temporaryRoot");
    QTest::newRow("held on localhost, temporary root") << false << true;
    QTest::newRow("held on every address, root given") << true << false;
}

// A VNC port another server holds is said as the simulator says it, and the
// rig ends at once: nothing started, nothing left running, its temporary
// root gone. The port is one this test holds.
void tst_DeviceRig::takenVncPortEndsTheRig()
{
    QFETCH(bool, anyAddress);
    QFETCH(bool, temporaryRoot);
    QTcpServer holder;
    QVERIFY(holder.listen(anyAddress ? QHostAddress::Any : QHostAddress::LocalHost, 0));
    const QString temporary = m_dir->path() + QStringLiteral("/tmp");
    QVERIFY(QDir().mkpath(temporary));
    const QString root = temporaryRoot ? QString() : m_dir->path() + QStringLiteral("/root");
    m_rig = std::make_unique<RigProcess>();
    m_rig->setTemporaryFolder(temporary);
    QVERIFY(m_rig->start(root, holder.serverPort(), ShortTimers));
    QCOMPARE(m_rig->waitForExit(StartMs), 2);
    const QByteArray output = m_rig->output();
    QVERIFY2(output.contains("VNC port " + QByteArray::number(holder.serverPort()) + " is busy"), output.constData());
    QVERIFY2(output.contains("--vnc-port"), output.constData());
    const QDir::Filters everything = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
    QVERIFY(QDir(temporary).isEmpty(everything));
    if (!temporaryRoot)
        QVERIFY(QDir(root).isEmpty(everything));
    QCOMPARE(processesNaming(m_dir->path()), QStringList());
    QVERIFY(holder.isListening());
}

// Calls through another entry than this machine's own (the 32-bit one, x32's
// numbers) would name other calls by the filter's numbers and pass it: they
// are refused, and reach neither the kernel nor the rig.
void tst_DeviceRig::filterRefusesForeignCalls()
{
#if !defined(__x86_64__)
    QSKIP("the foreign entries probed are x86-64's");
#endif
    const QString logs = m_dir->path();
    RequestService service(logs);
    QString error;
    QVERIFY2(service.requests.listen(logs + QStringLiteral("/requests.sock"), &error), qPrintable(error));
    QProcess probe;
    startProbe(&probe, logs + QStringLiteral("/requests.sock"), {QStringLiteral("foreign-calls")});
    QCOMPARE(probeOutput(&probe), QByteArray("int80-settimeofday -38\nx32-settimeofday -38\n"));
    service.requests.stop();
    QCOMPARE(QFileInfo(logs + QStringLiteral("/clock.log")).size(), 0);
}

void tst_DeviceRig::settimeofdayAnsweredAsTheKernel_data()
{
    QTest::addColumn<QString>("tv");
    QTest::addColumn<QString>("tz");
    QTest::addColumn<int>("result");
    QTest::addColumn<bool>("recorded");

    QTest::newRow("neither: no change") << "null" << "null" << 0 << false;
    QTest::newRow("time") << "now" << "null" << 0 << true;
    QTest::newRow("time and zone") << "now" << "utc" << 0 << true;
    QTest::newRow("zone only") << "null" << "utc" << 0 << false;
    QTest::newRow("time unreadable") << "bad-address" << "null" << -EFAULT << false;
    QTest::newRow("zone unreadable") << "null" << "bad-address" << -EFAULT << false;
    QTest::newRow("zone unreadable beside a time") << "now" << "bad-address" << -EFAULT << false;
    QTest::newRow("a million microseconds") << "bad-micros" << "null" << -EINVAL << false;
    QTest::newRow("zone past 15 hours") << "null" << "bad-zone" << -EINVAL << false;
    QTest::newRow("zone past 15 hours beside a time") << "now" << "bad-zone" << -EINVAL << false;
}

// The rig answers the program's settimeofday as the camera's kernel would,
// and records the time asked for without setting anything.
void tst_DeviceRig::settimeofdayAnsweredAsTheKernel()
{
    QFETCH(QString, tv);
    QFETCH(QString, tz);
    QFETCH(int, result);
    QFETCH(bool, recorded);
    const QString logs = m_dir->path();
    RequestService service(logs);
    QString error;
    QVERIFY2(service.requests.listen(logs + QStringLiteral("/requests.sock"), &error), qPrintable(error));
    QProcess probe;
    startProbe(&probe, logs + QStringLiteral("/requests.sock"), {QStringLiteral("settimeofday"), tv, tz});
    QCOMPARE(probeOutput(&probe), "settimeofday " + QByteArray::number(result) + '\n');
    service.requests.stop();
    QFile log(logs + QStringLiteral("/clock.log"));
    QVERIFY(log.open(QIODevice::ReadOnly));
    const QByteArray lines = log.readAll();
    QCOMPARE(lines.startsWith("system "), recorded);
    QCOMPARE(lines.count('\n'), recorded ? 1 : 0);
}

// A request the program has left (a signal came; its call starts again as
// a new request) is not served: nothing is read into the rig's logs nor
// written into the program, whose process number could by then name
// another process.
void tst_DeviceRig::abandonedRequestLeavesTheProgramAlone()
{
    const QString dir = m_dir->path();
    QVERIFY(QDir().mkpath(dir + QStringLiteral("/dev/rig")));
    const QString node = dir + QStringLiteral("/dev/rig/DM365-GPIO");
    QFile nodeFile(node);
    QVERIFY(nodeFile.open(QIODevice::WriteOnly));
    nodeFile.close();
    const int server = listenAt(dir + QStringLiteral("/requests.sock"));
    QVERIFY(server >= 0);
    QProcess probe;
    startProbe(&probe, dir + QStringLiteral("/requests.sock"),
               {QStringLiteral("gpio-word"), node, QString::number(int(SimPowerDevice::GpioGetLcd))});
    const int listener = takeListener(server);
    ::close(server);
    QVERIFY(listener >= 0);
    seccomp_notif first;
    QVERIFY(receiveRequest(listener, &first));
    QCOMPARE(int(first.data.nr), int(__NR_ioctl));
    QCOMPARE(quint32(first.data.args[1]), quint32(SimPowerDevice::GpioGetLcd));
    QCOMPARE(::kill(pid_t(first.pid), SIGUSR1), 0);
    QTRY_VERIFY(!stillWaits(listener, first.id));
    // The call, started again, waits as a request of its own.
    seccomp_notif again;
    QVERIFY(receiveRequest(listener, &again));
    QVERIFY(again.id != first.id);

    RequestService service(dir);
    service.requests.respond(listener, first);
    seccomp_notif_resp refused{};
    refused.id = again.id;
    refused.error = -EPERM;
    QCOMPARE(::ioctl(listener, SECCOMP_IOCTL_NOTIF_SEND, &refused), 0);
    ::close(listener);
    QCOMPARE(probeOutput(&probe), QByteArray("ioctl -1\nword 12345\n"));
    QCOMPARE(QFileInfo(dir + QStringLiteral("/power.log")).size(), 0);
}

void tst_DeviceRig::programStaysInTheRig_data()
{
    // The word the probe starts its line with.
    QTest::addColumn<QByteArray>("way");
    QTest::newRow("read-only bind remounted read-write") << QByteArray("remount");
    QTest::newRow("out of the root, a file outside appended") << QByteArray("chroot");
    QTest::newRow("kernel setting opened for writing") << QByteArray("proc-sys");
    QTest::newRow("the machine's key trigger opened for writing") << QByteArray("sysrq");
    QTest::newRow("the machine's terminals") << QByteArray("pts");
    QTest::newRow("the rig's logs opened for writing") << QByteArray("records");
    QTest::newRow("a file made beside the rig's logs") << QByteArray("record-folder");
    QTest::newRow("device node made") << QByteArray("mknod");
    QTest::newRow("the rig's first process traced") << QByteArray("ptrace");
}

// A program in the device build's place tries each way out of the rig;
// the rig holds it in every one. The probe never changes this machine, even
// where a way is open.
void tst_DeviceRig::programStaysInTheRig()
{
    QFETCH(QByteArray, way);
    const QByteArray untouched("untouched\n");
    if (m_probeReport.isEmpty()) {
        // Outside the rig's root, in the test's own folder.
        const QString marker = m_dir->filePath(QStringLiteral("marker"));
        QFile file(marker);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(untouched), qint64(untouched.size()));
        file.close();
        struct stat terminals {};
        QCOMPARE(::stat("/dev/pts", &terminals), 0);
        m_rig = std::make_unique<RigProcess>();
        QVERIFY(m_rig->start(m_dir->path() + QStringLiteral("/root"), RigProcess::freePort(), ShortTimers,
                             QStringLiteral(JAIL_PROBE_BINARY), QString(),
                             {marker, QString::number(quint64(terminals.st_dev))}));
        QCOMPARE(m_rig->waitForExit(StartMs), 0);
        m_probeReport = m_rig->output();
        QVERIFY(file.open(QIODevice::ReadOnly));
        m_markerAfterProbe = file.readAll();
    }
    QVERIFY2(m_probeReport.contains("probe done\n"), m_probeReport.constData());
    QByteArray line;
    for (const QByteArray &each : m_probeReport.split('\n'))
        if (each.startsWith(way + ' '))
            line = each;
    QCOMPARE(line, way + " held");
    QCOMPARE(m_markerAfterProbe, untouched);
}

// Where the rig cannot run, every test of it skips: the program then ends
// with its own status, so that ctest says Skipped rather than Passed. A
// failure still fails.
int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    tst_DeviceRig test;
    QTEST_SET_MAIN_SOURCE_PATH
    const int failures = QTest::qExec(&test, argc, argv);
    if (failures == 0 && !RigProcess::unavailable().isEmpty())
        return RigUnavailableExit;
    return failures;
}

#include "tst_devicerig.moc"
