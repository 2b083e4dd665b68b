#include "irpara.h"

#include <cmath>
#include <cstring>

namespace {

constexpr double kKelvin = 273.15;
constexpr double kReferenceEmiss = 0.95;
constexpr double kSurroundings = 298.15;  // 25 degC around the reference source
constexpr float kDeltaOrigin = 32768.0f;

double pow4(double v)
{
    return v * v * v * v;
}

void setStatus(IrTempStru &r, const char *text)
{
    std::strncpy(r.status, text, sizeof r.status - 1);
    r.status[sizeof r.status - 1] = '\0';
}

IrTempStru cleared()
{
    IrTempStru r;
    std::memset(&r, 0, sizeof r);
    return r;
}

} // namespace

IRPara::IRPara()
{
    std::memset(&m_tab, 0, sizeof m_tab);
    m_tab.lenTemp = 30.0f;
    m_tab.sensorTemp = 30.0f;
    m_tab.shutterTemp = 30.0f;
    m_tab.maxAD = 0xB000;
    m_tab.minAD = 0;
    m_tab.num = 2;
    m_tab.baseTemp = 30;
    m_tab.ad[0] = 0x7000;
    m_tab.temp[0] = -20;
    m_tab.ad[1] = 0xB000;
    m_tab.temp[1] = 400;
    recountLocked();
}

float IRPara::blackBodyOf(double tableTemp)
{
    const float s = float(kReferenceEmiss * pow4(tableTemp + kKelvin) + (1.0 - kReferenceEmiss) * pow4(kSurroundings));
    return float(std::pow(double(s), 0.25) - kKelvin);
}

float IRPara::tableTempOf(double blackBodyTemp)
{
    const float s = float((pow4(blackBodyTemp + kKelvin) - (1.0 - kReferenceEmiss) * pow4(kSurroundings)) / kReferenceEmiss);
    // A black body colder than the reference's reflection has no table
    // temperature; it lies below every table.
    if (!(s > 0.0f))
        return -float(kKelvin);
    return float(std::pow(double(s), 0.25) - kKelvin);
}

int IRPara::usablePoints(const TempInfoTab &tab)
{
    const int n = tab.num > TEMP_TAB_POINTS ? TEMP_TAB_POINTS : tab.num;
    if (n < 1)
        return 0;
    int usable = 1;
    while (usable < n && tab.ad[usable] > tab.ad[usable - 1] && tab.temp[usable] > tab.temp[usable - 1])
        ++usable;
    return usable;
}

void IRPara::recountLocked()
{
    m_usable = usablePoints(m_tab);
}

int IRPara::usablePoints() const
{
    QMutexLocker locker(&m_lock);
    return m_usable;
}

TempInfoTab IRPara::getADToTempTab() const
{
    QMutexLocker locker(&m_lock);
    return m_tab;
}

int IRPara::setADToTempTab(const TempInfoTab &tab)
{
    QMutexLocker locker(&m_lock);
    const float lens = m_tab.lenTemp;
    const float shutter = m_tab.shutterTemp;
    const float sensor = m_tab.sensorTemp;
    m_tab = tab;
    m_tab.lenTemp = lens;
    m_tab.shutterTemp = shutter;
    m_tab.sensorTemp = sensor;
    m_referenceSensorTemp = sensor;
    recountLocked();
    m_shutterDeltaAD = calDeltaADLocked(m_tab.shutterTemp);
    m_sensorDeltaAD = 0.0f;
    return 1;
}

IrTempStru IRPara::calTemp(unsigned int x) const
{
    QMutexLocker locker(&m_lock);
    return calTempLocked(x);
}

IrTempStru IRPara::calTempLocked(unsigned int x) const
{
    IrTempStru r = cleared();
    r.ad = uint16_t(x);
    // A table without two usable points converts nothing: report it as
    // below the table rather than read past its points.
    if (x < m_tab.minAD || m_usable < 2) {
        setStatus(r, "L");
        r.temp = BelowTable;
        return r;
    }
    if (x > m_tab.maxAD) {
        setStatus(r, "H");
        r.temp = AboveTable;
        return r;
    }
    // Between the limits but outside the points: extrapolate the nearest
    // pair.
    int i = 0;
    if (x >= m_tab.ad[m_usable - 1]) {
        i = m_usable - 2;
    } else {
        while (i + 2 < m_usable && x > m_tab.ad[i + 1])
            ++i;
    }
    const int64_t rise = int64_t(int64_t(x) - m_tab.ad[i]) * (m_tab.temp[i + 1] - m_tab.temp[i]);
    const float t = float(rise) / float(m_tab.ad[i + 1] - m_tab.ad[i]) + float(m_tab.temp[i]);
    // Far below the first point the line passes absolute zero, where the
    // fourth power of the black-body step would turn it warm again: the
    // table's usable range ends there.
    if (!(double(t) >= -kKelvin)) {
        setStatus(r, "L");
        r.temp = BelowTable;
        return r;
    }
    setStatus(r, "OK");
    r.temp = blackBodyOf(t);
    return r;
}

