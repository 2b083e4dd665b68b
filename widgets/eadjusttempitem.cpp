#include "eadjusttempitem.h"

#include "arrowrow.h"
#include "elabel.h"

#include <QHBoxLayout>

EAdjustTempItem::EAdjustTempItem(const QString &text, QWidget *parent)
    : QPushButton(parent)
{
    setFlat(true);
    const ArrowRow::CaptionAndArrows parts = ArrowRow::addCaptionAndArrows(text, this, ArrowRow::frame(this, text));
    m_caption = parts.caption;
    m_left = parts.left;
    m_right = parts.right;

    setCustomStyleSheet(0);
    connect(m_left, &QPushButton::pressed, this, &EAdjustTempItem::signal_downPress);
    connect(m_right, &QPushButton::pressed, this, &EAdjustTempItem::signal_upPress);
    connect(m_left, &QPushButton::released, this, &EAdjustTempItem::signal_downRelease);
    connect(m_right, &QPushButton::released, this, &EAdjustTempItem::signal_upRelease);
}

void EAdjustTempItem::setRange(float min, float max)
{
    m_minimum = min;
    m_maximum = max;
}

void EAdjustTempItem::setText(const QString &text)
{
    m_caption->setText(text);
}

QString EAdjustTempItem::text() const
{
    return m_caption->text();
}

void EAdjustTempItem::setCustomStyleSheet(int)
{
    setStyleSheet(ArrowRow::captionRowStyle());
}
