// What the VNC forwarder lets through to Qt's vnc server, and what it
// answers itself, byte for byte: the handshake in each protocol version a
// viewer may answer, every client message well-formed and malformed.

#include "rfbsession.h"

#include <QtTest>

namespace {
// What Qt's server sends: its version, security "none" (3.3), its greeting
// for a 320x240 screen of 32 bits a pixel.
const QByteArray ServerVersion = QByteArrayLiteral("RFB 003.003\n");
const QByteArray ServerSecurity = QByteArray::fromHex("00000001");
const QByteArray ServerFormat = QByteArray::fromHex("20200001" "00ff00ff00ff" "100800" "000000");
const QByteArray ServerName = QByteArrayLiteral("screen");
const QByteArray ServerInit = QByteArray::fromHex("014000f0") + ServerFormat + QByteArray::fromHex("00000006") + ServerName;
// The server's own format as a SetPixelFormat.
const QByteArray DefaultFormat = QByteArray::fromHex("00000000") + ServerFormat;

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

// A session through the 3.3 handshake; what the viewer and the server got
// so far is dropped.
void shakeHands(RfbSession &session)
{
    QByteArray toServer, toClient;
    QVERIFY(session.fromServer(ServerVersion, &toServer, &toClient));
    QVERIFY(session.fromClient("RFB 003.003\n", &toServer, &toClient));
    QVERIFY(session.fromServer(ServerSecurity, &toServer, &toClient));
    QVERIFY(session.fromClient(hex("01"), &toServer, &toClient));
    QVERIFY(session.fromServer(ServerInit, &toServer, &toClient));
    QVERIFY(session.isEstablished());
}
} // namespace

class TestRfbSession : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void handshakeInEachVersion_data();
    void handshakeInEachVersion();
    void handshakeRefusals_data();
    void handshakeRefusals();
    void wellFormedMessagesPassWhole_data();
    void wellFormedMessagesPassWhole();
    void malformedMessagesEndTheSession_data();
    void malformedMessagesEndTheSession();
    void longCutTextIsDropped();
    void serverBytesPassUnchanged();
    void clientRunningAheadIsBounded();
};

// The viewer sees Qt's server as it is for 3.3, and the security list and
// result of its own version for 3.7 and 3.8; the server always sees 3.3,
// the viewer's shared flag, then a pixel format of its own.
void TestRfbSession::handshakeInEachVersion_data()
{
    QTest::addColumn<QByteArray>("version");
    QTest::addColumn<QByteArray>("choice");          // the viewer's security choice (3.7, 3.8)
    QTest::addColumn<QByteArray>("securityToViewer"); // what the viewer reads after its version
    QTest::addColumn<QByteArray>("resultToViewer");   // what it reads after its choice
    QTest::newRow("3.3") << QByteArray("RFB 003.003\n") << QByteArray() << ServerSecurity << QByteArray();
    QTest::newRow("3.7") << QByteArray("RFB 003.007\n") << hex("01") << hex("0101") << QByteArray();
    QTest::newRow("3.8") << QByteArray("RFB 003.008\n") << hex("01") << hex("0101") << hex("00000000");
}

void TestRfbSession::handshakeInEachVersion()
{
    QFETCH(QByteArray, version);
    QFETCH(QByteArray, choice);
    QFETCH(QByteArray, securityToViewer);
    QFETCH(QByteArray, resultToViewer);
    RfbSession session;
    QByteArray toServer, toClient;
    QVERIFY(session.fromServer(ServerVersion, &toServer, &toClient));
    QCOMPARE(toClient, ServerVersion);
    toClient.clear();
    QVERIFY(session.fromClient(version, &toServer, &toClient));
    QCOMPARE(toServer, QByteArray("RFB 003.003\n"));
    toServer.clear();
    QVERIFY(session.fromServer(ServerSecurity, &toServer, &toClient));
    QCOMPARE(toClient, securityToViewer);
    toClient.clear();
    if (!choice.isEmpty()) {
        QVERIFY(session.fromClient(choice, &toServer, &toClient));
        QCOMPARE(toClient, resultToViewer);
        QVERIFY(toServer.isEmpty());
        toClient.clear();
    }
    QVERIFY(session.fromClient(hex("01"), &toServer, &toClient));
    QCOMPARE(toServer, hex("01"));
    toServer.clear();
    QVERIFY(!session.isEstablished());
    // The greeting in two parts: nothing goes on before it is whole.
    QVERIFY(session.fromServer(ServerInit.left(26), &toServer, &toClient));
    QVERIFY(toClient.isEmpty());
    QVERIFY(session.fromServer(ServerInit.mid(26), &toServer, &toClient));
    QCOMPARE(toClient, ServerInit);
    QCOMPARE(toServer, DefaultFormat);
    QVERIFY(session.isEstablished());
}

