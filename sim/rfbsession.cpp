#include "rfbsession.h"

#include <QtEndian>

namespace {
enum ClientMessage : quint8 {
    SetPixelFormat = 0,
    SetEncodings = 2,
    FramebufferUpdateRequest = 3,
    KeyEvent = 4,
    PointerEvent = 5,
    ClientCutText = 6,
};
constexpr int VersionLength = 12;
constexpr int PixelFormatLength = 16;
constexpr int ServerInitLength = 24; // size, pixel format, name length
constexpr quint32 MaxServerName = 4096;
constexpr quint32 SecurityNone = 1;

quint16 u16(const QByteArray &data, int at)
{
    return qFromBigEndian<quint16>(data.constData() + at);
}

quint32 u32(const QByteArray &data, int at)
{
    return qFromBigEndian<quint32>(data.constData() + at);
}

QByteArray bigEndian32(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToBigEndian(value, bytes.data());
    return bytes;
}

// Colour bits of a channel whose maximum is max: 1..8 when max is 2^n-1.
int channelBits(quint16 max)
{
    for (int bits = 1; bits <= 8; ++bits) {
        if (max == (1u << bits) - 1)
            return bits;
    }
    return 0;
}

// A pixel format Qt's server can convert to: true colour, 8, 16 or 32 bits
// a pixel, each channel of 1 to 8 bits inside the pixel. Qt drops a colour
// map viewer while it still reads from it, and takes the pixel's size
// straight from the message.
bool isServablePixelFormat(const char *format)
{
    const int bitsPerPixel = quint8(format[0]);
    const int depth = quint8(format[1]);
    const bool trueColour = format[3] != 0;
    if (!trueColour || (bitsPerPixel != 8 && bitsPerPixel != 16 && bitsPerPixel != 32))
        return false;
    if (depth == 0 || depth > bitsPerPixel)
        return false;
    for (int channel = 0; channel < 3; ++channel) {
        const int bits = channelBits(qFromBigEndian<quint16>(format + 4 + 2 * channel));
        const int shift = quint8(format[10 + channel]);
        if (bits == 0 || shift + bits > bitsPerPixel)
            return false;
    }
    return true;
}
} // namespace

bool RfbSession::fail(const QString &why)
{
    m_state = State::Failed;
    m_error = why;
    return false;
}

int RfbSession::reject(const QString &why)
{
    fail(why);
    return -1;
}

bool RfbSession::fromClient(const QByteArray &data, QByteArray *toServer, QByteArray *toClient)
{
    if (m_state == State::Failed)
        return false;
    m_client += data;
    return advance(toServer, toClient);
}

bool RfbSession::fromServer(const QByteArray &data, QByteArray *toServer, QByteArray *toClient)
{
    if (m_state == State::Failed)
        return false;
    if (m_state == State::Messages) {
        toClient->append(data);
        return true;
    }
    m_server += data;
    return advance(toServer, toClient);
}

