#include "ecustomitem.h"

#include <QPainter>

ECustomItem::ECustomItem(const QString &text, QWidget *parent)
    : QPushButton(text, parent)
{
    setCheckable(true);
    setFixedHeight(48);
    setFocusPolicy(Qt::NoFocus);
    connect(this, &QAbstractButton::clicked, this, [this] { emit clicked(this->text()); });
}

void ECustomItem::paintEvent(QPaintEvent *event)
{
    QPushButton::paintEvent(event);
    if (!isChecked())
        return;
    QPainter painter(this);
    const QPixmap tick(QStringLiteral(":images/item_checked.png"));
    painter.drawPixmap(width() - tick.width() - 8, (height() - tick.height()) / 2, tick);
}
