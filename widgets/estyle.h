#pragma once

#include <QProxyStyle>

// The toolkit's own style over Fusion: hover on buttons and combo boxes,
// and spin boxes with a 32-pixel arrow button at each end (down on the left,
// up on the right) and no frame.
class EStyle : public QProxyStyle
{
    Q_OBJECT
public:
    EStyle();

    void polish(QWidget *widget) override;
    using QProxyStyle::polish;
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                            const QWidget *widget = nullptr) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex *option, SubControl subControl,
                         const QWidget *widget = nullptr) const override;

    void drawVYXSpinBoxButton(SubControl subControl, const QStyleOptionComplex *option, QPainter *painter,
                              const QWidget *widget) const;
};
