#pragma once

class QGraphicsItem;
class QWidget;

// Marks what stands on the screen for a moment only (a tip, a notice, the
// name of the picture being saved): the overlay put into a photo leaves
// marked windows, widgets and scene items out.
class TransientMark
{
public:
    static void mark(QWidget *widget);
    static void mark(QGraphicsItem *item);
    static bool isMarked(const QWidget *widget);
    static bool isMarked(const QGraphicsItem *item);

private:
    TransientMark() = delete;
};
