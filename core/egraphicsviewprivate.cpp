#include "egraphicsviewprivate.h"

#include "calibaccesscode.h"
#include "eareagraphicsitem.h"
#include "eareaitem.h"
#include "eareawidget.h"
#include "ecalibpages.h"
#include "eglobal.h"
#include "egraphicstextitem.h"
#include "egraphicsview.h"
#include "einttimeitem.h"
#include "emainmenu.h"
#include "emodifyprofile.h"
#include "eshowmodifydialog.h"
#include "etoolwidget.h"
#include "eupdateepcsinterface.h"
#include "fpga.h"
#include "intervals.h"
#include "irpara.h"
#include "mykeyboard.h"
#include "padplacement.h"
#include "settingssync.h"
#include "storedsettings.h"

#include <QApplication>
#include <QFont>
#include <QGraphicsScene>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QTimer>

#include <cmath>

namespace {

const char *const SettingFile = "Parameter/Setting";
const char *const MixFile = "etc/MixOffset";
const char *const ShutterLogFile = "Parameter/shutter.txt";
const char *const DeltaLogFile = "delta.txt";
const char *const ModifyTempTable = "/works/etc/modifytemptable.txt";
const char *const DeltaFile = "Parameter/Delta";
// The library refuses a correction table with a factor outside this band.
const double FactorLow = 0.1;
const double FactorHigh = 3.0;

const char *const MixDistance[4] = {"0.5", "1.0", "2.0", "5.0"};

QString cut(const QString &number)
{
    return number.left(9);
}

QString fixed(const char *format, double value)
{
    return cut(QString::asprintf(format, value));
}

QString hex(unsigned value)
{
    return cut(QString::number(value, 16));
}

void stopTimer(QTimer *timer)
{
    if (timer && timer->isActive())
        timer->stop();
}

// Closed now, freed once the event being delivered is over: the key or
// tap that closes a page may be on its way to one of the page's windows.
template <typename T>
void discardWidget(T *&widget)
{
    if (widget) {
        widget->close();
        widget->deleteLater();
        widget = nullptr;
    }
}

// Builds the page on first use, then places and raises it; nothing without
// the pages.
template <typename T, typename Make>
void showPage(T *&page, const QRect &geometry, Make make)
{
    if (!page)
        page = make();
    if (!page)
        return;
    page->setGeometry(geometry);
    page->show();
    page->raise();
}

EGraphicsView *liveView(EGraphicsViewPrivate *base)
{
    return qobject_cast<EGraphicsView *>(base);
}

// The menu and the pages that are screens of their own; the window that
// builds the live view registers them.
ECalibPages *calibPages()
{
    ECalibPages *pages = ECalibPages::instance();
    if (!pages)
        qWarning("calibration: no pages registered");
    return pages;
}

} // namespace

EGraphicsViewPrivate::EGraphicsViewPrivate(QWidget *parent)
    : QGraphicsView(parent)
    , m_readoutTimer(new QTimer(this))
    , m_deltaTimer(new QTimer(this))
    , m_modifyTimer(new QTimer(this))
    , m_shutterTempTimer(new QTimer(this))
{
    connect(m_readoutTimer, &QTimer::timeout, this, &EGraphicsViewPrivate::calibrationHandler);
    connect(m_deltaTimer, &QTimer::timeout, this, &EGraphicsViewPrivate::calcDeltaHandler);
    connect(m_modifyTimer, &QTimer::timeout, this, &EGraphicsViewPrivate::calcModifyHandler);
    connect(m_shutterTempTimer, &QTimer::timeout, this, &EGraphicsViewPrivate::updateShutterTemp);
    if (FPGA *fpga = EGlobal::getFPGA())
        m_toldTableFaults = fpga->tempModel().tableFaultReports();
}

void EGraphicsViewPrivate::reloadTable()
{
    FPGA *fpga = EGlobal::getFPGA();
    if (!fpga)
        return;
    fpga->updateShutterTemp(true);
    const unsigned faults = fpga->tempModel().tableFaultReports();
    if (faults == m_toldTableFaults)
        return;
    m_toldTableFaults = faults;
    if (EGraphicsView *view = liveView(this)) {
        view->setTipsText(EGraphicsView::tr("Calibration file error!"));
        view->setTipsVisibled(true);
    }
}

EGraphicsViewPrivate::~EGraphicsViewPrivate()
{
    // Parentless windows: the view is their only owner.
    delete m_btnDelta;
    delete m_btnModify;
    delete m_btnProfile;
    delete m_btnRange;
    delete m_btnShowModify;
    delete m_btnBack;
    delete m_btnMixClose;
    for (EIntTimeItem *stepper : m_mix)
        delete stepper;
    delete m_modifyViewer;
    delete m_profile;
    delete m_biaoDing;
    delete m_productInfo;
    delete m_setWindow;
    delete m_keyboard;
    delete m_calibMenu;
    delete m_flashDialog.data();
    // The live view's scene took the area's items and the readout with it.
    delete m_calibArea;
}

