#pragma once

#include "../libtherma/frontfixture.h"

#include "eglobal.h"
#include "egraphicsview.h"

#include <memory>

// The live view over a front on the simulated board (no core), registered
// in EGlobal, in a fresh root whose settings file the test writes first.
struct BoardView
{
    explicit BoardView(const QByteArray &settings = QByteArray())
    {
        if (!settings.isEmpty())
            front.settings(settings);
        EGlobal::setFPGA(&front.start());
        view = std::make_unique<EGraphicsView>();
    }
    ~BoardView()
    {
        view.reset();
        EGlobal::setFPGA(nullptr);
    }
    FrontFixture front{false};
    std::unique_ptr<EGraphicsView> view;
};
