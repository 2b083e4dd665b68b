#include "rigprocess.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMultiHash>
#include <QProcessEnvironment>
#include <QTcpServer>
#include <QTest>

#include <algorithm>
#include <csignal>
#include <sys/prctl.h>
#include <unistd.h>

namespace {
// The script stops the rig in well under a second; a rig stuck on the
// machine's side gets a little longer before it is killed outright.
constexpr int StopMs = 10000;

// The fields of /proc/PID/stat after the command's name, which may hold
// spaces and parentheses of its own: [0] the state, [1] the parent's
// number, [19] the start time. Empty when there is no such process.
QList<QByteArray> statFields(qint64 pid)
{
    QFile file(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray line = file.readAll();
    const qsizetype nameEnd = line.lastIndexOf(") ");
    if (nameEnd < 0)
        return {};
    const QList<QByteArray> fields = line.mid(nameEnd + 2).trimmed().split(' ');
    return fields.size() > 19 ? fields : QList<QByteArray>();
}
} // namespace

QString RigProcess::script()
{
    return QStringLiteral(DEVICE_RIG_SCRIPT);
}

QString RigProcess::buildDir()
{
    return QFileInfo(QStringLiteral(DEVICE_RIG_BINARY)).absolutePath() + QStringLiteral("/..");
}

RigProcess::~RigProcess()
{
    stop();
}

QString RigProcess::unavailable()
{
    // Asked once: the answer does not change while the tests run.
    static const QString reason = [] {
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
    }();
    return reason;
}

quint16 RigProcess::freePort()
{
    QTcpServer server;
    return server.listen(QHostAddress::LocalHost, 0) ? server.serverPort() : 0;
}

bool RigProcess::start(const QString &root, quint16 vncPort, double timeScale, const QString &program,
                       const QString &emulator, const QStringList &arguments, Parent parent)
{
    m_root = root;
    QStringList args{script(), QStringLiteral("--build"), buildDir(),
                     QStringLiteral("--vnc-port"), QString::number(vncPort),
                     QStringLiteral("--time-scale"), QString::number(timeScale)};
    if (!root.isEmpty())
        args << QStringLiteral("--root") << root;
    args << QStringLiteral("--program") << (program.isEmpty() ? QStringLiteral(OSTREL_BINARY) : program);
    if (!emulator.isEmpty())
        args << QStringLiteral("--emulator") << emulator;
    args << QStringLiteral("--") << arguments;
    if (!m_temporaryFolder.isEmpty()) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("TMPDIR"), m_temporaryFolder);
        m_process.setProcessEnvironment(environment);
    }
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    if (parent == Parent::Test) {
        // A test killed half-way stops the rig: the script hears TERM, and
        // were it killed, the rig's forwarder dies with it, and so on down.
        m_process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
        m_process.start(QStringLiteral("bash"), args);
        if (!m_process.waitForStarted(5000))
            return false;
        m_script = process(m_process.processId());
        return m_script.pid != 0;
    }
    // The shell says the script's number, then waits for it; killed with
    // the test, it leaves the script without its parent.
    m_process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
    m_process.start(QStringLiteral("bash"),
                    QStringList{QStringLiteral("-c"), QStringLiteral("bash \"$@\" & echo \"rig-script $!\"; wait"),
                                QStringLiteral("bash")} + args);
    if (!m_process.waitForStarted(5000))
        return false;
    QElapsedTimer clock;
    clock.start();
    while (!m_process.canReadLine() && clock.elapsed() < 5000)
        m_process.waitForReadyRead(100);
    const QByteArray line = m_process.readLine();
    m_output += line;
    if (!line.startsWith("rig-script "))
        return false;
    m_script = process(line.mid(11).trimmed().toLongLong());
    return m_script.pid != 0;
}

QByteArray RigProcess::output() const
{
    m_output += const_cast<QProcess &>(m_process).readAll();
    return m_output;
}

void RigProcess::stop()
{
    // TERM: the script ends everything it started and removes what it made.
    if (runs(m_script)) {
        ::kill(pid_t(m_script.pid), SIGTERM);
        if (!waitForEnd({m_script}, StopMs) && runs(m_script)) {
            qWarning("the rig's script did not stop: killed");
            ::kill(pid_t(m_script.pid), SIGKILL);
        }
    }
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
    output();
}

void RigProcess::endParent()
{
    m_process.kill();
    m_process.waitForFinished(5000);
    output();
}

RigProcess::Process RigProcess::process(qint64 pid)
{
    const QList<QByteArray> fields = statFields(pid);
    if (fields.isEmpty())
        return {};
    return {pid, fields.at(19).toULongLong()};
}

bool RigProcess::runs(const Process &process)
{
    if (process.pid == 0)
        return false;
    const QList<QByteArray> fields = statFields(process.pid);
    return !fields.isEmpty() && fields.at(0) != "Z" && fields.at(19).toULongLong() == process.startTime;
}

QList<RigProcess::Process> RigProcess::tree(qint64 pid)
{
    QMultiHash<qint64, qint64> children;
    const QStringList numbers = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &number : numbers) {
        bool isNumber = false;
        const qint64 child = number.toLongLong(&isNumber);
        const QList<QByteArray> fields = isNumber ? statFields(child) : QList<QByteArray>();
        if (!fields.isEmpty())
            children.insert(fields.at(1).toLongLong(), child);
    }
    QList<Process> found;
    QList<qint64> queue{pid};
    while (!queue.isEmpty()) {
        const qint64 next = queue.takeFirst();
        const Process entry = process(next);
        if (entry.pid != 0)
            found << entry;
        queue << children.values(next);
    }
    return found;
}

QStringList RigProcess::arguments(const Process &process)
{
    QFile file(QStringLiteral("/proc/%1/cmdline").arg(process.pid));
    if (!runs(process) || !file.open(QIODevice::ReadOnly))
        return {};
    QStringList list;
    const QList<QByteArray> parts = file.readAll().split('\0');
    for (const QByteArray &part : parts)
        if (!part.isEmpty())
            list << QString::fromLocal8Bit(part);
    return list;
}

bool RigProcess::waitForEnd(const QList<Process> &processes, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        const bool running = std::any_of(processes.begin(), processes.end(), &RigProcess::runs);
        if (!running)
            return true;
        if (clock.elapsed() > timeoutMs)
            return false;
        // Events go on meanwhile: QProcess collects its ended child.
        QTest::qWait(50);
    }
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
