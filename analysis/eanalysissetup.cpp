#include "eanalysissetup.h"

#include "ecomboboxitem.h"
#include "eglobal.h"
#include "egraphicsview.h"
#include "eobjectsettings.h"
#include "ependingsettings.h"
#include "espinboxitem.h"
#include "etitle.h"
#include "etoolwidget.h"
#include "fpga.h"
#include "intervals.h"
#include "measureunits.h"
#include "storedsettings.h"

#include <QSettings>

#include <climits>
#include <cmath>

namespace {
const QString s_global = QStringLiteral("GlobalPara");
const QString s_biaoDing = QStringLiteral("BiaoDing");
const char *const s_rangeDefaults[] = {"-20~150", "0~400", "500~2000"};
constexpr int MaxRanges = 3;
constexpr int RangeChangeMs = 3000;

QString degreeC()
{
    return QString(QChar(0x00B0)) + QLatin1Char('C');
}

QStringList lensNames()
{
    return {QStringLiteral("None"),  QStringLiteral("22 mm"), QStringLiteral("11 mm"),
            QStringLiteral("38 mm"), QStringLiteral("33 mm"), QStringLiteral("Unknown")};
}

float out(float celsius)
{
    return EGlobal::unit_out_temp(celsius);
}
} // namespace

EAnalysisSetup::EAnalysisSetup(QWidget *parent, Qt::WindowFlags flags)
    : EMeasureDialog(parent, flags, QSize(270, 225))
{
    EGlobal::setAnalysisSetup(this);
    m_messageTimer.setSingleShot(true);
    connect(&m_messageTimer, &QTimer::timeout, this, &EAnalysisSetup::slot_messageTimerHandler);

    m_title = makeTitle(tr("Measure Setting"));

    m_range = new EComboBoxItem(QStringList(), this);
    m_range->setObjectName(QStringLiteral("Mode"));
    m_range->setEnableLongPress(false);
    m_lens = new EComboBoxItem(lensNames(), this);
    m_lens->setObjectName(QStringLiteral("Mode"));
    m_lens->setCurrentIndex(0);
    m_lens->removeUpDown();
    m_lens->setFixedWidth(104);
    m_env = new ESpinBoxItem(this, 48);
    m_env->setObjectName(QStringLiteral("Env"));
    m_humid = new ESpinBoxItem(this, 48);
    m_humid->setObjectName(QStringLiteral("Humid"));
    m_ref = new ESpinBoxItem(this, 48);
    m_ref->setObjectName(QStringLiteral("Ref"));
    for (ESpinBoxItem *item : {m_env, m_ref}) {
        item->setDecimals(1);
        item->setSuffix(MeasureUnits::tempSuffix());
        item->setSingleStep(0.1, true);
    }
    m_env->setRange(-40.0f, 125.0f);
    m_env->setValue(25.0f, false);
    m_ref->setRange(-100.0f, 2000.0f);
    m_ref->setValue(25.0f, false);
    m_humid->setDecimals(0);
    m_humid->setSuffix(QStringLiteral(" %"));
    m_humid->setRange(1.0f, 100.0f);
    m_humid->setSingleStep(1.0, true);
    m_humid->setValue(60.0f, false);
    for (ESpinBoxItem *item : {m_env, m_humid, m_ref}) {
        item->setWrapping(false);
        item->setAlignment(Qt::AlignHCenter);
    }

    addRow(1, tr("Lens:"), m_lens, Qt::AlignHCenter);
    addRow(2, tr("Range:"), m_range);
    addRow(3, tr("Env:"), m_env);
    addRow(4, tr("Humid:"), m_humid);
    addRow(5, tr("Ref:"), m_ref);
    setCustomStyleSheet();

    connect(m_range, &EComboBoxItem::currentIndexChanged, this, &EAnalysisSetup::changeTempRange);
    for (ESpinBoxItem *item : {m_env, m_humid, m_ref})
        connect(item, &ESpinBoxItem::valueChanged, this, &EAnalysisSetup::changePara);
    if (EToolWidget *bar = EGlobal::getToolBar())
        connect(bar, &EToolWidget::signal_change_lens, this, &EAnalysisSetup::slot_change_lens);
    readConfigPara();
}

void EAnalysisSetup::setCustomStyleSheet()
{
    setMeasureSheet(QStringLiteral("QPushButton:focus{background-color: rgb(255,0,0);}"));
}

QStringList EAnalysisSetup::rangeList()
{
    EObjectSettings settings(s_biaoDing);
    int count = settings.readInt(QStringLiteral("TempRangeNum"), 2, INT_MIN, INT_MAX);
    // No range at all is no choice: the two default ranges stand then.
    if (count < 1)
        count = 2;
    StoredSettings text(QLatin1String(EObjectSettings::fileName()), QSettings::IniFormat);
    QStringList list;
    for (int i = 0; i < qMin(count, MaxRanges); ++i) {
        const QString key = s_biaoDing + QStringLiteral("/TempRange%1").arg(i);
        list << text.value(key, QLatin1String(s_rangeDefaults[i])).toString() + degreeC();
    }
    return list;
}

int EAnalysisSetup::lensEntry(int lensIndex)
{
    if (lensIndex < 0)
        return 0;
    return lensIndex < 4 ? lensIndex + 1 : 5;
}

