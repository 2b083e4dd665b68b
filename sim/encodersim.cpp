// encoder-sim: the simulator's stand-in for the encoder service. It owns the
// command pipe "/tmp/service_ir" under the root given as its argument (or
// OSTREL_ROOT) and logs every command it receives to "/tmp/encoder-sim.log".

#include "fiforeader.h"
#include "paths.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QSocketNotifier>

#include <csignal>
#include <unistd.h>

namespace {
int s_signalPipe[2] = {-1, -1};

void onTerminate(int)
{
    const char c = 't';
    [[maybe_unused]] ssize_t n = ::write(s_signalPipe[1], &c, 1);
}
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() > 1)
        Paths::setRoot(args.at(1));

    if (::pipe(s_signalPipe) != 0)
        return 1;
    std::signal(SIGTERM, onTerminate);
    std::signal(SIGINT, onTerminate);
    QSocketNotifier terminate(s_signalPipe[0], QSocketNotifier::Read);
    QObject::connect(&terminate, &QSocketNotifier::activated, &app, &QCoreApplication::quit);

    QFile log(Paths::resolve(QStringLiteral("/tmp/encoder-sim.log")));
    if (!log.open(QIODevice::Append | QIODevice::Text))
        return 1;
    FifoReader commands(QStringLiteral("/tmp/service_ir"));
    QObject::connect(&commands, &FifoReader::received, &app, [&log](const QByteArray &data) {
        log.write(QDateTime::currentDateTime().toString(Qt::ISODateWithMs).toUtf8() + ' ' + data + '\n');
        log.flush();
    });
    if (!commands.open()) {
        qWarning("encoder-sim: cannot open the command pipe");
        return 1;
    }
    const int rc = app.exec();
    commands.stop();
    return rc;
}
