#pragma once

#include "../libtherma/frontfixture.h"

#include "calibpages.h"
#include "eglobal.h"
#include "egraphicsview.h"
#include "ircorelibrary.h"
#include "ircorelink.h"
#include "ircoremainwindow.h"
#include "simircore.h"

#include <memory>

// The live view over the simulated board and serial core, with the
// simulated core library installed: it opens only over the parked link.
// The calibration pages are registered as the main window registers them.
struct CoreFixture
{
    explicit CoreFixture(bool withView = true)
        : front(true)
    {
        EGlobal::setFPGA(&front.start());
        core = new SimIRCore;
        core->setSerialSource([this] { return serial(); });
        IRCoreLibrary::install(core);
        CalibPages::install();
        if (withView)
            view = std::make_unique<EGraphicsView>();
    }
    ~CoreFixture()
    {
        IRCoreLink::close();
        delete EGlobal::getIRCoreMainWindow();
        IRCoreLibrary::install(nullptr);
        front.front->getSerial()->waitForIdle(5000);
        view.reset();
        EGlobal::setFPGA(nullptr);
    }
    Serial *serial() const { return front.front->getSerial(); }
    QSettings record() const
    {
        return QSettings(front.root.hostPath(QStringLiteral("Parameter/IRCorePara")), QSettings::IniFormat);
    }

    FrontFixture front;
    SimIRCore *core = nullptr;
    std::unique_ptr<EGraphicsView> view;
};

// The maintenance window opened as the calibration menu opens it, over
// the hidden overlay, with a stand-in for the menu to come back to.
struct Open
{
    CoreFixture f;
    QWidget menu;
    IRCoreMainWindow *window = nullptr;
    Open()
    {
        f.view->clearScreen(true);
        QVERIFY(IRCoreLink::open());
        window = new IRCoreMainWindow(&menu);
        window->setGeometry(0, 0, 320, 240);
        window->show();
    }
    template<typename Page>
    Page *page(int index) const
    {
        return static_cast<Page *>(window->widget(index));
    }
};