// ---- entry and leaving ----

void EGraphicsViewPrivate::enterCalibInterface(bool askCode)
{
    if (m_interfaceMode == NormalInterface) {
        if (QApplication::activeModalWidget())
            return;
        hideMainMenu();
        if (!askCode) {
            slot_enterCalib(CalibAccessCode::fixedCode());
            return;
        }
        if (!m_keyboard) {
            m_keyboard = new MyKeyboard(nullptr);
            connect(m_keyboard, qOverload<const QString &>(&MyKeyboard::sign_sndEdit), this,
                    &EGraphicsViewPrivate::slot_enterCalib);
        }
        PadPlacement::show(m_keyboard);
        return;
    }
    if (m_calibType != EM_CALIB_MENU) {
        calibInferfaceHandle(m_calibType, false);
        m_calibType = EM_CALIB_MENU;
        return;
    }
    closeAllItem();
    m_interfaceMode = NormalInterface;
    if (m_calibMenu)
        m_calibMenu->hide();
}

void EGraphicsViewPrivate::slot_enterCalib(const QString &code)
{
    // Never the code itself: the log may leave the factory.
    qDebug("calibration access check");
    if (m_keyboard)
        m_keyboard->close();
    if (!CalibAccessCode::accepts(code))
        return;
    m_interfaceMode = CalibrationInterface;
    m_calibType = EM_CALIB_MENU;
    if (!m_calibMenu) {
        if (ECalibPages *pages = calibPages())
            m_calibMenu = pages->newCalibMenu();
    }
    if (m_calibMenu)
        m_calibMenu->move(0, 16);
    showMenu();
    if (!m_calibArea && scene()) {
        m_calibArea = new EAreaWidget(scene(), nullptr, 1, true, 30, 30);
        m_calibArea->setParaMode(1);
        m_calibArea->move((320 - m_calibArea->width()) / 2, (240 - m_calibArea->height()) / 2);
        m_calibArea->setVisible(false);
    }
    if (FPGA *fpga = EGlobal::getFPGA())
        fpga->startBiaoDing(true);
}

void EGraphicsViewPrivate::showMenu()
{
    if (!m_calibMenu)
        return;
    m_calibMenu->show();
    m_calibMenu->raise();
    m_calibMenu->setFocus();
}

void EGraphicsViewPrivate::hideMainMenu()
{
    if (EMainMenu *menu = EMainMenu::instance())
        menu->setVisibled(false);
}

void EGraphicsViewPrivate::closeAllItem()
{
    // An open core window gives the port back before anything else goes.
    if (ECalibPages *pages = m_calibMenu ? calibPages() : nullptr)
        pages->closeCoreWindow(m_calibMenu);
    discardWidget(m_biaoDing);
    discardWidget(m_productInfo);
    discardWidget(m_setWindow);
    discardWidget(m_keyboard);
    EGraphicsView *view = liveView(this);
    if (view)
        view->clearCurrentFocusWidget();
    if (m_calibArea) {
        m_calibArea->setVisible(false);
        // Its items point back at it: they go with it.
        delete m_calibArea->rectItem();
        delete m_calibArea->label();
        delete m_calibArea->maxMarker();
        delete m_calibArea->minMarker();
        discardWidget(m_calibArea);
    }
    if (FPGA *fpga = EGlobal::getFPGA()) {
        fpga->startBiaoDing(false);
        fpga->insideShutter();
    }
    reloadTable();
    if (view)
        view->updateMinMaxTemp();
    stopTimer(m_readoutTimer);
    stopTimer(m_shutterTempTimer);
}

// ---- pages ----

void EGraphicsViewPrivate::calibInferfaceHandle(EM_CALIB_TYPE type, bool show)
{
    switch (type) {
    case EM_CALIB_BIAODING:
        if (show) {
            showBiaoDingWidget();
            if (m_calibArea)
                m_calibArea->setVisible(true);
            stopTimer(m_readoutTimer);
        } else {
            closeBiaoDingWidget();
            if (m_calibArea)
                m_calibArea->setVisible(false);
        }
        break;
    case EM_CALIB_MODIFY:
        show ? showModifyItem() : closeModifyItem();
        break;
    case EM_CALIB_PRODUCT:
        show ? showProductInfoWidget() : closeProductInfoWidget();
        break;
    case EM_CALIB_MIX:
        show ? showMixItem() : closeMixItem();
        break;
    case EM_CALIB_SET:
        show ? showSetWidget() : closeSetWidget();
        break;
    default:
        break;
    }
    if (show) {
        m_calibType = type;
        return;
    }
    showMenu();
    m_calibType = EM_CALIB_MENU;
}

