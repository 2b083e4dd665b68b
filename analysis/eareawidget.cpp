#include "eareawidget.h"

#include "eareagraphicsitem.h"
#include "eareaitem.h"
#include "eglobal.h"
#include "egraphicstextitem.h"
#include "eobjectsettings.h"
#include "ependingsettings.h"
#include "ereadingshost.h"
#include "fpga.h"

#include <QGraphicsScene>
#include <QGraphicsView>
#include <QPainter>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>

namespace {
// The smallest rectangle an area keeps, in overlay pixels.
constexpr int MinFullSize = 30;
constexpr int MinHalfSize = 15;
const QString Placeholder = QString(QChar(30));
} // namespace

EAreaWidget::EAreaWidget(QGraphicsScene *scene, QWidget *parent, int id, bool noSettings, int width, int height)
    : EAnalysisWidget(parent)
    , m_id(id)
    , m_width(width)
    , m_height(height)
    , m_noSettings(noSettings)
{
    m_rectItem = new EAreaGraphicsItem(this, width, height);
    m_label = new EGraphicsTextItem(scene);
    m_label->setPlainText(QString::number(id));
    m_label->setDefaultTextColor(Qt::white);
    m_label->setFont(QFont(QStringLiteral("wenquanyi"), 12));
    m_maxMarker = new EAreaItem(EAreaItem::MaxMarker);
    m_minMarker = new EAreaItem(EAreaItem::MinMarker);
    if (scene) {
        scene->addItem(m_rectItem);
        scene->addItem(m_label);
        scene->addItem(m_maxMarker);
        scene->addItem(m_minMarker);
    }
    if (!m_noSettings)
        readAreaPara();
    setVisible(false);
    m_maxText = m_minText = m_avgText = Placeholder;
}

EAreaWidget::~EAreaWidget()
{
    EPendingSettings::instance()->flush();
}

QString EAreaWidget::group() const
{
    return QStringLiteral("Area_%1").arg(m_id);
}

_area EAreaWidget::defaultRect(int id)
{
    const uint16_t left = id == 2 ? 40 : id == 3 ? 200 : 120;
    return _area{left, 80, uint16_t(left + 80), 160};
}

void EAreaWidget::readAreaPara()
{
    const EObjectSettings settings(group());
    m_tempSetup = settings.readTempSetup(m_tempSetup);
    m_paraMode = settings.readParaMode();
    const _area d = defaultRect(m_id);
    const auto corner = [&](const char *key, int fallback) {
        return settings.readInt(QLatin1String(key), fallback, INT_MIN, INT_MAX);
    };
    int left = corner("Position_xlt", d.x0);
    int top = corner("Position_ylt", d.y0);
    int right = corner("Position_xrb", left + 80);
    int bottom = corner("Position_yrb", top + 80);
    // Inverted corners are put right, the corners are held as a full-screen
    // move holds them, and a rectangle too small for an area gives the
    // default.
    if (right < left)
        std::swap(left, right);
    if (bottom < top)
        std::swap(top, bottom);
    const QRect b = EScaledLayout::bounds(EScaledLayout::FullScreen);
    left = qBound(b.left(), left, b.right());
    right = qBound(b.left(), right, b.right());
    top = qBound(b.top(), top, b.bottom());
    bottom = qBound(b.top(), bottom, b.bottom());
    if (right - left < MinFullSize || bottom - top < MinFullSize)
        m_rect = d;
    else
        m_rect = _area{uint16_t(left), uint16_t(top), uint16_t(right), uint16_t(bottom)};
    m_width = m_rect.x1 - m_rect.x0;
    m_height = m_rect.y1 - m_rect.y0;
    m_mode.max = settings.readInt(QStringLiteral("Mode_Max_Switch"), 1, 0, 1);
    m_mode.min = settings.readInt(QStringLiteral("Mode_Min_Switch"), 1, 0, 1);
    m_mode.avg = settings.readInt(QStringLiteral("Mode_Averg_Switch"), 1, 0, 1);
}

