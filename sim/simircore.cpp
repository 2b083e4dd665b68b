#include "simircore.h"

#include "serial.h"

#include <QMutexLocker>

namespace {
SimIRCore *s_exported = nullptr;
}

SimIRCore::SimIRCore() = default;

void SimIRCore::setSerialSource(std::function<Serial *()> source)
{
    QMutexLocker lock(&m_mutex);
    m_serialSource = std::move(source);
}

void SimIRCore::failCall(const QString &name, int count)
{
    QMutexLocker lock(&m_mutex);
    m_failures.insert(name, count);
}

void SimIRCore::clearFailures()
{
    QMutexLocker lock(&m_mutex);
    m_failures.clear();
}

QStringList SimIRCore::log() const
{
    QMutexLocker lock(&m_mutex);
    return m_log;
}

QStringList SimIRCore::calls() const
{
    QMutexLocker lock(&m_mutex);
    return m_calls;
}

void SimIRCore::clearLog()
{
    QMutexLocker lock(&m_mutex);
    m_log.clear();
    m_calls.clear();
}

bool SimIRCore::isOpen() const { QMutexLocker lock(&m_mutex); return m_open; }
int SimIRCore::vfid() const { QMutexLocker lock(&m_mutex); return m_vfid; }
int SimIRCore::vsk() const { QMutexLocker lock(&m_mutex); return m_vsk; }
int SimIRCore::intTime() const { QMutexLocker lock(&m_mutex); return m_intTime; }
int SimIRCore::fir() const { QMutexLocker lock(&m_mutex); return m_fir; }
int SimIRCore::gain() const { QMutexLocker lock(&m_mutex); return m_gain; }
bool SimIRCore::heaterOn() const { QMutexLocker lock(&m_mutex); return m_heater; }
void SimIRCore::setADSum(uint32_t sum) { QMutexLocker lock(&m_mutex); m_adSum = sum; }
SimIRCore::KStep SimIRCore::kStep() const { QMutexLocker lock(&m_mutex); return m_kStep; }
int SimIRCore::kSaves() const { QMutexLocker lock(&m_mutex); return m_kSaves; }
bool SimIRCore::marking() const { QMutexLocker lock(&m_mutex); return m_marking; }
QVector<QPoint> SimIRCore::deadPoints() const { QMutexLocker lock(&m_mutex); return m_deadPoints; }
QStringList SimIRCore::bufferCommands() const { QMutexLocker lock(&m_mutex); return m_bufferCommands; }

void SimIRCore::exportAsLibrary(SimIRCore *core)
{
    s_exported = core;
}

SimIRCore *SimIRCore::exported()
{
    return s_exported;
}

// Called with the mutex held.
bool SimIRCore::admit(const char *name, const QString &arguments)
{
    const QString key = QLatin1String(name);
    m_calls.append(key);
    m_log.append(key + QLatin1Char('(') + arguments + QLatin1Char(')'));
    auto failure = m_failures.find(key);
    if (failure != m_failures.end()) {
        if (failure.value() > 0 && --failure.value() == 0)
            m_failures.erase(failure);
        return false;
    }
    return m_open || key == QLatin1String("Ctl_EMIF_Open");
}

int SimIRCore::done(int result)
{
    m_log.last() += QStringLiteral(" = %1").arg(result);
    return result;
}

int SimIRCore::Ctl_EMIF_Open()
{
    QMutexLocker lock(&m_mutex);
    if (!admit("Ctl_EMIF_Open"))
        return done(-1);
    Serial *serial = m_serialSource ? m_serialSource() : nullptr;
    if (!serial || !serial->isParked())
        return done(-2);
    m_open = true;
    return done(0);
}

int SimIRCore::Ctl_EMIF_Close()
{
    QMutexLocker lock(&m_mutex);
    if (!admit("Ctl_EMIF_Close"))
        return done(-1);
    m_open = false;
    m_marking = false;
    m_pointPending = false;
    return done(0);
}

int SimIRCore::CtlReadVfid()
{
    QMutexLocker lock(&m_mutex);
    return done(admit("CtlReadVfid") ? m_vfid : -1);
}

int SimIRCore::CtlReadVsk()
{
    QMutexLocker lock(&m_mutex);
    return done(admit("CtlReadVsk") ? m_vsk : -1);
}

int SimIRCore::CtlReadINT_Time()
{
    QMutexLocker lock(&m_mutex);
    return done(admit("CtlReadINT_Time") ? m_intTime : -1);
}

int SimIRCore::CtlReadCTIA_Gain()
{
    QMutexLocker lock(&m_mutex);
    return done(admit("CtlReadCTIA_Gain") ? m_gain : -1);
}

int SimIRCore::CtlReadHeaterOnOff()
{
    QMutexLocker lock(&m_mutex);
    return done(admit("CtlReadHeaterOnOff") ? int(m_heater) : -1);
}