void EGraphicsViewPrivate::closeCalibLater(EM_CALIB_TYPE type)
{
    QMetaObject::invokeMethod(this, [this, type] { calibInferfaceHandle(type, false); }, Qt::QueuedConnection);
}

void EGraphicsViewPrivate::showBiaoDingWidget()
{
    showPage(m_biaoDing, QRect(0, 20, 320, 220), [this] {
        ECalibPages *pages = calibPages();
        return pages ? pages->newBiaoDing(m_calibArea) : nullptr;
    });
}

void EGraphicsViewPrivate::closeBiaoDingWidget()
{
    discardWidget(m_biaoDing);
}

void EGraphicsViewPrivate::showProductInfoWidget()
{
    showPage(m_productInfo, QRect(0, 16, 320, 224), [] {
        ECalibPages *pages = calibPages();
        return pages ? pages->newProductInfo() : nullptr;
    });
}

void EGraphicsViewPrivate::closeProductInfoWidget()
{
    discardWidget(m_productInfo);
}

void EGraphicsViewPrivate::showSetWidget()
{
    showPage(m_setWindow, QRect(0, 16, 320, 224), [] {
        ECalibPages *pages = calibPages();
        return pages ? pages->newSetWindow() : nullptr;
    });
}

void EGraphicsViewPrivate::closeSetWidget()
{
    discardWidget(m_setWindow);
}

void EGraphicsViewPrivate::slot_clicked_modify()
{
    showPage(m_modifyViewer, QRect(0, 0, 320, 240), [] { return new EShowModifyDialog(nullptr); });
}

void EGraphicsViewPrivate::slot_clicked_profile()
{
    if (!m_profile) {
        m_profile = new EModifyProfile(nullptr);
        m_profile->setWindowFlags(Qt::FramelessWindowHint);
        m_profile->setWindowModality(Qt::WindowModal);
        m_profile->setFixedSize(320, 240);
    }
    m_profile->move(0, 0);
    m_profile->show();
    m_profile->raise();
}

void EGraphicsViewPrivate::updateEPCS()
{
    // Built once; the live view's own flags stay as they are (it is a
    // child widget, and new flags would re-parent and hide it).
    if (!m_flashDialog) {
        m_flashDialog = new EUpdateEPCSInterface(nullptr, Qt::FramelessWindowHint);
        // However the dialog goes (Escape, Exit, closed or hidden), the
        // overlay comes back as it was before it came up.
        connect(m_flashDialog.data(), &EUpdateEPCSInterface::hidden, this, [this] {
            EGraphicsView *view = liveView(this);
            if (view && !m_clearedBeforeFlash && view->screenStatus())
                view->clearScreen(false);
        });
    }
    if (EGraphicsView *view = liveView(this)) {
        // Shown again while up: the overlay it hides is not the one before.
        if (!m_flashDialog->isVisible())
            m_clearedBeforeFlash = view->screenStatus();
        view->clearScreen(true);
    }
    m_flashDialog->setGeometry(0, 0, 320, 240);
    m_flashDialog->show();
    m_flashDialog->raise();
}

EUpdateEPCSInterface *EGraphicsViewPrivate::flashDialog() const
{
    return m_flashDialog;
}

CalibInterface *EGraphicsViewPrivate::calibMenu() const
{
    ECalibPages *pages = ECalibPages::instance();
    return pages ? pages->calibMenu(m_calibMenu) : nullptr;
}

MainBiaoDing *EGraphicsViewPrivate::biaoDingWidget() const
{
    ECalibPages *pages = ECalibPages::instance();
    return pages ? pages->biaoDing(m_biaoDing) : nullptr;
}

ProductInfoWidget *EGraphicsViewPrivate::productInfoWidget() const
{
    ECalibPages *pages = ECalibPages::instance();
    return pages ? pages->productInfo(m_productInfo) : nullptr;
}

SetMainWindow *EGraphicsViewPrivate::setWidget() const
{
    ECalibPages *pages = ECalibPages::instance();
    return pages ? pages->setWindow(m_setWindow) : nullptr;
}

// ---- readout ----

QString EGraphicsViewPrivate::readoutText(const IrTempStru &average, float sensor, float shutter, float factor)
{
    const float at = (sensor + shutter) * 0.5f;
    return QStringLiteral("AD: 0x%1 [%2] Orgin Temp: %3\n").arg(hex(average.ad), cut(QString::number(average.ad)), fixed("%4.1f", average.tableTemp))
        + QStringLiteral("Sensor: %1 Shutter: %2\n").arg(fixed("%4.4f", sensor), fixed("%4.4f", shutter))
        + QStringLiteral("AT:%1 deltaAD: 0x%2 %3\n").arg(fixed("%4.4f", at), hex(uint16_t(average.deltaAD)), fixed("%4.4f", factor))
        + QStringLiteral("ADSum:0x%1 T:%2").arg(hex(average.adShutter), fixed("%4.1f", average.temp));
}

