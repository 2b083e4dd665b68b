#include "screenplatform.h"

#include "launchoptions.h"
#include "vncport.h"

#include <QtGlobal>

#include <cstdio>

namespace {
void setUnlessSet(const char *name, const QByteArray &value)
{
    if (qEnvironmentVariableIsEmpty(name))
        qputenv(name, value);
}
} // namespace

bool ScreenPlatform::choose(const LaunchOptions &options, const char *program, int *forwardedVncPort)
{
    if (forwardedVncPort)
        *forwardedVncPort = 0;
    const bool haveDisplay = qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        QString platform = options.platformFor(haveDisplay);
        if (platform.startsWith(QLatin1String("vnc"))) {
            if (!VncPort::isFree(options.vncPort)) {
                std::fprintf(stderr, "%s: %s\n", program, qPrintable(VncPort::busyMessage(options.vncPort)));
                return false;
            }
            if (forwardedVncPort) {
                platform = QStringLiteral("vnc:size=320x240:port=0");
                *forwardedVncPort = options.vncPort;
            }
            std::printf("%s\n", qPrintable(VncPort::hint(options.vncPort)));
            std::fflush(stdout);
        }
        if (!platform.isEmpty())
            qputenv("QT_QPA_PLATFORM", platform.toLatin1());
    }
    if (!options.simulate)
        useDeviceInput();

    // The camera's panel is 72 dots per inch: point sizes in the code are
    // pixel sizes there, and the 320x240 layouts rely on it.
    setUnlessSet("QT_FONT_DPI", "72");
    return true;
}

void ScreenPlatform::useDeviceInput()
{
    // Qt's frame-buffer platform would take libinput first: the camera's
    // keys and touch panel are read through evdev (or tslib) instead.
    setUnlessSet("QT_QPA_FB_NO_LIBINPUT", "1");
    if (!qEnvironmentVariableIsEmpty("TSLIB_TSDEVICE"))
        setUnlessSet("QT_QPA_FB_TSLIB", "1");
    // The touch panel counts as a mouse: its pointer is never drawn.
    setUnlessSet("QT_QPA_FB_HIDECURSOR", "1");
    // Popups and dialogs keep their own places on the panel; the first
    // window is not stretched over the whole screen.
    setUnlessSet("QT_QPA_FB_FORCE_FULLSCREEN", "0");
}
