#include "espotwidget.h"

#include "eglobal.h"
#include "egraphicstextitem.h"
#include "eobjectsettings.h"
#include "ependingsettings.h"
#include "ereadingshost.h"
#include "espotgraphicsitem.h"
#include "fpga.h"

#include <QGraphicsScene>

#include <climits>
#include <cstdio>

ESpotWidget::ESpotWidget(QGraphicsScene *scene, QWidget *parent, int id, bool hideLabel, bool noSettings)
    : EAnalysisWidget(parent)
    , m_id(id)
    , m_hideLabel(hideLabel)
    , m_noSettings(noSettings)
{
    m_marker = new ESpotGraphicsItem(this);
    m_label = new EGraphicsTextItem(scene);
    m_label->setPlainText(QString::number(id));
    m_label->setDefaultTextColor(Qt::white);
    m_label->setFont(QFont(QStringLiteral("wenquanyi"), 12));
    if (scene) {
        scene->addItem(m_marker);
        scene->addItem(m_label);
    }
    if (!m_noSettings)
        readSpotPara();
    setVisible(false);
}

ESpotWidget::~ESpotWidget()
{
    EPendingSettings::instance()->flush();
}

QString ESpotWidget::group() const
{
    return QStringLiteral("Spot_%1").arg(m_id);
}

QPoint ESpotWidget::defaultStoredPosition(int id)
{
    switch (id) {
    case 1: return QPoint(120, 84);
    case 2: return QPoint(200, 84);
    case 3: return QPoint(160, 120);
    default: return QPoint(-1, -1);
    }
}

void ESpotWidget::readSpotPara()
{
    const EObjectSettings settings(group());
    m_tempSetup = settings.readTempSetup(m_tempSetup);
    m_paraMode = settings.readParaMode();
    m_mode = settings.readInt(QStringLiteral("Mode"), Manual, Manual, Min);
    m_marker->setMode(m_mode);
    m_hasStoredPosition = settings.contains(QStringLiteral("Position_x")) && settings.contains(QStringLiteral("Position_y"));
    if (m_hasStoredPosition) {
        // Clamped as a full-screen move clamps: the stored values are
        // full-screen picture coordinates.
        const QRect b = EScaledLayout::bounds(EScaledLayout::FullScreen);
        m_frameX = qBound(b.left(), settings.readInt(QStringLiteral("Position_x"), b.left(), INT_MIN, INT_MAX), b.right());
        m_frameY = qBound(b.top(), settings.readInt(QStringLiteral("Position_y"), b.top(), INT_MIN, INT_MAX), b.bottom());
    }
}

void ESpotWidget::setMode(int mode)
{
    if (mode < Manual || mode > Min)
        return;
    m_mode = mode;
    m_marker->setMode(mode);
    if (!m_noSettings) {
        EPendingSettings::instance()->setValue(group(), QStringLiteral("Mode"), mode);
        EPendingSettings::instance()->flush();
    }
    if (mode != Manual)
        return;
    std::printf("spot id :%d \n", m_id);
    const QPoint fallback = defaultStoredPosition(m_id);
    if (!m_noSettings && fallback.x() >= 0) {
        const EObjectSettings settings(group());
        const QRect b = EScaledLayout::bounds(EScaledLayout::FullScreen);
        m_frameX = qBound(b.left(), settings.readInt(QStringLiteral("Position_x"), fallback.x(), INT_MIN, INT_MAX), b.right());
        m_frameY = qBound(b.top(), settings.readInt(QStringLiteral("Position_y"), fallback.y(), INT_MIN, INT_MAX), b.bottom());
        storePosition();
    }
    placeFromFrame();
}

void ESpotWidget::setModeForDisplay(int mode)
{
    m_mode = mode;
    m_marker->setMode(mode);
}

QPoint ESpotWidget::heldInLayout(const QPoint &at) const
{
    QRect b = EScaledLayout::bounds(m_scaledType);
    // Replay spots may reach every pixel of the picture, but no further.
    if (m_scaledType == EScaledLayout::FullScreen && m_noSettings)
        b = QRect(0, 0, 320, 240);
    return QPoint(qBound(b.left(), at.x(), b.right()), qBound(b.top(), at.y(), b.bottom()));
}

void ESpotWidget::storePosition()
{
    if (!m_noSettings && m_mode == Manual) {
        EPendingSettings::instance()->setValue(group(), QStringLiteral("Position_x"), m_frameX);
        EPendingSettings::instance()->setValue(group(), QStringLiteral("Position_y"), m_frameY);
    }
}

void ESpotWidget::drawAt(int x, int y)
{
    m_x = x;
    m_y = y;
    m_marker->setPos(x, y);
    m_label->setPos(x + 5, y + 3);
}

void ESpotWidget::move(int x, int y, int)
{
    if (EScaledLayout::isKnown(m_scaledType)) {
        const QPoint held = heldInLayout(QPoint(x, y));
        x = held.x();
        y = held.y();
        const QPoint o = EScaledLayout::offset(m_scaledType);
        m_frameX = EScaledLayout::isHalfSize(m_scaledType) ? 2 * (x - o.x()) : x;
        m_frameY = EScaledLayout::isHalfSize(m_scaledType) ? 2 * (y - o.y()) : y;
    }
    storePosition();
    drawAt(x, y);
}

