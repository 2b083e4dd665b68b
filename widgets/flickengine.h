#pragma once

#include "flickdata.h"

#include <QBasicTimer>
#include <QHash>
#include <QObject>
#include <QPoint>
#include <QString>

#include <functional>

class QGraphicsItem;

// Kinetic scrolling for the graphics-view lists: installed as event filter
// on a view and its viewport, it takes the presses, moves and releases, drags
// and glides the list itself and reports by signals which row the finger is
// on. A tap still reaches the view as an ordinary click. The charms differ
// only in the row class they read under the finger.
class FlickEngine : public QObject
{
    Q_OBJECT
public:
    using PointerSource = std::function<QPoint()>;

    ~FlickEngine() override;

    void activateOn(QWidget *widget);
    void deactivateFrom(QWidget *widget);

    // The record of an activated area, looked up by the area or its
    // viewport; nullptr when there is none.
    const FlickData *record(const QWidget *widget) const;
    bool isTicking() const { return m_ticker.isActive(); }
    static int tickMs() { return 20; }

    // Where the pointer is, read once per tick for the flick speed
    // (QCursor::pos() unless replaced).
    void setPointerSource(PointerSource source);
    // One turn of the 20 ms ticker.
    void tick();

    // The glide's slowing for one tick: limit to +-64, then one pixel
    // toward zero, per component.
    static QPoint slowDown(const QPoint &velocity);

Q_SIGNALS:
    void clickedReleased(const QString &text, int index);
    void clickedPressed(const QString &text, int index);
    void clickedMoved(const QString &text, int index);
    void sliderHide();

protected:
    FlickEngine(const char *className, QObject *parent);

    bool eventFilter(QObject *object, QEvent *event) override;
    void timerEvent(QTimerEvent *event) override;

    // The row class of this charm.
    virtual int rowType() const = 0;
    virtual QString rowText(const QGraphicsItem *row) const = 0;
    virtual int rowIndex(const QGraphicsItem *row) const = 0;
    // Row signals also without a row (empty text, index -1).
    virtual bool reportsWithoutRow() const { return false; }
    // A press from rest at this viewport point selects the settings cell.
    virtual bool isSettingCell(const QPoint &point) const { return false; }
    virtual void pressedFromRest(const QPoint &point) {}
    virtual void emitSettingPressed(const QString &text, int index) {}
    virtual void emitSettingReleased(const QString &text, int index) {}

private:
    enum class Report { Pressed, Moved, Released, SettingPressed, SettingReleased };

    FlickData *findRecord(const QWidget *widget) const;
    void releaseRecord(QWidget *viewport);
    QGraphicsItem *rowAt(FlickData *data, const QPoint &point) const;
    bool liveRow(FlickData *data, QString *text, int *index) const;
    void report(FlickData *data, Report what);
    void takePress(FlickData *data, const QPoint &point);
    void postTap(QWidget *viewport, FlickData *data, QMouseEvent *release);
    void startManualScroll(FlickData *data);
    void startTicker();

    const char *m_className;
    QHash<QWidget *, FlickData *> m_records;
    QBasicTimer m_ticker;
    PointerSource m_pointer;
};
