#include "mylabel.h"

MyLabel::MyLabel(QWidget *parent)
    : QLabel(parent)
{
    setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    QPalette pal = palette();
    pal.setBrush(QPalette::Window, QColor(220, 220, 220));
    setPalette(pal);
    setAutoFillBackground(true);
}

void MyLabel::mouseReleaseEvent(QMouseEvent *)
{
    Q_EMIT clicked();
}
