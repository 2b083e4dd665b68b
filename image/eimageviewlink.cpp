#include "eimageviewlink.h"

#include "ecolorrect.h"
#include "eglobal.h"
#include "egraphicsview.h"
#include "fpga.h"

#include <QSettings>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace {
float readTemp(const QSettings &settings, const QString &key, float fallback)
{
    bool ok = false;
    const float value = settings.value(key).toString().trimmed().toFloat(&ok);
    return ok && std::isfinite(value) ? value : fallback;
}
}

EImageViewLink::EImageViewLink(EColorRect *colorBar, QObject *parent)
    : QObject(parent)
    , m_colorBar(colorBar)
    , m_autoTimer(new QTimer(this))
    , m_handTimer(new QTimer(this))
    , m_writeTimer(new QTimer(this))
{
    m_autoTimer->setInterval(100);
    connect(m_autoTimer, &QTimer::timeout, this, [this] { autoStep(true); });
    m_handTimer->setSingleShot(true);
    m_handTimer->setInterval(3000);
    connect(m_handTimer, &QTimer::timeout, this, &EImageViewLink::slot_handLevelSpanTimer);
    m_writeTimer->setSingleShot(true);
    m_writeTimer->setInterval(300);
    connect(m_writeTimer, &QTimer::timeout, this, &EImageViewLink::flushSettings);
    EImageViewHost::setInstance(this);
}

EImageViewLink::~EImageViewLink()
{
    flushSettings();
}

void EImageViewLink::init()
{
    QSettings settings(QStringLiteral("Parameter/Setting"), QSettings::NativeFormat);
    float max = readTemp(settings, QStringLiteral("Manual_MaxTemp"), 150.0f);
    float min = readTemp(settings, QStringLiteral("Manual_MinTemp"), -20.0f);
    if (!(min + 1.0f <= max)) {
        min = -20.0f;
        max = 150.0f;
    }
    m_minTemp = min;
    m_maxTemp = max;
    bool ok = false;
    int mode = settings.value(QStringLiteral("ImageAdjust"), MODE_AUTO).toInt(&ok);
    if (!ok || mode < MODE_AUTO || mode > MODE_MANUAL)
        mode = MODE_AUTO;
    int image = settings.value(QStringLiteral("ImageMode"), IR).toInt(&ok);
    if (!ok || image < IR || image > VIS_MIX_IR)
        image = IR;
    const int irCorner = std::clamp(settings.value(QStringLiteral("Image_IR_Pipe_CCD_Position"), 0).toInt(), 0, 3);
    const int ccdCorner = std::clamp(settings.value(QStringLiteral("Image_CCD_Pipe_IR_Position"), 0).toInt(), 0, 3);
    // The live view applies the picture mode it read itself.
    FPGA *fpga = EGlobal::getFPGA();
    if (fpga && !EGlobal::getGraphicsView()) {
        fpga->set_IR_Pipe_CCD_Position(irCorner);
        fpga->set_CCD_Pipe_IR_Position(ccdCorner);
        fpga->setImageMode(image);
    }
    m_imageMode = image;
    m_mode = -1;
    setLevelSpanMode(mode);
    if (mode == MODE_MANUAL)
        setMinMaxTempValue(m_minTemp, m_maxTemp);
}

void EImageViewLink::setTempRangeMinMax(int min, int max)
{
    if (min >= max)
        return;
    m_rangeMin = min;
    m_rangeMax = max;
    if (EGraphicsView *view = EGlobal::getGraphicsView())
        view->setTempRangeMinMax(min, max);
    if (FPGA *fpga = EGlobal::getFPGA())
        fpga->setTempRangeMinMax(min, max);
}

void EImageViewLink::setLevelSpanMode(Mode_t mode)
{
    const bool changed = mode != m_mode;
    m_mode = mode;
    storeInt(QStringLiteral("ImageAdjust"), mode);
    if (FPGA *fpga = EGlobal::getFPGA())
        fpga->setLevelSpanMode(mode);
    if (mode == MODE_MANUAL) {
        m_autoTimer->stop();
        return;
    }
    autoStep(!changed);
    m_autoTimer->start();
}

