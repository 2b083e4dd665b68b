#pragma once

#include <sys/ioctl.h>

// The few OSS requests and values the sound and mixer nodes take, encoded
// the way the sound drivers decode them (direction, type letter, number and
// argument size), so no sound header of the platform is needed.
struct OssSound
{
    static constexpr unsigned long SNDCTL_DSP_SPEED = _IOWR('P', 2, int);
    static constexpr unsigned long SNDCTL_DSP_SETFMT = _IOWR('P', 5, int);
    static constexpr unsigned long SNDCTL_DSP_CHANNELS = _IOWR('P', 6, int);
    static constexpr unsigned long SOUND_MIXER_READ_VOLUME = _IOR('M', 0, int);
    static constexpr unsigned long SOUND_MIXER_WRITE_VOLUME = _IOWR('M', 0, int);
    static constexpr unsigned long SOUND_MIXER_READ_DEVMASK = _IOR('M', 0xfe, int);
    // Signed 16-bit little-endian samples.
    static constexpr int AFMT_S16_LE = 0x10;
};
