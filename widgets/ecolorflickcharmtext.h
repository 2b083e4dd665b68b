#pragma once

#include "flicktextitem.h"

// One row of the custom palette list: like the plain kinetic row, with a
// settings cell at its right end. The screen places it.
class EColorFlickCharmText : public FlickTextItem
{
public:
    enum { Type = UserType + 0x2182 };

    EColorFlickCharmText(const QString &text, int index, int width, int height);
    ~EColorFlickCharmText() override;

    int type() const override { return Type; }
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

    void setIndex(int index);
    void setText(const QString &text);
    void setSettingHighLight(bool highLight);
    bool isSettingHighLight() const { return m_settingHighLight; }
    void setFirstItem(bool first);
    void setLastItem(bool last);

private:
    bool m_settingHighLight = false;
};
