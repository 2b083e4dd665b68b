#include "egraphicsview.h"

#include "ecolorrect.h"

#include "eareagraphicsitem.h"
#include "eareawidget.h"
#include "eadjustlevelitem.h"
#include "ecapturepanel.h"
#include "eimagepopup.h"
#include "elivepopups.h"
#include "emainmenu.h"
#include "elinearrowitem.h"
#include "elinegraphicsitem.h"
#include "espotgraphicsitem.h"
#include "eglobal.h"
#include "egraphicsmaxitem.h"
#include "egraphicsminitem.h"
#include "egraphicsmodeitem.h"
#include "egraphicstextitem.h"
#include "ebattery.h"
#include "etoolwidget.h"
#include "indicator.h"
#include "indicatorimage.h"
#include "ir_indicator.h"
#include "nativename.h"
#include "paths.h"
#include "storedsettings.h"
#include "zflickertime.h"
#include "intervals.h"
#include "elinewidget.h"
#include "eobjectsettings.h"
#include "ependingsettings.h"
#include "espotwidget.h"
#include "fpga.h"
#include "transientmark.h"

#include <QApplication>
#include <QDir>

#include <limits>
#include <QMouseEvent>
#include <QEvent>
#include <QGraphicsProxyWidget>
#include <QGraphicsPixmapItem>
#include <QGraphicsScene>
#include <QTimer>

#include <algorithm>
#include <climits>
#include <cmath>

namespace {
const QString DegreeC = QString(QChar(0x00B0)) + QLatin1Char('C');
// Where spots 1-3 are first placed when no position is stored.
const int SpotStartX[] = {160, 80, 240};
} // namespace

EGraphicsView::EGraphicsView(QWidget *parent)
    : EGraphicsViewPrivate(parent)
{
    setStyleSheet(QStringLiteral("background-color: rgba(0, 0, 0, 0);"));
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    EGlobal::setGraphicsView(this);
    EReadingsHost::setInstance(this);
    EImageViewHost::setInstance(this);

    m_shutterTimer = new QTimer(this);
    m_shutterTimer->setSingleShot(true);
    connect(m_shutterTimer, &QTimer::timeout, this, &EGraphicsView::slot_hideShutterDisplay);

    m_scene = new QGraphicsScene;
    m_scene->setSceneRect(0, 0, 320, 240);
    m_scene->setItemIndexMethod(QGraphicsScene::NoIndex);
    setScene(m_scene);

    m_readings = new EGraphicsTextItem(m_scene);
    m_readings->setDefaultTextColor(Qt::white);
    m_readings->setPos(0, 16);
    m_scene->addItem(m_readings);
    m_readings->hide();

    m_unit = new EGraphicsTextItem(m_scene);
    m_unit->setDefaultTextColor(Qt::white);
    m_unit->setPos(4, 0);
    m_unit->setPlainText(DegreeC);
    m_scene->addItem(m_unit);
    m_unit->hide();

    displayColorBarTemp();
    createObjects(Spot);
    createObjects(Area);
    createObjects(Line);

    m_readingsTimer = new QTimer(this);
    connect(m_readingsTimer, &QTimer::timeout, this, &EGraphicsView::displayTemp);
    m_autoLevelSpanTimer = new QTimer(this);
    connect(m_autoLevelSpanTimer, &QTimer::timeout, this, &EGraphicsView::autoLevelSpanHandler);
    m_handLevelSpanTimer = new QTimer(this);
    m_handLevelSpanTimer->setSingleShot(true);
    connect(m_handLevelSpanTimer, &QTimer::timeout, this, &EGraphicsView::slot_handLevelSpanTimer);
    m_readingsTimer->start(RefreshMs);

    displayToolBar();

    m_laser = new QGraphicsPixmapItem(QPixmap(QStringLiteral(":/images/laser.png")));
    const QRectF laser = m_laser->boundingRect();
    m_laser->setPos(160 - laser.width() / 2, 120 - laser.height() / 2);
    m_scene->addItem(m_laser);
    m_laser->hide();

    readLevelSpanAtStart();
    InitMultiRz();
    InitFlickerTime();
    updatetimeFormat();
    init();
}

EGraphicsView::~EGraphicsView()
{
    m_readingsTimer->stop();
    m_autoLevelSpanTimer->stop();
    EPendingSettings::instance()->flush();
    if (EGlobal::getGraphicsView() == this)
        EGlobal::setGraphicsView(nullptr);
    // The registrations clear themselves only once this body has run; the
    // parts deleted below must not reach a view half taken apart.
    if (EReadingsHost::instance() == this)
        EReadingsHost::setInstance(nullptr);
    if (ETipsHost::instance() == this)
        ETipsHost::setInstance(nullptr);
    if (EImageViewHost::instance() == this)
        EImageViewHost::setInstance(nullptr);
    // The objects' items belong to the scene; the objects go first.
    qDeleteAll(m_spots);
    qDeleteAll(m_areas);
    qDeleteAll(m_lines);
    delete m_colorRect;
    delete m_flickerTime;
    delete m_irIndicator;
    delete m_videoIndicator;
    setScene(nullptr);
    delete m_scene;
}


void EGraphicsView::init()
{
    int imageMode = IR;
    {
        const EObjectSettings settings{QString()};
        const int unit = settings.readInt(QStringLiteral("TempUnit"), 0, 0, 2);
        if (m_toolBar)
            m_toolBar->changeTempUnit(char(unit));
        EGlobal::setSystemTempUnit(char(unit));
        EGlobal::setSystemLenUnit(char(settings.readInt(QStringLiteral("LenUnit"), 0, 0, 1)));
        // Mode 6 is never stored, so it is no start-up mode either.
        imageMode = settings.readInt(QStringLiteral("ImageMode"), IR, IR, VIS_MIX_IR);
        m_irPipeCcdPosition = settings.readInt(QStringLiteral("Image_IR_Pipe_CCD_Position"), 0, 0, 3);
        m_ccdPipeIrPosition = settings.readInt(QStringLiteral("Image_CCD_Pipe_IR_Position"), 0, 0, 3);
    }

    if (!m_tips) {
        m_tips = new EGraphicsTextItem(m_scene);
        m_tips->setDefaultTextColor(Qt::white);
        TransientMark::mark(m_tips);
        m_scene->addItem(m_tips);
    }
    // Only now can the view show a tip: a settings write that fails while
    // it is being built is told at the next failure.
    ETipsHost::setInstance(this);
    setTipsText(tr("Calibration file error!"));
    FPGA *fpga = EGlobal::getFPGA();
    switch (fpga ? fpga->checkBiaoDingTab() : 0) {
    case -1:
        setTipsText(tr("Calibration file error!"));
        setTipsVisibled(true);
        break;
    case -2:
        setTipsText(tr("Modify file error!"));
        setTipsVisibled(true);
        break;
    default:
        setTipsVisibled(false);
        break;
    }
    setImageMode(imageMode);
}

