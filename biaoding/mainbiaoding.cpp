#include "mainbiaoding.h"

#include "biaoding.h"
#include "calibpoint.h"
#include "calibrationfile.h"
#include "calibtable.h"
#include "eareawidget.h"
#include "eglobal.h"
#include "egraphicsview.h"
#include "fpga.h"
#include "serial.h"
#include "storedsettings.h"
#include "tempselct.h"
#include "temptablelog.h"

#include <QFont>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSettings>
#include <QTimer>

namespace {
const char *const SettingFile = "Parameter/Setting";
const char *const BackgroundTip = "提示:请对准30度黑体，然后点击'打本底'，待AD值在0x8000左右会跳到下一步！";
const char *const TargetTip = "提示:请对准所需标定的目标黑体，待AD值合适时点击下一步！";
// The AD the background brings the area to: 0x7FFD .. 0x8002.
const unsigned short SettledLow = 32765;
const unsigned short SettledSpan = 5;
} // namespace

MainBiaoDing::MainBiaoDing(EAreaWidget *area, QWidget *parent)
    : QWidget(parent, Qt::FramelessWindowHint)
    , m_area(area)
{
    QPalette transparent = palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        transparent.setBrush(group, QPalette::Window, QColor(0, 0, 0, 0));
    setPalette(transparent);
    setAttribute(Qt::WA_TranslucentBackground);
    resize(320, 220);
    getConfigFile();
    initWidget();
    setMainPage();
    m_timer = new QTimer(this);
    connect(m_timer, &QTimer::timeout, this, &MainBiaoDing::slot_tmGetAd);
    m_timer->start(PollMs);
}

MainBiaoDing::~MainBiaoDing()
{
    if (m_tempSelect) {
        m_tempSelect->close();
        delete m_tempSelect;
    }
    if (m_settings) {
        m_settings->close();
        delete m_settings;
    }
}

void MainBiaoDing::initWidget()
{
    const QString white = QStringLiteral("QLabel{color:white};");
    m_tip = new QLabel(this);
    m_tip->setGeometry(40, 0, 240, 80);
    m_tip->setWordWrap(true);
    // Three lines of the longest tip fit the label at this size.
    m_tip->setFont(QFont(QStringLiteral("wenquanyi"), 13, 50));
    m_tip->setStyleSheet(white);
    m_adCaption = new QLabel(QStringLiteral("AD:"), this);
    m_adCaption->setGeometry(5, 100, 30, 60);
    m_adCaption->setFont(QFont(QStringLiteral("wenquanyi"), 18));
    m_adCaption->setStyleSheet(white);
    m_adValue = new QLabel(this);
    // Wide enough for "0xffff" at this size.
    m_adValue->setGeometry(40, 100, 150, 60);
    m_adValue->setFont(QFont(QStringLiteral("wenquanyi"), 25));
    m_adValue->setStyleSheet(white);
    m_btnBiaoDing = new QPushButton(tr("CalibInfo "), this);
    m_btnBiaoDing->setObjectName(QStringLiteral("CalibInfo"));
    m_btnBiaoDing->setGeometry(115, 175, 90, 40);
    m_btnPrev = new QPushButton(tr("Back"), this);
    m_btnPrev->setGeometry(10, 185, 90, 30);
    m_btnNext = new QPushButton(tr("SetBg"), this);
    m_btnNext->setGeometry(220, 185, 90, 30);
    for (QPushButton *b : {m_btnBiaoDing, m_btnPrev, m_btnNext})
        b->setFocusPolicy(Qt::NoFocus);
    connect(m_btnBiaoDing, &QPushButton::clicked, this, &MainBiaoDing::slot_btnBiaoDing);
    connect(m_btnPrev, &QPushButton::clicked, this, &MainBiaoDing::slot_btnPrev);
    connect(m_btnNext, &QPushButton::clicked, this, &MainBiaoDing::slot_btnNext);
}

int MainBiaoDing::readLens()
{
    FPGA *fpga = EGlobal::getFPGA();
    return fpga ? int(fpga->fpga_read_lenIndex()) : int(NoLens);
}

