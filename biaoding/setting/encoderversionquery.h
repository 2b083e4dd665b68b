#pragma once

#include <QByteArray>
#include <QObject>

class FifoReader;
class QTimer;

// Asks the encoder service for its version without blocking: the reply
// pipe is read on its own thread, the request goes through the FIFO
// writer, and a timer ends the wait after two seconds. finished() carries
// the reply (at most 128 bytes, up to its first zero byte, without its
// line end), or ok false when the service is absent or silent.
class EncoderVersionQuery : public QObject
{
    Q_OBJECT
public:
    enum { ReplyLimit = 128 };

    explicit EncoderVersionQuery(QObject *parent = nullptr);
    ~EncoderVersionQuery() override;

    void start();
    bool isRunning() const;
    QTimer *timer() const { return m_timer; }
    // The text a reply shows as.
    static QString replyText(const QByteArray &reply);

Q_SIGNALS:
    void finished(bool ok, const QString &version);

private:
    void received(const QByteArray &data);
    void finish(bool ok);

    FifoReader *m_reader = nullptr;
    QTimer *m_timer = nullptr;
    QByteArray m_reply;
};