void TestRfbSession::handshakeRefusals_data()
{
    QTest::addColumn<QByteArray>("version");
    QTest::addColumn<QByteArray>("choice");
    QTest::newRow("unknown version") << QByteArray("RFB 004.001\n") << QByteArray();
    QTest::newRow("not a version") << QByteArray("GET / HTTP/1") << QByteArray();
    QTest::newRow("3.8 choosing a password") << QByteArray("RFB 003.008\n") << hex("02");
    QTest::newRow("3.7 choosing nothing") << QByteArray("RFB 003.007\n") << hex("00");
}

void TestRfbSession::handshakeRefusals()
{
    QFETCH(QByteArray, version);
    QFETCH(QByteArray, choice);
    RfbSession session;
    QByteArray toServer, toClient;
    QVERIFY(session.fromServer(ServerVersion, &toServer, &toClient));
    QVERIFY(session.fromServer(ServerSecurity, &toServer, &toClient));
    const bool accepted = session.fromClient(version + choice, &toServer, &toClient);
    QVERIFY(!accepted);
    QVERIFY(!session.error().isEmpty());
    // Neither the choice nor a shared flag after it reaches the server.
    QVERIFY(toServer.isEmpty() || toServer == QByteArray("RFB 003.003\n"));
}

// Each message reaches the server only once it is whole, unchanged, even
// when it comes a byte at a time.
void TestRfbSession::wellFormedMessagesPassWhole_data()
{
    QTest::addColumn<QByteArray>("message");
    QTest::newRow("SetPixelFormat 32 bits") << hex("00000000" "20180001" "00ff00ff00ff" "100800" "000000");
    QTest::newRow("SetPixelFormat 16 bits 565") << hex("00000000" "10100101" "001f003f001f" "0b0500" "000000");
    QTest::newRow("SetPixelFormat 8 bits 332") << hex("00000000" "08080001" "000700070003" "050200" "000000");
    QTest::newRow("SetEncodings none") << hex("02000000");
    QTest::newRow("SetEncodings raw and cursor") << hex("02000002" "00000000" "ffffff11");
    QTest::newRow("FramebufferUpdateRequest") << hex("030000000000014000f0");
    QTest::newRow("KeyEvent") << hex("0401000000000073");
    QTest::newRow("PointerEvent") << hex("0501005a0078");
    QTest::newRow("ClientCutText empty") << hex("0600000000000000");
    QTest::newRow("ClientCutText short") << hex("0600000000000003") + QByteArray("abc");
    QTest::newRow("ClientCutText at the bound")
        << hex("06000000") + QByteArray::fromHex("00001000") + QByteArray(int(RfbSession::MaxCutText), 'x');
}

void TestRfbSession::wellFormedMessagesPassWhole()
{
    QFETCH(QByteArray, message);
    RfbSession session;
    shakeHands(session);
    QByteArray toServer, toClient;
    for (int i = 0; i < message.size() - 1; ++i)
        QVERIFY(session.fromClient(message.mid(i, 1), &toServer, &toClient));
    QVERIFY(toServer.isEmpty());
    QVERIFY(session.fromClient(message.right(1) + hex("0501005a0078"), &toServer, &toClient));
    QCOMPARE(toServer, message + hex("0501005a0078"));
    QVERIFY(toClient.isEmpty());
}

