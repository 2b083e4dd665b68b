#include "idlewatcher.h"

IdleWatcher *IdleWatcher::instance()
{
    static IdleWatcher *s_instance = new IdleWatcher;
    return s_instance;
}

void IdleWatcher::setIntervalMs(int ms)
{
    m_intervalMs = qMax(0, ms);
}
