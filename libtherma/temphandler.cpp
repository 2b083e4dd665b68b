#include "temphandler.h"

#include "irpara.h"

#include <QtGlobal>

#include <cmath>
#include <cstring>

namespace {

constexpr double kKelvin = 273.15;

double pow4(double v)
{
    return v * v * v * v;
}

void setStatus(IrTempStru &r, const char *text)
{
    std::strncpy(r.status, text, sizeof r.status - 1);
    r.status[sizeof r.status - 1] = '\0';
}

int truncated(float v)
{
    if (!std::isfinite(v))
        return 0;
    if (v > 65535.0f)
        return 65535;
    if (v < -65535.0f)
        return -65535;
    return int(v);
}

uint16_t clampAD(int64_t v)
{
    return uint16_t(v < 0 ? 0 : (v > 65535 ? 65535 : v));
}

} // namespace

TempHandler::TempHandler(IRPara *irPara, DeltaTempSource deltaTemp)
    : m_irPara(irPara)
    , m_deltaTemp(std::move(deltaTemp))
{
    m_setup.emiss = 0.95f;
    m_setup.dist = 5.0f;
    m_setup.offset = 0.0f;
    m_setup.reserved = 0;
    // Defined from the start: the front converts a few temperatures before
    // it hands over the stored ambient values.
    calcTrans();
    m_dewpoint = dewPoint(m_env, m_humid);
}

int TempHandler::setTempSetup(const TempSetup &setup)
{
    if (!std::isfinite(setup.emiss) || double(setup.emiss) < 0.001 || double(setup.emiss) > 1.001) {
        qWarning("%s %s %d emiss para error emiss:%f", "temphandler", "setTempSetup", 80, double(setup.emiss));
        return 0;
    }
    if (!std::isfinite(setup.dist) || setup.dist < 0.0f || setup.dist > 100000.0f) {
        qWarning("%s %s %d dist para error", "temphandler", "setTempSetup", 87);
        return 0;
    }
    if (!std::isfinite(setup.offset) || double(setup.offset) < -100.001 || double(setup.offset) > 100.001) {
        qWarning("%s %s %d offset para error", "temphandler", "setTempSetup", 92);
        return 0;
    }
    if (setup.emiss == m_setup.emiss && setup.dist == m_setup.dist && setup.offset == m_setup.offset)
        return 1;
    m_setup.emiss = setup.emiss;
    m_setup.dist = setup.dist;
    m_setup.offset = setup.offset;
    calcTrans();
    return 1;
}

TempSetup TempHandler::getTempSetup() const
{
    TempSetup s = m_setup;
    s.reserved = 0;
    return s;
}

void TempHandler::setTempRangeMinMax(int min, int max)
{
    m_rangeMin = min;
    m_rangeMax = max;
}

void TempHandler::setEnvTemp(float t)
{
    if (!std::isfinite(t))
        return;
    m_env = t;
    calcTrans();
    // The dew point depends on the ambient temperature as much as on the
    // humidity.
    m_dewpoint = dewPoint(m_env, m_humid);
}

void TempHandler::setHumid(float rh)
{
    if (!std::isfinite(rh))
        return;
    m_humid = rh;
    calcTrans();
    m_dewpoint = dewPoint(m_env, m_humid);
}

void TempHandler::setReflecTemp(float t)
{
    if (!std::isfinite(t))
        return;
    m_reflec = t;
}

void TempHandler::calcTrans()
{
    m_trans = m_calcTrans.getTrans(m_env, m_humid, int(m_setup.dist));
}

float TempHandler::dewPoint(float ambient, float rh)
{
    const float e = float(std::pow(10.0, 7.5 * ambient / (ambient + 237.3) + 0.66077));
    const float x = e * rh;
    if (!(x > 0.0f) || !std::isfinite(x))
        return NoDewPoint;
    const double lx = std::log10(double(x));
    const float dew = float((0.66077 - lx) * 237.3 / (lx - 8.16077));
    return std::isfinite(dew) ? dew : NoDewPoint;
}

