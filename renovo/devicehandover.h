#pragma once

#include "commandrunner.h"

// How renovo takes the device over and gives it back: the camera
// application and the encoder service are stopped while the wizard runs;
// the device's start-up script brings the camera back at the end. All of it
// goes through the command runner (recorded, never run, off the device).
class DeviceHandover
{
public:
    static constexpr const char *StartupScript = "/works/vyx_init.sh";

    static void stopCameraApplication();
    static void stopEncoderService();
    // Waits until the script ends: call it off the GUI thread.
    static CommandRunner::Result runStartupScript();

private:
    DeviceHandover() = delete;
};
