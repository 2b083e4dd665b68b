#include "rfbclient.h"

#include <QDataStream>
#include <QThread>
#include <QtEndian>

namespace {
enum ClientMessage : quint8 { SetPixelFormat = 0, SetEncodings = 2, UpdateRequest = 3, KeyEvent = 4, PointerEvent = 5 };
enum ServerMessage : quint8 { FramebufferUpdate = 0, ColourMap = 1, Bell = 2, CutText = 3 };
constexpr qint32 RawEncoding = 0;
constexpr quint32 SecurityNone = 1;
constexpr quint8 LeftButton = 1;

int remaining(const QElapsedTimer &clock, int timeoutMs)
{
    return qMax(0, timeoutMs - static_cast<int>(clock.elapsed()));
}

QByteArray bigEndian16(quint16 value)
{
    QByteArray bytes(2, '\0');
    qToBigEndian(value, bytes.data());
    return bytes;
}

QByteArray bigEndian32(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToBigEndian(value, bytes.data());
    return bytes;
}

quint16 u16(const QByteArray &data, int at)
{
    return qFromBigEndian<quint16>(data.constData() + at);
}

quint32 u32(const QByteArray &data, int at)
{
    return qFromBigEndian<quint32>(data.constData() + at);
}
} // namespace

bool RfbClient::fail(const QString &why)
{
    m_error = why;
    m_socket.abort();
    return false;
}

bool RfbClient::connectTo(quint16 port, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (remaining(clock, timeoutMs) > 0) {
        m_socket.abort();
        m_socket.connectToHost(QStringLiteral("127.0.0.1"), port);
        if (m_socket.waitForConnected(qMin(500, remaining(clock, timeoutMs))))
            return handshake(clock, timeoutMs);
        QThread::msleep(50);
    }
    return fail(QStringLiteral("no VNC server on port %1").arg(port));
}

bool RfbClient::readExactly(QByteArray *data, qint64 size, const QElapsedTimer &clock, int timeoutMs)
{
    data->clear();
    while (data->size() < size) {
        if (m_socket.bytesAvailable() == 0 && !m_socket.waitForReadyRead(remaining(clock, timeoutMs)))
            return fail(QStringLiteral("the server sent %1 of %2 bytes: %3")
                            .arg(data->size()).arg(size).arg(m_socket.errorString()));
        data->append(m_socket.read(size - data->size()));
    }
    return true;
}

bool RfbClient::send(const QByteArray &message)
{
    if (!isConnected())
        return fail(QStringLiteral("not connected"));
    m_socket.write(message);
    while (m_socket.bytesToWrite() > 0) {
        if (!m_socket.waitForBytesWritten(1000))
            return fail(QStringLiteral("cannot send: %1").arg(m_socket.errorString()));
    }
    return true;
}

bool RfbClient::handshake(const QElapsedTimer &clock, int timeoutMs)
{
    QByteArray data;
    if (!readExactly(&data, 12, clock, timeoutMs))
        return false;
    if (!data.startsWith("RFB 003."))
        return fail(QStringLiteral("not a VNC server: %1").arg(QString::fromLatin1(data.toHex())));
    const bool newer = data.mid(8, 3).toInt() >= 8;
    if (!send(newer ? QByteArrayLiteral("RFB 003.008\n") : QByteArrayLiteral("RFB 003.003\n")))
        return false;
    if (newer) {
        // A list of security types; the result follows the choice.
        if (!readExactly(&data, 1, clock, timeoutMs))
            return false;
        const int count = static_cast<quint8>(data.at(0));
        if (count == 0 || !readExactly(&data, count, clock, timeoutMs))
            return fail(QStringLiteral("the server offers no security type"));
        if (!data.contains(char(SecurityNone)))
            return fail(QStringLiteral("the server asks for a password"));
        if (!send(QByteArray(1, char(SecurityNone))) || !readExactly(&data, 4, clock, timeoutMs))
            return false;
        if (u32(data, 0) != 0)
            return fail(QStringLiteral("the server refused the connection"));
    } else {
        if (!readExactly(&data, 4, clock, timeoutMs))
            return false;
        if (u32(data, 0) != SecurityNone)
            return fail(QStringLiteral("the server asks for security type %1").arg(u32(data, 0)));
    }
    // Shared: another viewer may look on.
    if (!send(QByteArray(1, '\1')) || !readExactly(&data, 24, clock, timeoutMs))
        return false;
    const int width = u16(data, 0);
    const int height = u16(data, 2);
    const quint32 nameLength = u32(data, 20);
    if (width <= 0 || height <= 0 || nameLength > 4096 || !readExactly(&data, nameLength, clock, timeoutMs))
        return fail(QStringLiteral("bad server greeting"));
    m_frame = QImage(width, height, QImage::Format_RGB32);
    m_frame.fill(Qt::black);

    // 32 bits a pixel, little-endian, red in bits 16..23: QImage's RGB32.
    QByteArray format(4, '\0');
    format[0] = char(SetPixelFormat);
    format += QByteArray::fromHex("20180001" "00ff00ff00ff" "100800" "000000");
    QByteArray encodings(2, '\0');
    encodings[0] = char(SetEncodings);
    encodings += bigEndian16(1) + bigEndian32(RawEncoding);
    return send(format) && send(encodings);
}