// Only the drawing follows the layout, held inside it: the frame position,
// the one stored, stays, so a visit to a smaller picture never moves the
// spot on the full picture.
void ESpotWidget::placeFromFrame()
{
    if (!EScaledLayout::isKnown(m_scaledType))
        return;
    const QPoint p = heldInLayout(EScaledLayout::toOverlay(m_scaledType, m_frameX, m_frameY));
    drawAt(p.x(), p.y());
}

void ESpotWidget::setScaledType(Scaled_Type_t type)
{
    m_scaledType = type;
    placeFromFrame();
}

void ESpotWidget::getDataFromFPGA()
{
    if (m_mode == Manual) {
        const bool overlay = m_scaledType == EScaledLayout::Centred;
        m_point.x = uint16_t(overlay ? m_x : m_frameX);
        m_point.y = uint16_t(overlay ? m_y : m_frameY);
    }
    FPGA *fpga = EGlobal::getFPGA();
    const int result = fpga ? fpga->getSpotTemp(m_id, m_mode, m_paraMode, m_tempSetup, m_point, m_tempStru) : -1;
    if (result < 0) {
        m_text = failedText();
        return;
    }
    const int low = EReadingsHost::rangeMin();
    const int high = EReadingsHost::rangeMax();
    alarmHandler(shownCelsius(m_tempStru, low, high));
    m_text = readingText(result, m_tempStru, low, high);
    if (m_mode == Max || m_mode == Min) {
        m_frameX = m_point.x;
        m_frameY = m_point.y;
        // In the centred layout the board measures in overlay coordinates.
        const QPoint p = m_scaledType == EScaledLayout::Centred
            ? QPoint(m_point.x, m_point.y)
            : EScaledLayout::toOverlay(m_scaledType, m_point.x, m_point.y);
        if (EScaledLayout::isKnown(m_scaledType))
            move(p.x(), p.y(), 0);
    }
}

QString ESpotWidget::getTemp()
{
    getDataFromFPGA();
    return m_text;
}

void ESpotWidget::alarmHandler(float tempC)
{
    if (!m_alarmOn)
        return;
    const QString reading = formatValue(tempC);
    const QString threshold = formatValue(m_alarmTemp);
    bool on = false;
    switch (m_alarmMode) {
    case AlarmAbove: on = m_alarmTemp < tempC && reading != threshold; break;
    case AlarmBelow: on = m_alarmTemp > tempC && reading != threshold; break;
    case AlarmEqual: on = reading == threshold; break;
    default: return;
    }
    if (FPGA *fpga = EGlobal::getFPGA())
        fpga->fpga_open_alarm(on);
}

void ESpotWidget::openAlarm(bool on, float tempC, int alarmMode)
{
    std::printf("%s %d spot%d: alarm:%d temp:%f mode:%d\n", "openAlarm", __LINE__, m_id, int(on), double(tempC), alarmMode);
    m_alarmSuspended = false;
    m_alarmMode = alarmMode;
    m_alarmTemp = tempC;
    EReadingsHost::refreshReadings();
    updateAlarmPara();
    m_alarmOn = on;
}

void ESpotWidget::updateAlarmPara()
{
    m_alarmText = formatTemp(m_alarmTemp);
}

QString ESpotWidget::name()
{
    const QString line = tr("P%1:%2").arg(m_id).arg(m_text);
    if (!m_alarmOn)
        return line;
    static const char letters[] = {'A', 'B', 'E'};
    if (m_alarmMode < AlarmAbove || m_alarmMode > AlarmEqual)
        return QString();
    return line + QStringLiteral("\n AT:%1%2").arg(m_alarmText).arg(QLatin1Char(letters[m_alarmMode]));
}

void ESpotWidget::setVisible(bool visible)
{
    if (visible) {
        m_visible = true;
        if (m_alarmSuspended)
            m_alarmOn = true;
        if (m_mode == -1)
            setMode(Manual);
        m_marker->show();
        m_label->setVisible(!m_hideLabel);
        return;
    }
    if (m_alarmOn) {
        m_alarmSuspended = true;
        m_alarmOn = false;
        if (FPGA *fpga = EGlobal::getFPGA())
            fpga->fpga_open_alarm(false);
    }
    m_visible = false;
    m_marker->hide();
    m_label->hide();
    EPendingSettings::instance()->flush();
}

void ESpotWidget::setHighlight(bool on)
{
    if (on == m_highlight)
        return;
    m_highlight = on;
    m_marker->setHighlight(on);
    m_label->setDefaultTextColor(on ? Qt::red : Qt::white);
    m_label->update();
    m_moved = on;
    EReadingsHost::refreshReadings();
}

void ESpotWidget::blink(int times)
{
    std::printf("%s %d timer:%d\n", "blink", __LINE__, times);
    startBlink(times, m_visible);
}

void ESpotWidget::showBlinkPhase(bool shown)
{
    m_marker->setVisible(shown);
    m_label->setVisible(shown && !m_hideLabel);
}
