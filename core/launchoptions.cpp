#include "launchoptions.h"

LaunchOptions LaunchOptions::parse(const QStringList &arguments, bool simulateFromEnvironment)
{
    LaunchOptions options;
    options.simulate = simulateFromEnvironment;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString &arg = arguments.at(i);
        if (arg == QLatin1String("--simulate")) {
            options.simulate = true;
        } else if (arg == QLatin1String("--screenshot") || arg == QLatin1String("--quit-after")) {
            if (i + 1 >= arguments.size()) {
                options.error = arg + QLatin1String(" needs a value");
                return options;
            }
            const QString value = arguments.at(++i);
            if (arg == QLatin1String("--screenshot")) {
                options.screenshot = value;
            } else {
                bool ok = false;
                options.quitAfterMs = value.toInt(&ok);
                if (!ok || options.quitAfterMs < 0) {
                    options.error = QLatin1String("--quit-after takes milliseconds");
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

QString LaunchOptions::platformFor(bool haveDisplay) const
{
    if (haveDisplay)
        return QString();
    if (!screenshot.isEmpty())
        return QStringLiteral("offscreen");
    if (simulate)
        return QStringLiteral("vnc:size=320x240:port=5900");
    return QString();
}