void EGraphicsViewPrivate::calibrationHandler()
{
    FPGA *fpga = EGlobal::getFPGA();
    if (!fpga || !m_calibArea || !m_readout)
        return;
    fpga->updateSensorTemp(false);
    reloadTable();
    const IrTempStru average = m_calibArea->getAreaTempStru().avg;
    m_readout->setPlainText(readoutText(average, fpga->getSensorTemp(), fpga->getShutterTemp(), fpga->getModifyValue()));
}

void EGraphicsViewPrivate::updateShutterTemp()
{
    reloadTable();
}

// ---- correction panel ----

QPushButton *EGraphicsViewPrivate::makePanelButton(const QString &text, int x, int y)
{
    auto *button = new QPushButton(text, nullptr);
    button->setWindowFlags(Qt::FramelessWindowHint);
    button->setFocusPolicy(Qt::NoFocus);
    button->setObjectName(text);
    button->adjustSize();
    // 24 high: the "Back" button ends where the readout starts.
    button->resize(button->width(), 24);
    button->move(x, y);
    return button;
}

QLabel *EGraphicsViewPrivate::makePanelLabel(const QString &text, int x, int y)
{
    auto *label = new QLabel(text, this);
    label->setStyleSheet(QStringLiteral("QLabel{color:white};"));
    label->setFont(QFont(QApplication::font().family(), 11));
    label->move(x, y);
    label->resize(80, 20);
    return label;
}

int EGraphicsViewPrivate::currentRange()
{
    StoredSettings settings(QLatin1String(SettingFile), QSettings::NativeFormat);
    return settings.value(QStringLiteral("BiaoDing/TempRange"), 0).toInt();
}

void EGraphicsViewPrivate::showModifyItem()
{
    m_modifyBins.clear();
    m_modifyCount = 0;
    m_sensorBeiSum = 0;
    m_shutterBeiSum = 0;
    if (!m_readout && scene()) {
        m_readout = new EGraphicsTextItem(scene());
        m_readout->setDefaultTextColor(Qt::white);
        // Four lines of about forty characters fit the panel's width.
        m_readout->setFont(QFont(QApplication::font().family(), 10));
        // A dense box above the objects' markers: the figures stay legible
        // over any picture, and the readings list ends above it.
        m_readout->setBackgroundBrush(QColor(145, 71, 205));
        m_readout->setZValue(ReadoutZ);
        // The box's padding on the panel too.
        m_readout->setPos(2, 165);
        scene()->addItem(m_readout);
    }
    if (m_readout)
        m_readout->show();
    if (!m_btnDelta) {
        m_btnDelta = makePanelButton(QStringLiteral("StartDelta"), 0, 100);
        connect(m_btnDelta, &QPushButton::clicked, this, &EGraphicsViewPrivate::slot_clicked_startCalcDelta);
    }
    if (!m_btnModify) {
        m_btnModify = makePanelButton(QStringLiteral("StartModify"), 200, 140);
        connect(m_btnModify, &QPushButton::clicked, this, &EGraphicsViewPrivate::slot_clicked_startCalcModify);
        m_btnProfile = makePanelButton(QStringLiteral("Profile"), 0, 20);
        connect(m_btnProfile, &QPushButton::clicked, this, &EGraphicsViewPrivate::slot_clicked_profile);
        m_btnRange = makePanelButton(QStringLiteral("TempRange:%1").arg(currentRange()), 80, 20);
        m_lblCount = makePanelLabel(QStringLiteral("0000000"), 240, 60);
        m_lblSensor = makePanelLabel(QStringLiteral("000000"), 240, 80);
        m_lblShutter = makePanelLabel(QStringLiteral("0000000"), 240, 100);
        m_lblAverg = makePanelLabel(QStringLiteral("0000000"), 240, 120);
        m_lblNote = makePanelLabel(QString(), 90, 60);
        m_lblNote->resize(140, 20);
    }
    if (!m_btnShowModify) {
        m_btnShowModify = makePanelButton(QStringLiteral("Modify"), 245, 18);
        connect(m_btnShowModify, &QPushButton::clicked, this, &EGraphicsViewPrivate::slot_clicked_modify);
    }
    if (!m_btnBack) {
        m_btnBack = makePanelButton(QStringLiteral("Back"), 5, 140);
        connect(m_btnBack, &QPushButton::clicked, this, &EGraphicsViewPrivate::slot_clicked_hideModify);
    }
    for (QWidget *w : {static_cast<QWidget *>(m_btnDelta), static_cast<QWidget *>(m_btnModify), static_cast<QWidget *>(m_btnProfile),
                       static_cast<QWidget *>(m_btnRange), static_cast<QWidget *>(m_btnShowModify), static_cast<QWidget *>(m_btnBack),
                       static_cast<QWidget *>(m_lblCount), static_cast<QWidget *>(m_lblSensor), static_cast<QWidget *>(m_lblShutter),
                       static_cast<QWidget *>(m_lblAverg), static_cast<QWidget *>(m_lblNote)})
        w->show();
    if (m_calibArea)
        m_calibArea->setVisible(true);
    m_readoutTimer->start(Intervals::ms(ReadoutMs));
    m_shutterTempTimer->start(Intervals::ms(ReadoutMs));
    calibrationHandler();
    updateShutterTemp();
    refreshReadings();
}

