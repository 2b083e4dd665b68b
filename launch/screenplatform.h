#pragma once

struct LaunchOptions;

// Picks the Qt platform before the QApplication exists. Simulated: the
// user's choice, else offscreen for a screenshot without a display, else
// the VNC screen on its port. On the camera: linuxfb on the panel's frame
// buffer, with keys and touch through Qt's evdev input (touch through tslib
// when the environment names a tslib device) and no mouse cursor; a
// platform or input the device's start-up script sets is kept. Both set the
// panel's 72 dpi.
class ScreenPlatform
{
public:
    // The frame buffer Qt draws on; "/dev/fb/2" is the one blanked at start.
    static constexpr const char *DeviceFramebuffer = "/dev/fb/0";

    // False when the VNC port is taken; the reason is on stderr then.
    // With forwardedVncPort, Qt's vnc server gets a port the system picks
    // and *forwardedVncPort is the user's port, for a VncForwarder to serve
    // in front of it once the application exists (0: no VNC screen).
    static bool choose(const LaunchOptions &options, const char *program, int *forwardedVncPort = nullptr);

private:
    ScreenPlatform() = delete;
    static void useDeviceInput();
};
