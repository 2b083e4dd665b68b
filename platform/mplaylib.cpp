#include "mplaylib.h"

#include "installedfactory.h"
#include "mpvplayer.h"

#include <QPointer>

namespace {
InstalledFactory<MplayLib::Factory> s_factory;
// GUI thread only, like the players themselves.
QPointer<MplayLib> s_active;
} // namespace

MplayLib::MplayLib(QObject *parent)
    : QObject(parent)
{
    s_active = this;
}

MplayLib::~MplayLib() = default;

MplayLib *MplayLib::active()
{
    return s_active;
}

MplayLib *MplayLib::create()
{
    return s_factory.make([]() -> MplayLib * { return new MpvPlayer; });
}

void MplayLib::installFactory(Factory factory)
{
    s_factory.install(std::move(factory));
}

void MplayLib::reportState(State state)
{
    m_state = state;
    if (state == stStopped)
        m_position = 0;
    Q_EMIT stateChange(state);
    if (state == stStopped)
        Q_EMIT finished();
}

void MplayLib::reportPosition(int second)
{
    m_position = second;
    Q_EMIT starttime(second);
}

void MplayLib::reportLength(int length)
{
    Q_EMIT endtime(length);
}
