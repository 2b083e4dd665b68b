#include "cvpushbutton.h"

CVPushbutton::CVPushbutton(QWidget *parent)
    : QPushButton(parent)
{
}

void CVPushbutton::mouseReleaseEvent(QMouseEvent *)
{
    Q_EMIT mouseRelease(m_name);
}
