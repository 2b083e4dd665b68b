#pragma once

#include "flicktextitem.h"

// One row of the material table: the name at the left, the emissivity at
// the right ("0.95"), the check mark after it. Row 0 is "Custom".
class EmissTextItem : public FlickTextItem
{
public:
    enum { Type = UserType + 0x2040 };
    static constexpr int RowHeight = 30;

    EmissTextItem(const QString &name, float emiss, int index);
    // No emissivity shown; the row stands for a hand-set value.
    EmissTextItem(const QString &name, int index);

    int type() const override { return Type; }
    QRectF boundingRect() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

    float getEmiss() const { return m_emiss; }
    QString emissText() const { return m_emissText; }
    void setFirstItem(bool first) { m_firstItem = first; }
    void setLastItem(bool last) { m_lastItem = last; }

private:
    float m_emiss = 1.0f;
    QString m_emissText;
    int m_emissWidth = 0;
};
