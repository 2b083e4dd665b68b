#pragma once

#include <memory>

class EGraphicsView;
class EImageTab;
class FPGA;
class QPushButton;
class QWidget;

// The live view as the simulator's shell runs it until the main window
// exists: the board front (registered in EGlobal) started, the live view
// over it (its colour bar uploads the stored palette; it serves the image
// popup's pages their level/span), and the popup itself, built on
// the first turn of the event loop. Destroys the popup and the view before the front.
class LiveViewShell
{
public:
    LiveViewShell();
    ~LiveViewShell();
    LiveViewShell(const LiveViewShell &) = delete;
    LiveViewShell &operator=(const LiveViewShell &) = delete;

    EGraphicsView *view() const { return m_view.get(); }
    FPGA *fpga() const { return m_fpga.get(); }
    EImageTab *imagePopup() const { return m_popup.get(); }
    // As the main menu's "Image" tile will: hide and show the popup and
    // put it in the bottom-left corner (0, 60).
    void openImagePopup();
    void buildImagePopup();
    void toggleImagePopup();
    // Simulator only, until the main menu exists: a small "Image" tab in
    // the bottom-right corner of screen that opens the popup, or closes it
    // (or the adjust strip) when it is up.
    QPushButton *addImageTab(QWidget *screen);

private:
    std::unique_ptr<FPGA> m_fpga;
    std::unique_ptr<EGraphicsView> m_view;
    std::unique_ptr<EImageTab> m_popup;
};
