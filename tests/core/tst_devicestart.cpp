#include "audiodevice.h"
#include "batteryadc.h"
#include "boarddevice.h"
#include "commandrunner.h"
#include "devicenodes.h"
#include "deviceseams.h"
#include "launchoptions.h"
#include "mixer.h"
#include "paths.h"
#include "recordingcommandrunner.h"
#include "powerdevice.h"
#include "rtcdevice.h"
#include "screenplatform.h"
#include "sdcard.h"
#include "serial.h"
#include "simulatedclock.h"
#include "startup.h"
#include "testroot.h"

#include <QtTest>

// What the programs do without --simulate before anything else: look for
// the camera's device nodes, and only then take the real seams and the
// frame-buffer platform. Nothing here starts the device path: the node
// check runs on a fake root and the seams are only asked to refuse.
class TestDeviceStart : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void firstMissing_data();
    void firstMissing();
    void everyDeviceOfTheStartUpIsLookedFor_data();
    void everyDeviceOfTheStartUpIsLookedFor();
    void seamsRefuseAnotherRoot_data();
    void seamsRefuseAnotherRoot();
    void devicePlatform_data();
    void devicePlatform();
};

namespace {
// Makes every camera node under the root (plain files stand in), leaves
// `missing` out and makes `dangling` a link to nothing.
bool makeCamera(const TestRoot &root, const QString &missing, const QString &dangling)
{
    for (const QString &node : DeviceNodes::camera()) {
        if (node == missing)
            continue;
        if (node == dangling) {
            QDir().mkpath(QFileInfo(root.hostPath(node)).absolutePath());
            if (!QFile::link(root.hostPath(QStringLiteral("/dev/pts/9")), root.hostPath(node)))
                return false;
        } else if (!root.writeFile(node, QByteArray())) {
            return false;
        }
    }
    return true;
}

const char *const PlatformVariables[] = {"QT_QPA_PLATFORM", "QT_QPA_FB_NO_LIBINPUT", "QT_QPA_FB_TSLIB",
                                         "QT_QPA_FB_HIDECURSOR", "QT_QPA_FB_FORCE_FULLSCREEN", "TSLIB_TSDEVICE",
                                         "QT_FONT_DPI"};
} // namespace

void TestDeviceStart::firstMissing_data()
{
    QTest::addColumn<QString>("missing");
    QTest::addColumn<QString>("dangling");
    QTest::addColumn<QString>("reported");
    QTest::newRow("all there") << "" << "" << "";
    for (const QString &node : DeviceNodes::camera())
        QTest::newRow(qPrintable(QStringLiteral("without ") + node)) << node << "" << node;
    // The core's line may be a link (to a pseudo-terminal): what it names counts.
    QTest::newRow("a link to nothing") << "" << "/dev/ttyS1" << "/dev/ttyS1";
    const QStringList nodes = DeviceNodes::camera();
    QTest::newRow("the first of two") << nodes.at(5) << nodes.at(2) << nodes.at(2);
}

void TestDeviceStart::firstMissing()
{
    QFETCH(QString, missing);
    QFETCH(QString, dangling);
    QFETCH(QString, reported);
    TestRoot root;
    QVERIFY(makeCamera(root, missing, dangling));
    QCOMPARE(DeviceNodes::firstMissing(root.root()), reported);
    QVERIFY(!DeviceNodes::firstMissing(root.hostPath(QStringLiteral("/elsewhere"))).isEmpty());
}

// Each device the start-up and the screens open at their own path is one
// the check looks for, so a machine without it is never taken for the camera.
void TestDeviceStart::everyDeviceOfTheStartUpIsLookedFor_data()
{
    QTest::addColumn<QString>("node");
    QTest::newRow("screen") << ScreenPlatform::DeviceFramebuffer;
    QTest::newRow("board") << BoardDevice::defaultPath();
    QTest::newRow("core") << Serial::defaultDevice();
    QTest::newRow("battery") << BatteryAdc::defaultPath();
    QTest::newRow("gpio") << PowerDevice::path(PowerDevice::Gpio);
    QTest::newRow("pwm") << PowerDevice::path(PowerDevice::Pwm);
    QTest::newRow("card detect") << SDCard::cardDetect();
    QTest::newRow("usb detect") << SDCard::usbDetect();
    QTest::newRow("blanked frame buffer") << StartUp::BlankedFramebuffer;
    QTest::newRow("clock chip") << RtcDevice::path();
    QTest::newRow("sound") << AudioDevice::path();
    QTest::newRow("mixer") << Mixer::path();
}

void TestDeviceStart::everyDeviceOfTheStartUpIsLookedFor()
{
    QFETCH(QString, node);
    QVERIFY2(DeviceNodes::camera().contains(node), qPrintable(node));
    QCOMPARE(DeviceNodes::camera().count(node), 1);
}