void EGraphicsViewPrivate::closeModifyItem()
{
    m_shutterLog.close();
    m_deltaLog.close();
    discardWidget(m_btnShowModify);
    discardWidget(m_modifyViewer);
    if (m_btnDelta) {
        discardWidget(m_btnDelta);
        stopTimer(m_deltaTimer);
        m_deltaCount = 0;
        m_deltaBins.clear();
    }
    if (m_btnModify) {
        discardWidget(m_btnModify);
        discardWidget(m_btnProfile);
        discardWidget(m_btnRange);
        discardWidget(m_lblCount);
        discardWidget(m_lblSensor);
        discardWidget(m_lblShutter);
        discardWidget(m_lblAverg);
        discardWidget(m_lblNote);
        stopTimer(m_modifyTimer);
        m_modifyCount = 0;
        m_sensorBeiSum = 0;
        m_shutterBeiSum = 0;
        m_modifyBins.clear();
    }
    discardWidget(m_btnBack);
    if (m_readout) {
        m_readout->hide();
        delete m_readout;
        m_readout = nullptr;
    }
    if (m_calibArea)
        m_calibArea->setVisible(false);
    stopTimer(m_readoutTimer);
    stopTimer(m_shutterTempTimer);
    refreshReadings();
}

void EGraphicsViewPrivate::slot_clicked_hideModify()
{
    calibInferfaceHandle(EM_CALIB_MODIFY, false);
}

bool EGraphicsViewPrivate::modifyRunOn() const
{
    return m_btnModify && m_btnModify->text() != QLatin1String("StartModify");
}

bool EGraphicsViewPrivate::deltaRunOn() const
{
    return m_btnDelta && m_btnDelta->text() != QLatin1String("StartDelta");
}

void EGraphicsViewPrivate::slot_clicked_startCalcModify()
{
    if (!m_btnModify)
        return;
    if (m_modifyTimer->isActive()) {
        stopModifyRun();
        return;
    }
    FPGA *fpga = EGlobal::getFPGA();
    // Without a lens there is no table to file the run under.
    if (!fpga || fpga->fpga_read_lenIndex() == NoLens) {
        m_lblNote->setText(QStringLiteral("No Lens!"));
        return;
    }
    m_lblNote->clear();
    m_modifyCount = 0;
    m_shutterLog.open(QLatin1String(ShutterLogFile));
    m_modifyTimer->start(Intervals::ms(ModifyMs));
    m_btnModify->setText(QStringLiteral("StopModify"));
    calcModifyHandler();
}

void EGraphicsViewPrivate::stopModifyRun()
{
    m_modifyTimer->stop();
    m_shutterLog.close();
    m_btnModify->setText(QStringLiteral("StartModify"));
    m_modifyCount = 0;
    m_sensorBeiSum = 0;
    m_shutterBeiSum = 0;
    m_lblSensor->setText(QStringLiteral("0000000"));
    m_lblAverg->setText(QStringLiteral("0000000"));
    m_lblShutter->setText(QStringLiteral("000000"));
    m_lblCount->setText(QStringLiteral("000000"));
    FPGA *fpga = EGlobal::getFPGA();
    const int lens = fpga ? fpga->fpga_read_lenIndex() : 0;
    const int range = currentRange();
    const QString name = CorrectionBins::modifyFileName(lens, range);
    qDebug("para name:%s", qPrintable(name));
    // Factors the library would refuse are left out, so one bad bin does
    // not cost the whole table.
    const CorrectionBins::WriteResult written = m_modifyBins.write(name, QStringLiteral("Averg_"), FactorLow, FactorHigh);
    m_modifyBins.clear();
    if (!written.ok)
        m_lblNote->setText(QStringLiteral("Write failed!"));
    else if (written.skipped)
        m_lblNote->setText(QStringLiteral("Skipped:%1").arg(written.skipped));
    if (fpga)
        fpga->updateModify(lens, range);
}

void EGraphicsViewPrivate::calcModifyHandler()
{
    if (FPGA *fpga = EGlobal::getFPGA())
        fpga->insideShutter();
    reloadTable();
    QTimer::singleShot(Intervals::ms(ModifySettleMs), this, &EGraphicsViewPrivate::slot_calcBeishu);
}

