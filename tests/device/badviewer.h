#pragma once

// Viewers that break the RFB protocol, as anyone who reaches a VNC port
// may: the table of them (addRows(), columns "handshake", "payload",
// "answered") and one such session. Before the forwarder stood in front of
// Qt's vnc server, the update request, the cut text and the random bytes
// ended the program.

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTcpSocket>
#include <QtEndian>
#include <QtTest>

#include <memory>

namespace BadViewer {
constexpr int StepMs = 5000;

inline QByteArray readExactly(QTcpSocket &socket, int size)
{
    QByteArray data;
    while (data.size() < size && (socket.bytesAvailable() > 0 || socket.waitForReadyRead(StepMs)))
        data += socket.read(size - data.size());
    return data;
}

// The 3.3 handshake as a viewer answers Qt's server; true once the
// server's greeting is read.
inline bool shakeHands(QTcpSocket &socket)
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
inline QByteArray randomBytes(int size)
{
    QRandomGenerator generator(2);
    QByteArray bytes(size, '\0');
    for (char &byte : bytes)
        byte = char(generator.bounded(256));
    return bytes;
}

inline void addRows()
{
    QTest::addColumn<bool>("handshake"); // the payload follows the server's greeting
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<bool>("answered"); // the viewer gets its update; else its connection ends
    const QByteArray encodingsRaw = QByteArray::fromHex("0200000100000000");
    const QByteArray updateRequest = QByteArray::fromHex("030000000000014000f0");
    QTest::newRow("update request before pixel format") << true << encodingsRaw + updateRequest << true;
    QTest::newRow("cut text of 0x80000010") << true << QByteArray::fromHex("0600000080000010") + QByteArray(64, 'x')
                                            << false;
    QTest::newRow("random bytes") << true << randomBytes(4096) << false;
    QTest::newRow("truncated message then close") << true << QByteArray::fromHex("040100") << false;
    QTest::newRow("unknown message type") << true << QByteArray::fromHex("0a00000000000000") + updateRequest
                                          << false;
}

// Connects, shakes hands when asked, sends the payload; a truncated
// message's viewer then leaves. Null when the server does not answer.
inline std::unique_ptr<QTcpSocket> play(quint16 port, bool handshake, const QByteArray &payload)
{
    auto socket = std::make_unique<QTcpSocket>();
    socket->connectToHost(QStringLiteral("127.0.0.1"), port);
    if (!socket->waitForConnected(StepMs) || (handshake && !shakeHands(*socket)))
        return nullptr;
    socket->write(payload);
    while (socket->bytesToWrite() > 0 && socket->waitForBytesWritten(StepMs)) {
    }
    if (payload.size() < 4)
        socket->disconnectFromHost();
    return socket;
}

// The bad viewer got the update it asked for, or lost its own connection.
inline bool answeredOrClosed(QTcpSocket &socket, bool answered)
{
    if (answered)
        return readExactly(socket, 4).left(2) == QByteArray::fromHex("0000"); // a FramebufferUpdate
    QElapsedTimer clock;
    clock.start();
    while (socket.state() != QAbstractSocket::UnconnectedState && clock.elapsed() < StepMs) {
        socket.waitForReadyRead(100);
        socket.readAll();
    }
    return socket.state() == QAbstractSocket::UnconnectedState;
}
} // namespace BadViewer
