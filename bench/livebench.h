#pragma once

#include "benchboard.h"

#include "eglobal.h"
#include "egraphicsview.h"

#include <memory>

// The live view over the counted simulated board, with all eight objects
// switched on, in a root whose "Parameter/Setting" holds about 400 keys
// as on a camera that has been set up.
struct LiveBench
{
    LiveBench()
    {
        writeLargeSettings();
        EGlobal::setFPGA(b.front.get());
        b.front->setStandardPaletteIndex(COLOR_IRON);
        b.front->calcLevelSpan(MODE_AUTO, false);
        view = std::make_unique<EGraphicsView>();
        for (int n = 1; n <= EGraphicsView::SpotCount; ++n)
            view->showSpot(n, true);
        for (int n = 1; n <= EGraphicsView::LineCount; ++n)
            view->showLine(n, true);
        for (int n = 1; n <= EGraphicsView::AreaCount; ++n)
            view->showArea(n, true);
        view->flushPendingSettings();
    }
    ~LiveBench()
    {
        view.reset();
        EGlobal::setFPGA(nullptr);
    }

    Bench b;
    std::unique_ptr<EGraphicsView> view;
};
