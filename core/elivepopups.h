#pragma once

class QWidget;

// The popups over the live view that the view and its status bar only
// show, hide, toggle or tell apart: the analysis panel, the setup window and
// the zoom/rotate strip. Each registers itself when built and takes itself
// back when it goes; a popup not built reads as null.
class ELivePopups
{
public:
    static QWidget *analysisPanel();
    static void setAnalysisPanel(QWidget *panel);
    static QWidget *setupWindow();
    static void setSetupWindow(QWidget *window);
    static QWidget *zoomStrip();
    static void setZoomStrip(QWidget *strip);

private:
    ELivePopups() = delete;
};
