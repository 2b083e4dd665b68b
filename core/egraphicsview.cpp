#include "egraphicsview.h"

#include "ecolorrect.h"

#include "eareawidget.h"
#include "eglobal.h"
#include "egraphicstextitem.h"
#include "elinewidget.h"
#include "eobjectsettings.h"
#include "ependingsettings.h"
#include "espotwidget.h"
#include "fpga.h"

#include <QEvent>
#include <QGraphicsPixmapItem>
#include <QGraphicsScene>
#include <QTimer>

#include <climits>

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
    m_handLevelSpanTimer = new QTimer(this);
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
    EPendingSettings::instance()->flush();
    if (EGlobal::getGraphicsView() == this)
        EGlobal::setGraphicsView(nullptr);
    // The objects' items belong to the scene; the objects go first.
    qDeleteAll(m_spots);
    qDeleteAll(m_areas);
    qDeleteAll(m_lines);
    delete m_colorRect;
    setScene(nullptr);
    delete m_scene;
}

// Builds the palette model: it uploads the stored palette to the board
// and keeps the bar's lines hidden until a manual adjustment shows them.
void EGraphicsView::displayColorBarTemp()
{
    if (!m_colorRect)
        m_colorRect = new EColorRect(m_scene, 299, 56, 16, 128);
}

void EGraphicsView::init()
{
    int imageMode = IR;
    {
        const EObjectSettings settings{QString()};
        const int unit = settings.readInt(QStringLiteral("TempUnit"), 0, 0, 2);
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
        m_scene->addItem(m_tips);
    }
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
    m_readings->setPos(4, m_cleared ? 2 : 18);
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

void EGraphicsView::setTempRangeMinMax(int min, int max)
{
    m_rangeMin = min;
    m_rangeMax = max;
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

void EGraphicsView::setColorTable(const _rgb_item *table, bool)
{
    if (m_colorRect)
        m_colorRect->setColorTable(table, m_colorRect->isVisible());
}
