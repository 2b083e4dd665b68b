#include "powerdevicefiles.h"

#include "processcommandrunner.h"

#include <fcntl.h>
#include <unistd.h>

PowerDeviceFiles::PowerDeviceFiles()
    : m_gpio(QString::fromLatin1(path(Gpio)))
    , m_pwm(QString::fromLatin1(path(Pwm)))
{
}

bool PowerDeviceFiles::open(Node node)
{
    return file(node).open(O_RDWR);
}

bool PowerDeviceFiles::isOpen(Node node) const
{
    return file(node).isOpen();
}

int PowerDeviceFiles::request(Node node, unsigned long request, int *argument)
{
    return file(node).controlResult(request, argument);
}

bool PowerDeviceFiles::sync()
{
    if (!ProcessCommandRunner::allowed())
        return false;
    ::sync();
    return true;
}