void TempHandler::classify(IrTempStru &r, double t, int rangeMin, int rangeMax)
{
    // Half-open bands without gaps: [min-2, min) is "LE", (max, max+2] "HE".
    const double min = rangeMin;
    const double max = rangeMax;
    if (t < min - 2.0) {
        setStatus(r, "L");
        r.temp = float(min);
    } else if (t < min) {
        setStatus(r, "LE");
        r.temp = float(t);
    } else if (t > max + 2.0) {
        setStatus(r, "H");
        r.temp = float(max);
    } else if (t > max) {
        setStatus(r, "HE");
        r.temp = float(t);
    } else {
        setStatus(r, "OK");
        r.temp = float(t);
    }
}

IrTempStru TempHandler::irAD2Temp(unsigned int ad) const
{
    const int delta = truncated(m_irPara->readShutterDeltaAD());
    const int64_t x = int64_t(ad) + delta;
    IrTempStru r;
    // The real sum decides: below 0 is below every table, above 16 bits
    // above it; neither wraps around.
    if (x < 0) {
        std::memset(&r, 0, sizeof r);
        setStatus(r, "L");
        r.temp = IRPara::BelowTable;
    } else if (x > 65535) {
        std::memset(&r, 0, sizeof r);
        setStatus(r, "H");
        r.temp = IRPara::AboveTable;
    } else {
        r = m_irPara->calTemp(unsigned(x));
    }
    r.ad = uint16_t(ad);
    r.adShutter = clampAD(x);
    r.deltaAD = int16_t(qBound(-32768, delta, 32767));
    if (m_calibration)
        r.tableTemp = m_irPara->calTemp(ad).temp;
    if (std::strcmp(r.status, "OK") != 0)
        return r;

    const double tm = r.temp;
    const double e = m_setup.emiss;
    const float tf = m_trans;
    // No transmission: nothing of the object reaches the camera, so any
    // signal means an object hotter than the range.
    if (!(tf > 0.0f)) {
        setStatus(r, "H");
        r.temp = float(m_rangeMax);
        return r;
    }
    const double t = tf;
    const double et = double(m_setup.emiss * tf);
    const double oneMinusE = double(1.0f - m_setup.emiss);
    const double oneMinusT = double(1.0f - tf);
    const double w = pow4(tm + kKelvin) / et - pow4(double(m_reflec) + kKelvin) * oneMinusE / e
            - pow4(double(m_env) + kKelvin) * oneMinusT / (t * e);
    if (std::isnan(w) || w < 0.0) {
        setStatus(r, "L");
        r.temp = float(m_rangeMin);
        return r;
    }
    const double drift = m_deltaTemp ? double(m_deltaTemp()) : 0.0;
    const double obj = std::pow(w, 0.25) - kKelvin + double(m_setup.offset) - drift;
    if (!std::isfinite(obj)) {
        setStatus(r, "H");
        r.temp = float(m_rangeMax);
        return r;
    }
    classify(r, obj, m_rangeMin, m_rangeMax);
    return r;
}

IrTempStru TempHandler::irTemp2AD(float t0) const
{
    IrTempStru r;
    std::memset(&r, 0, sizeof r);
    if (std::isnan(t0) || t0 < -60.0f) {
        setStatus(r, "L");
        r.temp = t0;
        return r;
    }
    if (t0 > 4000.0f) {
        setStatus(r, "H");
        r.temp = t0;
        return r;
    }
    const float to = float(double(t0) + kKelvin - double(m_setup.offset));
    const double e = m_setup.emiss;
    const double t = m_trans;
    const float s = float(pow4(to) * t * e + pow4(double(m_reflec) + kKelvin) * double(1.0f - m_setup.emiss) * t
                          + pow4(double(m_env) + kKelvin) * double(1.0f - m_trans));
    const float tb = float(std::pow(double(s), 0.25) - kKelvin);
    r = m_irPara->calAD(tb);
    r.temp = t0;
    if (std::strcmp(r.status, "OK") == 0)
        r.ad = clampAD(int64_t(r.ad) - truncated(m_irPara->readShutterDeltaAD()));
    return r;
}
