#include "ealarmsetup.h"

#include "ecomboboxitem.h"
#include "eglobal.h"
#include "egraphicsview.h"
#include "eobjectsettings.h"
#include "ependingsettings.h"
#include "espinboxitem.h"
#include "espotwidget.h"
#include "etitle.h"
#include "fpga.h"
#include "measureunits.h"


#include <cfloat>
#include <climits>

namespace {
const QString s_group = QStringLiteral("Alarm");
constexpr float LowestC = -20.0f;
constexpr float HighestC = 400.0f;
} // namespace

EAlarmSetup::EAlarmSetup(QWidget *parent, Qt::WindowFlags flags)
    : EMeasureDialog(parent, flags, QSize(235, 180))
{
    m_title = makeTitle(tr("Alarm Setting"));
    m_target = new EComboBoxItem({tr("Spot 1"), tr("Spot 2"), tr("Spot 3")}, this);
    m_target->setObjectName(QStringLiteral("Mode"));
    m_target->setCurrentIndex(0);
    m_mode = new EComboBoxItem({tr("Above"), tr("Below"), tr("Equal")}, this);
    m_mode->setObjectName(QStringLiteral("Mode"));
    m_mode->setCurrentIndex(0);
    m_temp = new ESpinBoxItem(this, 48);
    m_temp->setObjectName(QStringLiteral("Temp"));
    m_temp->setDecimals(1);
    m_temp->setSuffix(MeasureUnits::tempSuffix());
    m_temp->setRange(-40.0f, 2000.0f);
    m_temp->setValue(25.0f, false);
    m_temp->setSingleStep(0.1, true);
    m_temp->setWrapping(false);
    m_temp->setAlignment(Qt::AlignHCenter);

    addRow(1, tr("Target:"), m_target);
    addRow(2, tr("Mode:"), m_mode);
    addRow(3, tr("Temp:"), m_temp);

    setMeasureSheet(QStringLiteral(
        "QPushButton:focus{background-color: rgb(255,0,0);}"
        "QPushButton#Mode, QPushButton#Color{text-align: left; margin-left: 0px; margin-top: 4px;"
        " margin-bottom: 4px; border: 1px groove rgb(28,125,246);}"));

    connect(m_target, &EComboBoxItem::currentIndexChanged, this, &EAlarmSetup::changeTargetPara);
    connect(m_mode, &EComboBoxItem::currentIndexChanged, this, &EAlarmSetup::changeModePara);
    connect(m_temp, &ESpinBoxItem::valueChanged, this, &EAlarmSetup::changeTempPara);
}

void EAlarmSetup::openAlarm(bool on)
{
    m_armed = on;
}

void EAlarmSetup::readConfigPara()
{
    EObjectSettings settings(s_group);
    // A damaged target or mode is brought to the nearest one that exists.
    m_currentTarget = qBound(0, settings.readInt(QStringLiteral("Alarm_Target"), 0, INT_MIN, INT_MAX), 2);
    const int mode = qBound(0, settings.readInt(QStringLiteral("Alarm_Mode"), 0, INT_MIN, INT_MAX), 2);
    // A missing threshold is 25.0 degC; a stored text that is no number
    // reads as 0.0, as any text read as a number does. The editor holds
    // the rest to its range.
    const QString tempKey = QStringLiteral("Alarm_Temp");
    const double stored = settings.contains(tempKey) ? settings.readReal(tempKey, 0.0, -DBL_MAX, DBL_MAX) : 25.0;
    const float celsius = float(qBound(double(LowestC), stored, double(HighestC)));
    m_target->setCurrentIndex(m_currentTarget);
    m_mode->setCurrentIndex(mode);
    m_temp->setSuffix(MeasureUnits::tempSuffix());
    m_temp->setRange(EGlobal::unit_out_temp(LowestC), EGlobal::unit_out_temp(HighestC));
    m_temp->setValue(EGlobal::unit_out_temp(celsius), false);
}

float EAlarmSetup::threshold() const
{
    return EGlobal::unit_in_temp(m_temp->cleanText().toFloat());
}

ESpotWidget *EAlarmSetup::spot(int target)
{
    EGraphicsView *view = EGlobal::getGraphicsView();
    ESpotWidget *w = view ? view->getSpotWidget(target + 1) : nullptr;
    if (!w)
        qWarning("EAlarmSetup: no spot %d to arm", target + 1);
    return w;
}

void EAlarmSetup::armCurrent()
{
    if (ESpotWidget *w = spot(m_currentTarget))
        w->openAlarm(true, threshold(), m_mode->currentIndex());
}

void EAlarmSetup::changeModePara(int)
{
    if (m_armed)
        armCurrent();
}

void EAlarmSetup::changeTempPara(const QString &)
{
    if (m_armed)
        armCurrent();
}

void EAlarmSetup::changeTargetPara(int index)
{
    if (m_armed && index != m_currentTarget) {
        if (ESpotWidget *old = spot(m_currentTarget))
            old->openAlarm(false, threshold(), m_mode->currentIndex());
        if (FPGA *fpga = EGlobal::getFPGA())
            fpga->fpga_open_alarm(false);
        m_currentTarget = index;
        armCurrent();
    }
    m_currentTarget = index;
}

void EAlarmSetup::updateDisplayTemp()
{
    qWarning("%s %s", "analysis/alarmsetup", "updateDisplayTemp");
}

bool EAlarmSetup::savePara()
{
    const QString g = s_group + QLatin1Char('/');
    const bool written = EPendingSettings::writeNow({
        {g + QStringLiteral("Alarm_Target"), m_target->currentIndex()},
        {g + QStringLiteral("Alarm_Mode"), m_mode->currentIndex()},
        {g + QStringLiteral("Alarm_Temp"), QString::asprintf("%4.1f", double(threshold()))},
    });
    if (!written)
        qWarning("EAlarmSetup: the alarm could not be stored");
    return written;
}

