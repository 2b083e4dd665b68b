#pragma once

#include <qnamespace.h>

class EColorTableRect;
class EDialogTitle;
class QGraphicsScene;
class QGraphicsView;
class QLabel;
class QString;
class QWidget;

// The frame both palette lists stand in: a frameless modal window with
// the caption bar, the kinetic list's view over its scene, the preview
// strip under it and the scroll indicator at the right edge, hidden until
// the list moves. The lists fill the scene and move the indicator.
class PaletteListFrame
{
public:
    enum { RowWidth = 269, RowHeight = 30 };

    PaletteListFrame(QWidget *dialog, const QString &caption, Qt::Alignment listAlignment);

    // The indicator at a scroll value, travelling dy pixels per unit.
    void moveSlider(int value, float dy) const;
    // Only a chosen list shows the strip.
    void setChoose(bool chosen) const;

    QWidget *const dialog;
    EDialogTitle *title;
    QGraphicsScene *scene;
    QGraphicsView *view;
    EColorTableRect *strip;
    QLabel *slider;
};