void MainBiaoDing::getConfigFile()
{
    m_fileName.clear();
    {
        StoredSettings settings(QLatin1String(SettingFile), QSettings::NativeFormat);
        m_range = settings.value(QStringLiteral("BiaoDing/TempRange"), 0).toInt();
    }
    m_lens = readLens();
    if (m_lens != NoLens)
        m_fileName = CalibrationFile::tablePath(m_lens, m_range);
}

void MainBiaoDing::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    if (!m_area)
        return;
    QPainter painter(this);
    m_area->drawOnWindow(&painter, this);
}

void MainBiaoDing::setMainPage()
{
    m_page = BackgroundPage;
    changePage();
}

void MainBiaoDing::changePage()
{
    switch (m_page) {
    case BackgroundPage:
        m_backgroundTaken = false;
        m_btnNext->setText(tr("SetBg"));
        // Without a lens no table can be named: nothing to calibrate.
        m_btnNext->setEnabled(m_lens != NoLens);
        m_tip->setText(m_lens == NoLens ? QStringLiteral("No Lens!") : QString::fromUtf8(BackgroundTip));
        break;
    case TargetPage:
        m_capturedAD.clear();
        m_btnNext->setText(tr("Next"));
        m_btnNext->setEnabled(true);
        m_tip->setText(QString::fromUtf8(TargetTip));
        break;
    case ChoosePage:
        showTempSelect();
        break;
    default:
        break;
    }
}

void MainBiaoDing::slot_tmGetAd()
{
    // A lens fitted or taken off shows at the next poll.
    const int lens = readLens();
    if ((lens == NoLens) != (m_lens == NoLens)) {
        getConfigFile();
        setMainPage();
    }
    if (!m_area)
        return;
    // The reading moves the area's markers: drawn again where they were
    // and where they are.
    const QRect before = m_area->rectOnWindow(this);
    const unsigned short ad = m_area->getAreaTempStru().avg.ad;
    update(before | m_area->rectOnWindow(this));
    m_adValue->setText(QStringLiteral("0x%1").arg(ad, 0, 16));
    if (m_page == BackgroundPage && m_backgroundTaken && (unsigned short)(ad - SettledLow) <= SettledSpan) {
        m_page = TargetPage;
        changePage();
    }
}

void MainBiaoDing::slot_btnNext()
{
    switch (m_page) {
    case BackgroundPage:
        if (m_lens == NoLens)
            return;
        if (FPGA *fpga = EGlobal::getFPGA()) {
            if (Serial *serial = fpga->getSerial())
                serial->outsideShutter();
        }
        m_backgroundTaken = true;
        break;
    case TargetPage:
        m_capturedAD = m_adValue->text().remove(QStringLiteral("0x"));
        m_page = ChoosePage;
        changePage();
        break;
    default:
        ++m_page;
        changePage();
        break;
    }
}

void MainBiaoDing::slot_btnPrev()
{
    if (m_page == TargetPage || m_page == ChoosePage) {
        m_page = BackgroundPage;
        changePage();
        return;
    }
    m_lastSaved = NoneSaved;
    close();
    // The live view deletes the wizard: not from inside its own button.
    if (EGraphicsView *view = EGlobal::getGraphicsView())
        view->closeCalibLater(EGraphicsViewPrivate::EM_CALIB_BIAODING);
}

void MainBiaoDing::showTempSelect()
{
    if (!m_tempSelect) {
        m_tempSelect = new TempSelct(nullptr);
        m_tempSelect->move(0, 20);
        connect(m_tempSelect, &TempSelct::sign_exit, this, &MainBiaoDing::slot_saveValue);
    }
    // The range and the base temperature of the table as they are now.
    CalibTable table;
    table.load(m_fileName);
    m_tempSelect->initPara(table.baseTemp());
    m_tempSelect->show();
    m_tempSelect->raise();
}