// A root that is not "/" is the simulator's: the device seams are not put
// in, and the test's recording runner and simulated clock stay.
void TestDeviceStart::seamsRefuseAnotherRoot_data()
{
    QTest::addColumn<QString>("asked");
    QTest::newRow("a folder") << "@/sim-root";
    QTest::newRow("relative") << "sim-root";
    QTest::newRow("a way back to a folder") << "/tmp/..//tmp";
}

void TestDeviceStart::seamsRefuseAnotherRoot()
{
    QFETCH(QString, asked);
    TestRoot root;
    asked.replace(QLatin1Char('@'), root.root());
    const bool wasSet = qEnvironmentVariableIsSet("OSTREL_ROOT");
    const QByteArray previous = qgetenv("OSTREL_ROOT");
    qputenv("OSTREL_ROOT", asked.toUtf8());
    const bool installed = DeviceSeams::install("tst_devicestart");
    if (wasSet)
        qputenv("OSTREL_ROOT", previous);
    else
        qunsetenv("OSTREL_ROOT");
    QVERIFY(!installed);
    QCOMPARE(CommandRunner::instance(), static_cast<CommandRunner *>(root.runner()));
    QCOMPARE(SystemClock::instance(), static_cast<SystemClock *>(root.clock()));
    QCOMPARE(Paths::root(), root.root());
}

// On the camera: linuxfb on the panel's frame buffer, keys and touch
// through evdev (tslib when a tslib device is named), no pointer, windows
// where they are put; what the device's script set is kept. Simulated,
// none of the frame buffer's settings are made.
void TestDeviceStart::devicePlatform_data()
{
    QTest::addColumn<bool>("simulate");
    QTest::addColumn<QStringList>("given");    // NAME=value before the choice
    QTest::addColumn<QStringList>("expected"); // NAME=value after it; NAME= unset
    const QString linuxfb = QStringLiteral("QT_QPA_PLATFORM=linuxfb:fb=") + QLatin1String(ScreenPlatform::DeviceFramebuffer);
    QTest::newRow("camera") << false << QStringList{}
                            << QStringList{linuxfb, "QT_QPA_FB_NO_LIBINPUT=1", "QT_QPA_FB_TSLIB=",
                                           "QT_QPA_FB_HIDECURSOR=1", "QT_QPA_FB_FORCE_FULLSCREEN=0", "QT_FONT_DPI=72"};
    QTest::newRow("tslib named") << false << QStringList{"TSLIB_TSDEVICE=/dev/input/event1"}
                                 << QStringList{linuxfb, "QT_QPA_FB_TSLIB=1", "QT_QPA_FB_NO_LIBINPUT=1"};
    QTest::newRow("the script's choices") << false
                                          << QStringList{"QT_QPA_PLATFORM=linuxfb:fb=/dev/fb/1", "QT_QPA_FB_NO_LIBINPUT=0",
                                                         "QT_QPA_FB_HIDECURSOR=0"}
                                          << QStringList{"QT_QPA_PLATFORM=linuxfb:fb=/dev/fb/1", "QT_QPA_FB_NO_LIBINPUT=0",
                                                         "QT_QPA_FB_HIDECURSOR=0", "QT_QPA_FB_FORCE_FULLSCREEN=0"};
    QTest::newRow("simulated") << true << QStringList{"QT_QPA_PLATFORM=offscreen", "TSLIB_TSDEVICE=/dev/input/event1"}
                               << QStringList{"QT_QPA_PLATFORM=offscreen", "QT_QPA_FB_NO_LIBINPUT=", "QT_QPA_FB_TSLIB=",
                                              "QT_QPA_FB_HIDECURSOR=", "QT_QPA_FB_FORCE_FULLSCREEN="};
}

void TestDeviceStart::devicePlatform()
{
    QFETCH(bool, simulate);
    QFETCH(QStringList, given);
    QFETCH(QStringList, expected);
    QHash<QByteArray, QByteArray> saved;
    for (const char *name : PlatformVariables) {
        if (qEnvironmentVariableIsSet(name))
            saved.insert(name, qgetenv(name));
        qunsetenv(name);
    }
    for (const QString &setting : given)
        qputenv(setting.section(QLatin1Char('='), 0, 0).toLatin1(), setting.section(QLatin1Char('='), 1).toUtf8());

    LaunchOptions options;
    options.simulate = simulate;
    const bool chosen = ScreenPlatform::choose(options, "tst_devicestart");
    QStringList found;
    for (const QString &setting : expected) {
        const QByteArray name = setting.section(QLatin1Char('='), 0, 0).toLatin1();
        found << QString::fromLatin1(name) + QLatin1Char('=') + qEnvironmentVariable(name.constData());
    }

    for (const char *name : PlatformVariables) {
        if (saved.contains(name))
            qputenv(name, saved.value(name));
        else
            qunsetenv(name);
    }
    QVERIFY(chosen);
    QCOMPARE(found, expected);
}

QTEST_GUILESS_MAIN(TestDeviceStart)
#include "tst_devicestart.moc"
