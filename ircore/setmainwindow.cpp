#include "setmainwindow.h"

SetMainWindow::SetMainWindow(QWidget *parent, Qt::WindowFlags flags)
    : CalibPage(6, QStringLiteral("Settings"), parent, flags)
{
}
