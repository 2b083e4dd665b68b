#include "eseparator.h"

ESeparator::ESeparator(QWidget *parent)
    : QFrame(parent)
{
    setFrameStyle(QFrame::HLine | QFrame::Sunken);
    setFixedHeight(2);
    setObjectName(QStringLiteral("Line"));
}
