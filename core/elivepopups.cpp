#include "elivepopups.h"

namespace {
QWidget *s_analysisPanel = nullptr;
QWidget *s_setupWindow = nullptr;
QWidget *s_zoomStrip = nullptr;
} // namespace

QWidget *ELivePopups::analysisPanel()
{
    return s_analysisPanel;
}

void ELivePopups::setAnalysisPanel(QWidget *panel)
{
    s_analysisPanel = panel;
}

QWidget *ELivePopups::setupWindow()
{
    return s_setupWindow;
}

void ELivePopups::setSetupWindow(QWidget *window)
{
    s_setupWindow = window;
}

QWidget *ELivePopups::zoomStrip()
{
    return s_zoomStrip;
}

void ELivePopups::setZoomStrip(QWidget *strip)
{
    s_zoomStrip = strip;
}