void EAnalysisSetup::readConfigPara()
{
    qWarning("read config Para");
    {
        EObjectSettings settings(s_global);
        const float env = float(settings.readReal(QStringLiteral("Env"), 25.0, -1e9, 1e9));
        const float humid = float(settings.readReal(QStringLiteral("Humid"), 0.6, -1e9, 1e9));
        const float ref = float(settings.readReal(QStringLiteral("Reflec"), 25.0, -1e9, 1e9));
        for (ESpinBoxItem *item : {m_env, m_ref})
            item->setSuffix(MeasureUnits::tempSuffix());
        m_env->setRange(out(-40.0f), out(125.0f));
        m_ref->setRange(out(-100.0f), out(2000.0f));
        m_env->setValue(out(env), false);
        m_ref->setValue(out(ref), false);
        m_humid->setValue(float(std::lround(double(humid) * 100.0)), false);
    }
    const QStringList ranges = rangeList();
    m_range->setStringList(ranges);
    const int stored = EObjectSettings(s_biaoDing).readInt(QStringLiteral("TempRange"), 0, INT_MIN, INT_MAX);
    m_range->setCurrentIndex(qBound(0, stored, int(ranges.size()) - 1));
    FPGA *fpga = EGlobal::getFPGA();
    setLenIndex(fpga ? fpga->get_set_lenIndex() : -1);
}

bool EAnalysisSetup::savePara()
{
    qWarning("savePara");
    auto fixed2 = [](double v) { return QString::asprintf("%.2f", v); };
    const QString g = s_global + QLatin1Char('/');
    const bool written = EPendingSettings::writeNow({
        {g + QStringLiteral("Env"), fixed2(double(EGlobal::unit_in_temp(m_env->cleanText().toFloat())))},
        {g + QStringLiteral("Humid"), fixed2(m_humid->value() / 100.0)},
        {g + QStringLiteral("Reflec"), fixed2(double(EGlobal::unit_in_temp(m_ref->cleanText().toFloat())))},
        {s_biaoDing + QStringLiteral("/TempRange"), m_range->currentIndex()},
    });
    if (!written)
        qWarning("EAnalysisSetup: the measurement setup could not be stored");
    return written;
}

void EAnalysisSetup::changePara(const QString &name)
{
    qWarning("change para %s", qPrintable(name));
    FPGA *fpga = EGlobal::getFPGA();
    if (fpga) {
        if (name == QLatin1String("Env"))
            fpga->setEnvTemp(EGlobal::unit_in_temp(m_env->cleanText().toFloat()));
        else if (name == QLatin1String("Ref"))
            fpga->setReflecTemp(EGlobal::unit_in_temp(m_ref->cleanText().toFloat()));
        else if (name == QLatin1String("Humid"))
            fpga->setHumid(float(m_humid->value() / 100.0));
    }
    if (EGraphicsView *view = EGlobal::getGraphicsView())
        view->updateLevelSpan();
}

void EAnalysisSetup::changeTempRange(int index)
{
    showMessageBox(index);
}

unsigned short EAnalysisSetup::intTime(int range)
{
    const int fallback = range == 0 ? 90 : 190;
    return static_cast<unsigned short>(
        EObjectSettings(s_biaoDing).readInt(QStringLiteral("IntTime%1").arg(range), fallback, 1, 65535));
}

void EAnalysisSetup::change()
{
    m_currentRange = EObjectSettings(s_biaoDing).readInt(QStringLiteral("TempRange"), 0, 0, MaxRanges - 1);
    if (FPGA *fpga = EGlobal::getFPGA())
        fpga->changeTempRange(m_currentRange, intTime(m_currentRange));
    if (EGraphicsView *view = EGlobal::getGraphicsView())
        view->setShutting(true);
}

void EAnalysisSetup::showTip(const QString &text)
{
    if (EGraphicsView *view = EGlobal::getGraphicsView()) {
        view->setTipsText(text);
        view->setTipsVisibled(true);
    }
}

void EAnalysisSetup::showMessageBox(int index)
{
    hide();
    m_range->setCurrentIndex(qBound(0, index, m_range->count() - 1));
    savePara();
    change();
    showTip(tr("Changing Temp Range!"));
    m_messageTimer.start(Intervals::ms(RangeChangeMs));
}

bool EAnalysisSetup::parseRange(const QString &entry, int *min, int *max)
{
    QString text = entry;
    text.remove(degreeC());
    const QStringList parts = text.split(QLatin1Char('~'));
    if (parts.size() != 2)
        return false;
    bool okLow = false, okHigh = false;
    const int low = parts.at(0).trimmed().toInt(&okLow, 10);
    const int high = parts.at(1).trimmed().toInt(&okHigh, 10);
    if (!okLow || !okHigh || low >= high)
        return false;
    *min = low;
    *max = high;
    return true;
}

void EAnalysisSetup::slot_messageTimerHandler()
{
    FPGA *fpga = EGlobal::getFPGA();
    EGraphicsView *view = EGlobal::getGraphicsView();
    if (fpga) {
        // The tables of the range the core was switched to: the library's
        // own read of "TempRange" knows only the first two ranges.
        fpga->setSystemAdToTempTab(fpga->getLenIndex(), m_currentRange);
        switch (fpga->checkBiaoDingTab()) {
        case -1:
            showTip(tr("Calibration file error!"));
            break;
        case -2:
            showTip(tr("Modify file error!"));
            break;
        default:
            if (view)
                view->setTipsVisibled(false);
        }
    }
    if (!view)
        return;
    view->setTempRange(m_currentRange);
    int min = 0, max = 0;
    if (parseRange(m_range->stringList().value(m_currentRange), &min, &max))
        view->setTempRangeMinMax(min, max);
    view->shutterHandler();
}

void EAnalysisSetup::slot_change_lens(int lensIndex)
{
    setLenIndex(lensIndex);
}

void EAnalysisSetup::setLenIndex(int lensIndex)
{
    m_lens->setCurrentIndex(lensEntry(lensIndex));
}
