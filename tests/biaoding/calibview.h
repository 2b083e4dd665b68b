#pragma once

#include "../libtherma/frontfixture.h"

#include "calibpages.h"
#include "eglobal.h"
#include "egraphicsview.h"

#include <QSettings>

#include <memory>

// The live view over the simulated board (and core, when asked) in a fresh
// root, as calibration mode sees it: with the calibration pages registered
// as the main window registers them.
struct CalibView
{
    explicit CalibView(bool withCore = false)
        : front(withCore)
    {
        EGlobal::setFPGA(&front.start());
        CalibPages::install();
        view = std::make_unique<EGraphicsView>();
        // Lens 0 unless a test says otherwise.
        front.board->setLensCode(3);
    }
    ~CalibView()
    {
        if (front.core)
            front.front->getSerial()->waitForIdle(5000);
        view.reset();
        EGlobal::setFPGA(nullptr);
    }
    QString path(const QString &name) const { return front.root.hostPath(name); }
    QSettings file(const QString &name) const { return QSettings(path(name), QSettings::IniFormat); }
    void enterWithFixedCode() { view->enterCalibInterface(false); }

    FrontFixture front;
    std::unique_ptr<EGraphicsView> view;
};
