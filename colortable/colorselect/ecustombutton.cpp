#include "ecustombutton.h"

#include <QMouseEvent>

ECustomButton::ECustomButton(const QString &name, QWidget *parent)
    : QPushButton(parent)
{
    setObjectName(name);
    setFlat(true);
    setFocusPolicy(Qt::NoFocus);
}

void ECustomButton::mousePressEvent(QMouseEvent *event)
{
    emit signal_press(objectName(), int(event->globalPosition().x()));
    QPushButton::mousePressEvent(event);
}

void ECustomButton::mouseReleaseEvent(QMouseEvent *event)
{
    emit signal_release(objectName(), int(event->globalPosition().x()));
    QPushButton::mouseReleaseEvent(event);
}

void ECustomButton::mouseMoveEvent(QMouseEvent *event)
{
    emit signal_move(objectName(), int(event->globalPosition().x()));
}