// ---- readout ----

void EGraphicsView::displayTemp()
{
    if (m_shutting)
        return;
    QString text;
    for (const QString &part : {displaySpotTemp(), displayLineTemp(), displayAreaTemp()}) {
        if (!part.isEmpty() && !text.isEmpty())
            text += QLatin1Char('\n');
        text += part;
    }
    m_readings->setPlainText(text);
    if (text.isEmpty()) {
        m_readings->hide();
        return;
    }
    m_readings->setHighlightText(currentObject && currentObject->isHighlight() ? currentObject->name() : QString());
    const int top = m_cleared ? 2 : 18;
    m_readings->setPos(4, top);
    // A list too long for the room below continues in a second column,
    // each object's lines kept together.
    m_readings->setEntryStarts(readingEntryStarts());
    m_readings->setColumnHeight(readingsBottom() - top);
    // Rather behind a page's controls at the bottom than off the panel.
    if (m_readings->mapRectToScene(m_readings->boundingRect()).right() > PanelWidth)
        m_readings->setColumnHeight(PanelHeight - top);
    m_readings->show();
}

template <typename Map>
static QString refreshAndJoin(const Map &objects)
{
    QString text;
    for (auto *object : objects) {
        if (!object || !object->isVisibled())
            continue;
        object->updateTemp();
        if (!text.isEmpty())
            text += QLatin1Char('\n');
        text += object->name();
    }
    return text;
}

// The first line of each visible object's entry, in the list's order.
QList<int> EGraphicsView::readingEntryStarts() const
{
    QList<int> starts;
    int line = 0;
    const auto add = [&](const auto &objects) {
        for (auto *object : objects)
            if (object && object->isVisibled()) {
                starts << line;
                line += int(object->name().count(QLatin1Char('\n'))) + 1;
            }
    };
    add(m_spots);
    add(m_lines);
    add(m_areas);
    return starts;
}

QString EGraphicsView::displaySpotTemp()
{
    return refreshAndJoin(m_spots);
}

QString EGraphicsView::displayLineTemp()
{
    return refreshAndJoin(m_lines);
}

QString EGraphicsView::displayAreaTemp()
{
    return refreshAndJoin(m_areas);
}

void EGraphicsView::clearScreen(bool on)
{
    m_cleared = on;
    FPGA *fpga = EGlobal::getFPGA();
    if (on) {
        if (m_toolBar)
            m_toolBar->hide();
        setColorBarLabelsVisible(false);
        m_colorRect->setVisible(false);
        if (fpga)
            fpga->fpga_switch_colorBar(false);
        for (int n = 1; n <= SpotCount; ++n)
            if (spotVisible[n - 1]) {
                getSpotWidget(n)->setVisible(false);
                getSpotWidget(n)->setScaledType(EScaledLayout::FullScreen);
            }
        for (int n = 1; n <= AreaCount; ++n)
            if (areaVisible[n - 1]) {
                getAreaWidget(n)->setVisible(false);
                getAreaWidget(n)->setScaledType(EScaledLayout::FullScreen);
            }
        for (int n = 1; n <= LineCount; ++n)
            if (lineVisible[n - 1])
                getLineWidget(n)->setVisible(false);
    } else {
        setImageMode(m_imageMode);
        if (m_toolBar)
            m_toolBar->show();
        if (fpga)
            fpga->fpga_switch_colorBar(true);
    }
    displayTemp();
}

void EGraphicsView::displayTempUnit()
{
    const EObjectSettings settings{QString()};
    const int unit = settings.readInt(QStringLiteral("TempUnit"), 0, INT_MIN, INT_MAX);
    m_unit->setPlainText(unit == 1 ? QStringLiteral("F") : unit == 2 ? QStringLiteral("K") : DegreeC);
    m_unit->show();
}

void EGraphicsView::hideTempUnit()
{
    m_unit->hide();
}

// ---- tips ----

void EGraphicsView::setTipsText(const QString &text)
{
    m_tipsText = text;
    m_tips->setPlainText(text);
    const QRectF box = m_tips->boundingRect();
    m_tips->setPos((320 - box.width()) / 2, (240 - box.height()) / 2);
}

QString EGraphicsView::getTipsText() const
{
    return m_tips ? m_tips->plainText() : QString();
}

void EGraphicsView::setTipsVisibled(bool visible)
{
    m_tipsVisible = visible;
    if (!m_calibrating)
        m_tips->setVisible(visible);
}

void EGraphicsView::setTipsVisibled_p(bool visible)
{
    m_tipsVisible = visible;
    m_tips->setVisible(visible);
}

bool EGraphicsView::tipsVisibled() const
{
    return m_tipsVisible;
}

// ---- measurement objects ----

int EGraphicsView::countOf(Kind kind)
{
    return kind == Spot ? SpotCount : kind == Area ? AreaCount : LineCount;
}

QString EGraphicsView::groupOf(Kind kind, int n)
{
    const char *name = kind == Spot ? "Spot_%1" : kind == Area ? "Area_%1" : "Line_%1";
    return QString::fromLatin1(name).arg(n);
}

EAnalysisWidget *EGraphicsView::object(Kind kind, int n) const
{
    if (kind == Spot)
        return getSpotWidget(n);
    if (kind == Area)
        return getAreaWidget(n);
    return getLineWidget(n);
}

bool *EGraphicsView::visibleFlag(Kind kind, int n)
{
    if (n < 1 || n > countOf(kind))
        return nullptr;
    return kind == Spot ? &spotVisible[n - 1] : kind == Area ? &areaVisible[n - 1] : &lineVisible[n - 1];
}

void EGraphicsView::createObjects(Kind kind)
{
    for (int n = 1; n <= countOf(kind); ++n) {
        const bool created = !object(kind, n);
        if (kind == Spot && created)
            m_spots.insert(n - 1, new ESpotWidget(m_scene, nullptr, n, false, false));
        else if (kind == Area && created)
            m_areas.insert(n - 1, new EAreaWidget(m_scene, nullptr, n, false, 80, 80));
        else if (kind == Line && created)
            m_lines.insert(n - 1, new ELineWidget(m_scene, nullptr, n, false));
        bool shown = false;
        {
            const EObjectSettings settings(groupOf(kind, n));
            shown = settings.readBool(QStringLiteral("Visible"), kind == Spot && n == 1);
        }
        *visibleFlag(kind, n) = shown;
        object(kind, n)->setVisible(shown);
        if (!created)
            continue;
        if (kind == Spot) {
            // A Manual spot keeps the place the user gave it; the default
            // place is only for a spot that has none stored.
            ESpotWidget *spot = getSpotWidget(n);
            if (spot->mode() == ESpotWidget::Manual && spot->hasStoredPosition())
                spot->setScaledType(EScaledLayout::FullScreen);
            else
                spot->move(SpotStartX[n - 1], 120, 0);
        } else if (kind == Area) {
            getAreaWidget(n)->setScaledType(EScaledLayout::FullScreen);
        }
    }
    setFocus(Qt::OtherFocusReason);
    displayTemp();
    update();
}

