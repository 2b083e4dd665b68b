#include "biaoding.h"

#include "centredquestion.h"
#include "efidtab.h"
#include "eglobal.h"
#include "egraphicsview.h"
#include "eprofiletab.h"
#include "fpga.h"
#include "settingssync.h"
#include "storedsettings.h"
#include "tempadwidget.h"
#include "tempmodel.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>

namespace {
const char *const SettingFile = "Parameter/Setting";
} // namespace

BiaoDing::BiaoDing(QWidget *parent)
    : QWidget(parent, Qt::FramelessWindowHint)
    , m_tempAD(new TempADWidget)
    , m_tabs(new QTabWidget(this))
    , m_int(new EFidTab)
    , m_profile(new EProfileTab(this))
    , m_ok(new QPushButton(tr("OK"), this))
    , m_cancel(new QPushButton(tr("Cancel"), this))
{
    setObjectName(QStringLiteral("BiaoDing"));
    setWindowModality(Qt::WindowModal);
    setFixedSize(320, 220);
    setAutoFillBackground(true);
    setStyleSheet(QStringLiteral("BiaoDing{background:#202830;}"));
    m_tabs->setGeometry(5, 5, 310, 210);
    m_tabs->addTab(m_tempAD, tr("T-AD"));
    m_tabs->addTab(m_int, tr("INT"));
    m_tabs->addTab(m_profile, tr("Profile"));
    m_ok->setGeometry(190, 2, 60, 25);
    m_cancel->setGeometry(255, 2, 60, 25);
    for (QWidget *w : {static_cast<QWidget *>(m_tabs), static_cast<QWidget *>(m_ok), static_cast<QWidget *>(m_cancel)})
        w->setFocusPolicy(Qt::NoFocus);
    connect(m_ok, &QPushButton::clicked, this, &BiaoDing::slot_btnOK);
    connect(m_cancel, &QPushButton::clicked, this, &BiaoDing::slot_btnCancel);
    connect(m_profile, &EProfileTab::sign_tableSaved, m_tempAD, &TempADWidget::updateWidget);
}

void BiaoDing::resetTempAD(int temperature)
{
    m_tempAD->resetWidget(temperature);
}

bool BiaoDing::storeSettings(int lens, int range)
{
    StoredSettings settings(QLatin1String(SettingFile), QSettings::NativeFormat);
    settings.beginGroup(QStringLiteral("BiaoDing"));
    settings.setValue(QStringLiteral("Len"), lens);
    settings.setValue(QStringLiteral("TempRange"), range);
    for (int i = 0; i < 3; ++i) {
        settings.setValue(QStringLiteral("TempRange%1").arg(i), m_int->getTempRange(i));
        settings.setValue(QStringLiteral("IntTime%1").arg(i), m_int->getIntTime(i));
    }
    settings.setValue(QStringLiteral("TempRangeNum"), m_int->getTempRangeNum().toInt());
    settings.endGroup();
    return SettingsSync::commit(settings, "the ranges and integration times");
}

void BiaoDing::loadTable(int lens, int range)
{
    m_loadNote.clear();
    FPGA *fpga = EGlobal::getFPGA();
    if (!fpga)
        return;
    const int result = fpga->setSystemAdToTempTab(lens, range);
    if (result == TempModel::TableInvalid) {
        qDebug("updata Len & temprange error!");
        m_loadNote = QStringLiteral("Calibration file error!");
        return;
    }
    qDebug("updata Len & temprange success!");
    if (result == TempModel::TableFromDefault)
        m_loadNote = QStringLiteral("Default table used!");
}

void BiaoDing::slot_btnOK()
{
    // A table that could not be stored (or has no lens to name it) says so
    // on its tab; nothing else is stored then.
    if (!m_tempAD->saveConfig())
        return;
    m_tempAD->setChgState(false);
    const int lens = m_tempAD->lensNumber();
    const int range = m_tempAD->rangeNumber();
    const bool stored = storeSettings(lens, range);
    if (!stored)
        qWarning("calibration settings not stored");
    // The live view sends the time for the range the file names: unstored,
    // that is still the old range, which must not get this one's time.
    if (EGraphicsView *view = EGlobal::getGraphicsView(); view && stored)
        view->changeIntTime(m_int->getIntTime(range).toInt());
    // The table is loaded before the wizard hears of it, so it can tell
    // what the library found.
    loadTable(lens, range);
    if (!stored)
        m_loadNote = QStringLiteral("Settings not stored!");
    Q_EMIT sign_setParaOk(true);
    hide();
}

void BiaoDing::slot_btnCancel()
{
    if (m_tempAD->isParaChg()) {
        m_tempAD->setChgState(false);
        if (CentredQuestion::askYes(QString::fromUtf8("参数已修改，是否保存修改值?"))) {
            slot_btnOK();
            return;
        }
    }
    Q_EMIT sign_setParaOk(false);
}

void BiaoDing::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        Q_EMIT sign_setParaOk(false);
}
