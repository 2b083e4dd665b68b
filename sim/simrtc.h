#pragma once

#include "rtcdevice.h"

#include <QString>

#include <memory>

// The clock chip off the board: holds the record, counts the writes and
// fails a read or a write on demand. With a file set (a path under the
// root) it keeps the record there, so it survives a restart of the simulator.
class SimRtc : public RtcDevice
{
public:
    explicit SimRtc(const QString &file = QString());

    // Makes rtc the one RtcDevice::create() hands out; null restores the node.
    static void install(const std::shared_ptr<SimRtc> &rtc);

    bool read(RtcRecord *record) override;
    bool write(const RtcRecord &record) override;

    RtcRecord record() const { return m_record; }
    int writeCount() const { return m_writes; }
    int readCount() const { return m_reads; }
    void setFailRead(bool fail) { m_failRead = fail; }
    void setFailWrite(bool fail) { m_failWrite = fail; }

private:
    QString m_file;
    RtcRecord m_record;
    int m_writes = 0;
    int m_reads = 0;
    bool m_failRead = false;
    bool m_failWrite = false;
};
