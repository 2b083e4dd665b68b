#include "simmixer.h"

#include "atomicfile.h"
#include "paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>

SimMixer::SimMixer() = default;

SimMixer::SimMixer(const Switches &switches)
    : m_switches(switches)
{
}

void SimMixer::install()
{
    install(Switches());
}

void SimMixer::install(const Switches &switches)
{
    Mixer::installFactory([switches] { return std::make_shared<SimMixer>(switches); });
}

void SimMixer::uninstall()
{
    Mixer::installFactory(nullptr);
}

int SimMixer::storedValue()
{
    QFile f(Paths::resolve(file()));
    bool ok = false;
    const int value = f.open(QIODevice::ReadOnly) ? f.read(32).trimmed().toInt(&ok) : 0;
    return ok && value >= 0 && value <= 0xffff ? value : 75 + 256 * 75;
}

bool SimMixer::open()
{
    if (m_switches.openFails) {
        errno = ENOENT;
        return false;
    }
    m_open = true;
    return true;
}

bool SimMixer::readDeviceMask(int *mask)
{
    if (!m_open || !mask)
        return false;
    *mask = DeviceMask;
    return true;
}

bool SimMixer::readVolume(int *value)
{
    if (!m_open || !value)
        return false;
    *value = storedValue();
    return true;
}

bool SimMixer::writeVolume(int value)
{
    if (!m_open || m_switches.writeRefused || value < 0 || value > 0xffff) {
        errno = EINVAL;
        return false;
    }
    QDir().mkpath(QFileInfo(Paths::resolve(file())).absolutePath());
    return AtomicFile::write(file(), QByteArray::number(value));
}
