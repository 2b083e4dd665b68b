#include "flickengine.h"

#include <QAbstractScrollArea>
#include <QCoreApplication>
#include <QCursor>
#include <QGraphicsItem>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QMouseEvent>
#include <QScrollBar>

namespace {

constexpr int s_maxSpeed = 64;

QPoint scrollOffset(QWidget *widget)
{
    auto *area = qobject_cast<QAbstractScrollArea *>(widget);
    if (!area)
        return QPoint();
    return QPoint(area->horizontalScrollBar()->value(), area->verticalScrollBar()->value());
}

// Lists scroll vertically only; the scroll bar keeps the value in range.
void setScrollOffset(QWidget *widget, const QPoint &offset)
{
    if (auto *area = qobject_cast<QAbstractScrollArea *>(widget))
        area->verticalScrollBar()->setValue(offset.y());
}

int slowDownOne(int speed)
{
    speed = qBound(-s_maxSpeed, speed, s_maxSpeed);
    if (speed > 0)
        return qMax(0, speed - 1);
    if (speed < 0)
        return qMin(0, speed + 1);
    return 0;
}

} // namespace

FlickEngine::FlickEngine(const char *className, QObject *parent)
    : QObject(parent)
    , m_className(className)
    , m_pointer([] { return QCursor::pos(); })
{
}

FlickEngine::~FlickEngine()
{
    m_ticker.stop();
    qDeleteAll(m_records);
    m_records.clear();
}

void FlickEngine::activateOn(QWidget *widget)
{
    auto *area = qobject_cast<QAbstractScrollArea *>(widget);
    if (!area) {
        qWarning("%s only works on QAbstractScrollArea (and derived classes)", m_className);
        qWarning("or QWebView (and derived classes)");
        return;
    }
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QWidget *viewport = area->viewport();
    // Installing twice moves the filter to the front; it still runs once.
    viewport->installEventFilter(this);
    area->installEventFilter(this);
    releaseRecord(viewport);
    auto *data = new FlickData;
    data->area = area;
    m_records.insert(viewport, data);
    connect(viewport, &QObject::destroyed, this, [this, viewport] { releaseRecord(viewport); });
}

void FlickEngine::deactivateFrom(QWidget *widget)
{
    auto *area = qobject_cast<QAbstractScrollArea *>(widget);
    if (!area)
        return;
    QWidget *viewport = area->viewport();
    viewport->removeEventFilter(this);
    area->removeEventFilter(this);
    releaseRecord(viewport);
}

void FlickEngine::releaseRecord(QWidget *viewport)
{
    delete m_records.take(viewport);
}

FlickData *FlickEngine::findRecord(const QWidget *widget) const
{
    if (FlickData *data = m_records.value(const_cast<QWidget *>(widget)))
        return data;
    for (FlickData *data : m_records) {
        if (data->area == widget)
            return data;
    }
    return nullptr;
}

const FlickData *FlickEngine::record(const QWidget *widget) const
{
    return findRecord(widget);
}

void FlickEngine::setPointerSource(PointerSource source)
{
    m_pointer = source ? std::move(source) : PointerSource([] { return QCursor::pos(); });
}

QPoint FlickEngine::slowDown(const QPoint &velocity)
{
    return QPoint(slowDownOne(velocity.x()), slowDownOne(velocity.y()));
}

QGraphicsItem *FlickEngine::rowAt(FlickData *data, const QPoint &point) const
{
    auto *view = qobject_cast<QGraphicsView *>(data->area.data());
    if (!view)
        return nullptr;
    // Only rows of this charm's class count; anything else under the finger
    // (a scroll indicator, a row of another list) is no row.
    const QList<QGraphicsItem *> items = view->items(point);
    for (QGraphicsItem *item : items) {
        if (item->type() == rowType())
            return item;
    }
    return nullptr;
}

bool FlickEngine::liveRow(FlickData *data, QString *text, int *index) const
{
    QGraphicsItem *row = data->row;
    auto *view = qobject_cast<QGraphicsView *>(data->area.data());
    if (row && view && view->scene() && view->scene()->items().contains(row) && row->type() == rowType()) {
        *text = rowText(row);
        *index = rowIndex(row);
        return true;
    }
    data->row = nullptr;
    return false;
}

void FlickEngine::report(FlickData *data, Report what)
{
    QString text;
    int index = -1;
    if (!liveRow(data, &text, &index)) {
        if (!reportsWithoutRow() || what == Report::SettingPressed || what == Report::SettingReleased)
            return;
    }
    switch (what) {
    case Report::Pressed: Q_EMIT clickedPressed(text, index); break;
    case Report::Moved: Q_EMIT clickedMoved(text, index); break;
    case Report::Released: Q_EMIT clickedReleased(text, index); break;
    case Report::SettingPressed: emitSettingPressed(text, index); break;
    case Report::SettingReleased: emitSettingReleased(text, index); break;
    }
}