// What brought Qt's server down, and what it could not serve: the session
// ends and nothing of the message reaches the server.
void TestRfbSession::malformedMessagesEndTheSession_data()
{
    QTest::addColumn<QByteArray>("message");
    QTest::newRow("unknown type 1") << hex("01000000");
    QTest::newRow("unknown type 7") << hex("07000000");
    QTest::newRow("unknown type 255") << hex("ff");
    QTest::newRow("colour map format") << hex("00000000" "08080000" "000700070003" "050200" "000000");
    QTest::newRow("24 bits a pixel") << hex("00000000" "18180001" "00ff00ff00ff" "100800" "000000");
    QTest::newRow("depth over the pixel") << hex("00000000" "10200001" "001f003f001f" "0b0500" "000000");
    QTest::newRow("channel maximum not 2^n-1") << hex("00000000" "20180001" "00fe00ff00ff" "100800" "000000");
    QTest::newRow("channel of 16 bits") << hex("00000000" "20200001" "ffff00ff00ff" "100800" "000000");
    QTest::newRow("channel past the pixel") << hex("00000000" "10100001" "001f003f001f" "0e0500" "000000");
    QTest::newRow("too many encodings") << hex("02000101");
    QTest::newRow("cut text of 0x80000010") << hex("0600000080000010") + QByteArray(16, 'x');
    QTest::newRow("cut text over the dropped bound") << hex("0600000000100001");
}

void TestRfbSession::malformedMessagesEndTheSession()
{
    QFETCH(QByteArray, message);
    RfbSession session;
    shakeHands(session);
    QByteArray toServer, toClient;
    QVERIFY(!session.fromClient(message, &toServer, &toClient));
    QVERIFY(toServer.isEmpty());
    QVERIFY(!session.error().isEmpty());
    // Once ended, the session takes nothing more.
    QVERIFY(!session.fromClient(hex("0501005a0078"), &toServer, &toClient));
    QVERIFY(toServer.isEmpty());
}

// Text longer than the bound is read and dropped, and the messages after
// it go on.
void TestRfbSession::longCutTextIsDropped()
{
    RfbSession session;
    shakeHands(session);
    QByteArray toServer, toClient;
    const quint32 length = RfbSession::MaxCutText + 1;
    QByteArray header = hex("06000000") + QByteArray(4, '\0');
    qToBigEndian(length, header.data() + 4);
    QVERIFY(session.fromClient(header + QByteArray(1000, 'x'), &toServer, &toClient));
    QVERIFY(session.fromClient(QByteArray(int(length) - 1000, 'y'), &toServer, &toClient));
    QVERIFY(toServer.isEmpty());
    QVERIFY(session.fromClient(hex("0401000000000073"), &toServer, &toClient));
    QCOMPARE(toServer, hex("0401000000000073"));
}

void TestRfbSession::serverBytesPassUnchanged()
{
    RfbSession session;
    shakeHands(session);
    QByteArray toServer, toClient;
    const QByteArray update = hex("000000010000000000010001000000000a0b0c0d");
    QVERIFY(session.fromServer(update, &toServer, &toClient));
    QCOMPARE(toClient, update);
    QVERIFY(toServer.isEmpty());
}

// A viewer that sends messages before the server's greeting is held, up
// to a bound.
void TestRfbSession::clientRunningAheadIsBounded()
{
    RfbSession session;
    QByteArray toServer, toClient;
    QVERIFY(session.fromServer(ServerVersion, &toServer, &toClient));
    QVERIFY(session.fromClient("RFB 003.003\n", &toServer, &toClient));
    QVERIFY(session.fromClient(hex("01") + hex("0501005a0078"), &toServer, &toClient));
    QCOMPARE(toServer, QByteArray("RFB 003.003\n"));
    QVERIFY(session.fromServer(ServerSecurity + ServerInit, &toServer, &toClient));
    // The shared flag, the server's format, then the held message.
    QCOMPARE(toServer, QByteArray("RFB 003.003\n") + hex("01") + DefaultFormat + hex("0501005a0078"));

    RfbSession flooded;
    toServer.clear();
    QVERIFY(flooded.fromServer(ServerVersion, &toServer, &toClient));
    QVERIFY(!flooded.fromClient("RFB 003.003\n" + QByteArray(RfbSession::MaxPending + 1, '\x05'), &toServer,
                                &toClient));
}

QTEST_GUILESS_MAIN(TestRfbSession)
#include "tst_rfbsession.moc"
