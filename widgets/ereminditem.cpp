#include "ereminditem.h"

#include <QPainter>

ERemindItem::ERemindItem(const QString &text, QWidget *parent)
    : QPushButton(text, parent)
{
    setObjectName(text);
    setFlat(true);
    setFocusPolicy(Qt::NoFocus);
    setFixedHeight(48);
    connect(this, &QPushButton::clicked, this, &ERemindItem::clickedHandler);
}

void ERemindItem::clickedHandler()
{
    Q_EMIT clicked(text());
}

void ERemindItem::paintEvent(QPaintEvent *event)
{
    QPushButton::paintEvent(event);
    QPainter painter(this);
    painter.drawPixmap(width() - 36, (height() - 24) / 2, QPixmap(QStringLiteral(":/images/setup_arrow_right.png")));
}
