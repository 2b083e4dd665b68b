#include "launchoptions.h"

#include "screenplatform.h"

#include <cstdio>

namespace {
// The value of a numeric option, or -1.
int numberIn(const QString &value, int min, int max)
{
    bool ok = false;
    const int number = value.toInt(&ok);
    return ok && number >= min && number <= max ? number : -1;
}
} // namespace

LaunchOptions LaunchOptions::parse(const QStringList &arguments, bool simulateFromEnvironment,
                                   const QString &startDirectory)
{
    LaunchOptions options;
    options.simulate = simulateFromEnvironment;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString &arg = arguments.at(i);
        if (arg == QLatin1String("--simulate")) {
            options.simulate = true;
        } else if (arg == QLatin1String("--screenshot") || arg == QLatin1String("--quit-after")
                   || arg == QLatin1String("--vnc-port")) {
            if (i + 1 >= arguments.size()) {
                options.error = arg + QLatin1String(" needs a value");
                return options;
            }
            const QString value = arguments.at(++i);
            if (arg == QLatin1String("--screenshot")) {
                options.screenshot = QDir::cleanPath(QDir(startDirectory).absoluteFilePath(value));
            } else if (arg == QLatin1String("--quit-after")) {
                options.quitAfterMs = numberIn(value, 0, INT_MAX);
                if (options.quitAfterMs < 0) {
                    options.error = QLatin1String("--quit-after takes milliseconds");
                    return options;
                }
            } else {
                options.vncPort = numberIn(value, 1, 65535);
                if (options.vncPort < 0) {
                    options.error = QLatin1String("--vnc-port takes a port number (1-65535)");
                    return options;
                }
            }
        }
        // Anything else (-platform, -qws, …) is Qt's.
    }
    if (!options.screenshot.isEmpty() && options.quitAfterMs < 0)
        options.quitAfterMs = 1500;
    return options;
}

std::optional<LaunchOptions> LaunchOptions::fromCommandLine(int argc, char **argv, const char *program)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const LaunchOptions options = parse(arguments, qEnvironmentVariable("OSTREL_SIMULATE") == QLatin1String("1"));
    if (!options.error.isEmpty()) {
        std::fprintf(stderr, "%s: %s\n", program, qPrintable(options.error));
        return std::nullopt;
    }
    return options;
}

QString LaunchOptions::platformFor(bool haveDisplay) const
{
    if (!simulate)
        return QStringLiteral("linuxfb:fb=") + QLatin1String(ScreenPlatform::DeviceFramebuffer);
    if (haveDisplay)
        return QString();
    if (!screenshot.isEmpty())
        return QStringLiteral("offscreen");
    return QStringLiteral("vnc:size=320x240:port=%1").arg(vncPort);
}
