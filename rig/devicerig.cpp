#include "devicerig.h"

#include "paths.h"
#include "riglog.h"
#include "rignodes.h"
#include "rigrequests.h"
#include "simboard.h"
#include "simcardslot.h"
#include "simcore.h"
#include "simrtc.h"
#include "simulator.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <unistd.h>

namespace {
const QString NodeFolder = QStringLiteral("/dev/rig");
const QString LogFolder = QStringLiteral("/rig");

void report(const QString &message)
{
    std::fprintf(stderr, "device-rig: %s\n", qPrintable(message));
    std::fflush(stderr);
}
} // namespace

DeviceRig::DeviceRig(QObject *parent)
    : QObject(parent)
{
}

DeviceRig::~DeviceRig()
{
    stop();
}

bool DeviceRig::start(const QString &root)
{
    // The models act only on files under the rig's root; nothing they
    // start or set may reach this machine.
    qputenv("OSTREL_SIMULATE", "1");
    Paths::setRoot(root);
    const QString logs = Paths::resolve(LogFolder);
    const QString nodeFolder = Paths::resolve(NodeFolder);
    if (!QDir().mkpath(logs) || !QDir().mkpath(nodeFolder)) {
        report(QStringLiteral("cannot make %1 and %2").arg(logs, nodeFolder));
        return false;
    }

    m_board = std::make_shared<SimBoard>();
    m_core = std::make_unique<SimCore>();
    // The shutters as the simulator has them: the external one flattens
    // the picture's middle, the internal one undoes it.
    m_core->setCommandHook([board = m_board](uint8_t code) {
        if (code == Simulator::OutsideShutterCode)
            board->correctBackground(Simulator::BackgroundAD, Simulator::BackgroundFrames);
        else if (code == Simulator::InsideShutterCode || code == Simulator::InsideShutterNoVskCode)
            board->clearBackgroundCorrection();
    });
    if (!m_core->isValid() || !m_core->linkAt(QStringLiteral("/dev/ttyS1"))) {
        report(QStringLiteral("the core's pseudo-terminal cannot be linked at /dev/ttyS1"));
        return false;
    }
    m_cardSlot = std::make_unique<SimCardSlot>();
    if (!m_cardSlot->open()) {
        report(QStringLiteral("the card and USB detect pipes cannot be made"));
        return false;
    }
    m_powerLog = std::make_unique<RigLog>(logs + QStringLiteral("/power.log"));
    m_nodes = std::make_unique<RigNodes>(m_board, logs, m_powerLog.get());
    QString error;
    if (!m_nodes->mount(nodeFolder, &error) || !linkNodes(&error)) {
        report(error);
        return false;
    }
    m_clockLog = std::make_unique<RigLog>(logs + QStringLiteral("/clock.log"));
    m_requests = std::make_unique<RigRequests>(std::make_shared<SimRtc>(), m_powerLog.get(), m_clockLog.get());
    if (!m_requests->listen(logs + QStringLiteral("/requests.sock"), &error)) {
        report(error);
        return false;
    }

    connect(&m_frameTimer, &QTimer::timeout, this, [this] { m_board->advance(FrameIntervalMs / 1000.0); });
    m_frameTimer.start(FrameIntervalMs);

    QFile ready(logs + QStringLiteral("/ready"));
    if (!ready.open(QIODevice::WriteOnly)) {
        report(QStringLiteral("cannot write %1").arg(ready.fileName()));
        return false;
    }
    return true;
}

bool DeviceRig::linkNodes(QString *error) const
{
    // Links relative to their folder, so they hold on this machine and
    // inside the rig alike.
    const QList<QPair<QString, QString>> links{
        {QStringLiteral("/dev/DM365-FPGA"), QStringLiteral("rig/") + QLatin1String(RigNodes::Board)},
        {QStringLiteral("/dev/adc"), QStringLiteral("rig/") + QLatin1String(RigNodes::Adc)},
        {QStringLiteral("/dev/DM365-GPIO"), QStringLiteral("rig/") + QLatin1String(RigNodes::Gpio)},
        {QStringLiteral("/dev/DM365-PWM"), QStringLiteral("rig/") + QLatin1String(RigNodes::Pwm)},
        {QStringLiteral("/dev/dsp"), QStringLiteral("rig/") + QLatin1String(RigNodes::Sound)},
        {QStringLiteral("/dev/mixer"), QStringLiteral("rig/") + QLatin1String(RigNodes::Mixer)},
        {QStringLiteral("/dev/fb/0"), QStringLiteral("../rig/") + QLatin1String(RigNodes::Panel)},
        {QStringLiteral("/dev/fb/2"), QStringLiteral("../rig/") + QLatin1String(RigNodes::Overlay)},
    };
    for (const auto &link : links) {
        const QString path = Paths::resolve(link.first);
        QDir().mkpath(QFileInfo(path).absolutePath());
        ::unlink(QFile::encodeName(path).constData());
        if (::symlink(QFile::encodeName(link.second).constData(), QFile::encodeName(path).constData()) != 0) {
            *error = QStringLiteral("cannot link %1").arg(path);
            return false;
        }
    }
    return true;
}

void DeviceRig::stop()
{
    m_frameTimer.stop();
    m_requests.reset();
    m_nodes.reset();
    m_cardSlot.reset();
    if (m_core) {
        const QString link = Paths::resolve(QStringLiteral("/dev/ttyS1"));
        if (QFileInfo(link).symLinkTarget() == m_core->deviceName())
            QFile::remove(link);
        m_core.reset();
    }
    m_board.reset();
    QFile::remove(Paths::resolve(LogFolder + QStringLiteral("/ready")));
}
