#include "egeneralpage.h"

#include "eglobal.h"
#include "egraphicsview.h"
#include "elanguagedialog.h"
#include "esetupcombobox.h"
#include "esetuptitle.h"
#include "etoolwidget.h"
#include "fpga.h"
#include "languagetable.h"
#include "setupsettings.h"

#include <QFontMetrics>
#include <QVBoxLayout>

namespace {
const char *const s_formatStr[] = {QT_TRANSLATE_NOOP("EGeneralPage", "OFF"), QT_TRANSLATE_NOOP("EGeneralPage", "PAL"),
                                   QT_TRANSLATE_NOOP("EGeneralPage", "NTSC")};
// What the row shows, and the value stored for it: the settings keep the
// words they always held, whatever the row says.
const char *const s_precisionStr[] = {QT_TRANSLATE_NOOP("EGeneralPage", "1 decimal"),
                                      QT_TRANSLATE_NOOP("EGeneralPage", "2 decimals")};
const char *const s_precisionValue[] = {"Single", "Double"};
const char *const s_tempUnitStr[] = {"C", "F", "K"};
const char *const s_lenUnitStr[] = {"M", "FT"};
constexpr int OutputCount = 3;
constexpr int TempUnitCount = 3;
constexpr int LenUnitCount = 2;
constexpr int LanguageWidthLimit = 79;

void applyOutput(int output)
{
    if (FPGA *fpga = EGlobal::getFPGA())
        fpga->setADV7179Mode(output);
}
} // namespace

EGeneralPage::EGeneralPage(QWidget *parent, Qt::WindowFlags flags)
    : QWidget(parent, flags)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(5);
    auto *title = new ESetupTitle(this);
    title->setText(tr("General"));
    title->setFixedHeight(24);

    m_languageItem = new ESetupComboBox(tr("Language"), this);
    m_outputItem = new ESetupComboBox(tr("Output"), this);
    m_precisionItem = new ESetupComboBox(tr("Precision"), this);
    m_tempUnitItem = new ESetupComboBox(tr("Temp Unit"), this);
    m_lenUnitItem = new ESetupComboBox(tr("Len Unit"), this);

    layout->addWidget(title);
    for (ESetupComboBox *row : {m_languageItem, m_outputItem, m_precisionItem, m_tempUnitItem, m_lenUnitItem})
        layout->addWidget(row);
    layout->addStretch();
    setCustomStyle();

    connect(m_languageItem, &QPushButton::clicked, this, &EGeneralPage::languageHandler);
    connect(m_outputItem, &QPushButton::clicked, this, &EGeneralPage::formatHandler);
    connect(m_precisionItem, &QPushButton::clicked, this, &EGeneralPage::precisonHandler);
    connect(m_tempUnitItem, &QPushButton::clicked, this, &EGeneralPage::tempUnitHandler);
    connect(m_lenUnitItem, &QPushButton::clicked, this, &EGeneralPage::lenUnitHandler);
    readConfigPara();
}

// The dialog is a window of its own: it goes with the page.
EGeneralPage::~EGeneralPage()
{
    delete m_languageDialog.data();
}

void EGeneralPage::readConfigPara()
{
    setLanguage(LanguageTable::name(LanguageTable::indexOfKey(LanguageTable::storedKey())));

    const QString output = SetupSettings::readString("Output", QStringLiteral("OFF"));
    for (int i = 0; i < OutputCount; ++i)
        if (output == QLatin1String(s_formatStr[i]))
            m_output = i;
    showOutput();
    applyOutput(m_output);

    const QString single = QLatin1String(s_precisionValue[0]);
    m_precision = SetupSettings::readString("Precision", single) == single ? 0 : 1;
    showPrecision();
    // The display agrees with the row also after a restart.
    EGlobal::setDoublePrecision(m_precision == 1);

    m_tempUnit = SetupSettings::readIndex("TempUnit", 0, TempUnitCount);
    showTempUnit();
    m_lenUnit = SetupSettings::readIndex("LenUnit", 0, LenUnitCount);
    showLenUnit();
}

void EGeneralPage::setLanguage(const QString &name)
{
    const int width = QFontMetrics(font()).horizontalAdvance(name);
    m_languageItem->setText(width > LanguageWidthLimit ? name.left(7) + QLatin1Char('*') : name);
}

void EGeneralPage::showOutput()
{
    m_outputItem->setText(tr(s_formatStr[m_output]));
}

void EGeneralPage::showPrecision()
{
    m_precisionItem->setText(tr(s_precisionStr[m_precision]));
}

