#include "audiodevicefile.h"

#include "osssound.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

AudioDeviceFile::AudioDeviceFile()
    : m_file(QString::fromLatin1(path()))
{
}

bool AudioDeviceFile::open(Direction direction)
{
    return m_file.open(direction == Capture ? O_RDONLY : O_RDWR | O_NONBLOCK);
}

void AudioDeviceFile::close()
{
    m_file.close();
}

bool AudioDeviceFile::isOpen() const
{
    return m_file.isOpen();
}

bool AudioDeviceFile::set(Setting setting, int *value)
{
    static const unsigned long requests[] = {OssSound::SNDCTL_DSP_CHANNELS, OssSound::SNDCTL_DSP_SETFMT,
                                             OssSound::SNDCTL_DSP_SPEED};
    return value && m_file.control(requests[setting], value);
}

qint64 AudioDeviceFile::read(char *data, qint64 maxBytes)
{
    if (!m_file.isOpen() || !data || maxBytes <= 0)
        return -1;
    ssize_t n;
    do {
        n = ::read(m_file.fd(), data, static_cast<size_t>(maxBytes));
    } while (n < 0 && errno == EINTR);
    return n;
}

qint64 AudioDeviceFile::write(const char *data, qint64 bytes)
{
    if (!m_file.isOpen() || !data || bytes < 0)
        return -1;
    ssize_t n;
    do {
        n = ::write(m_file.fd(), data, static_cast<size_t>(bytes));
    } while (n < 0 && errno == EINTR);
    if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
        return 0;
    return n;
}
