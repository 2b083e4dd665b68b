#include "setmainwindow.h"

SetMainWindow::SetMainWindow(QWidget *parent, Qt::WindowFlags flags)
    : PlainCalibPage(6, QStringLiteral("Settings"), parent, flags)
{
}
