#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

// One listener on a named in-process channel ("emaininterface",
// "VYX/SDCard", …). Messages arrive queued, on the thread this object lives
// in, in the order they were sent.
class MessageChannel : public QObject
{
    Q_OBJECT
public:
    explicit MessageChannel(const QString &channel, QObject *parent = nullptr);
    ~MessageChannel() override;

    QString channel() const { return m_channel; }

    // Sends to every listener of the channel; true when at least one listens.
    static bool send(const QString &channel, const QString &message, const QByteArray &data = QByteArray());
    static bool isRegistered(const QString &channel);

Q_SIGNALS:
    void received(const QString &message, const QByteArray &data);

private:
    const QString m_channel;
};