void EAreaWidget::store(const char *key, int value)
{
    if (!m_noSettings)
        EPendingSettings::instance()->setValue(group(), QLatin1String(key), value);
}

void EAreaWidget::storeRect()
{
    store("Position_xlt", m_rect.x0);
    store("Position_ylt", m_rect.y0);
    store("Position_xrb", m_rect.x1);
    store("Position_yrb", m_rect.y1);
}

void EAreaWidget::place()
{
    m_rectItem->setWidth(m_width);
    m_rectItem->setHeight(m_height);
    m_rectItem->setPos(m_x + m_width / 2.0, m_y + m_height / 2.0);
    m_label->setPos(m_x + m_width + 6, m_y + m_height - 11);
}

// Only the drawing follows the layout, held inside the bounds a move
// keeps: the board rectangle, the one stored, stays, so a visit to a
// smaller picture never moves or shrinks the area on the full picture.
void EAreaWidget::setScaledType(Scaled_Type_t type)
{
    m_scaledType = type;
    if (!EScaledLayout::isKnown(type))
        return;
    const _area r = m_rect;
    const int scale = EScaledLayout::isHalfSize(type) ? 2 : 1;
    const QPoint o = EScaledLayout::offset(type);
    const QRect b = EScaledLayout::bounds(type);
    m_width = std::min((r.x1 - r.x0) / scale, b.right() - b.left());
    m_height = std::min((r.y1 - r.y0) / scale, b.bottom() - b.top());
    m_x = qBound(b.left(), r.x0 / scale + o.x(), b.right() - m_width);
    m_y = qBound(b.top(), r.y0 / scale + o.y(), b.bottom() - m_height);
    place();
    m_maxMarker->setPos(m_x + m_width / 4, m_y + m_height / 2);
    m_minMarker->setPos(m_x + 3 * m_width / 4, m_y + m_height / 2);
}

void EAreaWidget::move(int x, int y, int)
{
    if (!EScaledLayout::isKnown(m_scaledType))
        return;
    const QRect b = EScaledLayout::bounds(m_scaledType);
    if (m_scaledType == EScaledLayout::FullScreen) {
        if (x < b.left())
            x = b.left();
        if (x > 314)
            x = 315;
        if (y < 22)
            y = 21;
        if (y > 234)
            y = 235;
        if (y + m_height > b.bottom())
            y = b.bottom() - m_height;
        if (x + m_width > b.right())
            x = b.right() - m_width;
        m_rect = _area{uint16_t(x), uint16_t(y), uint16_t(x + m_width), uint16_t(y + m_height)};
    } else {
        if (x < b.left())
            x = b.left();
        else if (x + m_width > b.right())
            x = b.right() - m_width;
        if (y < b.top())
            y = b.top();
        else if (y + m_height > b.bottom())
            y = b.bottom() - m_height;
        const QPoint o = EScaledLayout::offset(m_scaledType);
        m_rect = _area{uint16_t(2 * (x - o.x())), uint16_t(2 * (y - o.y())), uint16_t(2 * (x + m_width - o.x())),
                       uint16_t(2 * (y + m_height - o.y()))};
    }
    m_x = x;
    m_y = y;
    place();
    m_maxMarker->setPos(x + m_width / 4, y + m_height / 2);
    m_minMarker->setPos(x + 3 * m_width / 4, y + m_height / 2);
    storeRect();
}

// A new width or height: at least the layout's minimum, otherwise cut at
// the screen limit (even below the minimum); the board extent is twice the
// overlay extent in the half-size layouts.
bool EAreaWidget::resize(int request, int position, int limit, int &size, uint16_t start, uint16_t &end)
{
    if (!EScaledLayout::isKnown(m_scaledType))
        return false;
    const bool full = m_scaledType == EScaledLayout::FullScreen;
    const int minimum = full ? MinFullSize : MinHalfSize;
    size = request < minimum ? minimum : std::min(request, limit - position);
    end = uint16_t(start + (full ? size : 2 * size));
    place();
    return true;
}

