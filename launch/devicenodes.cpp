#include "devicenodes.h"

#include "screenplatform.h"

#include <QDir>
#include <QFile>

#include <cstdio>
#include <sys/stat.h>

const QStringList &DeviceNodes::camera()
{
    static const QStringList nodes{
        QString::fromLatin1(ScreenPlatform::DeviceFramebuffer),
        QStringLiteral("/dev/DM365-FPGA"),
        QStringLiteral("/dev/ttyS1"),
        QStringLiteral("/dev/adc"),
        QStringLiteral("/dev/DM365-GPIO"),
        QStringLiteral("/dev/DM365-PWM"),
        QStringLiteral("/dev/DM365-DETECT"),
        QStringLiteral("/dev/DM365-USBDETECT"),
        QStringLiteral("/dev/fb/2"),
        QStringLiteral("/dev/X12026"),
        QStringLiteral("/dev/dsp"),
        QStringLiteral("/dev/mixer"),
    };
    return nodes;
}

QString DeviceNodes::firstMissing(const QString &root)
{
    for (const QString &node : camera()) {
        // A link is followed: a node is there when what it names is.
        struct stat status {};
        if (::stat(QFile::encodeName(QDir::cleanPath(root + node)).constData(), &status) != 0)
            return node;
    }
    return QString();
}

QString DeviceNodes::refusal(const QString &program, const QString &missing)
{
    return QStringLiteral("%1: %2 is missing: this is not the camera, and the device start-up does not run here. "
                          "Use --simulate to run on the simulated board.")
        .arg(program, missing);
}

bool DeviceNodes::confirm(const char *program)
{
    const QString missing = firstMissing();
    if (missing.isEmpty())
        return true;
    std::fprintf(stderr, "%s\n", qPrintable(refusal(QString::fromLocal8Bit(program), missing)));
    return false;
}
