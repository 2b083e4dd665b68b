#include "rigprocess.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTcpServer>
#include <QTest>

#include <csignal>
#include <sys/prctl.h>
#include <unistd.h>

namespace {
QString script()
{
    return QStringLiteral(DEVICE_RIG_SCRIPT);
}

QString buildDir()
{
    return QFileInfo(QStringLiteral(DEVICE_RIG_BINARY)).absolutePath() + QStringLiteral("/..");
}
} // namespace

RigProcess::~RigProcess()
{
    stop();
}

QString RigProcess::unavailable()
{
    if (::geteuid() != 0)
        return QStringLiteral("the rig needs root");
    if (!QFileInfo::exists(QStringLiteral("/dev/fuse")))
        return QStringLiteral("no /dev/fuse");
    if (!QFileInfo(QStringLiteral(DEVICE_RIG_BINARY)).isExecutable())
        return QStringLiteral("device-rig is not built");
    QProcess probe;
    probe.start(QStringLiteral("unshare"), {QStringLiteral("--mount"), QStringLiteral("--pid"),
                                            QStringLiteral("--ipc"), QStringLiteral("--fork"),
                                            QStringLiteral("--mount-proc"), QStringLiteral("true")});
    if (!probe.waitForFinished(5000) || probe.exitStatus() != QProcess::NormalExit || probe.exitCode() != 0) {
        probe.kill();
        probe.waitForFinished(1000);
        return QStringLiteral("unshare cannot make mount, PID and IPC namespaces here");
    }
    // The program's jail: a user namespace made by an unprivileged id (the
    // one scripts/device-rig.sh gives the program).
    probe.start(QStringLiteral("setpriv"), {QStringLiteral("--reuid=100999"), QStringLiteral("--regid=100999"),
                                            QStringLiteral("--clear-groups"), QStringLiteral("--"),
                                            QStringLiteral("unshare"), QStringLiteral("--user"),
                                            QStringLiteral("--map-root-user"), QStringLiteral("true")});
    if (!probe.waitForFinished(5000) || probe.exitStatus() != QProcess::NormalExit || probe.exitCode() != 0) {
        probe.kill();
        probe.waitForFinished(1000);
        return QStringLiteral("an unprivileged id cannot make a user namespace here");
    }
    return QString();
}

quint16 RigProcess::freePort()
{
    QTcpServer server;
    return server.listen(QHostAddress::LocalHost, 0) ? server.serverPort() : 0;
}

bool RigProcess::start(const QString &root, quint16 vncPort, double timeScale, const QString &program,
                       const QString &emulator, const QStringList &arguments)
{
    m_root = root;
    QStringList args{script(), QStringLiteral("--root"), root, QStringLiteral("--build"), buildDir(),
                     QStringLiteral("--vnc-port"), QString::number(vncPort),
                     QStringLiteral("--time-scale"), QString::number(timeScale)};
    args << QStringLiteral("--program") << (program.isEmpty() ? QStringLiteral(OSTREL_BINARY) : program);
    if (!emulator.isEmpty())
        args << QStringLiteral("--emulator") << emulator;
    args << QStringLiteral("--") << arguments;
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    // A test killed half-way takes the rig with it: unshare (the script
    // execs it) dies with the test, and the namespace with unshare.
    m_process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
    m_process.start(QStringLiteral("bash"), args);
    return m_process.waitForStarted(5000);
}

QByteArray RigProcess::output() const
{
    m_output += const_cast<QProcess &>(m_process).readAll();
    return m_output;
}

void RigProcess::stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    // unshare passes TERM to nobody and ignores it; killed, it takes its
    // child, the namespace's first process, with it, and so everything in
    // the namespace ends and the namespace's mounts go.
    m_process.kill();
    m_process.waitForFinished(5000);
    output();
}

int RigProcess::waitForExit(int timeoutMs)
{
    if (!m_process.waitForFinished(timeoutMs))
        return -1;
    output();
    return m_process.exitStatus() == QProcess::NormalExit ? m_process.exitCode() : -1;
}

QByteArray RigProcess::readFile(const QString &path) const
{
    QFile file(hostPath(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool RigProcess::waitForText(const QString &path, const QByteArray &text, int timeoutMs) const
{
    QElapsedTimer clock;
    clock.start();
    while (!readFile(path).contains(text)) {
        if (clock.elapsed() > timeoutMs || m_process.state() == QProcess::NotRunning)
            return readFile(path).contains(text);
        QTest::qWait(50);
    }
    return true;
}