void EAreaWidget::setWidth(int width)
{
    if (resize(width, m_x, EScaledLayout::bounds(m_scaledType).right(), m_width, m_rect.x0, m_rect.x1))
        store("Position_xrb", m_rect.x1);
}

void EAreaWidget::setHeight(int height)
{
    if (resize(height, m_y, EScaledLayout::bounds(m_scaledType).bottom(), m_height, m_rect.y0, m_rect.y1))
        store("Position_yrb", m_rect.y1);
}

void EAreaWidget::setX(int x)
{
    if (!EScaledLayout::isKnown(m_scaledType))
        return;
    const QRect b = EScaledLayout::bounds(m_scaledType);
    m_x = qBound(b.left(), x, b.right());
    m_rect.x0 = uint16_t(EScaledLayout::isHalfSize(m_scaledType) ? 2 * (m_x - EScaledLayout::offset(m_scaledType).x()) : m_x);
    place();
    store("Position_xlt", m_rect.x0);
}

void EAreaWidget::setY(int y)
{
    if (!EScaledLayout::isKnown(m_scaledType))
        return;
    const QRect b = EScaledLayout::bounds(m_scaledType);
    // The top edge alone may reach up to 5, under the status bar, in the
    // layouts whose picture starts at the top.
    const int top = b.top() == 21 ? 5 : b.top();
    m_y = qBound(top, y, b.bottom());
    m_rect.y0 = uint16_t(EScaledLayout::isHalfSize(m_scaledType) ? 2 * (m_y - EScaledLayout::offset(m_scaledType).y()) : m_y);
    place();
    store("Position_ylt", m_rect.y0);
}

void EAreaWidget::updateTemp()
{
    _area rect = m_scaledType == EScaledLayout::Centred
        ? _area{uint16_t(m_x), uint16_t(m_y), uint16_t(m_x + m_width), uint16_t(m_y + m_height)}
        : m_rect;
    FPGA *fpga = EGlobal::getFPGA();
    const int result = fpga ? fpga->getAreaTemp(m_id, rect, m_paraMode, m_tempSetup, m_values, m_result) : -1;
    if (result < 0) {
        m_maxText = m_minText = m_avgText = failedText();
        return;
    }
    if (m_scaledType == EScaledLayout::FullScreen || m_scaledType == EScaledLayout::Centred) {
        m_maxMarker->setPos(m_values.max_x, m_values.max_y);
        m_minMarker->setPos(m_values.min_x, m_values.min_y);
    } else if (EScaledLayout::isHalfSize(m_scaledType)) {
        m_maxMarker->setPos(EScaledLayout::toOverlay(m_scaledType, m_values.max_x, m_values.max_y));
        m_minMarker->setPos(EScaledLayout::toOverlay(m_scaledType, m_values.min_x, m_values.min_y));
    }
    const int low = EReadingsHost::rangeMin();
    const int high = EReadingsHost::rangeMax();
    m_maxText = readingText(result, m_result.max, low, high);
    m_minText = readingText(result, m_result.min, low, high);
    m_avgText = readingText(result, m_result.avg, low, high);
}

Area_Temp EAreaWidget::getAreaTempStru()
{
    if (m_noSettings)
        updateTemp();
    return m_result;
}

void EAreaWidget::setTemp(const Area_Temp_t &texts)
{
    m_maxText = texts.max;
    m_minText = texts.min;
    m_avgText = texts.avg;
    std::printf("======%s %s %s\n", qPrintable(texts.max), qPrintable(texts.min), qPrintable(texts.avg));
}

void EAreaWidget::setMaxPos(int x, int y)
{
    m_maxMarker->setPos(x, y);
}

void EAreaWidget::setMinPos(int x, int y)
{
    m_minMarker->setPos(x, y);
}

QPoint EAreaWidget::getMaxPos() const
{
    return m_maxMarker->pos().toPoint();
}

QPoint EAreaWidget::getMinPos() const
{
    return m_minMarker->pos().toPoint();
}

void EAreaWidget::setHighlightPosition(int corner)
{
    m_rectItem->setHighlightPosition(corner);
}

