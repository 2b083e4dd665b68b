#include "zdatetimeitem.h"

#include <QHBoxLayout>
#include <QLabel>

ZDateTimeItem::ZDateTimeItem(QWidget *parent)
    : QPushButton(parent)
{
    textLabel = new QLabel(this);
    iconLabel = new QLabel(this);
    iconLabel->setFixedWidth(25);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(5, 5, 5, 5);
    layout->setSpacing(2);
    layout->addWidget(textLabel);
    layout->addStretch();
    layout->addWidget(iconLabel);
}
