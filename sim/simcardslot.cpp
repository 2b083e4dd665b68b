#include "simcardslot.h"

#include "fiforeader.h"
#include "paths.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

int openFifo(const char *path)
{
    if (!FifoReader::ensureFifo(QLatin1String(path)))
        return -1;
    return ::open(Paths::resolveNative(QLatin1String(path)).constData(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
}

bool writeEvent(int fd, int value)
{
    if (fd < 0)
        return false;
    const qint32 event = value;
    ssize_t n;
    do {
        n = ::write(fd, &event, sizeof event);
    } while (n < 0 && errno == EINTR);
    return n == sizeof event;
}

} // namespace

SimCardSlot::~SimCardSlot()
{
    close();
}

bool SimCardSlot::open()
{
    close();
    m_card = openFifo("/dev/DM365-DETECT");
    m_usb = openFifo("/dev/DM365-USBDETECT");
    QFile partition(Paths::resolve(QStringLiteral("/dev/mmcblk0p1")));
    if (!partition.exists())
        partition.open(QIODevice::WriteOnly);
    return m_card >= 0 && m_usb >= 0;
}

void SimCardSlot::close()
{
    for (int *fd : {&m_card, &m_usb}) {
        if (*fd >= 0)
            ::close(*fd);
        *fd = -1;
    }
}

bool SimCardSlot::writeCard(int value)
{
    return writeEvent(m_card, value);
}

bool SimCardSlot::writeUsb(int value)
{
    return writeEvent(m_usb, value);
}
