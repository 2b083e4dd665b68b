#include "simulator.h"
#include "simstockpictures.h"
#include "mpvplayer.h"

#include "simaudiodevice.h"
#include "simcardslot.h"
#include "simmixer.h"

#include "simrtc.h"

#include "commandrunner.h"
#include "paths.h"
#include "recordingcommandrunner.h"
#include "simboard.h"
#include "simcore.h"
#include "simircore.h"
#include "simencoder.h"
#include "simroot.h"
#include "simulatedclock.h"
#include "systemclock.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

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

namespace {
const QString CoreLink = QStringLiteral("/dev/ttyS1");

void report(const QString &message)
{
    const QString program = QCoreApplication::applicationName();
    std::fprintf(stderr, "%s: %s\n", qPrintable(program.isEmpty() ? QStringLiteral("ostrel") : program),
                 qPrintable(message));
    std::fflush(stderr);
}

QString systemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}
} // namespace

bool Simulator::start(const QString &rootDir)
{
    if (!enterRoot(rootDir))
        return false;

    m_board = std::make_shared<SimBoard>();
    SimBoard::install(m_board);
    // The clock chip's record lives under the root, like the chip's battery.
    m_rtc = std::make_shared<SimRtc>(QStringLiteral("/tmp/rtc-record"));
    SimRtc::install(m_rtc);
    m_core = std::make_unique<SimCore>();
    // The external shutter takes a background that brings the middle of the
    // picture to mid-scale within a few frames; the internal one undoes it.
    m_core->setCommandHook([board = m_board](uint8_t code) {
        if (code == OutsideShutterCode)
            board->correctBackground(BackgroundAD, BackgroundFrames);
        else if (code == InsideShutterCode || code == InsideShutterNoVskCode)
            board->clearBackgroundCorrection();
    });
    linkCore();
    // The core's own library reaches the same core while its window is up.
    m_irCore = new SimIRCore;
    IRCoreLibrary::install(m_irCore);

    connect(&m_frameTimer, &QTimer::timeout, this, &Simulator::nextFrame);
    m_frameTimer.start(FrameIntervalMs);
    m_encoder = std::make_unique<SimEncoder>();
    m_encoder->start(m_root);
    // The player's picture reaches the simulated screen through the
    // thumbnailer: mpv itself shows and sounds nothing.
    MpvPlayer::setHeadless(true);
    if (!SimStockPictures::install())
        qWarning("simulator: the video list's stock pictures cannot be written");
    m_cardSlot = std::make_unique<SimCardSlot>();
    if (!m_cardSlot->open())
        qWarning("simulator: the card slot's devices cannot be made");
    // The microphone, speaker and mixer are files under the root.
    SimAudioDevice::install();
    SimMixer::install();
    return true;
}

bool Simulator::enterRoot(const QString &rootDir)
{
    // Marks the process as simulated before anything else: the real command
    // runner and host clock refuse to act from here on.
    qputenv("OSTREL_SIMULATE", "1");
    auto *runner = new RecordingCommandRunner;
    // The service window's kernel row: a device-like release.
    runner->script(QStringLiteral("uname"), 0, "2.6.32-vyx.1_sim\n");
    CommandRunner::install(runner);
    SystemClock::install(new SimulatedClock);

    const QString asked = rootDir.isEmpty() ? defaultRoot() : rootDir;
    const SimRoot::Verdict verdict = SimRoot::judge(asked);
    if (SimRoot::isRefusal(verdict)) {
        report(SimRoot::refusal(verdict, asked));
        m_exitCode = 2;
        return false;
    }
    m_root = SimRoot::resolve(asked);
    QString error;
    if (!SimRoot::prepare(m_root, SimRoot::defaultsDirectory(), &error)) {
        report(QStringLiteral("cannot prepare the simulator root: %1").arg(error));
        m_exitCode = 1;
        return false;
    }
    qputenv("OSTREL_ROOT", QFile::encodeName(m_root));
    Paths::setRoot(m_root);
    if (!QDir::setCurrent(m_root)) {
        report(QStringLiteral("cannot enter the simulator root %1").arg(m_root));
        m_exitCode = 1;
        return false;
    }
    return true;
}

void Simulator::linkCore()
{
    // A link left by an earlier run names a pseudo-terminal number that
    // another program may hold by now: it goes before anything else.
    const QString link = Paths::resolve(CoreLink);
    const QByteArray native = QFile::encodeName(link);
    if (::unlink(native.constData()) != 0 && errno != ENOENT) {
        report(QStringLiteral("simulated core unavailable: cannot remove %1: %2").arg(link, systemError()));
        return;
    }
    if (!m_core->isValid()) {
        report(QStringLiteral("simulated core unavailable: no pseudo-terminal"));
        return;
    }
    if (!m_core->linkAt(CoreLink))
        report(QStringLiteral("simulated core unavailable: cannot link %1 to %2: %3")
                   .arg(link, m_core->deviceName(), systemError()));
}

void Simulator::nextFrame()
{
    m_board->advance(FrameIntervalMs / 1000.0);
    const bool drawing = m_board->paletteUploads() > 0;
    Q_EMIT boardPicture(drawing ? m_board->render() : QImage(), drawing ? m_board->colorBar() : QImage());
}

void Simulator::stop()
{
    m_frameTimer.stop();
    m_cardSlot.reset();
    if (m_board) {
        SimAudioDevice::uninstall();
        SimMixer::uninstall();
    }
    if (m_encoder) {
        m_encoder->stop();
        m_encoder.reset();
    }
    if (m_rtc) {
        SimRtc::install(nullptr);
        m_rtc.reset();
    }
    if (m_irCore) {
        IRCoreLibrary::install(nullptr);
        m_irCore = nullptr;
    }
    if (m_board) {
        SimBoard::install(nullptr);
        m_board.reset();
    }
    if (m_core) {
        // The pseudo-terminal's number goes back to the system with the
        // core: the link to it must not outlive it.
        const QString link = Paths::resolve(CoreLink);
        if (QFileInfo(link).symLinkTarget() == m_core->deviceName())
            QFile::remove(link);
        m_core.reset();
    }
}
