#pragma once

#include <QList>
#include <QPoint>
#include <QPointer>
#include <QWidget>

class QEvent;
class QGraphicsItem;

// The kinetic-scrolling record of one activated scroll area.
struct FlickData
{
    enum State { Steady = 0, Pressed = 1, ManualScroll = 2, AutoScroll = 3, Stop = 4 };

    int state = Steady;
    QPointer<QWidget> area;
    QPoint pressPoint;
    QPoint startOffset;
    QPoint lastCursor;
    QPoint velocity;
    // Events the charm posted itself (a replayed tap); compared by identity
    // only, the event loop owns them.
    QList<QEvent *> passThrough;
    // The row under the last press taken on; checked against the scene
    // before every use, since a screen may delete rows meanwhile.
    QGraphicsItem *row = nullptr;
    // The press from rest fell on the row's settings cell.
    bool settingPress = false;
};
