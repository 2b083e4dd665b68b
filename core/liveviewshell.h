#pragma once

#include <memory>

class CvmainWindow;
class EGraphicsView;
class EImageTab;
class FPGA;
class QPushButton;
class QWidget;
class SaveImage;
class ZMultifunctional;

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
    CvmainWindow *capturePanel() const { return m_capture.get(); }
    SaveImage *saveImage() const { return m_saveImage.get(); }
    ZMultifunctional *multifunctional() const { return m_strip.get(); }

private:
    // As the main window does at start, all registered in EGlobal: the
    // capture panel, the save thread's pipe side and the zoom/rotate strip
    // at (0, 200), shown and hidden once.
    void buildCapture();

    std::unique_ptr<FPGA> m_fpga;
    std::unique_ptr<EGraphicsView> m_view;
    std::unique_ptr<EImageTab> m_popup;
    std::unique_ptr<CvmainWindow> m_capture;
    std::unique_ptr<SaveImage> m_saveImage;
    std::unique_ptr<ZMultifunctional> m_strip;
};
