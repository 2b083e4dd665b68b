#include "messagechannel.h"

#include "messagebus.h"

MessageChannel::MessageChannel(const QString &channel, QObject *parent)
    : QObject(parent)
    , m_channel(channel)
{
    MessageBus::instance().subscribe(this);
}

MessageChannel::~MessageChannel()
{
    MessageBus::instance().unsubscribe(this);
}

bool MessageChannel::send(const QString &channel, const QString &message, const QByteArray &data)
{
    return MessageBus::instance().send(channel, message, data);
}

bool MessageChannel::isRegistered(const QString &channel)
{
    return MessageBus::instance().isRegistered(channel);
}
