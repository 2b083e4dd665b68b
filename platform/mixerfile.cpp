#include "mixerfile.h"

#include "osssound.h"

#include <fcntl.h>

MixerFile::MixerFile()
    : m_file(QString::fromLatin1(path()))
{
}

bool MixerFile::open()
{
    return m_file.open(O_RDWR);
}

void MixerFile::close()
{
    m_file.close();
}

bool MixerFile::readDeviceMask(int *mask)
{
    return mask && m_file.control(OssSound::SOUND_MIXER_READ_DEVMASK, mask);
}

bool MixerFile::readVolume(int *value)
{
    return value && m_file.control(OssSound::SOUND_MIXER_READ_VOLUME, value);
}

bool MixerFile::writeVolume(int value)
{
    return m_file.control(OssSound::SOUND_MIXER_WRITE_VOLUME, &value);
}