QString EAreaWidget::name()
{
    QStringList lines;
    const QString number = tr("A%1").arg(m_id);
    if (m_mode.max)
        lines << number + tr("H:") + m_maxText;
    if (m_mode.min)
        lines << number + tr("L:") + m_minText;
    if (m_mode.avg)
        lines << number + tr("A:") + m_avgText;
    return lines.join(QLatin1Char('\n'));
}

void EAreaWidget::setMode(const Area_Mode_t &mode)
{
    if (!m_noSettings) {
        store("Mode_Max_Switch", mode.max);
        store("Mode_Min_Switch", mode.min);
        store("Mode_Averg_Switch", mode.avg);
        EPendingSettings::instance()->flush();
    }
    m_mode = mode;
    if (m_visible) {
        m_maxMarker->setVisible(m_mode.max != 0);
        m_minMarker->setVisible(m_mode.min != 0);
    }
    EReadingsHost::refreshReadings();
}

void EAreaWidget::setVisible(bool visible)
{
    m_visible = visible;
    m_rectItem->setVisible(visible);
    m_label->setVisible(visible);
    m_maxMarker->setVisible(visible && m_mode.max != 0);
    m_minMarker->setVisible(visible && m_mode.min != 0);
    if (!visible)
        EPendingSettings::instance()->flush();
}

namespace {

// The live view that shows the items of scene; null without one.
QGraphicsView *viewOf(const QGraphicsScene *scene)
{
    const QList<QGraphicsView *> views = scene ? scene->views() : QList<QGraphicsView *>();
    return views.isEmpty() ? nullptr : views.first();
}

// The scene's part the area's shown items cover and where that lies on
// window: the live view shows its scene unscaled.
bool areaOnWindow(const EAreaWidget *area, const QWidget *window, QRectF *source, QRect *target)
{
    QGraphicsView *view = viewOf(area->rectItem()->scene());
    if (!view || !area->isVisibled() || !window)
        return false;
    QRectF bounds;
    for (const QGraphicsItem *item : {static_cast<const QGraphicsItem *>(area->rectItem()),
                                      static_cast<const QGraphicsItem *>(area->label()),
                                      static_cast<const QGraphicsItem *>(area->maxMarker()),
                                      static_cast<const QGraphicsItem *>(area->minMarker())}) {
        if (item->isVisible())
            bounds |= item->sceneBoundingRect();
    }
    const QRect onScene = bounds.toAlignedRect();
    const QPoint origin = window->mapFromGlobal(view->viewport()->mapToGlobal(view->mapFromScene(QPointF(0, 0))));
    const QRect onWindow = onScene.translated(origin) & window->rect();
    if (onWindow.isEmpty())
        return false;
    *source = QRectF(onWindow.translated(-origin));
    *target = onWindow;
    return true;
}

} // namespace

QRect EAreaWidget::rectOnWindow(const QWidget *window) const
{
    QRectF source;
    QRect target;
    return areaOnWindow(this, window, &source, &target) ? target : QRect();
}

void EAreaWidget::drawOnWindow(QPainter *painter, const QWidget *window) const
{
    QRectF source;
    QRect target;
    if (painter && areaOnWindow(this, window, &source, &target))
        m_rectItem->scene()->render(painter, QRectF(target), source, Qt::IgnoreAspectRatio);
}

void EAreaWidget::setHighlight(bool on)
{
    if (on == m_highlight)
        return;
    m_highlight = on;
    m_rectItem->setHighlight(on);
    m_label->setDefaultTextColor(on ? Qt::red : Qt::white);
    m_label->update();
    EReadingsHost::refreshReadings();
}

void EAreaWidget::blink(int times)
{
    startBlink(times, m_visible);
}

void EAreaWidget::showBlinkPhase(bool shown)
{
    m_rectItem->setVisible(shown);
    m_label->setVisible(shown);
    if (m_mode.max)
        m_maxMarker->setVisible(shown);
    if (m_mode.min)
        m_minMarker->setVisible(shown);
}
