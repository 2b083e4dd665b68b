#include "simaudiodevice.h"

#include "intervals.h"
#include "paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <cerrno>
#include <cmath>
#include <cstring>

SimAudioDevice::SimAudioDevice() = default;

SimAudioDevice::SimAudioDevice(const Switches &switches)
    : m_switches(switches)
{
}

void SimAudioDevice::install()
{
    install(Switches());
}

void SimAudioDevice::install(const Switches &switches)
{
    AudioDevice::installFactory([switches] { return std::make_shared<SimAudioDevice>(switches); });
}

void SimAudioDevice::uninstall()
{
    AudioDevice::installFactory(nullptr);
}

QByteArray SimAudioDevice::tone(int bytes)
{
    // 500 Hz at a third of full scale: 16 samples a period at 8000 Hz.
    QByteArray out(qMax(0, bytes) & ~1, Qt::Uninitialized);
    for (int i = 0; i + 1 < out.size(); i += 2) {
        const qint16 s = static_cast<qint16>(std::lround(10000.0 * std::sin(2.0 * M_PI * (i / 2) / 16.0)));
        out[i] = static_cast<char>(s & 0xff);
        out[i + 1] = static_cast<char>((s >> 8) & 0xff);
    }
    return out;
}

bool SimAudioDevice::open(Direction direction)
{
    close();
    if (m_switches.openFails) {
        errno = ENOENT;
        return false;
    }
    m_direction = direction;
    m_blocks = 0;
    m_delivered = 0;
    m_buffered = 0;
    m_lastDrainMs = 0;
    if (direction == Capture) {
        QFile file(Paths::resolve(capturePath()));
        m_source = file.open(QIODevice::ReadOnly) ? file.read(64 * 1024 * 1024) : QByteArray();
        if (m_source.size() < 2)
            m_source = tone(BytesPerSecond);
        m_sourcePos = 0;
    } else {
        QDir().mkpath(QFileInfo(Paths::resolve(playbackPath())).absolutePath());
    }
    m_clock.start();
    m_open = true;
    return true;
}

void SimAudioDevice::close()
{
    m_open = false;
    m_source.clear();
}

bool SimAudioDevice::set(Setting setting, int *value)
{
    if (!m_open || !value) {
        errno = EBADF;
        return false;
    }
    if (m_switches.refusedSetting == setting) {
        errno = EINVAL;
        return false;
    }
    return true;
}

bool SimAudioDevice::blockFails()
{
    if (m_switches.failAfterBlocks >= 0 && m_blocks >= m_switches.failAfterBlocks) {
        errno = EIO;
        return true;
    }
    ++m_blocks;
    return false;
}

qint64 SimAudioDevice::msFor(qint64 bytes) const
{
    return bytes * Intervals::ms(1000) / BytesPerSecond;
}

qint64 SimAudioDevice::read(char *data, qint64 maxBytes)
{
    if (!m_open || m_direction != Capture || !data || maxBytes <= 0) {
        errno = EBADF;
        return -1;
    }
    if (blockFails())
        return -1;
    // A microphone gives its sound in real time: wait for the block.
    const qint64 due = msFor(m_delivered + maxBytes) - m_clock.elapsed();
    if (due > 0)
        QThread::msleep(static_cast<unsigned long>(due));
    for (qint64 i = 0; i < maxBytes; ++i) {
        data[i] = m_source.at(static_cast<int>(m_sourcePos));
        m_sourcePos = (m_sourcePos + 1) % m_source.size();
    }
    m_delivered += maxBytes;
    return maxBytes;
}

qint64 SimAudioDevice::write(const char *data, qint64 bytes)
{
    if (!m_open || m_direction != Playback || !data || bytes < 0) {
        errno = EBADF;
        return -1;
    }
    if (blockFails())
        return -1;
    const qint64 now = m_clock.elapsed();
    if (!m_switches.stalled) {
        const qint64 second = qMax<qint64>(1, Intervals::ms(1000));
        const qint64 drained = (now - m_lastDrainMs) * BytesPerSecond / second;
        if (drained > 0) {
            m_buffered = qMax<qint64>(0, m_buffered - drained);
            m_lastDrainMs = now;
        }
    }
    if (m_buffered == 0)
        m_lastDrainMs = now;
    const qint64 taken = qMin(bytes, qMax<qint64>(0, m_switches.bufferBytes - m_buffered));
    if (taken == 0)
        return 0;
    QFile file(Paths::resolve(playbackPath()));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append) || file.write(data, taken) != taken) {
        errno = EIO;
        return -1;
    }
    m_buffered += taken;
    return taken;
}
