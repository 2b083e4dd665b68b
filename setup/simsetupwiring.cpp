#include "simsetupwiring.h"

#include "eglobal.h"
#include "egraphicsview.h"
#include "esetupwindow.h"
#include "fifowriter.h"
#include "simscreen.h"
#include "storageinfo.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QTimer>

SimSetupWiring *SimSetupWiring::install(SimScreen *screen)
{
    return new SimSetupWiring(screen);
}

SimSetupWiring::SimSetupWiring(SimScreen *screen)
    : QObject(screen)
    , m_screen(screen)
{
    // The simulated card is in its slot and mounted from the start.
    StorageInfo::setCardMounted(true);
    QTimer::singleShot(0, this, [this] { window(); });
    QCoreApplication::instance()->installEventFilter(this);
}

SimSetupWiring::~SimSetupWiring()
{
    QCoreApplication::instance()->removeEventFilter(this);
    delete m_window.data();
}

ESetupWindow *SimSetupWiring::window()
{
    if (!m_window) {
        m_window = new ESetupWindow(nullptr, Qt::FramelessWindowHint);
        EGlobal::setSetupWindow(m_window);
    }
    return m_window;
}

ESetupWindow *SimSetupWiring::openSetupWindow()
{
    ESetupWindow *setup = window();
    setup->setGeometry(0, 16, 320, 225);
    setup->hide();
    m_screen->showOnScreen(setup);
    // On the simulated screen the window is a child: give it the keys.
    setup->setFocus();
    const FifoWriter::Result sent = FifoWriter::write(QLatin1String(ESetupWindow::servicePipe()), QByteArrayLiteral("resume start"));
    if (sent != FifoWriter::Written)
        qWarning("SimSetupWiring: \"resume start\" not sent: %s", FifoWriter::describe(sent));
    if (EGraphicsView *view = EGlobal::getGraphicsView())
        view->setVisibled(false);
    return setup;
}

bool SimSetupWiring::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == OpenKey && !key->isAutoRepeat()) {
            openSetupWindow();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
