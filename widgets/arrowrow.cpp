#include "arrowrow.h"

#include "earrowbutton.h"
#include "elabel.h"

#include <QHBoxLayout>

namespace ArrowRow {

QHBoxLayout *frame(QWidget *row, const QString &name)
{
    row->setObjectName(name);
    row->setFocusPolicy(Qt::NoFocus);
    row->setFixedHeight(Height);
    auto *layout = new QHBoxLayout(row);
    layout->setSpacing(0);
    layout->setContentsMargins(0, 0, 0, 0);
    return layout;
}

ELabel *caption(const QString &text, QWidget *row)
{
    auto *label = new ELabel(text, row);
    label->setFixedHeight(Height - 4);
    return label;
}

QPushButton *arrow(bool right, QWidget *row)
{
    return EArrowButton::create(right ? EArrowButton::Right : EArrowButton::Left, row, Height, Height, Height);
}

CaptionAndArrows addCaptionAndArrows(const QString &text, QWidget *row, QHBoxLayout *layout)
{
    CaptionAndArrows parts{caption(text, row), arrow(false, row), arrow(true, row)};
    layout->addWidget(parts.caption, 1);
    layout->addStretch();
    layout->addWidget(parts.left);
    layout->addSpacing(5);
    layout->addWidget(parts.right);
    return parts;
}

QString captionRowStyle(const char *extraPlainRule)
{
    return QStringLiteral("QPushButton:pressed { background-color: rgb(0, 255, 0); border-style: inset; padding-left: 0px; }"
                          "QPushButton { background-color: rgba(0,0,0,255); margin-left: 0px;%1 }"
                          "QPushButton#Right, QPushButton#Left { background-color: rgba(0,0,0,0); }"
                          "QPushButton#Right:pressed, QPushButton#Left:pressed { background-color: rgb(0, 255, 0); }")
        .arg(QLatin1String(extraPlainRule));
}

} // namespace ArrowRow