void EGraphicsView::makeCurrent(EAnalysisWidget *next)
{
    if (currentObject && currentObject != next)
        currentObject->setHighlight(false);
    currentObject = next;
    next->setHighlight(true);
}

void EGraphicsView::setSpotAreaScaling(EAnalysisWidget *target, int scaledType)
{
    if (auto *spot = qobject_cast<ESpotWidget *>(target))
        spot->setScaledType(scaledType);
    else if (auto *area = qobject_cast<EAreaWidget *>(target))
        area->setScaledType(scaledType);
}

void EGraphicsView::showObject(Kind kind, int n)
{
    bool *flag = visibleFlag(kind, n);
    if (!flag)
        return;
    *flag = true;
    EAnalysisWidget *target = object(kind, n);
    int scaledType = EScaledLayout::FullScreen;
    bool show = false;
    switch (m_imageMode) {
    case IR:
    case IR_PIPE_VIS:
    case IR_MIX_VIS:
        show = true;
        break;
    case VIS_PIPE_IR:
        show = kind != Line;
        scaledType = m_ccdPipeIrPosition;
        break;
    case VIS_MIX_IR:
        show = kind != Line;
        scaledType = EScaledLayout::Centred;
        break;
    default:
        break;
    }
    if (show && target) {
        makeCurrent(target);
        if (kind != Line)
            setSpotAreaScaling(target, scaledType);
        target->setVisible(true);
        displayTemp();
    }
    EPendingSettings::instance()->setValue(groupOf(kind, n), QStringLiteral("Visible"), true);
    EPendingSettings::instance()->flush();
}

void EGraphicsView::hideObject(Kind kind, int n)
{
    bool *flag = visibleFlag(kind, n);
    if (!flag)
        return;
    if (EAnalysisWidget *target = object(kind, n)) {
        target->setHighlight(false);
        target->setVisible(false);
        *flag = false;
        if (currentObject == target)
            currentObject = nullptr;
    }
    displayTemp();
    EPendingSettings::instance()->setValue(groupOf(kind, n), QStringLiteral("Visible"), false);
    EPendingSettings::instance()->flush();
}

void EGraphicsView::showSpot(int n, bool on)
{
    if (n < 1)
        createObjects(Spot);
    else
        showObject(Spot, n);
    Q_UNUSED(on);
}

void EGraphicsView::showArea(int n, bool on)
{
    if (n < 1)
        createObjects(Area);
    else
        showObject(Area, n);
    Q_UNUSED(on);
}

void EGraphicsView::showLine(int n, bool on)
{
    if (n < 1)
        createObjects(Line);
    else
        showObject(Line, n);
    Q_UNUSED(on);
}

void EGraphicsView::hideSpot(int n)
{
    hideObject(Spot, n);
}

void EGraphicsView::hideArea(int n)
{
    hideObject(Area, n);
}

void EGraphicsView::hideLine(int n)
{
    hideObject(Line, n);
}

void EGraphicsView::clearCurrentFocusWidget()
{
    if (!currentObject)
        return;
    currentObject->setHighlight(false);
    currentObject = nullptr;
}

void EGraphicsView::flushPendingSettings()
{
    EPendingSettings::instance()->flush();
}

// ---- picture modes ----

bool EGraphicsView::laserOn() const
{
    FPGA *fpga = EGlobal::getFPGA();
    return fpga && fpga->getLaserStatus();
}

void EGraphicsView::showLaserIfOn()
{
    if (laserOn())
        m_laser->show();
}

void EGraphicsView::storeInt(const char *key, int value)
{
    EPendingSettings::instance()->setValue(QString(), QLatin1String(key), value);
    EPendingSettings::instance()->flush();
}

void EGraphicsView::setImageMode(Image_Mode_t mode)
{
    if (mode < IR || mode > 6)
        return;
    m_imageMode = mode;
    FPGA *fpga = EGlobal::getFPGA();
    if (m_cleared) {
        m_laser->setVisible(laserOn() && (mode == IR || mode == VIS_MIX_IR));
        if (fpga)
            fpga->setImageMode(mode);
        if (mode != 6)
            storeInt("ImageMode", mode);
        return;
    }
    if (mode <= VIS_MIX_IR) {
        const bool infraredLabels = mode != Visible && mode != VIS_PIPE_IR;
        setColorBarLabelsVisible(infraredLabels);
        if (!infraredLabels)
            m_colorRect->setVisible(false);
        setMixVisible(mode == IR_MIX_VIS || mode == VIS_MIX_IR);
        if (mode == IR || mode == VIS_MIX_IR)
            showLaserIfOn();
        else
            m_laser->hide();
        const bool objectsShown = mode != Visible;
        const int scaledType = mode == VIS_PIPE_IR ? m_ccdPipeIrPosition
            : mode == VIS_MIX_IR                   ? int(EScaledLayout::Centred)
                                                   : int(EScaledLayout::FullScreen);
        for (Kind kind : {Spot, Area}) {
            for (int n = 1; n <= countOf(kind); ++n) {
                if (!*visibleFlag(kind, n))
                    continue;
                EAnalysisWidget *target = object(kind, n);
                if (objectsShown)
                    setSpotAreaScaling(target, scaledType);
                target->setVisible(objectsShown);
            }
        }
        const bool linesShown = mode == IR || mode == IR_PIPE_VIS || mode == IR_MIX_VIS;
        for (int n = 1; n <= LineCount; ++n)
            if (lineVisible[n - 1])
                getLineWidget(n)->setVisible(linesShown);
    }
    displayTemp();
    if (fpga)
        fpga->setImageMode(mode);
    if (mode != 6)
        storeInt("ImageMode", mode);
}

int EGraphicsView::set_IR_Pipe_CCD_Position(Image_Position_t position)
{
    if (position < POSITION_TOP_LEFT || position > POSITION_TOP_RIGHT)
        return -1;
    m_irPipeCcdPosition = position;
    if (FPGA *fpga = EGlobal::getFPGA())
        fpga->set_IR_Pipe_CCD_Position(position);
    storeInt("Image_IR_Pipe_CCD_Position", position);
    return 0;
}

