// The simulator's screen over VNC, as anyone who reaches the port sees it:
// a viewer that breaks the protocol loses its own connection, the program
// goes on, and a viewer that keeps to it gets the screen afterwards.

#include "badviewer.h"
#include "rfbclient.h"
#include "testroot.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QTcpServer>
#include <QtTest>

namespace {
const QString Ostrel = QStringLiteral(OSTREL_BINARY);
constexpr int StartMs = 30000;
constexpr int StepMs = 5000;

quint16 freePort()
{
    QTcpServer server;
    return server.listen(QHostAddress::Any, 0) ? server.serverPort() : 0;
}

void startOstrel(QProcess &ostrel, const TestRoot &test, quint16 port)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("OSTREL_ROOT"), test.hostPath(QStringLiteral("sim-root")));
    for (const char *name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY", "OSTREL_SIMULATE"})
        env.remove(QString::fromLatin1(name));
    ostrel.setProcessEnvironment(env);
    ostrel.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    ostrel.start(Ostrel, {QStringLiteral("--simulate"), QStringLiteral("--vnc-port"), QString::number(port)});
}

void endOstrel(QProcess &ostrel)
{
    ostrel.terminate();
    if (!ostrel.waitForFinished(StepMs)) {
        ostrel.kill();
        ostrel.waitForFinished(StepMs);
    }
}

// The process's listening TCP sockets, as "address:port" in the kernel's
// hexadecimal ("00000000" every IPv4 address, "0100007F" 127.0.0.1).
QStringList listeningSockets(qint64 pid)
{
    QSet<QString> inodes;
    const QDir fds(QStringLiteral("/proc/%1/fd").arg(pid));
    for (const QString &fd : fds.entryList(QDir::Files | QDir::System)) {
        const QString target = QFile::symLinkTarget(fds.filePath(fd));
        if (target.contains(QLatin1String("socket:[")))
            inodes.insert(target.section(QLatin1Char('['), 1).chopped(1));
    }
    QStringList sockets;
    for (const char *table : {"tcp", "tcp6"}) {
        QFile file(QStringLiteral("/proc/%1/net/%2").arg(pid).arg(QLatin1String(table)));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        file.readLine(); // the heading
        while (!file.atEnd()) {
            const QStringList columns = QString::fromLatin1(file.readLine()).simplified().split(QLatin1Char(' '));
            // 0A: listening
            if (columns.size() > 9 && columns.at(3) == QLatin1String("0A") && inodes.contains(columns.at(9)))
                sockets << columns.at(1);
        }
    }
    return sockets;
}
} // namespace

class TestSimVncScreen : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void malformedViewerLeavesTheScreenServed_data();
    void malformedViewerLeavesTheScreenServed();
    void onlyTheForwarderListensOutside();
};

void TestSimVncScreen::malformedViewerLeavesTheScreenServed_data()
{
    BadViewer::addRows();
}

void TestSimVncScreen::malformedViewerLeavesTheScreenServed()
{
    QFETCH(bool, handshake);
    QFETCH(QByteArray, payload);
    QFETCH(bool, answered);
    TestRoot test;
    const quint16 port = freePort();
    QVERIFY(port != 0);

    QProcess ostrel;
    startOstrel(ostrel, test, port);
    QVERIFY(ostrel.waitForStarted(StepMs));

    // The screen is up once a viewer sees it.
    RfbClient first;
    QVERIFY2(first.connectTo(port, StartMs), qPrintable(first.error()));
    QVERIFY2(!first.frame(StepMs).isNull(), qPrintable(first.error()));

    const std::unique_ptr<QTcpSocket> bad = BadViewer::play(port, handshake, payload);
    QVERIFY(bad);
    // The viewer that was there keeps its screen (a round trip through the
    // server, which took the bad viewer's bytes first), and a new one gets it.
    const QImage kept = first.frame(StepMs);
    QVERIFY2(!kept.isNull(), qPrintable(first.error()));
    QVERIFY2(ostrel.state() == QProcess::Running, "the program ended");
    RfbClient next;
    QVERIFY2(next.connectTo(port, StepMs), qPrintable(next.error()));
    const QImage frame = next.frame(StepMs);
    QVERIFY2(!frame.isNull(), qPrintable(next.error()));
    QCOMPARE(frame.size(), QSize(320, 240));
    // The live view, not an empty frame buffer.
    QSet<QRgb> colours;
    for (int y = 0; y < frame.height(); y += 8)
        for (int x = 0; x < frame.width(); x += 8)
            colours.insert(frame.pixel(x, y));
    QVERIFY2(colours.size() > 10, qPrintable(QString::number(colours.size())));
    // What a viewer sees after the bad one, for review.
    const QString dir = qEnvironmentVariable("OSTREL_SCREENS_DIR");
    if (!dir.isEmpty()) {
        const QString name = QString::fromLatin1(QTest::currentDataTag()).replace(QLatin1Char(' '), QLatin1Char('_'));
        QVERIFY(frame.save(dir + QStringLiteral("/vnc_after_") + name + QStringLiteral(".png"), "PNG"));
    }
    QCOMPARE(ostrel.state(), QProcess::Running);

    QVERIFY(BadViewer::answeredOrClosed(*bad, answered));
    QCOMPARE(ostrel.state(), QProcess::Running);
    endOstrel(ostrel);
}

// Qt's server listens on every interface by itself: outside this machine
// only the forwarder's port may be reached.
void TestSimVncScreen::onlyTheForwarderListensOutside()
{
    TestRoot test;
    const quint16 port = freePort();
    QVERIFY(port != 0);
    QProcess ostrel;
    startOstrel(ostrel, test, port);
    QVERIFY(ostrel.waitForStarted(StepMs));
    RfbClient viewer;
    QVERIFY2(viewer.connectTo(port, StartMs), qPrintable(viewer.error()));
    QVERIFY2(!viewer.frame(StepMs).isNull(), qPrintable(viewer.error()));

    const QStringList sockets = listeningSockets(ostrel.processId());
    const QString userPort = QStringLiteral(":%1").arg(port, 4, 16, QLatin1Char('0')).toUpper();
    int loopback = 0;
    for (const QString &socket : sockets) {
        if (socket.startsWith(QLatin1String("0100007F:")))
            ++loopback;
        else
            QVERIFY2(socket.endsWith(userPort), qPrintable(sockets.join(QLatin1Char(' '))));
    }
    QCOMPARE(sockets.size(), 2);
    QCOMPARE(loopback, 1);
    endOstrel(ostrel);
}

QTEST_GUILESS_MAIN(TestSimVncScreen)
#include "tst_simvncscreen.moc"
