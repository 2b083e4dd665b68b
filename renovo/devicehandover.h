#pragma once

#include "commandrunner.h"

// How renovo takes the device over and gives it back: the camera
// application and the encoder service are stopped while the wizard runs;
// the device's start-up script brings the camera back at the end. The stops
// and the script go through the command runner (recorded, never run, off
// the device).
class DeviceHandover
{
public:
    static constexpr const char *StartupScript = "/works/vyx_init.sh";
    // How long the camera application may take to leave after "killall",
    // and after the kill that follows when it has not.
    static constexpr int CameraLeaveMs = 5000;
    static constexpr int KilledLeaveMs = 2000;

    // "killall ostrel", then waits until no "ostrel" is left, so it never
    // draws over the wizard: call it before the application object takes
    // the frame buffer. One still there then is killed outright. False when
    // one is left even so.
    static bool stopCameraApplication();
    static void stopEncoderService();
    // Waits until the script ends: call it off the GUI thread.
    static CommandRunner::Result runStartupScript();

private:
    DeviceHandover() = delete;
};