int EGraphicsView::set_CCD_Pipe_IR_Position(Image_Position_t position)
{
    if (position < POSITION_TOP_LEFT || position > POSITION_TOP_RIGHT)
        return -1;
    m_ccdPipeIrPosition = position;
    if (FPGA *fpga = EGlobal::getFPGA())
        fpga->set_CCD_Pipe_IR_Position(position);
    for (ESpotWidget *spot : std::as_const(m_spots))
        if (spot->isVisibled())
            spot->setScaledType(position);
    for (EAreaWidget *area : std::as_const(m_areas))
        if (area->isVisibled())
            area->setScaledType(position);
    storeInt("Image_CCD_Pipe_IR_Position", position);
    return 0;
}


bool EGraphicsView::eventFilter(QObject *watched, QEvent *event)
{
    // The main menu closes when it loses activation.
    if (event->type() == QEvent::WindowDeactivate && watched->objectName() == QLatin1String("EMainInterface")) {
        if (auto *menu = qobject_cast<QWidget *>(watched))
            menu->setVisible(false);
    }
    return false;
}

// ---- level/span and the colour-bar scale ----

namespace {
const float DefaultManualMax = 150.0f;
const float DefaultManualMin = -20.0f;
// Height of a label: the two markers never come closer than this.
const int LabelHeight = 17;

QString rangeText(int celsius)
{
    return QString::asprintf("%.1f", double(EGlobal::unit_out_temp(float(celsius))));
}
} // namespace

// The palette model uploads the stored palette to the board and keeps the
// bar's lines hidden until a manual adjustment shows them; the labels
// beside it follow the scale.
void EGraphicsView::displayColorBarTemp()
{
    if (!m_colorRect)
        m_colorRect = new EColorRect(m_scene, 299, 56, 16, 128);
    m_modeItem = new EGraphicsModeItem(m_scene);
    m_maxItem = new EGraphicsMaxItem(m_scene);
    m_minItem = new EGraphicsMinItem(m_scene);
    m_manualMax = new EGraphicsTextItem(m_scene);
    m_manualMin = new EGraphicsTextItem(m_scene);
    for (EGraphicsTextItem *item : {static_cast<EGraphicsTextItem *>(m_modeItem), static_cast<EGraphicsTextItem *>(m_maxItem),
             static_cast<EGraphicsTextItem *>(m_minItem), m_manualMax, m_manualMin}) {
        item->setDefaultTextColor(Qt::white);
        m_scene->addItem(item);
    }
    m_modeText = tr("Auto");
    placeRight(m_modeItem, m_modeText, 208);
    placeRight(m_maxItem, QStringLiteral("100.0"), 37);
    placeRight(m_minItem, QStringLiteral("25.0"), 187);
    placeRight(m_manualMax, QStringLiteral("100.0"), 59, -20);
    placeRight(m_manualMin, QStringLiteral("25.0"), 164, -20);
    m_manualMax->hide();
    m_manualMin->hide();
    setColorTable(m_colorRect->getColorTable().data(), true);
}

void EGraphicsView::placeRight(EGraphicsTextItem *item, const QString &text, int y, int dx)
{
    item->setPlainText(text);
    item->setPos(320 - item->boundingRect().width() + dx, y);
}

QString EGraphicsView::tempText(float celsius) const
{
    return EAnalysisWidget::formatValue(EGlobal::unit_out_temp(celsius));
}

void EGraphicsView::setColorBarLabelsVisible(bool visible)
{
    m_maxItem->setVisible(visible);
    m_minItem->setVisible(visible);
    m_modeItem->setVisible(visible);
}

void EGraphicsView::readLevelSpanAtStart()
{
    const EObjectSettings settings{QString()};
    const Mode_t mode = settings.readInt(QStringLiteral("ImageAdjust"), MODE_AUTO, MODE_AUTO, MODE_MANUAL);
    setLevelSpanMode(mode);
    if (mode != MODE_MANUAL)
        return;
    StoredSettings stored(QStringLiteral("Parameter/Setting"), QSettings::NativeFormat);
    bool okMax = false, okMin = false;
    float max = stored.value(QStringLiteral("Manual_MaxTemp")).toString().trimmed().toFloat(&okMax);
    float min = stored.value(QStringLiteral("Manual_MinTemp")).toString().trimmed().toFloat(&okMin);
    if (!okMax || !okMin)
        max = min = NAN;
    sanitizeManualLimits(&min, &max, m_rangeMin, m_rangeMax);
    setMinTempValue(min);
    setMaxTempValue(max);
    if (FPGA *fpga = EGlobal::getFPGA())
        fpga->fpga_start_level_span_control(true);
    updateLevelSpan();
}

void EGraphicsView::sanitizeManualLimits(float *min, float *max, int rangeMin, int rangeMax)
{
    const bool sound = std::isfinite(*min) && std::isfinite(*max) && *min < *max && *min >= rangeMin && *max <= rangeMax;
    if (sound)
        return;
    *min = DefaultManualMin;
    *max = DefaultManualMax;
    if (rangeMin < rangeMax) {
        *min = std::clamp(*min, float(rangeMin), float(rangeMax));
        *max = std::clamp(*max, float(rangeMin), float(rangeMax));
        if (!(*min < *max)) {
            *min = rangeMin;
            *max = rangeMax;
        }
    }
}

void EGraphicsView::setLevelSpanMode(Mode_t mode)
{
    if (mode < MODE_AUTO || mode > MODE_MANUAL)
        return;
    storeInt("ImageAdjust", mode);
    FPGA *fpga = EGlobal::getFPGA();
    if (fpga)
        fpga->setLevelSpanMode(mode);
    if (fpga && mode != m_levelSpanMode && mode != MODE_MANUAL)
        fpga->calcLevelSpan(mode, false);
    m_levelSpanMode = mode;
    if (mode == MODE_MANUAL) {
        m_modeText = tr(" M ");
        m_autoLevelSpanTimer->stop();
    } else {
        m_modeText = mode == MODE_HISTOGRAM ? tr(" HG ") : tr("Auto");
        autoLevelSpanHandler();
        updateMinMaxTemp();
        m_autoLevelSpanTimer->start(AutoRefreshMs);
    }
    placeRight(m_modeItem, m_modeText, 208);
}

void EGraphicsView::autoLevelSpanHandler()
{
    FPGA *fpga = EGlobal::getFPGA();
    if (!fpga || m_levelSpanMode == MODE_MANUAL)
        return;
    fpga->calcLevelSpan(m_levelSpanMode, true);
    updateMinMaxTemp();
}

