#pragma once

#include "soleinstance.h"

class QWidget;

// What the live view, the power-off and the record-time display need of the
// capture panel: its activation (a panel hidden by its own timer comes back
// on a touch), the recording state and its stop, and the panel's window to
// hide behind the busy picture. The panel registers itself when built;
// instance() is null without one.
class ECapturePanel : public SoleInstance<ECapturePanel>
{
public:
    // Activation: 0 hidden, 1 shown, 2 hidden by its own hide timer.
    enum { Hidden = 0, Shown = 1, HiddenByTimer = 2 };
    // Video work state: 2 idle, 1 recording.
    enum VState { VRecording = 1, VIdle = 2 };
    // Panels: 0 photo, 1 video, 3 none.
    enum { PhotoPanel = 0, VideoPanel = 1, NoPanel = 3 };

    virtual ~ECapturePanel() = default;

    virtual QWidget *panelWindow() = 0;
    virtual int get_activationstat() const = 0;
    virtual int get_currentwidget() const = 0;
    // Restarts the hide timer.
    virtual void start_timer() = 0;
    virtual int get_video_workstat() const = 0;
    // VIdle stops a recording.
    virtual void video_work(int state) = 0;
    // The record key: starts a recording, or stops the one running.
    virtual void video_start() = 0;
};
