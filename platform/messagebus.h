#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QMutex>
#include <QString>

class MessageChannel;

// The process's channel registry behind MessageChannel. Thread-safe: any
// thread may send; delivery is posted to each listener's own thread.
class MessageBus
{
public:
    static MessageBus &instance();

    void subscribe(MessageChannel *listener);
    void unsubscribe(MessageChannel *listener);
    bool send(const QString &channel, const QString &message, const QByteArray &data);
    bool isRegistered(const QString &channel) const;

private:
    MessageBus() = default;

    mutable QMutex m_mutex;
    QHash<QString, QList<MessageChannel *>> m_listeners;
};