void FlickEngine::takePress(FlickData *data, const QPoint &point)
{
    data->pressPoint = point;
    data->startOffset = scrollOffset(data->area);
    data->row = rowAt(data, point);
}

void FlickEngine::postTap(QWidget *viewport, FlickData *data, QMouseEvent *release)
{
    const QPointF local(data->pressPoint);
    auto *press = new QMouseEvent(QEvent::MouseButtonPress, local, viewport->mapToGlobal(local), Qt::LeftButton,
                                  Qt::LeftButton, Qt::NoModifier);
    QMouseEvent *copy = release->clone();
    data->passThrough.append(press);
    data->passThrough.append(copy);
    QCoreApplication::postEvent(viewport, press);
    QCoreApplication::postEvent(viewport, copy);
}

// The finger moved off its press: the list follows it from here on.
void FlickEngine::startManualScroll(FlickData *data)
{
    data->lastCursor = m_pointer();
    startTicker();
    data->state = FlickData::ManualScroll;
    report(data, Report::Moved);
}

void FlickEngine::startTicker()
{
    if (!m_ticker.isActive())
        m_ticker.start(tickMs(), this);
}

bool FlickEngine::eventFilter(QObject *object, QEvent *event)
{
    if (!object->isWidgetType())
        return false;
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease && type != QEvent::MouseMove)
        return false;
    auto *mouse = dynamic_cast<QMouseEvent *>(event);
    if (!mouse || mouse->modifiers() != Qt::NoModifier)
        return false;
    auto *viewport = static_cast<QWidget *>(object);
    FlickData *data = m_records.value(viewport);
    if (!data || !data->area)
        return false;
    if (data->passThrough.removeAll(event) > 0)
        return false;

    // Signals go out last: a handler may close the list and with it this
    // record.
    const QPoint point = mouse->position().toPoint();
    const bool press = type == QEvent::MouseButtonPress;
    const bool release = type == QEvent::MouseButtonRelease;
    const bool move = type == QEvent::MouseMove;

    switch (data->state) {
    case FlickData::Steady:
        if (!press || mouse->buttons() != Qt::LeftButton)
            return false;
        pressedFromRest(point);
        takePress(data, point);
        data->velocity = QPoint();
        data->settingPress = data->row && isSettingCell(point);
        data->state = FlickData::Pressed;
        report(data, data->settingPress ? Report::SettingPressed : Report::Pressed);
        return true;
    case FlickData::Pressed:
        if (release) {
            postTap(viewport, data, mouse);
            data->state = FlickData::Steady;
            report(data, data->settingPress ? Report::SettingReleased : Report::Released);
            return true;
        }
        if (move) {
            startManualScroll(data);
            return true;
        }
        return false;
    case FlickData::ManualScroll:
        if (move) {
            setScrollOffset(data->area, data->startOffset - (point - data->pressPoint));
            return true;
        }
        if (release) {
            data->state = FlickData::AutoScroll;
            Q_EMIT sliderHide();
            return true;
        }
        return false;
    case FlickData::AutoScroll:
        if (press) {
            data->velocity = QPoint();
            takePress(data, point);
            data->settingPress = false;
            data->state = FlickData::Stop;
            report(data, Report::Pressed);
            return true;
        }
        if (release) {
            data->velocity = QPoint();
            data->state = FlickData::Steady;
            return true;
        }
        return false;
    case FlickData::Stop:
        if (release) {
            data->state = FlickData::Steady;
            report(data, Report::Released);
            return true;
        }
        if (move) {
            startManualScroll(data);
            return true;
        }
        return false;
    default:
        return false;
    }
}

void FlickEngine::tick()
{
    bool active = false;
    for (FlickData *data : std::as_const(m_records)) {
        if (!data->area)
            continue;
        if (data->state == FlickData::ManualScroll) {
            active = true;
            const QPoint now = m_pointer();
            data->velocity = now - data->lastCursor;
            data->lastCursor = now;
        } else if (data->state == FlickData::AutoScroll) {
            active = true;
            data->velocity = slowDown(data->velocity);
            setScrollOffset(data->area, scrollOffset(data->area) - data->velocity);
            if (data->velocity.isNull())
                data->state = FlickData::Steady;
        }
    }
    if (!active)
        m_ticker.stop();
}

void FlickEngine::timerEvent(QTimerEvent *event)
{
    if (event->timerId() == m_ticker.timerId()) {
        tick();
        return;
    }
    QObject::timerEvent(event);
}
