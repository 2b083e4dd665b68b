#pragma once

#include <QByteArray>
#include <QString>

// One viewer's session as VncForwarder sees it: the bytes a viewer sends
// reach Qt's vnc server only as whole, well-formed RFB client messages of
// bounded size, and what that server does not do itself is answered here.
// Qt's server offers protocol 3.3; a viewer may answer 3.3, 3.7 or 3.8 (the
// security list of the later two is spoken here, as the server has none).
// Once the server's greeting has passed, a SetPixelFormat with the format
// it announced goes to it first: it has no pixel format of its own until a
// viewer sends one. Cut text up to MaxCutText bytes is passed on, longer
// text up to MaxDiscardedCutText is read and dropped, anything else ends
// the session. The server's bytes reach the viewer unchanged once the
// handshake is over.
class RfbSession
{
public:
    static constexpr int MaxEncodings = 256;
    static constexpr quint32 MaxCutText = 4096;
    static constexpr quint32 MaxDiscardedCutText = 1u << 20;
    // Bytes a viewer may send ahead of what the protocol lets it send.
    static constexpr int MaxPending = 16 * 1024;

    // Each returns false when the session must end (the reason in error());
    // what is to be sent on is appended to toServer and toClient.
    bool fromClient(const QByteArray &data, QByteArray *toServer, QByteArray *toClient);
    bool fromServer(const QByteArray &data, QByteArray *toServer, QByteArray *toClient);

    // The handshake is over: client messages flow.
    bool isEstablished() const { return m_state == State::Messages; }
    QString error() const { return m_error; }

private:
    enum class State {
        ServerVersion,  // the server's 12 bytes
        ClientVersion,  // the viewer's 12 bytes
        ServerSecurity, // the server's 3.3 security type
        ClientSecurity, // 3.7/3.8: the viewer's choice from the list
        ClientInit,     // the viewer's shared flag
        ServerInit,     // the server's size, pixel format and name
        Messages,
        Failed,
    };

    bool advance(QByteArray *toServer, QByteArray *toClient);
    // One client message from m_client, when it is all there; -1 when it is
    // malformed, 0 when more bytes are needed, else the bytes it took.
    int clientMessage(QByteArray *toServer);
    bool fail(const QString &why);
    int reject(const QString &why);

    State m_state = State::ServerVersion;
    int m_minorVersion = 3;
    QByteArray m_client;
    QByteArray m_server;
    quint32 m_discarding = 0;
    QString m_error;
};