void MainBiaoDing::slot_saveValue(int temperature)
{
    if (m_tempSelect)
        m_tempSelect->hide();
    if (temperature == TempSelct::Back) {
        m_page = TargetPage;
        changePage();
        return;
    }
    if (m_capturedAD.isEmpty())
        return;
    // The table of the lens fitted now, read anew.
    const int lens = readLens();
    if (lens == NoLens) {
        m_tip->setText(QStringLiteral("No Lens!"));
        return;
    }
    if (lens != m_lens) {
        m_lens = lens;
        m_fileName = CalibrationFile::tablePath(m_lens, m_range);
    }
    QByteArray logLine;
    const unsigned short corrected = calibrationHandler(temperature, m_capturedAD, &logLine);
    m_capturedAD = CalibTable::adText(corrected, true);
    // The file is read anew: its [ParaSet] follows what it holds now.
    QString error;
    CalibPoint::Neighbour clash;
    switch (CalibPoint::save(m_fileName, m_range, temperature, corrected, &clash, &error)) {
    case CalibPoint::Stored:
        break;
    case CalibPoint::OutOfOrder:
        // The table stays usable; the technician measures the target again
        // (or picks the temperature it really has) on the same background.
        qWarning("calibration point refused: %s", qPrintable(error));
        m_page = TargetPage;
        changePage();
        m_tip->setText(refusalText(temperature, corrected, clash));
        return;
    case CalibPoint::NotWritten:
        qWarning("calibration point not saved: %s", qPrintable(error));
        setMainPage();
        m_tip->setText(QStringLiteral("Save failed!"));
        return;
    }
    m_lastSaved = temperature;
    // One log line per point saved: only a point the table holds is logged.
    if (!logLine.isEmpty())
        TempTableLog::append(logLine);
    setMainPage();
}

QString MainBiaoDing::refusalText(int temperature, unsigned short ad, const CalibPoint::Neighbour &clash)
{
    const auto degrees = [](int t) { return QString::number(t) + QStringLiteral("\u00B0C"); };
    const QString point = QStringLiteral("0x%1").arg(ad, 0, 16);
    const QString neighbour = QStringLiteral("0x%1").arg(CalibTable::adValue(clash.ad), 0, 16);
    const QString text = clash.higher ? tr("Refused: AD %1 at %2 is not below %3 at %4. The table is unchanged.")
                                      : tr("Refused: AD %1 at %2 is not above %3 at %4. The table is unchanged.");
    return text.arg(point, degrees(temperature), neighbour, degrees(clash.temperature));
}

unsigned short MainBiaoDing::calibrationHandler(int temperature, const QString &ad, QByteArray *logLine)
{
    FPGA *fpga = EGlobal::getFPGA();
    if (!fpga)
        return 0;
    const float sensor = fpga->getSensorTemp();
    const float shutter = fpga->getShutterTemp();
    const float drift = (sensor + shutter) * 0.5f;
    const unsigned short value = (unsigned short)ad.toUInt(nullptr, 16);
    qDebug("AD  %s %x %x", qPrintable(ad), ad.toUInt(), unsigned(value));
    const unsigned short corrected = fpga->BiaoDingXiuzheng(sensor, shutter, drift, temperature, value);
    *logLine = TempTableLog::line(sensor, shutter, drift, temperature, ad, corrected);
    return corrected;
}

void MainBiaoDing::slot_btnBiaoDing()
{
    if (!m_settings) {
        m_settings = new BiaoDing(nullptr);
        m_settings->move(0, 20);
        connect(m_settings, &BiaoDing::sign_setParaOk, this, &MainBiaoDing::slot_closeBiaoDing);
    }
    m_settings->show();
    m_settings->raise();
    m_settings->resetTempAD(m_lastSaved);
    m_lastSaved = NoneSaved;
    m_settingsOpen = true;
}

void MainBiaoDing::slot_closeBiaoDing(bool ok)
{
    if (ok) {
        getConfigFile();
        setMainPage();
        if (m_settings && !m_settings->loadNote().isEmpty())
            m_tip->setText(m_settings->loadNote());
    }
    m_settingsOpen = false;
    if (m_settings)
        m_settings->hide();
}