void EGeneralPage::showTempUnit()
{
    m_tempUnitItem->setText(m_tempUnit == 0 ? QString(QChar(0x00B0)) + QLatin1Char('C')
                                            : QLatin1String(s_tempUnitStr[m_tempUnit]));
}

void EGeneralPage::showLenUnit()
{
    m_lenUnitItem->setText(QLatin1String(s_lenUnitStr[m_lenUnit]));
}

void EGeneralPage::languageHandler()
{
    qWarning("language handler");
    if (EGraphicsView::setupDialogUp())
        return;
    if (!m_languageDialog) {
        m_languageDialog = new ELanguageDialog(this, nullptr, Qt::FramelessWindowHint);
        m_languageDialog->setGeometry(40, 40, 240, 160);
    }
    if (EGraphicsView *view = EGlobal::getGraphicsView())
        view->setSetupVisibled(true);
    m_languageDialog->setVisible(false);
    m_languageDialog->setVisible(true);
}

// A value the settings file did not take is not kept: the row and the
// camera go back to the one stored (the user is told by SetupSettings).
void EGeneralPage::formatHandler()
{
    if (EGraphicsView::setupDialogUp())
        return;
    const int before = m_output;
    setOutput((m_output + 1) % OutputCount);
    if (!SetupSettings::write({{"Output", QLatin1String(s_formatStr[m_output])}}))
        setOutput(before);
}

void EGeneralPage::precisonHandler()
{
    if (EGraphicsView::setupDialogUp())
        return;
    const int before = m_precision;
    setPrecision((m_precision + 1) % 2);
    if (!SetupSettings::write({{"Precision", QLatin1String(s_precisionValue[m_precision])}}))
        setPrecision(before);
}

void EGeneralPage::tempUnitHandler()
{
    if (EGraphicsView::setupDialogUp())
        return;
    const int before = m_tempUnit;
    setTempUnit((m_tempUnit + 1) % TempUnitCount);
    if (!SetupSettings::write({{"TempUnit", m_tempUnit}}))
        setTempUnit(before);
}

void EGeneralPage::lenUnitHandler()
{
    if (EGraphicsView::setupDialogUp())
        return;
    const int before = m_lenUnit;
    setLenUnit((m_lenUnit + 1) % LenUnitCount);
    if (!SetupSettings::write({{"LenUnit", m_lenUnit}}))
        setLenUnit(before);
}

void EGeneralPage::setOutput(int output)
{
    m_output = output;
    showOutput();
    applyOutput(m_output);
}

void EGeneralPage::setPrecision(int precision)
{
    m_precision = precision;
    showPrecision();
    EGlobal::setDoublePrecision(m_precision == 1);
    if (EToolWidget *bar = EGlobal::getToolBar())
        bar->changePrecision();
}

void EGeneralPage::setTempUnit(int unit)
{
    m_tempUnit = unit;
    showTempUnit();
    if (EToolWidget *bar = EGlobal::getToolBar())
        bar->changeTempUnit(char(m_tempUnit));
    else
        EGlobal::setSystemTempUnit(char(m_tempUnit));
}

void EGeneralPage::setLenUnit(int unit)
{
    m_lenUnit = unit;
    showLenUnit();
    EGlobal::setSystemLenUnit(char(m_lenUnit));
}

void EGeneralPage::setCustomStyle()
{
    setStyleSheet(QStringLiteral(
        "QPushButton{text-align: left; margin-left: 2px; background-color: rgb(255, 255, 255);"
        " border: 2px solid #8f8f91; border-radius: 6px;}"
        "QPushButton:pressed{background-color: rgb(1, 103, 233); margin-left: 2px;}"
        "QLabel{margin-left: 2px;}"
        "QLabel#General{color: rgb(0,0,0); margin-left: -3px; margin-top: -3px; padding-top: -3px;"
        " background-image: url(:/images/setup_title.png);}"
        "QLabel#Title{margin-left: 2px;}"
        "QPushButton#Period{text-align: left; margin-left: 2px; background-color: rgb(255, 255, 255);"
        " border: 2px solid #8f8f91; border-top: 0px; border-radius: 0px;"
        " border-bottom-left-radius: 6px; border-bottom-right-radius: 6px;}"
        "QPushButton#Period:pressed{background-color: rgb(1, 103, 233);}"
        "QPushButton#Switch{text-align: left; margin-left: 2px; background-color: rgb(255, 255, 255);"
        " border: 2px solid #8f8f91; border-bottom: 0px; border-radius: 0px;"
        " border-top-left-radius: 6px; border-top-right-radius: 6px;}"
        "QPushButton#Switch:pressed{background-color: rgb(1, 103, 233);}"));
}