bool RfbSession::advance(QByteArray *toServer, QByteArray *toClient)
{
    for (;;) {
        switch (m_state) {
        case State::ServerVersion:
            if (m_server.size() < VersionLength)
                break;
            toClient->append(m_server.left(VersionLength));
            m_server.remove(0, VersionLength);
            m_state = State::ClientVersion;
            continue;
        case State::ClientVersion: {
            if (m_client.size() < VersionLength)
                break;
            const QByteArray version = m_client.left(VersionLength);
            m_client.remove(0, VersionLength);
            if (version == "RFB 003.003\n")
                m_minorVersion = 3;
            else if (version == "RFB 003.007\n")
                m_minorVersion = 7;
            else if (version == "RFB 003.008\n")
                m_minorVersion = 8;
            else
                return fail(QStringLiteral("unknown protocol version %1").arg(QString::fromLatin1(version.toHex())));
            // Qt's server goes on only after 3.3.
            toServer->append("RFB 003.003\n");
            m_state = State::ServerSecurity;
            continue;
        }
        case State::ServerSecurity: {
            if (m_server.size() < 4)
                break;
            const quint32 type = u32(m_server, 0);
            if (m_minorVersion == 3) {
                toClient->append(m_server.left(4));
            } else {
                if (type != SecurityNone)
                    return fail(QStringLiteral("the server asks for security type %1").arg(type));
                toClient->append(QByteArray::fromHex("0101")); // one type: none
            }
            m_server.remove(0, 4);
            m_state = m_minorVersion == 3 ? State::ClientInit : State::ClientSecurity;
            continue;
        }
        case State::ClientSecurity:
            if (m_client.isEmpty())
                break;
            if (quint8(m_client.at(0)) != SecurityNone)
                return fail(QStringLiteral("the viewer chose a security type that was not offered"));
            m_client.remove(0, 1);
            if (m_minorVersion == 8)
                toClient->append(bigEndian32(0)); // security result: passed
            m_state = State::ClientInit;
            continue;
        case State::ClientInit:
            if (m_client.isEmpty())
                break;
            toServer->append(m_client.left(1));
            m_client.remove(0, 1);
            m_state = State::ServerInit;
            continue;
        case State::ServerInit: {
            if (m_server.size() < ServerInitLength)
                break;
            const quint32 nameLength = u32(m_server, 20);
            if (nameLength > MaxServerName)
                return fail(QStringLiteral("the server's name is %1 bytes long").arg(nameLength));
            if (m_server.size() < ServerInitLength + int(nameLength))
                break;
            const QByteArray format = m_server.mid(4, PixelFormatLength);
            toClient->append(m_server);
            m_server.clear();
            if (isServablePixelFormat(format.constData())) {
                QByteArray setFormat(4, '\0');
                setFormat[0] = char(SetPixelFormat);
                toServer->append(setFormat + format);
            }
            m_state = State::Messages;
            continue;
        }
        case State::Messages:
            while (!m_client.isEmpty()) {
                const int taken = clientMessage(toServer);
                if (taken < 0)
                    return false;
                if (taken == 0)
                    break;
                m_client.remove(0, taken);
            }
            break;
        case State::Failed:
            return false;
        }
        break;
    }
    if (m_client.size() > MaxPending)
        return fail(QStringLiteral("the viewer sent %1 bytes ahead of the protocol").arg(m_client.size()));
    return true;
}

int RfbSession::clientMessage(QByteArray *toServer)
{
    if (m_discarding > 0) {
        const int dropped = int(qMin<qint64>(m_discarding, m_client.size()));
        m_discarding -= quint32(dropped);
        return dropped;
    }
    const int available = m_client.size();
    auto whole = [&](int length) {
        if (available < length)
            return 0;
        toServer->append(m_client.left(length));
        return length;
    };
    const quint8 type = quint8(m_client.at(0));
    switch (type) {
    case SetPixelFormat:
        if (available < 4 + PixelFormatLength)
            return 0;
        if (!isServablePixelFormat(m_client.constData() + 4))
            return reject(QStringLiteral("a pixel format the server cannot serve: %1")
                            .arg(QString::fromLatin1(m_client.mid(4, PixelFormatLength).toHex())));
        return whole(4 + PixelFormatLength);
    case SetEncodings: {
        if (available < 4)
            return 0;
        const int count = u16(m_client, 2);
        if (count > MaxEncodings)
            return reject(QStringLiteral("%1 encodings").arg(count));
        return whole(4 + 4 * count);
    }
    case FramebufferUpdateRequest:
        return whole(10);
    case KeyEvent:
        return whole(8);
    case PointerEvent:
        return whole(6);
    case ClientCutText: {
        if (available < 8)
            return 0;
        const quint32 length = u32(m_client, 4);
        if (length <= MaxCutText)
            return whole(8 + int(length));
        if (length > MaxDiscardedCutText)
            return reject(QStringLiteral("cut text of %1 bytes").arg(length));
        m_discarding = length;
        return 8;
    }
    default:
        return reject(QStringLiteral("unknown client message %1").arg(type));
    }
}
