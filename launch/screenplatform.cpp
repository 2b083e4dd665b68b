#include "screenplatform.h"

#include "launchoptions.h"
#include "vncport.h"

#include <QtGlobal>

#include <cstdio>

bool ScreenPlatform::choose(const LaunchOptions &options, const char *program)
{
    const bool haveDisplay = qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        const QString platform = options.platformFor(haveDisplay);
        if (!platform.isEmpty())
            qputenv("QT_QPA_PLATFORM", platform.toLatin1());
        if (platform.startsWith(QLatin1String("vnc"))) {
            if (!VncPort::isFree(options.vncPort)) {
                std::fprintf(stderr, "%s: %s\n", program, qPrintable(VncPort::busyMessage(options.vncPort)));
                return false;
            }
            std::printf("%s\n", qPrintable(VncPort::hint(options.vncPort)));
            std::fflush(stdout);
        }
    }

    // The camera's panel is 72 dots per inch: point sizes in the code are
    // pixel sizes there, and the 320x240 layouts rely on it.
    if (qEnvironmentVariableIsEmpty("QT_FONT_DPI"))
        qputenv("QT_FONT_DPI", "72");
    return true;
}
