// encoder-sim: the simulator's stand-in for the encoder service. It owns the
// command pipe "/tmp/service_ir" under the root given as its argument (or
// OSTREL_ROOT) and logs every command it receives to "/tmp/encoder-sim.log".
// It serves only a root the simulator made, never the machine's own folders.

#include "fiforeader.h"
#include "paths.h"
#include "simroot.h"
#include "terminationsignals.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() > 1)
        Paths::setRoot(args.at(1));

    const QString root = Paths::root();
    if (root.isEmpty() || QDir::cleanPath(root) == QLatin1String("/")
        || !QFileInfo(QDir(root).filePath(QString::fromLatin1(SimRoot::MarkFile))).isFile()) {
        qWarning("encoder-sim: refusing the root \"%s\": it is not a simulator root", qPrintable(root));
        return 2;
    }

    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::received, &app, &QCoreApplication::quit);

    const QString logPath = Paths::resolve(QStringLiteral("/tmp/encoder-sim.log"));
    QFile log(logPath);
    if (!log.open(QIODevice::Append | QIODevice::Text)) {
        qWarning("encoder-sim: cannot write %s: %s", qPrintable(logPath), qPrintable(log.errorString()));
        return 1;
    }
    FifoReader commands(QStringLiteral("/tmp/service_ir"));
    QObject::connect(&commands, &FifoReader::received, &app, [&log](const QByteArray &data) {
        log.write(QDateTime::currentDateTime().toString(Qt::ISODateWithMs).toUtf8() + ' ' + data + '\n');
        log.flush();
    });
    if (!commands.open()) {
        qWarning("encoder-sim: cannot make the command pipe %s", qPrintable(Paths::resolve(commands.path())));
        return 1;
    }
    const int rc = app.exec();
    commands.stop();
    return rc;
}
