#include "messagebus.h"

#include "messagechannel.h"

#include <QMetaObject>
#include <QMutexLocker>
#include <QPointer>

MessageBus &MessageBus::instance()
{
    static MessageBus bus;
    return bus;
}

void MessageBus::subscribe(MessageChannel *listener)
{
    QMutexLocker lock(&m_mutex);
    m_listeners[listener->channel()].append(listener);
}

void MessageBus::unsubscribe(MessageChannel *listener)
{
    QMutexLocker lock(&m_mutex);
    auto it = m_listeners.find(listener->channel());
    if (it == m_listeners.end())
        return;
    it->removeAll(listener);
    if (it->isEmpty())
        m_listeners.erase(it);
}

bool MessageBus::send(const QString &channel, const QString &message, const QByteArray &data)
{
    QMutexLocker lock(&m_mutex);
    const QList<MessageChannel *> listeners = m_listeners.value(channel);
    for (MessageChannel *listener : listeners) {
        // Posted while the registry lock is held, so the listener cannot be
        // destroyed in between; a listener gone before delivery drops it.
        QMetaObject::invokeMethod(listener, [listener, message, data] {
            Q_EMIT listener->received(message, data);
        }, Qt::QueuedConnection);
    }
    return !listeners.isEmpty();
}

bool MessageBus::isRegistered(const QString &channel) const
{
    QMutexLocker lock(&m_mutex);
    return m_listeners.contains(channel);
}