void EGraphicsView::updateMinMaxTemp()
{
    FPGA *fpga = EGlobal::getFPGA();
    if (!fpga || m_shutting || m_levelSpanMode == MODE_MANUAL)
        return;
    IrTempStru low{}, high{};
    fpga->getMinMaxTemp(&low, &high);
    // A failed reading ("NULL") leaves the label as it was.
    auto apply = [this](const IrTempStru &reading, float *stored, EGraphicsTextItem *label, int y) {
        const QByteArray status(reading.status, int(qstrnlen(reading.status, sizeof reading.status)));
        QString text;
        if (status == "OK" && std::isfinite(reading.temp)) {
            *stored = reading.temp;
            text = tempText(reading.temp);
        } else if (status == "H" || status == "HE") {
            *stored = m_rangeMax;
            text = rangeText(m_rangeMax);
        } else if (status == "L" || status == "LE") {
            *stored = m_rangeMin;
            text = rangeText(m_rangeMin);
        } else {
            return;
        }
        placeRight(label, text, y);
    };
    apply(low, &m_minTemp, m_minItem, 187);
    apply(high, &m_maxTemp, m_maxItem, 37);
}

bool EGraphicsView::previewTable(const RgbTable &palette, float min, float max, int rangeMin, int rangeMax, RgbTable *out)
{
    const double range = double(rangeMax) - double(rangeMin);
    if (!(range > 0) || !std::isfinite(min) || !std::isfinite(max) || min > max)
        return false;
    const double lo = (min - rangeMin) * 255.0 / range;
    const double hi = (max - rangeMin) * 255.0 / range;
    // Both ends must truncate into 0..255.
    if (!(lo > -1.0 && lo < 256.0 && hi > -1.0 && hi < 256.0))
        return false;
    const int first = int(lo);
    const int last = int(hi);
    const double step = 256.0 / (hi - lo + 1.0);
    double k = 0;
    for (int i = 0; i < 256; ++i) {
        if (i < first) {
            (*out)[i] = palette[0];
        } else if (i <= last) {
            (*out)[i] = palette[std::clamp(int(k), 0, 255)];
            k += step;
        } else {
            (*out)[i] = palette[255];
        }
    }
    return true;
}

QPair<int, int> EGraphicsView::markerRows(float min, float max, int rangeMin, int rangeMax)
{
    const double range = double(rangeMax) - double(rangeMin);
    const double c = ((double(min) + max) / 2 - rangeMin) * 128 / range;
    const double h = ((double(max) - min) / 2) * 128 / range;
    const int p = int(std::clamp(c - h, double(LabelHeight), 110.0));
    const int q = int(std::clamp(c + h, double(LabelHeight), 110.0));
    return {184 - p, 167 - q};
}

void EGraphicsView::setMinMaxTempValue(float min, float max)
{
    if (!std::isfinite(min) || !std::isfinite(max))
        return;
    m_minTemp = min;
    m_maxTemp = max;
    if (FPGA *fpga = EGlobal::getFPGA())
        fpga->handLevelSpan(min, max);
    const bool sound = previewTable(m_palette, min, max, m_rangeMin, m_rangeMax, &m_preview);
    if (sound)
        m_colorRect->setColorTable(m_preview.data(), true);
    m_handLevelSpanTimer->start(Intervals::ms(HandDisplayMs));
    placeRight(m_minItem, rangeText(m_rangeMin), 187);
    placeRight(m_maxItem, rangeText(m_rangeMax), 37);
    m_minItem->show();
    m_maxItem->show();
    // Without a range width there is no bar to put the markers on.
    if (m_rangeMax > m_rangeMin) {
        const QPair<int, int> rows = markerRows(min, max, m_rangeMin, m_rangeMax);
        placeRight(m_manualMin, tempText(min), rows.first, -20);
        placeRight(m_manualMax, tempText(max), rows.second, -20);
        m_manualMin->show();
        m_manualMax->show();
    } else {
        m_manualMin->hide();
        m_manualMax->hide();
    }
    storeManualLimits();
}

// A held arrow changes the limits every 200 ms: the keys are written once
// it rests.
void EGraphicsView::storeManualLimits()
{
    EPendingSettings::instance()->setValue(QString(), QStringLiteral("Manual_MaxTemp"), QString::asprintf("%.1f", double(m_maxTemp)));
    EPendingSettings::instance()->setValue(QString(), QStringLiteral("Manual_MinTemp"), QString::asprintf("%.1f", double(m_minTemp)));
}

void EGraphicsView::slot_handLevelSpanTimer()
{
    m_handLevelSpanTimer->stop();
    m_manualMin->hide();
    m_manualMax->hide();
    if (m_imageMode == Visible || m_imageMode == VIS_PIPE_IR) {
        m_minItem->hide();
        m_maxItem->hide();
    }
    setMinTempValue(m_minTemp);
    setMaxTempValue(m_maxTemp);
    m_colorRect->setVisible(false);
}

void EGraphicsView::setMinTempValue(float min)
{
    m_minTemp = min;
    placeRight(m_minItem, tempText(min), 187);
}

void EGraphicsView::setMaxTempValue(float max)
{
    m_maxTemp = max;
    placeRight(m_maxItem, tempText(max), 37);
}

int EGraphicsView::updateLevelSpan()
{
    if (m_levelSpanMode != MODE_MANUAL)
        return -1;
    FPGA *fpga = EGlobal::getFPGA();
    return fpga ? fpga->handLevelSpan(m_minTemp, m_maxTemp) : -1;
}

void EGraphicsView::changeTempUnit(int)
{
    setMinTempValue(m_minTemp);
    setMaxTempValue(m_maxTemp);
    if (EImagePopup *popup = EImagePopup::instance()) {
        // The page reads the manual limits back from the settings.
        EPendingSettings::instance()->flush();
        popup->changeTempUnit();
    }
}

void EGraphicsView::setTempRangeMinMax(int min, int max)
{
    if (min >= max)
        return;
    m_rangeMin = min;
    m_rangeMax = max;
    if (EImagePopup *popup = EImagePopup::instance())
        popup->setTempRangeMinMax(min, max);
    if (FPGA *fpga = EGlobal::getFPGA())
        fpga->setTempRangeMinMax(min, max);
}

void EGraphicsView::setColorTable(const _rgb_item *table, bool)
{
    std::copy(table, table + 256, m_palette.begin());
    // The bar keeps its own copy of the palette it paints.
    if (m_colorRect)
        m_colorRect->setColorTable(table, m_colorRect->isVisible());
    m_manualMin->setBackgroundBrush(QColor(m_palette[0].r, m_palette[0].g, m_palette[0].b));
    m_manualMax->setBackgroundBrush(QColor(m_palette[255].r, m_palette[255].g, m_palette[255].b));
}

void EGraphicsView::setHighLightMinMaxTemp(bool)
{
    m_maxItem->update();
    m_minItem->update();
}

void EGraphicsView::setBrightTempValue(float value)
{
    m_brightTemp = std::max(EGlobal::unit_in_temp(value), 4.0f);
}

void EGraphicsView::setSpanTempValue(float value)
{
    m_spanTemp = std::max(EGlobal::unit_in_temp(value), 4.0f);
}

