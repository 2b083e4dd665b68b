#include "simpowerdevice.h"

#include <cerrno>

SimPowerDevice::SimPowerDevice(QObject *parent)
    : QObject(parent)
{
}

void SimPowerDevice::install(const std::shared_ptr<SimPowerDevice> &device)
{
    if (!device) {
        PowerDevice::installFactory(nullptr);
        return;
    }
    PowerDevice::installFactory([device] { return std::static_pointer_cast<PowerDevice>(device); });
}

bool SimPowerDevice::open(Node node)
{
    if (!m_present[node]) {
        errno = ENOENT;
        return false;
    }
    m_open[node] = true;
    return true;
}

bool SimPowerDevice::isOpen(Node node) const
{
    return m_open[node];
}

int SimPowerDevice::request(Node node, unsigned long request, int *argument)
{
    Event event;
    event.node = node;
    event.request = request;
    event.argument = argument ? *argument : 0;
    event.result = answer(node, request, argument);
    m_events.append(event);
    return event.result;
}

int SimPowerDevice::answer(Node node, unsigned long request, int *argument)
{
    if (!m_open[node] || !argument) {
        errno = EBADF;
        return -1;
    }
    if (m_failing[node].contains(request)) {
        errno = EIO;
        return -1;
    }
    const bool writeBack = !m_leaveArgument;
    if (node == Pwm) {
        if (request != PwmBacklight) {
            errno = EINVAL;
            return -1;
        }
        m_backlight = qBound(0, *argument, 8192);
        Q_EMIT linesChanged();
        return 0;
    }
    switch (request) {
    case GpioKill:
        if (*argument == 0) {
            m_killed = true;
            Q_EMIT linesChanged();
        }
        return 0;
    case GpioHold:
        m_hold = *argument != 0;
        return 0;
    case GpioSetLcd: {
        const bool on = *argument != 0;
        const bool changed = on != m_panel;
        m_panel = on;
        if (changed)
            Q_EMIT linesChanged();
        return changed ? 1 : 0;
    }
    case GpioGetLcd:
        if (writeBack)
            *argument = m_panel ? 1 : 0;
        return 0;
    case GpioFpgaOff:
    case GpioFpgaOn:
        m_fpga = request == GpioFpgaOn;
        if (writeBack)
            *argument = m_fpga ? 1 : 0;
        return 0;
    case GpioChargerStatus:
        if (writeBack)
            *argument = m_charger;
        return 0;
    default:
        errno = EINVAL;
        return -1;
    }
}

bool SimPowerDevice::sync()
{
    Event event;
    event.sync = true;
    m_events.append(event);
    return true;
}

void SimPowerDevice::setPanelOn(bool on)
{
    if (on == m_panel)
        return;
    m_panel = on;
    Q_EMIT linesChanged();
}

int SimPowerDevice::syncCount() const
{
    int n = 0;
    for (const Event &e : m_events)
        n += e.sync ? 1 : 0;
    return n;
}

int SimPowerDevice::indexOf(Node node, unsigned long request, int argument) const
{
    for (int i = 0; i < m_events.size(); ++i) {
        const Event &e = m_events.at(i);
        if (!e.sync && e.node == node && e.request == request && e.argument == argument)
            return i;
    }
    return -1;
}

int SimPowerDevice::indexOfSync() const
{
    for (int i = 0; i < m_events.size(); ++i) {
        if (m_events.at(i).sync)
            return i;
    }
    return -1;
}

void SimPowerDevice::setPresent(Node node, bool present)
{
    m_present[node] = present;
    if (!present)
        m_open[node] = false;
}

void SimPowerDevice::failRequest(Node node, unsigned long request)
{
    m_failing[node].insert(request);
}