bool RfbClient::readUpdate(const QElapsedTimer &clock, int timeoutMs)
{
    QByteArray data;
    for (;;) {
        if (!readExactly(&data, 1, clock, timeoutMs))
            return false;
        const quint8 type = static_cast<quint8>(data.at(0));
        if (type == FramebufferUpdate)
            break;
        if (type == Bell)
            continue;
        if (type == CutText) {
            if (!readExactly(&data, 7, clock, timeoutMs))
                return false;
            const quint32 length = u32(data, 3);
            if (length > (1u << 20) || !readExactly(&data, length, clock, timeoutMs))
                return fail(QStringLiteral("bad cut text"));
            continue;
        }
        if (type == ColourMap)
            return fail(QStringLiteral("the server sent a colour map for a true-colour format"));
        return fail(QStringLiteral("unknown server message %1").arg(type));
    }
    if (!readExactly(&data, 3, clock, timeoutMs))
        return false;
    const int rects = u16(data, 1);
    for (int i = 0; i < rects; ++i) {
        if (!readExactly(&data, 12, clock, timeoutMs))
            return false;
        const QRect rect(u16(data, 0), u16(data, 2), u16(data, 4), u16(data, 6));
        const qint32 encoding = static_cast<qint32>(u32(data, 8));
        if (encoding != RawEncoding || !m_frame.rect().contains(rect))
            return fail(QStringLiteral("unexpected rectangle (encoding %1)").arg(encoding));
        if (!readExactly(&data, qint64(rect.width()) * rect.height() * 4, clock, timeoutMs))
            return false;
        for (int y = 0; y < rect.height(); ++y)
            memcpy(m_frame.scanLine(rect.y() + y) + rect.x() * 4, data.constData() + y * rect.width() * 4,
                   size_t(rect.width()) * 4);
    }
    return true;
}

QImage RfbClient::frame(int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    // Whatever came before this request is stale.
    m_socket.readAll();
    QByteArray request(1, char(UpdateRequest));
    request += QByteArray(1, '\0') + bigEndian16(0) + bigEndian16(0) + bigEndian16(quint16(m_frame.width()))
        + bigEndian16(quint16(m_frame.height()));
    if (!send(request) || !readUpdate(clock, timeoutMs))
        return QImage();
    return m_frame.copy();
}

bool RfbClient::key(quint32 keysym, bool down)
{
    QByteArray message(1, char(KeyEvent));
    message += QByteArray(1, down ? '\1' : '\0') + QByteArray(2, '\0') + bigEndian32(keysym);
    return send(message);
}

bool RfbClient::press(const QPoint &point, bool down)
{
    QByteArray message(1, char(PointerEvent));
    message += QByteArray(1, char(down ? LeftButton : 0)) + bigEndian16(quint16(point.x()))
        + bigEndian16(quint16(point.y()));
    return send(message);
}

bool RfbClient::tap(const QPoint &point)
{
    return press(point, true) && press(point, false);
}

bool RfbClient::drag(const QPoint &from, const QPoint &to, int steps)
{
    if (!press(from, true))
        return false;
    for (int i = 1; i <= steps; ++i) {
        const QPoint at = from + (to - from) * i / steps;
        if (!press(at, true))
            return false;
        QThread::msleep(20);
    }
    return press(to, false);
}
