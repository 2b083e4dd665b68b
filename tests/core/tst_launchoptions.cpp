#include "launchoptions.h"

#include <QtTest>

class TestLaunchOptions : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void parse_data();
    void parse();
    void platform_data();
    void platform();
};

void TestLaunchOptions::parse_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<bool>("fromEnv");
    QTest::addColumn<bool>("simulate");
    QTest::addColumn<QString>("screenshot");
    QTest::addColumn<int>("quitAfter");
    QTest::addColumn<bool>("error");
    QTest::newRow("plain") << QStringList{"ostrel"} << false << false << "" << -1 << false;
    QTest::newRow("env") << QStringList{"ostrel"} << true << true << "" << -1 << false;
    QTest::newRow("simulate") << QStringList{"ostrel", "--simulate"} << false << true << "" << -1 << false;
    // A relative screenshot is taken from the folder the command started in.
    QTest::newRow("screenshot") << QStringList{"ostrel", "--simulate", "--screenshot", "s.png", "--quit-after", "300"} << false << true << "/start/s.png" << 300 << false;
    QTest::newRow("screenshot default wait") << QStringList{"ostrel", "--simulate", "--screenshot", "s.png"} << false << true << "/start/s.png" << 1500 << false;
    QTest::newRow("screenshot up") << QStringList{"ostrel", "--screenshot", "../shots/s.png"} << false << false << "/shots/s.png" << 1500 << false;
    QTest::newRow("absolute screenshot") << QStringList{"ostrel", "--screenshot", "/home/u/s.png"} << false << false << "/home/u/s.png" << 1500 << false;
    QTest::newRow("qt options pass") << QStringList{"ostrel", "-platform", "offscreen", "--simulate"} << false << true << "" << -1 << false;
    QTest::newRow("missing value") << QStringList{"ostrel", "--screenshot"} << false << false << "" << -1 << true;
    QTest::newRow("bad ms") << QStringList{"ostrel", "--quit-after", "soon"} << false << false << "" << -1 << true;
    QTest::newRow("negative ms") << QStringList{"ostrel", "--quit-after", "-5"} << false << false << "" << -1 << true;
    QTest::newRow("port missing") << QStringList{"ostrel", "--vnc-port"} << false << false << "" << -1 << true;
    QTest::newRow("port zero") << QStringList{"ostrel", "--vnc-port", "0"} << false << false << "" << -1 << true;
    QTest::newRow("port too high") << QStringList{"ostrel", "--vnc-port", "65536"} << false << false << "" << -1 << true;
}

void TestLaunchOptions::parse()
{
    QFETCH(QStringList, args);
    QFETCH(bool, fromEnv);
    QFETCH(bool, simulate);
    QFETCH(QString, screenshot);
    QFETCH(int, quitAfter);
    QFETCH(bool, error);
    const LaunchOptions o = LaunchOptions::parse(args, fromEnv, QStringLiteral("/start"));
    QCOMPARE(!o.error.isEmpty(), error);
    if (error)
        return;
    QCOMPARE(o.simulate, simulate);
    QCOMPARE(o.screenshot, screenshot);
    QCOMPARE(o.quitAfterMs, quitAfter);
}

void TestLaunchOptions::platform_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<bool>("display");
    QTest::addColumn<QString>("platform");
    QTest::newRow("desktop") << QStringList{"ostrel", "--simulate"} << true << "";
    QTest::newRow("headless") << QStringList{"ostrel", "--simulate"} << false << "vnc:size=320x240:port=5900";
    QTest::newRow("headless other port") << QStringList{"ostrel", "--simulate", "--vnc-port", "5911"} << false << "vnc:size=320x240:port=5911";
    QTest::newRow("headless screenshot") << QStringList{"ostrel", "--simulate", "--screenshot", "a.png"} << false << "offscreen";
    // Without --simulate it is the camera: its panel, display or not.
    QTest::newRow("camera") << QStringList{"ostrel"} << false << "linuxfb:fb=/dev/fb/0";
    QTest::newRow("camera with a display set") << QStringList{"renovo", "-qws"} << true << "linuxfb:fb=/dev/fb/0";
}

void TestLaunchOptions::platform()
{
    QFETCH(QStringList, args);
    QFETCH(bool, display);
    QFETCH(QString, platform);
    QCOMPARE(LaunchOptions::parse(args, false).platformFor(display), platform);
}

QTEST_GUILESS_MAIN(TestLaunchOptions)
#include "tst_launchoptions.moc"