void EGraphicsViewPrivate::slot_calcBeishu()
{
    FPGA *fpga = EGlobal::getFPGA();
    if (!modifyRunOn() || !fpga || !m_calibArea)
        return;
    fpga->updateSensorTemp(true);
    const IrTempStru average = m_calibArea->getAreaTempStru().avg;
    const float t = fpga->getIRPara().calTemp(65536u - average.ad).temp;
    const float sensor = fpga->getSensorTemp();
    const float shutter = fpga->getShutterTemp();
    const float sensorBei = sensor == 0.0f ? 1.0f : t / sensor;
    const float shutterBei = shutter == 0.0f ? 1.0f : t / shutter;
    m_lblSensor->setText(QString::asprintf("%4.4f", double(sensorBei)));
    m_lblShutter->setText(QString::asprintf("%4.4f", double(shutterBei)));
    const int sample = m_modifyCount++;
    m_sensorBeiSum += sensorBei;
    m_shutterBeiSum += shutterBei;
    const float at = (sensor + shutter) * 0.5f;
    float avergBei = t / at;
    float x = (t - shutter) / (sensor - shutter);
    // A mean temperature near 0 or a broken reading gives no usable ratio:
    // the sample is logged but not filed.
    const bool usable = std::isfinite(at) && std::fabs(at) >= 0.01f && std::isfinite(avergBei);
    if (!usable)
        avergBei = 0.0f;
    if (!std::isfinite(x))
        x = 0.0f;
    m_lblAverg->setText(QString::asprintf("%4.4f", double(avergBei)));
    m_lblCount->setText(QString::number(m_modifyCount));
    if (usable)
        m_modifyBins.add(at, avergBei);
    m_shutterLog.append(QString::asprintf("%d %d 0 %4.4f  Sensor: %4.4f %4.4f  Shutter: %4.4f %4.4f %8d %4.4f %4.4f x=%4.4f\n", sample,
                                          32768 - int(average.ad), double(t), double(sensor), double(sensorBei), double(shutter),
                                          double(shutterBei), int(average.deltaAD), double(at), double(avergBei), double(x))
                            .toLatin1());
    CalibLog table;
    if (table.open(QLatin1String(ModifyTempTable), false))
        table.append(QString::asprintf("%f\t%f\t%f\t%x\t%x\n", double(sensor), double(shutter), double(at), unsigned(average.ad),
                                       unsigned(uint16_t(average.deltaAD)))
                         .toLatin1());
}

// ---- delta run ----

void EGraphicsViewPrivate::slot_clicked_startCalcDelta()
{
    if (!m_btnDelta)
        return;
    if (deltaRunOn()) {
        stopDeltaRun();
        return;
    }
    m_deltaCount = 0;
    m_deltaLog.open(QLatin1String(DeltaLogFile));
    m_btnDelta->setText(QStringLiteral("StopDelta"));
    m_deltaTimer->start(Intervals::ms(DeltaMs));
    m_deltaBins.clear();
}

void EGraphicsViewPrivate::stopDeltaRun()
{
    m_deltaTimer->stop();
    m_btnDelta->setText(QStringLiteral("StartDelta"));
    m_deltaCount = 0;
    m_deltaLog.close();
    if (!m_deltaBins.write(QLatin1String(DeltaFile), QStringLiteral("Sensor_"), -HUGE_VAL, HUGE_VAL).ok && m_lblNote)
        m_lblNote->setText(QStringLiteral("Write failed!"));
    m_deltaBins.clear();
}

void EGraphicsViewPrivate::calcDeltaHandler()
{
    qDebug("calc delta handler timer:%d", m_deltaCount);
    FPGA *fpga = EGlobal::getFPGA();
    if (!deltaRunOn() || !fpga || !m_calibArea)
        return;
    if (m_deltaCount % DeltaReferenceEvery == 0) {
        m_deltaTimer->stop();
        fpga->insideShutter();
        updateShutterTemp();
        QTimer::singleShot(Intervals::ms(DeltaSettleMs), this, &EGraphicsViewPrivate::slot_startDeltaTimer);
        m_deltaLog.append("\n");
        ++m_deltaCount;
        return;
    }
    const IrTempStru average = m_calibArea->getAreaTempStru().avg;
    const float dT = average.temp - m_deltaRef.temp;
    float shutter = 0;
    float sensor = 0;
    fpga->fpga_read_shutterTemp(&shutter);
    fpga->fpga_read_sensorTemp(&sensor);
    const float dShutter = shutter - m_deltaRef.shutter;
    const float dSensor = sensor - m_deltaRef.sensor;
    const int dAD = int(fpga->getIRPara().calDeltaAD(sensor) - float(m_deltaRef.sensorDeltaAD));
    const float mean = (shutter + sensor) * 0.5f;
    const float dMean = mean - m_deltaRef.mean;
    auto ratio = [dT](float divisor) {
        return (std::fabs(divisor) <= 0.000005f || std::fabs(dT) <= 0.000005f) ? 0.0f : dT / divisor;
    };
    const float shutterBei = ratio(dShutter);
    const float sensorBei = ratio(dSensor);
    const float avergBei = ratio(dMean);
    m_deltaLog.append(QString::asprintf("%d %f %d %f %f %f %f %d %f %f  ShutterBei: %4.4f  SensorBei: %4.4f  AvergBei: %4.4f\n", m_deltaCount,
                                        double(dT), int(average.adShutter) - m_deltaRef.adSum, double(shutter), double(dShutter),
                                        double(sensor), double(dSensor), dAD, double(mean), double(dMean), double(shutterBei),
                                        double(sensorBei), double(avergBei))
                          .toLatin1());
    ++m_deltaCount;
    if (sensorBei != 0.0f && sensorBei >= 1.0f)
        m_deltaBins.add(sensor, sensorBei);
}

