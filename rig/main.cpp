// device-rig ROOT: serves the simulated camera's devices at ROOT until
// SIGTERM or SIGINT (scripts/device-rig.sh runs it inside the rig's
// namespaces, then the device build with ROOT as its "/").

#include "devicerig.h"
#include "terminationsignals.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: device-rig ROOT\n");
        return 2;
    }
    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::received, &app, &QCoreApplication::quit);
    DeviceRig rig;
    if (!rig.start(args.at(1)))
        return 1;
    const int result = app.exec();
    rig.stop();
    return result;
}
