#pragma once

#include "flicktextitem.h"

// One row of a plain kinetic list (language list, standard palettes): text,
// a light frame rounding the ends of the list, a blue band while the finger
// is on it and a check mark on the selected entry. It places itself at its
// index.
class EFlickCharmText : public FlickTextItem
{
public:
    enum { Type = UserType + 0x2181 };

    EFlickCharmText(const QString &text, int index, int width, int height);
    ~EFlickCharmText() override;

    int type() const override { return Type; }
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

    void setFirstItem(bool first);
    void setLastItem(bool last);
};
