#include "esettingtab.h"

#include "ealarmsetup.h"
#include "eanalysissetup.h"
#include "eanalysistab.h"
#include "eglobal.h"
#include "egraphicsview.h"
#include "eobjectsettings.h"
#include "eparasetup.h"
#include "ependingsettings.h"
#include "ereminditem.h"
#include "eseparator.h"
#include "espotwidget.h"
#include "etabitem.h"
#include "fpga.h"

#include <QVBoxLayout>

#include <climits>
#include <cmath>

namespace {
const char *const s_style =
    "QLabel{color: rgb(255,255,255); background-color: gray; margin-left: 2px; qproperty-alignment: AlignRight;}"
    "QPushButton:pressed{background-color: rgb(0, 255, 0); border-style: inset; padding-left: 4px;}"
    "QPushButton{background-color: red; color: white; text-align: left; padding-left: 2px;}";

// Created on first use and kept.
EParaSetup *s_paraSetup = nullptr;
EAlarmSetup *s_alarmSetup = nullptr;

void hidePanel()
{
    if (EAnalysisTab *panel = EGlobal::getAnalysisTab())
        panel->hide();
}
}

ESettingTab::ESettingTab(QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_global = new ERemindItem(tr("Global Para"), this);
    m_measure = new ERemindItem(tr("Measure Setting"), this);
    m_alarm = new ETabItem(tr("Alarm"), this);
    m_alarm->removeMode();
    layout->addWidget(m_global);
    layout->addWidget(new ESeparator(this));
    layout->addWidget(m_measure);
    layout->addWidget(new ESeparator(this));
    layout->addWidget(m_alarm);
    layout->addStretch();
    setStyleSheet(QLatin1String(s_style));
    connect(m_global, qOverload<const QString &>(&ERemindItem::clicked), this, &ESettingTab::clickedGlobalSetupHandler);
    connect(m_measure, qOverload<const QString &>(&ERemindItem::clicked), this, &ESettingTab::settingHandler);
    connect(m_alarm, &ETabItem::clickedCheck, this, &ESettingTab::clickedAlarmHandler);
    connect(m_alarm, &ETabItem::clickedSetup, this, &ESettingTab::clickedAlarmSetupHandler);
    m_measureSetup = new EAnalysisSetup(nullptr, Qt::FramelessWindowHint);
}

ESettingTab::~ESettingTab()
{
    if (EGlobal::getAnalysisSetup() == m_measureSetup)
        EGlobal::setAnalysisSetup(nullptr);
    delete m_measureSetup;
}

void ESettingTab::showEvent(QShowEvent *event)
{
    EObjectSettings settings(QStringLiteral("Alarm"));
    m_alarm->setChecked(settings.readInt(QStringLiteral("Alarm_Switch"), 0, INT_MIN, INT_MAX) != 0);
    QWidget::showEvent(event);
}

void ESettingTab::readAlarmPara(bool on)
{
    EObjectSettings settings(QStringLiteral("Alarm"));
    // A stored value the alarm cannot use (another spot, an unknown mode,
    // no number) leaves it off rather than guessing.
    auto stored = [&](const char *key, int fallback) {
        const QString name = QLatin1String(key);
        return settings.contains(name) ? settings.readInt(name, -1, 0, 2) : fallback;
    };
    const int target = stored("Alarm_Target", 0);
    const int mode = stored("Alarm_Mode", 0);
    const QString tempKey = QStringLiteral("Alarm_Temp");
    const double temp = settings.contains(tempKey) ? settings.readReal(tempKey, NAN, -1.0e6, 1.0e6) : 25.0;
    const bool valid = target >= 0 && mode >= 0 && std::isfinite(temp);
    if (!valid) {
        qWarning("alarm settings unusable (target %d, mode %d, threshold %f): alarm off", target, mode, temp);
        on = false;
    }
    const EGraphicsView *view = EGlobal::getGraphicsView();
    ESpotWidget *spot = view && target >= 0 ? view->getSpotWidget(target + 1) : nullptr;
    if (!spot && valid)
        return;
    if (spot)
        spot->openAlarm(on, valid ? float(temp) : 25.0f, valid ? mode : 0);
    if (!on) {
        if (FPGA *fpga = EGlobal::getFPGA())
            fpga->fpga_open_alarm(false);
    }
}

void ESettingTab::clickedAlarmHandler()
{
    const bool on = !m_alarm->checked();
    m_alarm->setChecked(on);
    readAlarmPara(on);
    EPendingSettings *settings = EPendingSettings::instance();
    settings->setValue(QStringLiteral("Alarm"), QStringLiteral("Alarm_Switch"), on ? 1 : 0);
    if (!settings->flush())
        qWarning("alarm switch not stored");
}

void ESettingTab::clickedGlobalSetupHandler()
{
    hidePanel();
    if (!s_paraSetup)
        s_paraSetup = new EParaSetup(nullptr, Qt::FramelessWindowHint);
    EAnalysisTab::raiseBottomLeft(s_paraSetup);
}

void ESettingTab::settingHandler(const QString &)
{
    hidePanel();
    EAnalysisTab::raiseBottomLeft(m_measureSetup);
}

void ESettingTab::clickedAlarmSetupHandler()
{
    hidePanel();
    if (!s_alarmSetup)
        s_alarmSetup = new EAlarmSetup(nullptr, Qt::FramelessWindowHint);
    s_alarmSetup->openAlarm(m_alarm->checked());
    EAnalysisTab::raiseBottomLeft(s_alarmSetup);
}