float EGraphicsView::getBrightTempValue() const
{
    return EGlobal::unit_out_temp(m_brightTemp);
}

float EGraphicsView::getSpanTempValue() const
{
    return EGlobal::unit_out_temp(m_spanTemp);
}

void EGraphicsView::autoLevelHandler()
{
    if (FPGA *fpga = EGlobal::getFPGA())
        fpga->autoLevel(m_spanTemp);
}

void EGraphicsView::autoSpanHandler()
{
    if (FPGA *fpga = EGlobal::getFPGA())
        fpga->autoSpan(m_brightTemp);
}

// ---- status bar, shutter, freeze, laser ----

void EGraphicsView::displayToolBar()
{
    m_toolBar = new EToolWidget(nullptr);
    EGlobal::setToolBar(m_toolBar);
    m_toolBar->setAttribute(Qt::WA_TranslucentBackground);
    m_toolBar->setStyleSheet(m_toolBar->styleSheet() + QStringLiteral("EToolWidget { background: transparent; }"));
    m_toolBar->setLogo(QPixmap(QStringLiteral(":/images/logo.png")));
    m_toolBar->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_toolBar->setGeometry(0, 0, 320, 16);
    m_toolBar->setFixedHeight(16);
    m_toolBar->battery()->setLiveView({[this](const QString &text) { setTipsText(text); },
                                       [this](bool on) { setTipsVisibled(on); },
                                       [this] { return tipsVisibled(); },
                                       [this] { updateLevelSpan(); }});
    QGraphicsProxyWidget *bar = m_scene->addWidget(m_toolBar);
    // Drawn again only when the bar changes, not whenever the picture
    // beneath it does.
    bar->setCacheMode(QGraphicsItem::DeviceCoordinateCache);
    bar->setPos(0, 0);
}

// The shutter notice ends 2.5 s after the last shutter: one timer,
// restarted, so a second shutter never ends the first one's notice early.
void EGraphicsView::slot_shutterHandler()
{
    m_shutting = true;
    if (FPGA *fpga = EGlobal::getFPGA())
        fpga->insideShutter();
    m_shutterTimer->start(Intervals::ms(ShutterNoticeMs));
}

void EGraphicsView::shutterHandler()
{
    slot_shutterHandler();
    m_calibrating = true;
    m_tips->setPlainText(tr("Calibrating..."));
    const QRectF box = m_tips->boundingRect();
    m_tips->setPos((320 - box.width()) / 2, (240 - box.height()) / 2);
    m_tips->show();
}

void EGraphicsView::slot_hideShutterDisplay()
{
    m_calibrating = false;
    if (m_tipsVisible) {
        setTipsText(m_tipsText);
        m_tips->show();
    } else {
        m_tips->hide();
    }
    if (FPGA *fpga = EGlobal::getFPGA())
        fpga->updateSensorTemp(true);
    m_shutting = false;
    updateLevelSpan();
    updateMinMaxTemp();
}

void EGraphicsView::freezeFPGAImage(bool on)
{
    qDebug("freeze image :%d", int(on));
    if (FPGA *fpga = EGlobal::getFPGA())
        fpga->freeze_image(on);
}

bool EGraphicsView::gerFreezeFPGAImageStatus() const
{
    FPGA *fpga = EGlobal::getFPGA();
    return fpga && fpga->getFreezeImageStatus();
}

void EGraphicsView::laserHandler(bool on)
{
    if (FPGA *fpga = EGlobal::getFPGA())
        fpga->openLaser(on);
    m_laser->setVisible(on && (m_imageMode == IR || m_imageMode == VIS_MIX_IR));
    if (m_toolBar)
        m_toolBar->laserHandler(on);
}

// ---- pausing ----

void EGraphicsView::saveStatus()
{
    if (m_autoLevelSpanTimer->isActive()) {
        m_autoLevelSpanTimer->stop();
        m_pausedRefresh = true;
    }
    m_readingsTimer->stop();
    if (m_toolBar)
        m_toolBar->startShutterTimer(false);
}

// Every return to the live view begins with a shutter.
void EGraphicsView::restoreStatus()
{
    if (m_pausedRefresh) {
        m_autoLevelSpanTimer->start(AutoRefreshMs);
        m_pausedRefresh = false;
    }
    m_readingsTimer->start(RefreshMs);
    if (m_toolBar)
        m_toolBar->startShutterTimer(true);
    shutterHandler();
}

// ---- storage ----

namespace {
// The leading decimal digits of a part of a name; none gives 0. A run
// longer than a 64-bit key holds saturates instead of wrapping.
qint64 leadingNumber(const QString &name, int from, int length)
{
    qint64 value = 0;
    for (int i = from; i < qMin(int(name.size()), from + length) && name.at(i).isDigit(); ++i)
        value = value > (std::numeric_limits<qint64>::max() - 9) / 10 ? std::numeric_limits<qint64>::max()
                                                                       : value * 10 + name.at(i).digitValue();
    return value;
}
} // namespace

