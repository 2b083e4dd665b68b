#pragma once

#include <QPointer>

#include <memory>

class EGraphicsView;
class FPGA;

// The live view as the simulator's shell runs it until the main window
// exists: the board front (registered in EGlobal) started and given the
// Iron palette and one automatic level/span step, then the live view over
// it. Destroys the view (unless its new parent did) before the front.
class LiveViewShell
{
public:
    LiveViewShell();
    ~LiveViewShell();
    LiveViewShell(const LiveViewShell &) = delete;
    LiveViewShell &operator=(const LiveViewShell &) = delete;

    EGraphicsView *view() const { return m_view; }
    FPGA *fpga() const { return m_fpga.get(); }

private:
    std::unique_ptr<FPGA> m_fpga;
    // The screen the view is put on may delete it first.
    QPointer<EGraphicsView> m_view;
};
