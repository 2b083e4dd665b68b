#include "simrtc.h"

#include "atomicfile.h"
#include "paths.h"

#include <QFile>

#include <cstdio>
#include <cstring>

SimRtc::SimRtc(const QString &file)
    : m_file(file)
{
    if (m_file.isEmpty())
        return;
    QFile stored(Paths::resolve(m_file));
    if (stored.open(QIODevice::ReadOnly)) {
        const QByteArray bytes = stored.read(sizeof(RtcRecord));
        if (bytes.size() == int(sizeof(RtcRecord)))
            std::memcpy(&m_record, bytes.constData(), sizeof(RtcRecord));
    }
}

void SimRtc::install(const std::shared_ptr<SimRtc> &rtc)
{
    if (!rtc) {
        RtcDevice::installFactory(nullptr);
        return;
    }
    RtcDevice::installFactory([rtc]() -> std::shared_ptr<RtcDevice> { return rtc; });
}

// Failures print what the driver's node would.
bool SimRtc::read(RtcRecord *record)
{
    ++m_reads;
    if (m_failRead) {
        std::puts("ioctl X1205_CMD_GETDATETIME is failed !");
        std::fflush(stdout);
        return false;
    }
    *record = m_record;
    return true;
}

bool SimRtc::write(const RtcRecord &record)
{
    if (m_failWrite) {
        std::puts("ioctl X1205_CMD_SETDATETIME is failed !");
        std::fflush(stdout);
        return false;
    }
    ++m_writes;
    m_record = record;
    if (!m_file.isEmpty())
        AtomicFile::write(m_file, QByteArray(reinterpret_cast<const char *>(&m_record), sizeof(RtcRecord)));
    return true;
}