IrTempStru IRPara::calAD(float t) const
{
    QMutexLocker locker(&m_lock);
    return calADLocked(t);
}

IrTempStru IRPara::calADLocked(float t) const
{
    IrTempStru r = cleared();
    const float a = tableTempOf(t);
    r.temp = a;
    if (m_usable < 2) {
        setStatus(r, "L");
        r.ad = m_usable == 1 ? m_tab.ad[0] : 0;
        return r;
    }
    const int last = m_usable - 1;
    // NaN fails both tests below and would reach a float-to-int conversion.
    if (std::isnan(a) || a < m_tab.temp[0]) {
        setStatus(r, "L");
        r.ad = m_tab.ad[0];
        return r;
    }
    if (a > m_tab.temp[last]) {
        setStatus(r, "H");
        r.ad = m_tab.ad[last];
        return r;
    }
    setStatus(r, "OK");
    int i = 0;
    while (i + 2 < m_usable && a > m_tab.temp[i + 1])
        ++i;
    const float ad = float(m_tab.ad[i + 1] - m_tab.ad[i]) * (a - float(m_tab.temp[i]))
            / float(m_tab.temp[i + 1] - m_tab.temp[i]) + float(m_tab.ad[i]);
    r.ad = uint16_t(ad);
    return r;
}

float IRPara::calDeltaAD(float t) const
{
    QMutexLocker locker(&m_lock);
    return calDeltaADLocked(t);
}

float IRPara::calDeltaADLocked(float t) const
{
    if (m_usable < 1 || !std::isfinite(t))
        return 0.0f;
    const float a = tableTempOf(t);
    const int last = m_usable - 1;
    if (m_usable < 2 || a < m_tab.temp[0] || a > m_tab.temp[last]) {
        // Outside the points: the line through (30 degC, 32768) and the
        // first point. A first point at 30 degC gives no such line; the
        // nearest pair then carries on.
        if (m_tab.temp[0] == 30) {
            if (m_usable < 2)
                return float(m_tab.ad[0]) - kDeltaOrigin;
            const int i = a < m_tab.temp[0] ? 0 : m_usable - 2;
            return float(m_tab.ad[i + 1] - m_tab.ad[i]) * (a - float(m_tab.temp[i]))
                    / float(m_tab.temp[i + 1] - m_tab.temp[i]) + float(m_tab.ad[i]) - kDeltaOrigin;
        }
        return (float(m_tab.ad[0]) - kDeltaOrigin) * (a - 30.0f) / (float(m_tab.temp[0]) - 30.0f) + kDeltaOrigin - kDeltaOrigin;
    }
    int i = 0;
    while (i + 2 < m_usable && a > m_tab.temp[i + 1])
        ++i;
    return float(m_tab.ad[i + 1] - m_tab.ad[i]) * (a - float(m_tab.temp[i])) / float(m_tab.temp[i + 1] - m_tab.temp[i])
            + float(m_tab.ad[i]) - kDeltaOrigin;
}

void IRPara::setLenTemp(float t)
{
    QMutexLocker locker(&m_lock);
    m_tab.lenTemp = t;
}

float IRPara::getShutterTemp() const
{
    QMutexLocker locker(&m_lock);
    return m_tab.shutterTemp;
}

int IRPara::setShutterTemp(float t)
{
    QMutexLocker locker(&m_lock);
    m_tab.shutterTemp = t;
    m_shutterDeltaAD = calDeltaADLocked(t);
    return 1;
}

int IRPara::calShutterDeltaAD()
{
    QMutexLocker locker(&m_lock);
    m_shutterDeltaAD = calDeltaADLocked(m_tab.shutterTemp);
    return 1;
}

float IRPara::readShutterDeltaAD() const
{
    QMutexLocker locker(&m_lock);
    return m_shutterDeltaAD;
}

int IRPara::setSensorTemp(float t, bool reset)
{
    QMutexLocker locker(&m_lock);
    m_tab.sensorTemp = t;
    if (reset) {
        m_referenceSensorTemp = t;
        m_sensorDeltaAD = 0.0f;
        return 1;
    }
    m_sensorDeltaAD = t == m_referenceSensorTemp ? 0.0f : calDeltaADLocked(t) - calDeltaADLocked(m_referenceSensorTemp);
    return 1;
}

int IRPara::calSensorDeltaAD()
{
    QMutexLocker locker(&m_lock);
    m_sensorDeltaAD = m_tab.sensorTemp == m_referenceSensorTemp
            ? 0.0f
            : calDeltaADLocked(m_tab.sensorTemp) - calDeltaADLocked(m_referenceSensorTemp);
    return 1;
}

float IRPara::readSensorDeltaAD() const
{
    QMutexLocker locker(&m_lock);
    return m_sensorDeltaAD;
}
