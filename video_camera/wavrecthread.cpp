#include "wavrecthread.h"

#include "audiodevice.h"
#include "encoderlink.h"
#include "mediarecorder.h"
#include "mixer.h"
#include "osssound.h"
#include "sharedmemory.h"
#include "voicenotesegment.h"

#include <cstdio>
#include <cstring>

WavRecThread::WavRecThread(MediaRecorder *recorder)
    : m_recorder(recorder)
{
}

void WavRecThread::setWavRecFlag(bool stop)
{
    QMutexLocker lock(&m_flagLock);
    m_stop = stop;
}

bool WavRecThread::getWavRecFlag()
{
    QMutexLocker lock(&m_flagLock);
    return m_stop;
}

int WavRecThread::audioConfig(AudioDevice *device, unsigned char channels, unsigned char bits, unsigned int rate)
{
    const int format = bits == 16 ? OssSound::AFMT_S16_LE : bits;
    return device->configure(channels, format, static_cast<int>(rate)) ? 0 : -1;
}

void WavRecThread::audioSetVolume(int level)
{
    Mixer::setRecordingVolume(level);
}

void WavRecThread::run()
{
    const std::shared_ptr<AudioDevice> device = AudioDevice::create();
    if (!device->open(AudioDevice::Capture)) {
        std::fprintf(stderr, "Open /dev/dsp Fail File %s Line %d\n", __FILE__, __LINE__);
        return;
    }
    if (audioConfig(device.get(), 1, 16, 8000) < 0) {
        std::fprintf(stderr, "audio Config Fail File %s Line %d\n", __FILE__, __LINE__);
        device->close();
        return;
    }
    audioSetVolume(100);

    SharedMemory segment;
    const bool stored = VoiceNoteSegment::open(&segment);
    // Never past the segment: a smaller one found under the key ends the
    // recording when it is full.
    const qint64 room = stored ? qMin<qint64>(segment.size(), EncoderLink::VoiceNoteSize) : EncoderLink::VoiceNoteSize;
    char block[BlockBytes];
    qint64 count = 0;
    for (;;) {
        const qint64 n = device->read(block, BlockBytes);
        if (n <= 0) {
            std::fprintf(stderr, "audio Read Fail File %s Line %d\n", __FILE__, __LINE__);
            break;
        }
        if (count + n > room)
            break;
        if (stored)
            std::memcpy(static_cast<char *>(segment.data()) + count, block, static_cast<size_t>(n));
        count += n;
        m_recorder->setSoundBuffer(block, static_cast<int>(n), static_cast<int>(count));
        if (getWavRecFlag())
            break;
    }
    std::fprintf(stderr, "WavRecThread: capture ended after %lld bytes\n", static_cast<long long>(count));
    setWavRecFlag(false);
    device->close();
}
