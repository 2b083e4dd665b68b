// encoder-sim: the simulator's stand-in for the encoder service. It owns the
// command pipe "/tmp/service_ir" under the root given as its argument (or
// OSTREL_ROOT) and logs every command it receives to "/tmp/encoder-sim.log".
// It serves only a root the simulator made, never the machine's own folders.
// The zoom and rotate commands set the picture geometry it keeps in
// "/tmp/encoder-sim.state", which the simulated screen applies. Photo and
// version commands go to EncoderPhoto, which also reads the switch file;
// recording commands to EncoderVideo. "--make-recording PATH SECONDS"
// writes one sample recording at the host path PATH and ends. "ROOT
// --device-keys" serves the device rig (its System V keys the device's).

#include "encoderphoto.h"
#include "encodervideo.h"
#include "encoderstate.h"
#include "samplerecording.h"
#include "fiforeader.h"
#include "ipckeys.h"
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
    if (args.size() > 1 && args.at(1) == QLatin1String("--make-recording")) {
        bool ok = false;
        const int seconds = args.size() == 4 ? args.at(3).toInt(&ok) : 0;
        QString error = QStringLiteral("usage: encoder-sim --make-recording PATH SECONDS");
        if (ok && SampleRecording::write(args.at(2), seconds, &error))
            return 0;
        qWarning("encoder-sim: %s", qPrintable(error));
        return 1;
    }
    if (args.size() > 1)
        Paths::setRoot(args.at(1));
    // In the device rig the program it serves runs at root "/".
    if (args.size() > 2 && args.at(2) == QLatin1String("--device-keys"))
        IpcKeys::useDeviceKeys(true);

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
    // A fresh run starts neutral, as the service does.
    EncoderState state;
    state.save();
    // Saves and recordings cut off with an earlier run leave their
    // temporaries; nobody finishes them now.
    EncoderPhoto::removeStaleTemporaries();
    EncoderVideo::removeStaleTemporaries();
    EncoderPhoto photo;
    EncoderVideo video;
    QObject::connect(&commands, &FifoReader::received, &app, [&log, &state, &photo, &video](const QByteArray &data) {
        const QByteArray stamp = QDateTime::currentDateTime().toString(Qt::ISODateWithMs).toUtf8();
        bool changed = false;
        for (const QByteArray &command : EncoderState::split(data)) {
            log.write(stamp + ' ' + command + '\n');
            log.flush();
            if (!photo.handle(command) && !video.handle(command))
                changed |= state.apply(command);
        }
        log.flush();
        if (changed && !state.save())
            qWarning("encoder-sim: cannot write %s", EncoderState::StateFile);
    });
    if (EncoderPhoto::Switches::load().noCommandPipe) {
        // A service that never made its pipe: commands find nobody.
        return app.exec();
    }
    if (!commands.open()) {
        qWarning("encoder-sim: cannot make the command pipe %s", qPrintable(Paths::resolve(commands.path())));
        return 1;
    }
    const int rc = app.exec();
    commands.stop();
    return rc;
}
