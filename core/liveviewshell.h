#pragma once

#include <memory>

class CvmainWindow;
class EGraphicsView;
class EImageTab;
class EKeyboardFilter;
class EMainInterface;
class FPGA;
class SaveImage;
class ZMultifunctional;

// The live view as the simulator's shell runs it until the main window
// exists: the board front (registered in EGlobal) started, the live view
// over it (its colour bar uploads the stored palette; it serves the image
// popup's pages their level/span), the capture panel, the save pipe and
// the zoom/rotate strip, the main menu, which builds the popups and the
// setup window on the first turn of the event loop, and the key filter on
// the application. Destroys the filter, the menu (with what it built) and
// the rest before the view, and the view before the front.
class LiveViewShell
{
public:
    LiveViewShell();
    ~LiveViewShell();
    LiveViewShell(const LiveViewShell &) = delete;
    LiveViewShell &operator=(const LiveViewShell &) = delete;

    EGraphicsView *view() const { return m_view.get(); }
    FPGA *fpga() const { return m_fpga.get(); }
    EMainInterface *menu() const { return m_menu.get(); }
    EKeyboardFilter *keyFilter() const { return m_keys.get(); }
    // Null until the menu's first turn of the event loop.
    EImageTab *imagePopup() const;
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
    std::unique_ptr<CvmainWindow> m_capture;
    std::unique_ptr<SaveImage> m_saveImage;
    std::unique_ptr<ZMultifunctional> m_strip;
    std::unique_ptr<EMainInterface> m_menu;
    std::unique_ptr<EKeyboardFilter> m_keys;
};
