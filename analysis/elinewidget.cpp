#include "elinewidget.h"

#include "eglobal.h"
#include "elinearrowitem.h"
#include "elinegraphicsitem.h"
#include "eobjectsettings.h"
#include "ereadingshost.h"
#include "fpga.h"

#include <QGraphicsScene>

#include <climits>
#include <cstdio>

namespace {
constexpr int Left = 5, Right = 315, Top = 21, Bottom = 235;
}

ELineWidget::ELineWidget(QGraphicsScene *scene, QWidget *parent, int id, bool noSettings)
    : EAnalysisWidget(parent)
    , m_scene(scene)
    , m_id(id)
    , m_noSettings(noSettings)
{
    m_lineItem = new ELineGraphicsItem(this, scene, id);
    m_arrow = new ELineArrowItem(this, id);
    if (scene) {
        scene->addItem(m_lineItem);
        scene->addItem(m_arrow);
    }
    if (!m_noSettings)
        readLinePara();
    setVisible(false);
}

ELineWidget::~ELineWidget() = default;

void ELineWidget::readLinePara()
{
    const EObjectSettings settings(QStringLiteral("Line_%1").arg(m_id));
    m_tempSetup = settings.readTempSetup(m_tempSetup);
    // Any stored integer is accepted: move() holds it to the picture.
    const int column = settings.readInt(QStringLiteral("Column"), 160, INT_MIN, INT_MAX);
    const int row = settings.readInt(QStringLiteral("Row"), 120, INT_MIN, INT_MAX);
    move(column, row, AxisBoth);
    m_paraMode = settings.readParaMode();
}

void ELineWidget::move(int x, int y, int axis)
{
    const bool horizontal = m_id == 1;
    const bool vertical = m_id == 2;
    if (axis == AxisBoth) {
        m_x = qBound(Left, x, Right);
        m_y = qBound(Top, y, Bottom);
    } else if (axis == AxisAcross && (horizontal || vertical)) {
        if (horizontal)
            m_y = qBound(Top, y, Bottom);
        else
            m_x = qBound(Left, x, Right);
    } else if (axis == AxisAlong && (horizontal || vertical)) {
        if (horizontal)
            m_x = qBound(Left, x, Right);
        else
            m_y = qBound(Top, y, Bottom);
    }
    m_lineItem->setPos(m_x, m_y);
    m_arrow->setPos(m_x, m_y);
    if (m_scene)
        m_scene->update();
    if (m_noSettings)
        return;
    if (FPGA *fpga = EGlobal::getFPGA())
        fpga->fpga_set_line_position(m_id, uint16_t(m_x), uint16_t(m_y));
}

void ELineWidget::getDataFromFPGA()
{
    m_point = _fpga_point{uint16_t(m_x), uint16_t(m_y)};
    FPGA *fpga = EGlobal::getFPGA();
    const int result = fpga ? fpga->getLineTemp(m_id, m_paraMode, m_tempSetup, m_point, m_tempStru) : -1;
    m_text = readingText(result, m_tempStru, EReadingsHost::rangeMin(), EReadingsHost::rangeMax());
}

QString ELineWidget::getTemp()
{
    getDataFromFPGA();
    return m_text;
}

QString ELineWidget::name()
{
    return tr("L%1:%2").arg(m_id).arg(m_text);
}

void ELineWidget::setVisible(bool visible)
{
    m_visible = visible;
    m_lineItem->setLineVisible(visible);
    m_arrow->setVisible(visible);
    if (m_noSettings)
        return;
    if (FPGA *fpga = EGlobal::getFPGA()) {
        fpga->fpga_set_line_position(m_id, uint16_t(m_x), uint16_t(m_y));
        fpga->fpga_display_line(m_id, visible);
    }
}

void ELineWidget::setHighlight(bool on)
{
    m_highlight = on;
    m_lineItem->setHighlight(on);
    m_arrow->setHighlight(on);
    m_moved = on;
    EReadingsHost::refreshReadings();
}

void ELineWidget::blink(int times)
{
    std::printf("%s %d timer:%d\n", "blink", __LINE__, times);
    startBlink(times, m_visible);
}

void ELineWidget::showBlinkPhase(bool shown)
{
    m_lineItem->setLineVisible(shown);
    m_arrow->setVisible(shown);
}
