#include "estyle.h"

#include <QComboBox>
#include <QPainter>
#include <QPushButton>
#include <QStyleFactory>
#include <QStyleOption>

namespace {
const int s_buttonWidth = 32;
}

EStyle::EStyle()
    : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
{
}

void EStyle::polish(QWidget *widget)
{
    if (qobject_cast<QPushButton *>(widget) || qobject_cast<QComboBox *>(widget))
        widget->setAttribute(Qt::WA_Hover);
}

void EStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                           const QWidget *widget) const
{
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void EStyle::drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                         const QWidget *widget) const
{
    QProxyStyle::drawControl(element, option, painter, widget);
}

void EStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                                const QWidget *widget) const
{
    if (control == CC_SpinBox) {
        drawVYXSpinBoxButton(SC_SpinBoxDown, option, painter, widget);
        drawVYXSpinBoxButton(SC_SpinBoxUp, option, painter, widget);
        return;
    }
    QProxyStyle::drawComplexControl(control, option, painter, widget);
}

QRect EStyle::subControlRect(ComplexControl control, const QStyleOptionComplex *option, SubControl subControl,
                             const QWidget *widget) const
{
    if (control != CC_SpinBox)
        return QProxyStyle::subControlRect(control, option, subControl, widget);

    const QRect r = option->rect;
    const int frame = pixelMetric(PM_DefaultFrameWidth, option, widget);
    QRect result;
    switch (subControl) {
    case SC_SpinBoxUp:
        result = QRect(QPoint(r.right() - s_buttonWidth, r.top()), QPoint(r.right() - 1, r.bottom()));
        break;
    case SC_SpinBoxDown:
        result = QRect(QPoint(r.left(), r.top()), QPoint(r.left() + s_buttonWidth - 1, r.bottom()));
        break;
    case SC_SpinBoxFrame:
        return r;
    case SC_SpinBoxEditField:
        result = QRect(QPoint(r.left() + s_buttonWidth, r.top() + frame),
                       QPoint(r.right() - s_buttonWidth, r.bottom() - frame));
        if (result.width() <= 0 || result.height() <= 0)
            return QRect();
        break;
    default:
        return QRect();
    }
    return visualRect(option->direction, r, result);
}

void EStyle::drawVYXSpinBoxButton(SubControl subControl, const QStyleOptionComplex *option, QPainter *painter,
                                  const QWidget *widget) const
{
    const QRect r = option->rect;
    const int half = (r.width() + 1) / 2;
    const QRect clip = subControl == SC_SpinBoxDown ? QRect(r.left(), r.top(), half, r.height())
                                                    : QRect(r.left() + r.width() / 2, r.top(), half, r.height());
    painter->save();
    painter->setClipRect(clip, Qt::IntersectClip);
    QStyleOptionComplex copy = *option;
    // Only the active button is drawn pressed or hovered.
    if (option->activeSubControls != subControl)
        copy.state &= ~(State_Sunken | State_On | State_MouseOver);
    copy.rect = subControlRect(CC_SpinBox, option, subControl, widget).adjusted(3, 3, -3, -3);
    if (copy.rect.isValid() && !copy.rect.isEmpty())
        proxy()->drawPrimitive(subControl == SC_SpinBoxDown ? PE_IndicatorArrowLeft : PE_IndicatorArrowRight,
                               &copy, painter, widget);
    painter->restore();
}
