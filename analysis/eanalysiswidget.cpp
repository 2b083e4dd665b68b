#include "eanalysiswidget.h"

#include "eglobal.h"
#include "eobjectsettings.h"

#include <QTimer>

#include <cstring>

namespace {
bool statusIs(const IrTempStru &reading, const char *status)
{
    return std::strncmp(reading.status, status, sizeof reading.status) == 0;
}
} // namespace

EAnalysisWidget::EAnalysisWidget(QWidget *parent)
    : QWidget(parent)
    , m_tempSetup(EObjectSettings::defaultTempSetup())
{
}

EAnalysisWidget::~EAnalysisWidget() = default;

QString EAnalysisWidget::formatTemp(float celsius)
{
    return QString::asprintf(EGlobal::getDoublePrecision() ? "%.2f" : "%.1f", double(EGlobal::unit_out_temp(celsius)));
}

float EAnalysisWidget::shownCelsius(const IrTempStru &reading, int rangeMin, int rangeMax)
{
    if (statusIs(reading, "H") || statusIs(reading, "HE"))
        return float(rangeMax);
    if (statusIs(reading, "L") || statusIs(reading, "LE"))
        return float(rangeMin);
    return reading.temp;
}

QString EAnalysisWidget::readingText(int result, const IrTempStru &reading, int rangeMin, int rangeMax)
{
    if (result < 0)
        return failedText();
    const float shown = shownCelsius(reading, rangeMin, rangeMax);
    if (statusIs(reading, "OK"))
        return formatTemp(shown);
    if (statusIs(reading, "H"))
        return QLatin1Char('>') + formatTemp(shown);
    if (statusIs(reading, "L"))
        return QLatin1Char('<') + formatTemp(shown);
    if (statusIs(reading, "HE") || statusIs(reading, "LE"))
        return QLatin1Char('~') + formatTemp(shown);
    return failedText();
}

void EAnalysisWidget::startBlink(int times, bool visibleNow)
{
    if (!m_blinkTimer) {
        m_blinkTimer = new QTimer(this);
        m_blinkTimer->setInterval(150);
        connect(m_blinkTimer, &QTimer::timeout, this, [this] { blinkStep(); });
    }
    m_blinkCount = 2 * times;
    m_blinkPhase = visibleNow;
    m_blinkTimer->start();
}

void EAnalysisWidget::blinkStep()
{
    m_blinkPhase = !m_blinkPhase;
    if (m_blinkCount >= 1)
        showBlinkPhase(m_blinkPhase);
    else if (m_blinkTimer)
        m_blinkTimer->stop();
    --m_blinkCount;
}

bool EAnalysisWidget::isBlinking() const
{
    return m_blinkTimer && m_blinkTimer->isActive();
}