void EImageViewLink::autoStep(bool smooth)
{
    FPGA *fpga = EGlobal::getFPGA();
    if (!fpga || m_mode == MODE_MANUAL)
        return;
    fpga->calcLevelSpan(m_mode, smooth);
    IrTempStru low{}, high{};
    fpga->getMinMaxTemp(&low, &high);
    if (std::isfinite(low.temp) && std::isfinite(high.temp) && low.temp < high.temp) {
        m_minTemp = low.temp;
        m_maxTemp = high.temp;
    }
}

void EImageViewLink::setMinMaxTempValue(float min, float max)
{
    m_minTemp = min;
    m_maxTemp = max;
    if (FPGA *fpga = EGlobal::getFPGA())
        fpga->handLevelSpan(min, max);
    if (m_colorBar)
        m_colorBar->calPalette(true);
    m_handTimer->start();
    m_manualPending = true;
    m_writeTimer->start();
}

void EImageViewLink::flushSettings()
{
    if (!m_manualPending)
        return;
    m_manualPending = false;
    QSettings settings(QStringLiteral("Parameter/Setting"), QSettings::NativeFormat);
    settings.setValue(QStringLiteral("Manual_MaxTemp"), QString::asprintf("%.1f", m_maxTemp));
    settings.setValue(QStringLiteral("Manual_MinTemp"), QString::asprintf("%.1f", m_minTemp));
    settings.sync();
    if (settings.status() != QSettings::NoError)
        qWarning("EImageViewLink: cannot store the manual limits");
}

void EImageViewLink::slot_handLevelSpanTimer()
{
    m_handTimer->stop();
    if (m_colorBar)
        m_colorBar->setVisible(false);
}

int EImageViewLink::tempRangeMin() const
{
    const EGraphicsView *view = EGlobal::getGraphicsView();
    return view ? view->tempRangeMin() : m_rangeMin;
}

int EImageViewLink::tempRangeMax() const
{
    const EGraphicsView *view = EGlobal::getGraphicsView();
    return view ? view->tempRangeMax() : m_rangeMax;
}

void EImageViewLink::setImageMode(Image_Mode_t mode)
{
    if (mode < IR || mode > VIS_MIX_IR)
        return;
    m_imageMode = mode;
    if (EGraphicsView *view = EGlobal::getGraphicsView()) {
        view->setImageMode(mode);
        return;
    }
    if (FPGA *fpga = EGlobal::getFPGA())
        fpga->setImageMode(mode);
    storeInt(QStringLiteral("ImageMode"), mode);
}

int EImageViewLink::set_IR_Pipe_CCD_Position(Image_Position_t position)
{
    return setCorner(true, position);
}

int EImageViewLink::set_CCD_Pipe_IR_Position(Image_Position_t position)
{
    return setCorner(false, position);
}

int EImageViewLink::setCorner(bool visibleInset, Image_Position_t position)
{
    position = std::clamp(position, 0, 3);
    if (EGraphicsView *view = EGlobal::getGraphicsView())
        return visibleInset ? view->set_IR_Pipe_CCD_Position(position) : view->set_CCD_Pipe_IR_Position(position);
    FPGA *fpga = EGlobal::getFPGA();
    int result = -1;
    if (fpga)
        result = visibleInset ? fpga->set_IR_Pipe_CCD_Position(position) : fpga->set_CCD_Pipe_IR_Position(position);
    storeInt(visibleInset ? QStringLiteral("Image_IR_Pipe_CCD_Position") : QStringLiteral("Image_CCD_Pipe_IR_Position"), position);
    return result;
}

void EImageViewLink::storeInt(const QString &key, int value)
{
    QSettings settings(QStringLiteral("Parameter/Setting"), QSettings::NativeFormat);
    settings.setValue(key, value);
    settings.sync();
    if (settings.status() != QSettings::NoError)
        qWarning("EImageViewLink: cannot store %s", qPrintable(key));
}
