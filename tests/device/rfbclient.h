#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QImage>
#include <QPoint>
#include <QString>
#include <QTcpSocket>

// A small VNC viewer for the device tests: protocol 3.3 or 3.8 without
// security, raw pixels only. It reads the frame buffer the program under
// test composes and sends it keys and touches, every wait bounded.
class RfbClient
{
public:
    // Connects and shakes hands; tries again until the server listens or
    // the time is up.
    bool connectTo(quint16 port, int timeoutMs);
    bool isConnected() const { return m_socket.state() == QAbstractSocket::ConnectedState; }
    QString error() const { return m_error; }
    QSize size() const { return m_frame.size(); }

    // The whole frame buffer as it is now; null on failure.
    QImage frame(int timeoutMs = 3000);

    // keysym as X11 names them: a letter's is its lower-case code.
    bool key(quint32 keysym, bool down);
    bool tap(const QPoint &point);
    bool press(const QPoint &point, bool down);
    bool drag(const QPoint &from, const QPoint &to, int steps);

private:
    bool handshake(const QElapsedTimer &clock, int timeoutMs);
    bool readExactly(QByteArray *data, qint64 size, const QElapsedTimer &clock, int timeoutMs);
    bool readUpdate(const QElapsedTimer &clock, int timeoutMs);
    bool send(const QByteArray &message);
    bool fail(const QString &why);

    QTcpSocket m_socket;
    QImage m_frame;
    QString m_error;
};
