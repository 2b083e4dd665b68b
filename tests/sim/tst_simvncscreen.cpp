// The simulator's screen over VNC, as anyone who reaches the port sees it:
// a viewer that breaks the protocol loses its own connection, the program
// goes on, and a viewer that keeps to it gets the screen afterwards.

#include "rfbclient.h"
#include "testroot.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QSet>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtEndian>
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

QByteArray readExactly(QTcpSocket &socket, int size)
{
    QByteArray data;
    while (data.size() < size && (socket.bytesAvailable() > 0 || socket.waitForReadyRead(StepMs)))
        data += socket.read(size - data.size());
    return data;
}

// The 3.3 handshake as a viewer answers Qt's server; true once the
// server's greeting is read.
bool shakeHands(QTcpSocket &socket)
{
    if (readExactly(socket, 12) != "RFB 003.003\n")
        return false;
    socket.write("RFB 003.003\n");
    if (readExactly(socket, 4) != QByteArray::fromHex("00000001"))
        return false;
    socket.write("\x01", 1);
    const QByteArray init = readExactly(socket, 24);
    if (init.size() != 24)
        return false;
    const quint32 nameLength = qFromBigEndian<quint32>(init.constData() + 20);
    return nameLength < 4096 && readExactly(socket, int(nameLength)).size() == int(nameLength);
}

// Bytes of a fixed seed: those of seed 2 end Qt's own server.
QByteArray randomBytes(int size)
{
    QRandomGenerator generator(2);
    QByteArray bytes(size, '\0');
    for (char &byte : bytes)
        byte = char(generator.bounded(256));
    return bytes;
}
} // namespace

class TestSimVncScreen : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void malformedViewerLeavesTheScreenServed_data();
    void malformedViewerLeavesTheScreenServed();
};

void TestSimVncScreen::malformedViewerLeavesTheScreenServed_data()
{
    QTest::addColumn<bool>("handshake"); // the payload follows the server's greeting
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<bool>("answered"); // the viewer gets its update; else its connection ends
    const QByteArray encodingsRaw = QByteArray::fromHex("0200000100000000");
    const QByteArray updateRequest = QByteArray::fromHex("030000000000014000f0");
    QTest::newRow("update request before pixel format") << true << encodingsRaw + updateRequest << true;
    QTest::newRow("cut text of 0x80000010") << true << QByteArray::fromHex("0600000080000010") + QByteArray(64, 'x') << false;
    QTest::newRow("random bytes") << true << randomBytes(4096) << false;
    QTest::newRow("truncated message then close") << true << QByteArray::fromHex("040100") << false;
    QTest::newRow("unknown message type") << true << QByteArray::fromHex("0a00000000000000") + updateRequest << false;
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
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("OSTREL_ROOT"), test.hostPath(QStringLiteral("sim-root")));
    for (const char *name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY", "OSTREL_SIMULATE"})
        env.remove(QString::fromLatin1(name));
    ostrel.setProcessEnvironment(env);
    ostrel.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    ostrel.start(Ostrel, {QStringLiteral("--simulate"), QStringLiteral("--vnc-port"), QString::number(port)});
    QVERIFY(ostrel.waitForStarted(StepMs));

    // The screen is up once a viewer sees it.
    RfbClient first;
    QVERIFY2(first.connectTo(port, StartMs), qPrintable(first.error()));
    QVERIFY2(!first.frame(StepMs).isNull(), qPrintable(first.error()));

    QTcpSocket bad;
    bad.connectToHost(QStringLiteral("127.0.0.1"), port);
    QVERIFY(bad.waitForConnected(StepMs));
    if (handshake)
        QVERIFY(shakeHands(bad));
    bad.write(payload);
    QVERIFY(bad.waitForBytesWritten(StepMs) || bad.bytesToWrite() == 0);
    // The truncated message waits for its rest: the viewer leaves.
    if (payload.size() < 4)
        bad.disconnectFromHost();
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
    QCOMPARE(ostrel.state(), QProcess::Running);

    // The bad viewer got the update it asked for, or lost its own connection.
    if (answered) {
        // A FramebufferUpdate, in the server's own pixel format.
        QCOMPARE(readExactly(bad, 4).left(2), QByteArray::fromHex("0000"));
    } else {
        QElapsedTimer clock;
        clock.start();
        while (bad.state() != QAbstractSocket::UnconnectedState && clock.elapsed() < StepMs) {
            bad.waitForReadyRead(100);
            bad.readAll();
        }
        QCOMPARE(bad.state(), QAbstractSocket::UnconnectedState);
    }

    QCOMPARE(ostrel.state(), QProcess::Running);

    ostrel.terminate();
    if (!ostrel.waitForFinished(StepMs)) {
        ostrel.kill();
        ostrel.waitForFinished(StepMs);
    }
}

QTEST_GUILESS_MAIN(TestSimVncScreen)
#include "tst_simvncscreen.moc"