void EGraphicsView::sortVideoNames(QStringList *names)
{
    struct Keyed
    {
        qint64 date;
        qint64 number;
        QString name;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(size_t(names->size()));
    for (QString &name : *names) {
        // The number is the whole digit run: 10000 follows 9999.
        const qint64 date = leadingNumber(name, 0, 6);
        const qint64 number = leadingNumber(name, 7, int(name.size()));
        keyed.push_back({date, number, std::move(name)});
    }
    // The keys are worked out once; names are compared only on a tie,
    // which names of our own layout never have.
    std::stable_sort(keyed.begin(), keyed.end(), [](const Keyed &a, const Keyed &b) {
        if (a.date != b.date)
            return a.date > b.date;
        if (a.number != b.number)
            return a.number > b.number;
        const int caseless = a.name.compare(b.name, Qt::CaseInsensitive);
        return caseless != 0 ? caseless < 0 : a.name < b.name;
    });
    names->clear();
    names->reserve(qsizetype(keyed.size()));
    for (Keyed &k : keyed)
        names->append(std::move(k.name));
}

void EGraphicsView::sacnVideoDir()
{
    const QString folder = Paths::resolve(QStringLiteral("/media/mmc/videoFile/"));
    QDir dir(folder);
    if (!dir.exists())
        QDir().mkpath(folder);
    // By the names' own bytes: a name that is not UTF-8 is listed as the
    // very file it is, and two such names stay two.
    m_videoFiles = NativeName::filesIn(folder, QStringLiteral(".mp4"));
    sortVideoNames(&m_videoFiles);
}

// ---- record time, zoom text, time format ----

void EGraphicsView::InitFlickerTime()
{
    m_flickerTime = new ZFlickerTime(nullptr);
    connect(m_flickerTime, &ZFlickerTime::spacesignals, this, &EGraphicsView::videospaceslots);
    m_flickerTime->hide();
}

void EGraphicsView::startflickertime()
{
    m_flickerTime->show();
    m_flickerTime->startflickerTimer();
}

void EGraphicsView::stopflickertime()
{
    m_flickerTime->stopflickerTimer();
}

int EGraphicsView::getflickertime() const
{
    return m_flickerTime->seconds();
}

bool EGraphicsView::getflickertimestate() const
{
    return m_flickerTime->isVisible();
}

// The card filled up while recording: the recording stops.
void EGraphicsView::videospaceslots()
{
    showWrapIndicator(this, QT_TRANSLATE_NOOP("EGraphicsView", "Lack of space"));
    if (ECapturePanel *panel = ECapturePanel::instance())
        panel->video_start();
}

void EGraphicsView::InitMultiRz()
{
    m_zoomItem = new EGraphicsTextItem(m_scene);
    m_zoomItem->setDefaultTextColor(Qt::white);
    m_scene->addItem(m_zoomItem);
    placeRight(m_zoomItem, QString(), 16);
    m_zoomItem->hide();
}

void EGraphicsView::enableMultiRz(const QString &text)
{
    placeRight(m_zoomItem, text, 16);
    m_zoomItem->show();
}

void EGraphicsView::disableMultiRz()
{
    m_zoomItem->hide();
}

void EGraphicsView::updatetimeFormat()
{
    const EObjectSettings settings{QString()};
    const int format = settings.readInt(QStringLiteral("Timeformat"), 24, INT_MIN, INT_MAX);
    m_timeFormat = format == 12 ? 12 : 24;
}

void EGraphicsView::setMixVisible(bool visible)
{
    if (m_toolBar)
        m_toolBar->setMixVisible(visible);
}

// ---- wrap indicators ----

void EGraphicsView::showWrapIndicator(QWidget *parent, const char *text)
{
    auto *indicator = new Indicator(parent);
    // Translated before the box is sized: the box fits the shown text.
    indicator->setString(tr(text), 0);
}

void EGraphicsView::showImageWrapIndicator(QWidget *parent)
{
    auto *indicator = new Indicator(parent);
    indicator->setImage(1);
}

void EGraphicsView::showIRWrapIndicator(const char *text)
{
    if (m_irIndicator)
        return;
    m_irIndicator = new IR_indicator(nullptr);
    m_irIndicator->setString(QString::fromUtf8(text));
}

void EGraphicsView::hideIRWrapIndicator()
{
    if (!m_irIndicator)
        return;
    m_irIndicator->close();
    delete m_irIndicator;
    m_irIndicator = nullptr;
}

void EGraphicsView::showVideoWrapIndicator(QWidget *parent, const char *image)
{
    if (m_videoIndicator)
        return;
    m_waitIrAd = true;
    m_videoIndicator = new IndicatorImage(parent);
    m_videoIndicator->setIndicatorImage(QString::fromUtf8(image));
    m_videoIndicator->IndicatorRunImage();
    if (ECapturePanel *panel = ECapturePanel::instance())
        panel->panelWindow()->hide();
}

void EGraphicsView::stopVideoWrapIndicator()
{
    if (!m_videoIndicator)
        return;
    m_waitIrAd = false;
    m_videoIndicator->close();
    delete m_videoIndicator;
    m_videoIndicator = nullptr;
    if (ECapturePanel *panel = ECapturePanel::instance())
        panel->panelWindow()->setVisible(true);
}

// ---- touch editing ----

namespace {
// The colour-bar labels and the mode item carry the spot bit as well:
// they are tested first.
enum ItemType {
    BarMinType = 0x100001,
    BarMaxType = 0x100010,
    BarModeType = 0x100011,
    SpotBit = 0x100000,
    AreaBit = 0x1000,
    TextBit = 0x10000,
    LineType = 0x10,
    LineMarkerType = 0x11,
};

// Where a moved area edge may go in each layout: left-edge and top-edge
// ranges; an unknown layout moves no edge.
bool edgeRanges(int scaledType, QPoint *left, QPoint *top)
{
    switch (scaledType) {
    case EScaledLayout::FullScreen: *left = {5, 315}; *top = {5, 235}; return true;
    case 0: *left = {5, 155}; *top = {5, 115}; return true;
    case 1: *left = {5, 155}; *top = {125, 235}; return true;
    case 2: *left = {165, 315}; *top = {125, 235}; return true;
    case 3: *left = {165, 315}; *top = {5, 115}; return true;
    case EScaledLayout::Centred: *left = {85, 235}; *top = {65, 175}; return true;
    default: return false;
    }
}

bool inRange(int value, const QPoint &range)
{
    return value >= range.x() && value <= range.y();
}
} // namespace

int EGraphicsView::pickCorner(const QRect &area, const QPoint &press)
{
    const int ax = area.x(), ay = area.y(), w = area.width(), h = area.height();
    const int px = press.x(), py = press.y();
    if (px >= ax + w - CornerSize && py >= ay + h - CornerSize)
        return 0;
    if (px <= ax + CornerSize && py >= ay + h - CornerSize)
        return 1;
    if (px >= ax + w - CornerSize && py <= ay + CornerSize)
        return 2;
    if (px <= ax + CornerSize && py <= ay + CornerSize)
        return 3;
    return CornerMove;
}

int EGraphicsView::resizeMinimum() const
{
    return m_imageMode == IR || m_imageMode == IR_PIPE_VIS || m_imageMode == IR_MIX_VIS ? 30 : 15;
}

bool EGraphicsView::pressGuarded() const
{
    if (m_waitIrAd)
        return true;
    if (ECapturePanel *panel = ECapturePanel::instance())
        if (panel->panelWindow()->isVisible() || panel->get_activationstat() == ECapturePanel::Shown)
            return true;
    if (const QWidget *strip = ELivePopups::zoomStrip(); strip && strip->isVisible())
        return true;
    return false;
}

// A touch beside a popup over the live view closes it.
void EGraphicsView::closePopupsOutside(const QPoint &at)
{
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal)
        return;
    m_topWidget = true;
    if (QRect(0, 40, 231, 201).contains(at))
        return;
    if (QWidget *panel = ELivePopups::analysisPanel(); panel && modal == panel) {
        panel->setVisible(false);
        if (currentObject && currentObject->isHighlight() && currentObject->isVisibled())
            currentObject->blink(3);
    } else if (EImagePopup *popup = EImagePopup::instance(); popup && modal == popup->popupWindow()) {
        popup->popupWindow()->setVisible(false);
    }
}

void EGraphicsView::pressOnBarePicture()
{
    if (m_topWidget) {
        m_topWidget = false;
    } else if (currentObject && currentObject->isVisibled()) {
        currentObject->setHighlight(false);
        currentObject = nullptr;
        displayTemp();
    } else if (EMainMenu *menu = EMainMenu::instance()) {
        menu->setVisibled(!menu->isVisibled());
    }
}

