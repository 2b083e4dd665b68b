#include "ircoremainwindow.h"

#include "eglobal.h"
#include "egraphicsview.h"

#include <QPushButton>

IRCoreMainWindow::IRCoreMainWindow(QWidget *parent, QWidget *, Qt::WindowFlags flags)
    : CalibPage(-1, QStringLiteral("IR Core"), parent, flags)
{
    setAttribute(Qt::WA_DeleteOnClose);
    connect(backButton(), &QPushButton::clicked, this, &IRCoreMainWindow::leave);
}

IRCoreMainWindow::~IRCoreMainWindow()
{
    if (EGlobal::getIRCoreMainWindow() == this)
        EGlobal::setIRCoreMainWindow(nullptr);
}

void IRCoreMainWindow::leave()
{
    if (EGraphicsView *view = EGlobal::getGraphicsView()) {
        view->clearScreen(false);
        view->calibInferfaceHandle(EGraphicsViewPrivate::EM_CALIB_IRCORE, false);
    }
    close();
}