void EGraphicsViewPrivate::slot_startDeltaTimer()
{
    FPGA *fpga = EGlobal::getFPGA();
    // A settle that outlived its run (stopped, panel closed) starts nothing.
    if (!deltaRunOn() || !fpga || !m_calibArea)
        return;
    fpga->fpga_read_shutterTemp(&m_deltaRef.shutter);
    fpga->fpga_read_sensorTemp(&m_deltaRef.sensor);
    m_deltaRef.mean = (m_deltaRef.shutter + m_deltaRef.sensor) * 0.5f;
    m_deltaRef.sensorDeltaAD = int(fpga->getIRPara().calDeltaAD(m_deltaRef.sensor));
    const IrTempStru average = m_calibArea->getAreaTempStru().avg;
    m_deltaRef.adSum = average.adShutter;
    m_deltaRef.temp = average.temp;
    m_deltaTimer->start(Intervals::ms(DeltaMs));
}

// ---- fusion panel ----

EIntTimeItem *EGraphicsViewPrivate::makeMixStepper(int min, int max, int value, const QRect &geometry)
{
    auto *stepper = new EIntTimeItem(nullptr, true);
    stepper->setWindowFlags(Qt::FramelessWindowHint);
    stepper->setRange(min, max);
    stepper->setValue(value);
    stepper->setGeometry(geometry);
    return stepper;
}

void EGraphicsViewPrivate::showMixItem()
{
    closeMixItem();
    StoredSettings mix(QLatin1String(MixFile), QSettings::IniFormat);
    m_btnMixClose = makePanelButton(QStringLiteral("Close"), 240, 20);
    connect(m_btnMixClose, &QPushButton::clicked, this, &EGraphicsViewPrivate::slot_clicked_adjustMix);
    // Two rows along the bottom, each stepper under its name, so that the
    // readings list keeps the top left and the colour bar's labels the
    // right edge. Each stepper gets its stored value before it is
    // connected, so opening writes nothing.
    m_mix[MixIndexStepper] = makeMixStepper(0, 3, mix.value(QStringLiteral("MIX_Index"), 0).toInt(), QRect(15, 156, 100, 30));
    m_mix[MixZoomStepper] = makeMixStepper(MixZoomMin, MixZoomMax, mix.value(QStringLiteral("MIX_Zoom"), int(MixZoomDefault)).toInt(),
                                           QRect(155, 156, 100, 30));
    m_mix[MixHorStepper] = makeMixStepper(MixOffsetMin, MixOffsetMax, mix.value(QStringLiteral("MIX_Dx"), 0).toInt(), QRect(15, 206, 100, 30));
    m_mix[MixVerStepper] = makeMixStepper(MixOffsetMin, MixOffsetMax, mix.value(QStringLiteral("MIX_Dy"), 0).toInt(), QRect(155, 206, 100, 30));
    const QString names[MixStepperCount] = {tr("Distance"), tr("Zoom"), tr("Horizontal"), tr("Vertical")};
    for (int which = 0; which < MixStepperCount; ++which) {
        const QRect stepper = m_mix[which]->geometry();
        m_mixLabel[which] = makePanelLabel(names[which], stepper.x(), stepper.y() - MixLabelHeight);
        m_mixLabel[which]->resize(stepper.width(), MixLabelHeight);
    }
    connect(m_mix[MixIndexStepper], &EIntTimeItem::valueChanged, this, &EGraphicsViewPrivate::slot_changeMixIndex);
    connect(m_mix[MixZoomStepper], &EIntTimeItem::valueChanged, this, &EGraphicsViewPrivate::slot_changeMixZoom);
    connect(m_mix[MixHorStepper], &EIntTimeItem::valueChanged, this, &EGraphicsViewPrivate::slot_changeMixHor);
    connect(m_mix[MixVerStepper], &EIntTimeItem::valueChanged, this, &EGraphicsViewPrivate::slot_changeMixVer);
    m_btnMixClose->show();
    for (EIntTimeItem *stepper : m_mix)
        stepper->show();
    for (QLabel *label : m_mixLabel)
        label->show();
    refreshReadings();
}