int SimIRCore::CtlSetVfid(uint16_t value)
{
    QMutexLocker lock(&m_mutex);
    if (!admit("CtlSetVfid", QString::number(value)))
        return done(-1);
    m_vfid = value;
    return done(0);
}

int SimIRCore::CtlSetVsk(uint16_t value)
{
    QMutexLocker lock(&m_mutex);
    if (!admit("CtlSetVsk", QString::number(value)))
        return done(-1);
    m_vsk = value;
    return done(0);
}

int SimIRCore::CtlSetINT_Time(uint16_t value)
{
    QMutexLocker lock(&m_mutex);
    if (!admit("CtlSetINT_Time", QString::number(value)))
        return done(-1);
    m_intTime = value;
    return done(0);
}

int SimIRCore::CtlSetFIR(uint8_t value)
{
    QMutexLocker lock(&m_mutex);
    if (!admit("CtlSetFIR", QString::number(value)))
        return done(-1);
    m_fir = value;
    return done(0);
}

int SimIRCore::CtlSetCTIA_Gain(uint8_t value)
{
    QMutexLocker lock(&m_mutex);
    if (!admit("CtlSetCTIA_Gain", QString::number(value)))
        return done(-1);
    m_gain = value;
    return done(0);
}

int SimIRCore::CtlHeaterOnOff(int on)
{
    QMutexLocker lock(&m_mutex);
    if (!admit("CtlHeaterOnOff", QString::number(on)))
        return done(-1);
    m_heater = on != 0;
    return done(0);
}

uint32_t SimIRCore::ReadADSum()
{
    QMutexLocker lock(&m_mutex);
    const uint32_t sum = admit("ReadADSum") ? m_adSum : 0;
    m_log.last() += QStringLiteral(" = %1").arg(sum);
    return sum;
}

int SimIRCore::kStepTo(const char *name, KStep from, KStep to)
{
    QMutexLocker lock(&m_mutex);
    if (!admit(name) || m_kStep != from)
        return done(-1);
    m_kStep = to;
    return done(0);
}

int SimIRCore::Init_ALL_K_Parameter()
{
    QMutexLocker lock(&m_mutex);
    if (!admit("Init_ALL_K_Parameter"))
        return done(-1);
    m_kStep = KInitAll;
    return done(0);
}

int SimIRCore::Init_Sht_Parameter() { return kStepTo("Init_Sht_Parameter", KInitAll, KInitSht); }
int SimIRCore::GetLowTemperature() { return kStepTo("GetLowTemperature", KInitSht, KLow); }
int SimIRCore::GetHighTemperature() { return kStepTo("GetHighTemperature", KLow, KHigh); }
int SimIRCore::Calc_K_Parameter() { return kStepTo("Calc_K_Parameter", KHigh, KCalculated); }

int SimIRCore::Save_K_Para(int n)
{
    QMutexLocker lock(&m_mutex);
    if (!admit("Save_K_Para", QString::number(n)) || n != 0)
        return done(-1);
    ++m_kSaves;
    return done(0);
}

int SimIRCore::StartSetDeadPoint()
{
    QMutexLocker lock(&m_mutex);
    if (!admit("StartSetDeadPoint"))
        return done(-1);
    m_marking = true;
    m_pointPending = false;
    return done(0);
}

int SimIRCore::SetDeadPointXY(int x, int y)
{
    QMutexLocker lock(&m_mutex);
    if (!admit("SetDeadPointXY", QStringLiteral("%1, %2").arg(x).arg(y)) || !m_marking)
        return done(-1);
    if (x < 0 || x >= PictureWidth || y < 0 || y >= PictureHeight)
        return done(-3);
    m_pending = QPoint(x, y);
    m_pointPending = true;
    return done(0);
}

int SimIRCore::SetDeadPointValid()
{
    QMutexLocker lock(&m_mutex);
    if (!admit("SetDeadPointValid") || !m_pointPending)
        return done(-1);
    m_deadPoints.append(m_pending);
    m_pointPending = false;
    return done(0);
}

int SimIRCore::FinishSetDeadPoint()
{
    QMutexLocker lock(&m_mutex);
    if (!admit("FinishSetDeadPoint") || !m_marking)
        return done(-1);
    m_marking = false;
    m_pointPending = false;
    return done(0);
}

int SimIRCore::buffer(const char *name)
{
    QMutexLocker lock(&m_mutex);
    if (!admit(name))
        return done(-1);
    m_bufferCommands.append(QLatin1String(name));
    return done(0);
}

int SimIRCore::SetFishBuffer() { return buffer("SetFishBuffer"); }
int SimIRCore::SaveFishBuffer() { return buffer("SaveFishBuffer"); }
int SimIRCore::FilterFishBuffer() { return buffer("FilterFishBuffer"); }
int SimIRCore::SubFishBuffer() { return buffer("SubFishBuffer"); }
int SimIRCore::CaptureFishBuffer() { return buffer("CaptureFishBuffer"); }
int SimIRCore::ClearFishBuffer() { return buffer("ClearFishBuffer"); }