void EGraphicsView::pressOnArea(EAreaWidget *area, const QPoint &at)
{
    if (currentObject && currentObject != area)
        currentObject->setHighlight(false);
    currentObject = area;
    m_areaAtPress = QRect(area->getX(), area->getY(), area->width(), area->height());
    m_pressPoint = at;
    m_grabOffset = at - m_areaAtPress.topLeft();
    m_corner = pickCorner(m_areaAtPress, at);
    m_resizing = m_corner != CornerMove;
    if (!area->isHighlight()) {
        area->setHighlightPosition(m_corner);
        area->setHighlight(true);
    }
    m_dragKind = DragArea;
}

// Returns true when the press ends here, without the default handling.
bool EGraphicsView::pressOnItems(const QList<QGraphicsItem *> &hits, const QPoint &at)
{
    auto select = [this](EAnalysisWidget *next, int kind) {
        if (!next)
            return;
        if (currentObject && currentObject != next)
            currentObject->setHighlight(false);
        currentObject = next;
        if (!next->isHighlight())
            next->setHighlight(true);
        m_dragKind = kind;
    };
    for (QGraphicsItem *item : hits) {
        const int type = item->type();
        qWarning("type:%x", type);
        if (type == BarMinType || type == BarMaxType || type == BarModeType) {
            EImagePopup *popup = EImagePopup::instance();
            if (!popup)
                continue;
            if (type == BarMinType)
                popup->adjustWindow()->slot_clicked_minItem();
            else if (type == BarMaxType)
                popup->adjustWindow()->slot_clicked_maxItem();
            else
                popup->adjustWindow()->slot_clicked_autoItem();
            if (!popup->adjustWindowIsVisible()) {
                popup->showAdjustWindow();
                return true;
            }
            continue;
        }
        if (type & SpotBit) {
            select(static_cast<ESpotGraphicsItem *>(item)->getSpotWidget(), DragSpot);
        } else if (type & AreaBit) {
            pressOnArea(static_cast<EAreaGraphicsItem *>(item)->getAreaWidget(), at);
        } else if (type & TextBit) {
            clearCurrentFocusWidget();
        } else if (type == LineType) {
            select(static_cast<ELineGraphicsItem *>(item)->getLineWidget(), DragLine);
        } else if (type == LineMarkerType) {
            select(static_cast<ELineArrowItem *>(item)->getLineWidget(), DragLineMarker);
        } else {
            continue;
        }
        return false;
    }
    return false;
}

void EGraphicsView::mousePressEvent(QMouseEvent *event)
{
    m_dragKind = DragNone;
    if (pressGuarded())
        return;
    m_pressed = true;
    const QPoint at = mapToScene(event->position().toPoint()).toPoint();
    const int x = at.x(), y = at.y();
    if (x >= 60 && x <= 150 && y >= 0 && y <= 50 && !m_scene->itemAt(at, QTransform())) {
        if (m_toolBar)
            m_toolBar->displaymultifunctionWindow();
        return;
    }
    if (ECapturePanel *panel = ECapturePanel::instance(); panel && panel->get_activationstat() == ECapturePanel::HiddenByTimer) {
        panel->panelWindow()->setVisible(true);
        panel->start_timer();
        return;
    }
    closePopupsOutside(at);

    const QList<QGraphicsItem *> hits = items(event->position().toPoint());
    if (hits.isEmpty()) {
        pressOnBarePicture();
        if (EImagePopup *popup = EImagePopup::instance(); popup && popup->adjustWindowIsVisible()) {
            popup->hideAdjustWindow();
            return;
        }
    } else if (pressOnItems(hits, at)) {
        return;
    }
    QGraphicsView::mousePressEvent(event);
}

void EGraphicsView::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_pressed || !currentObject || !currentObject->isHighlight())
        return;
    const QPoint at = mapToScene(event->position().toPoint()).toPoint();
    switch (m_dragKind) {
    case DragSpot:
        currentObject->move(at.x(), at.y(), 0);
        break;
    case DragArea:
        if (m_resizing)
            changeArea(m_corner, event);
        else
            currentObject->move(at.x() - m_grabOffset.x(), at.y() - m_grabOffset.y(), 0);
        break;
    case DragLine:
        currentObject->move(at.x(), at.y(), 1);
        break;
    case DragLineMarker:
        currentObject->move(at.x(), at.y(), 2);
        break;
    default:
        break;
    }
}

// Each moved edge keeps m pixels to its opposite edge; an edge whose new
// place lies outside its layout's range stays, with its size, for this
// step, while the other axis still follows the finger.
void EGraphicsView::changeArea(int corner, QMouseEvent *event)
{
    auto *area = qobject_cast<EAreaWidget *>(currentObject);
    if (!area)
        return;
    const QPoint at = mapToScene(event->position().toPoint()).toPoint();
    const int dx = at.x() - m_pressPoint.x();
    const int dy = at.y() - m_pressPoint.y();
    const int ax = m_areaAtPress.x(), ay = m_areaAtPress.y();
    const int w = m_areaAtPress.width(), h = m_areaAtPress.height();
    const int m = resizeMinimum();
    QPoint leftRange, topRange;
    const bool known = edgeRanges(area->getScaledType(), &leftRange, &topRange);

    auto moveLeftEdge = [&] {
        const int dxc = std::min(dx, w - m);
        if (known && inRange(ax + dxc, leftRange)) {
            area->setX(ax + dxc);
            area->setWidth(w - dxc);
        }
    };
    auto moveTopEdge = [&] {
        const int dyc = std::min(dy, h - m);
        if (known && inRange(ay + dyc, topRange)) {
            area->setY(ay + dyc);
            area->setHeight(h - dyc);
        }
    };
    switch (corner) {
    case 0:
        area->setWidth(w + dx);
        area->setHeight(h + dy);
        break;
    case 1:
        moveLeftEdge();
        area->setHeight(h + dy);
        break;
    case 2:
        moveTopEdge();
        area->setWidth(w + dx);
        break;
    case 3:
        moveLeftEdge();
        moveTopEdge();
        break;
    default:
        break;
    }
    m_resizing = true;
    displayTemp();
}

void EGraphicsView::mouseReleaseEvent(QMouseEvent *event)
{
    m_pressed = false;
    m_resizing = false;
    if (m_dragKind == DragArea)
        if (auto *area = qobject_cast<EAreaWidget *>(currentObject))
            area->setHighlightPosition(-2);
    flushPendingSettings();
    QGraphicsView::mouseReleaseEvent(event);
}

bool EGraphicsView::setupDialogUp()
{
    const EGraphicsView *view = EGlobal::getGraphicsView();
    return view && view->isSetupVisibled();
}
