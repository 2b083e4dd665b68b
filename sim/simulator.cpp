#include "simulator.h"

#include "commandrunner.h"
#include "paths.h"
#include "recordingcommandrunner.h"
#include "simboard.h"
#include "simcore.h"
#include "simroot.h"
#include "simulatedclock.h"
#include "systemclock.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

Simulator::Simulator(QObject *parent)
    : QObject(parent)
{
}

Simulator::~Simulator()
{
    stop();
}

QString Simulator::defaultRoot()
{
    const QString fromEnv = qEnvironmentVariable("OSTREL_ROOT");
    return fromEnv.isEmpty() ? QStringLiteral("sim-root") : fromEnv;
}

bool Simulator::start(const QString &rootDir)
{
    // Marks the process as simulated before anything else: the real command
    // runner and host clock refuse to act from here on.
    qputenv("OSTREL_SIMULATE", "1");
    CommandRunner::install(new RecordingCommandRunner);
    SystemClock::install(new SimulatedClock);

    m_root = QDir(rootDir.isEmpty() ? defaultRoot() : rootDir).absolutePath();
    if (!SimRoot::prepare(m_root)) {
        qWarning("cannot prepare the simulator root %s", qPrintable(m_root));
        return false;
    }
    qputenv("OSTREL_ROOT", QFile::encodeName(m_root));
    Paths::setRoot(m_root);
    if (!QDir::setCurrent(m_root))
        return false;

    m_board = std::make_shared<SimBoard>();
    SimBoard::install(m_board);
    m_core = std::make_unique<SimCore>();
    QFile::remove(Paths::resolve(QStringLiteral("/dev/ttyS1")));
    if (!m_core->isValid() || !m_core->linkAt(QStringLiteral("/dev/ttyS1")))
        qWarning("simulated core unavailable: no pseudo-terminal");

    connect(&m_frameTimer, &QTimer::timeout, this, &Simulator::nextFrame);
    m_frameTimer.start(FrameIntervalMs);
    startEncoder();
    return true;
}

void Simulator::nextFrame()
{
    m_board->advance(FrameIntervalMs / 1000.0);
    Q_EMIT boardPicture(m_board->paletteUploads() > 0 ? m_board->render() : QImage());
}

void Simulator::startEncoder()
{
    const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/encoder-sim");
    if (!QFileInfo(program).isExecutable()) {
        qWarning("encoder-sim not found beside %s; encoder commands will fail",
                 qPrintable(QCoreApplication::applicationFilePath()));
        return;
    }
    m_encoder.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_encoder.start(program, {m_root});
    m_encoder.waitForStarted(1000);
}

void Simulator::stop()
{
    m_frameTimer.stop();
    if (m_board) {
        SimBoard::install(nullptr);
        m_board.reset();
    }
    m_core.reset();
    if (m_encoder.state() == QProcess::NotRunning)
        return;
    m_encoder.terminate();
    if (!m_encoder.waitForFinished(1000))
        m_encoder.kill();
    m_encoder.waitForFinished(1000);
}
