#include "ealarmsetup.h"

#include "ecomboboxitem.h"
#include "eglobal.h"
#include "egraphicsview.h"
#include "elabel.h"
#include "eobjectsettings.h"
#include "epanelreturn.h"
#include "ependingsettings.h"
#include "espinboxitem.h"
#include "espotwidget.h"
#include "etitle.h"
#include "fpga.h"
#include "measureunits.h"

#include <QGridLayout>
#include <QKeyEvent>

#include <climits>

namespace {
const QString s_group = QStringLiteral("Alarm");
constexpr float LowestC = -20.0f;
constexpr float HighestC = 400.0f;
} // namespace

EAlarmSetup::EAlarmSetup(QWidget *parent, Qt::WindowFlags flags)
    : QWidget(parent, flags)
{
    setWindowFlags(Qt::FramelessWindowHint);
    setWindowModality(Qt::WindowModal);
    setFixedSize(235, 180);
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);

    m_title = new ETitle(this);
    m_title->setText(tr("Alarm Setting"));
    m_title->setFixedHeight(32);
    m_title->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
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

    grid->addWidget(m_title, 0, 0, 1, 2);
    grid->addWidget(new ELabel(tr("Target:"), this), 1, 0);
    grid->addWidget(m_target, 1, 1);
    grid->addWidget(new ELabel(tr("Mode:"), this), 2, 0);
    grid->addWidget(m_mode, 2, 1);
    grid->addWidget(new ELabel(tr("Temp:"), this), 3, 0);
    grid->addWidget(m_temp, 3, 1);

    setStyleSheet(QStringLiteral(
        "QWidget{background-color: rgba(0,0,0,5);}"
        "QLabel{color: white; background-color: transparent; margin-left: 2px;}"
        "QLabel#Title{color: black;}"
        "QSpinBox{color: white; background-color: black; border: 1px groove rgba(28,125,246);}"
        "QSpinBox:focus{background-color: rgb(255,0,0);}"
        "QSpinBox::up-button, QSpinBox::down-button{width: 0px; height: 0px;}"
        "QPushButton:pressed{background-color: rgb(0,255,0);}"
        "QPushButton:focus{background-color: rgb(255,0,0);}"
        "QPushButton#Mode, QPushButton#Color{text-align: left; margin-left: 0px; margin-top: 4px;"
        " margin-bottom: 4px; border: 1px groove rgba(28,125,246);}"));

    connect(m_target, &EComboBoxItem::currentIndexChanged, this, &EAlarmSetup::changeTargetPara);
    connect(m_mode, &EComboBoxItem::currentIndexChanged, this, &EAlarmSetup::changeModePara);
    connect(m_temp, &ESpinBoxItem::valueChanged, this, &EAlarmSetup::changeTempPara);
    connect(m_title, &ETitle::cancel, this, &EAlarmSetup::okClicked);
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
    const float celsius = float(settings.readReal(QStringLiteral("Alarm_Temp"), 25.0, -1e9, 1e9));
    m_target->setCurrentIndex(m_currentTarget);
    m_mode->setCurrentIndex(mode);
    m_temp->setSuffix(MeasureUnits::tempSuffix());
    m_temp->setRange(EGlobal::unit_out_temp(LowestC), EGlobal::unit_out_temp(HighestC));
    m_temp->setValue(EGlobal::unit_out_temp(celsius), false);
}

void EAlarmSetup::showEvent(QShowEvent *event)
{
    readConfigPara();
    QWidget::showEvent(event);
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

void EAlarmSetup::okClicked()
{
    savePara();
    close();
    EPanelReturn::showPanel();
}

void EAlarmSetup::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        savePara();
        close();
    }
}