void EGraphicsViewPrivate::closeMixItem()
{
    discardWidget(m_btnMixClose);
    for (EIntTimeItem *&stepper : m_mix)
        discardWidget(stepper);
    for (QLabel *&label : m_mixLabel)
        discardWidget(label);
    refreshReadings();
}

int EGraphicsViewPrivate::readingsBottom() const
{
    int bottom = PanelHeight;
    if (m_readout && m_readout->isVisible())
        bottom = qMin(bottom, int(m_readout->sceneBoundingRect().top()));
    for (const QLabel *label : m_mixLabel)
        if (label)
            bottom = qMin(bottom, label->geometry().top());
    return bottom;
}

// The list's room changes with the pages that take the bottom.
void EGraphicsViewPrivate::refreshReadings()
{
    if (EGraphicsView *view = liveView(this))
        view->displayTemp();
}

void EGraphicsViewPrivate::slot_clicked_adjustMix()
{
    calibInferfaceHandle(EM_CALIB_MIX, false);
}

void EGraphicsViewPrivate::slot_changeMixZoom(int zoom)
{
    zoom = qBound(int(MixZoomMin), zoom, int(MixZoomMax));
    qDebug("adjust zoom:%d", zoom);
    if (FPGA *fpga = EGlobal::getFPGA())
        fpga->set_mix_zoom(zoom);
    StoredSettings mix(QLatin1String(MixFile), QSettings::IniFormat);
    mix.setValue(QStringLiteral("MIX_Zoom"), zoom);
}

void EGraphicsViewPrivate::setMixOffset(bool horizontal, int value)
{
    // One signed byte on the board: the file keeps what the board has.
    value = qBound(int(MixOffsetMin), value, int(MixOffsetMax));
    const QLatin1String axis(horizontal ? "Dx" : "Dy");
    qDebug(horizontal ? "adjust dx:%d" : "adjust dy:%d", value);
    if (FPGA *fpga = EGlobal::getFPGA())
        horizontal ? fpga->set_mix_dx(char(value)) : fpga->set_mix_dy(char(value));
    StoredSettings mix(QLatin1String(MixFile), QSettings::IniFormat);
    mix.setValue(QStringLiteral("MIX_%1").arg(axis), value);
    const int index = m_mix[MixIndexStepper] ? m_mix[MixIndexStepper]->value() : -1;
    if (index >= 0 && index < 4)
        mix.setValue(QStringLiteral("MIX_%1_%2").arg(axis, QLatin1String(MixDistance[index])), value);
}

void EGraphicsViewPrivate::slot_changeMixHor(int dx)
{
    setMixOffset(true, dx);
}

void EGraphicsViewPrivate::slot_changeMixVer(int dy)
{
    setMixOffset(false, dy);
}

void EGraphicsViewPrivate::slot_changeMixIndex(int index)
{
    qDebug("adjust index:%d", index);
    int dx = 0;
    int dy = 0;
    {
        StoredSettings mix(QLatin1String(MixFile), QSettings::IniFormat);
        mix.setValue(QStringLiteral("MIX_Index"), index);
        if (index >= 0 && index < 4) {
            dx = mix.value(QStringLiteral("MIX_Dx_%1").arg(QLatin1String(MixDistance[index])), 0).toInt();
            dy = mix.value(QStringLiteral("MIX_Dy_%1").arg(QLatin1String(MixDistance[index])), 0).toInt();
        }
    }
    if (m_mix[MixHorStepper])
        m_mix[MixHorStepper]->setValue(dx);
    if (m_mix[MixVerStepper])
        m_mix[MixVerStepper]->setValue(dy);
    if (EToolWidget *toolBar = EGlobal::getToolBar())
        toolBar->setMixIndex(index);
}

// ---- integration time ----

// The calibration settings' OK: the time of the current range goes to the
// core at once (the settings already hold it).
void EGraphicsViewPrivate::changeIntTime(int t)
{
    if (t < IntTimeMin || t > IntTimeMax) {
        qWarning("integration time %d refused", t);
        return;
    }
    if (FPGA *fpga = EGlobal::getFPGA())
        fpga->setIntTime(currentRange(), static_cast<unsigned short>(t));
}

void EGraphicsViewPrivate::slot_changeIntTime(int t)
{
    // The core takes 16 bits: a larger value would arrive cut while the
    // settings kept it whole.
    if (t < IntTimeMin || t > IntTimeMax) {
        qWarning("integration time %d refused", t);
        return;
    }
    int range = 0;
    {
        StoredSettings settings(QLatin1String(SettingFile), QSettings::NativeFormat);
        range = settings.value(QStringLiteral("BiaoDing/TempRange"), 0).toInt();
        settings.setValue(QStringLiteral("IntTime/IntTime%1").arg(range), t);
        SettingsSync::commit(settings, "the integration time");
    }
    if (FPGA *fpga = EGlobal::getFPGA())
        fpga->setIntTime(range, static_cast<unsigned short>(t));
}
