#include "earrowbutton.h"

#include <QIcon>
#include <QPixmap>

QString EArrowButton::picture(Direction direction)
{
    return direction == Left ? QStringLiteral(":/images/setup_arrow_left.png")
                             : QStringLiteral(":/images/setup_arrow_right.png");
}

QPushButton *EArrowButton::create(Direction direction, QWidget *parent, int width, int height,
                                  int iconSize, int scaledTo)
{
    auto *button = new QPushButton(parent);
    button->setFlat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setFixedSize(width, height);
    QPixmap pixmap(picture(direction));
    if (scaledTo > 0 && !pixmap.isNull())
        pixmap = pixmap.scaled(scaledTo, scaledTo, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    button->setIcon(QIcon(pixmap));
    button->setIconSize(QSize(iconSize, iconSize));
    button->setObjectName(direction == Left ? QStringLiteral("Left") : QStringLiteral("Right"));
    return button;
}
