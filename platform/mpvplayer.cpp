#include "mpvplayer.h"

#include "paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocalSocket>

#include <sys/prctl.h>
#include <sys/un.h>
#include <unistd.h>

#include <atomic>
#include <csignal>
#include <cmath>

namespace {
bool s_headless = false;
QString s_program = QStringLiteral("mpv");
std::atomic<int> s_serial{0};

// Observed properties, by their observer ids.
enum Observed { TimePos = 1, Duration = 2, Pause = 3, IdleActive = 4 };
} // namespace

MpvPlayer::MpvPlayer(QObject *parent)
    : MplayLib(parent)
    , m_socket(new QLocalSocket(this))
{
    m_connectTimer.setSingleShot(true);
    connect(&m_connectTimer, &QTimer::timeout, this, &MpvPlayer::tryConnect);
    connect(m_socket, &QLocalSocket::connected, this, &MpvPlayer::onConnected);
    connect(m_socket, &QLocalSocket::readyRead, this, &MpvPlayer::onReadyRead);
}

MpvPlayer::~MpvPlayer()
{
    endChild();
}

void MpvPlayer::setHeadless(bool headless)
{
    s_headless = headless;
}

void MpvPlayer::setProgram(const QString &program)
{
    s_program = program;
}

QString MpvPlayer::chooseSocketPath(const QString &name)
{
    const QString underRoot = Paths::resolve(QStringLiteral("/tmp/") + name);
    if (QFile::encodeName(underRoot).size() < int(sizeof(sockaddr_un::sun_path)))
        return underRoot;
    return QDir::tempPath() + QLatin1Char('/') + name;
}

bool MpvPlayer::ensureChild()
{
    if (isChildRunning())
        return true;
    delete m_process;
    m_process = new QProcess(this);
    connect(m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            failed(QStringLiteral("mpv cannot be started: %1").arg(m_process->errorString()));
    });
    connect(m_process, &QProcess::finished, this, [this] {
        if (m_loaded)
            failed(QStringLiteral("mpv ended while playing"));
    });
    m_socket->abort();
    m_pending.clear();
    m_buffer.clear();
    m_socketPath = chooseSocketPath(QStringLiteral("ostrel-mpv-%1-%2.sock")
                                        .arg(QCoreApplication::applicationPid())
                                        .arg(s_serial.fetch_add(1)));
    QDir().mkpath(QFileInfo(m_socketPath).absolutePath());
    QFile::remove(m_socketPath);
    QStringList arguments{QStringLiteral("--idle=yes"), QStringLiteral("--no-config"), QStringLiteral("--no-terminal"),
                          QStringLiteral("--input-ipc-server=") + m_socketPath};
    // The file named and nothing else: a card's file named like a recording
    // may be a playlist, an EDL or a container referring to other files
    // anywhere on the machine. Only the MP4 demuxer reads it; references,
    // files loaded beside it and scripts that fetch are all off.
    arguments << QStringLiteral("--demuxer=lavf") << QStringLiteral("--demuxer-lavf-format=mp4")
              << QStringLiteral("--demuxer-lavf-o=protocol_whitelist=file")
              << QStringLiteral("--access-references=no") << QStringLiteral("--load-unsafe-playlists=no")
              << QStringLiteral("--autoload-files=no") << QStringLiteral("--ytdl=no") << QStringLiteral("--load-scripts=no");
    if (s_headless)
        arguments << QStringLiteral("--vo=null") << QStringLiteral("--ao=null");
    const pid_t parent = ::getpid();
    m_process->setChildProcessModifier([parent] {
        // The player never outlives the camera program.
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (::getppid() != parent)
            ::_exit(127);
    });
    m_process->setProcessChannelMode(QProcess::MergedChannels);
    m_process->setStandardOutputFile(QProcess::nullDevice());
    m_process->start(s_program, arguments);
    m_attempts = 0;
    m_connectTimer.start(ConnectRetryMs);
    return true;
}

void MpvPlayer::tryConnect()
{
    if (!isChildRunning())
        return;
    if (m_socket->state() != QLocalSocket::UnconnectedState)
        return;
    if (++m_attempts > ConnectAttempts) {
        failed(QStringLiteral("mpv opened no socket at %1").arg(m_socketPath));
        endChild();
        return;
    }
    if (QFile::exists(m_socketPath))
        m_socket->connectToServer(m_socketPath);
    if (m_socket->state() != QLocalSocket::ConnectedState)
        m_connectTimer.start(ConnectRetryMs);
}

void MpvPlayer::onConnected()
{
    send({QStringLiteral("observe_property"), TimePos, QStringLiteral("time-pos")});
    send({QStringLiteral("observe_property"), Duration, QStringLiteral("duration")});
    send({QStringLiteral("observe_property"), Pause, QStringLiteral("pause")});
    send({QStringLiteral("observe_property"), IdleActive, QStringLiteral("idle-active")});
    const QList<QByteArray> pending = std::exchange(m_pending, {});
    for (const QByteArray &line : pending)
        m_socket->write(line);
    m_socket->flush();
}

void MpvPlayer::send(const QList<QVariant> &command)
{
    QJsonObject object;
    object.insert(QStringLiteral("command"), QJsonArray::fromVariantList(command));
    const QByteArray line = QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
    if (m_socket->state() == QLocalSocket::ConnectedState) {
        m_socket->write(line);
        m_socket->flush();
    } else {
        m_pending.append(line);
    }
}

void MpvPlayer::play(const QString &file)
{
    reportFile(file);
    m_second = -1;
    m_length = -1;
    m_paused = false;
    m_fileStarted = false;
    if (!ensureChild())
        return;
    m_loaded = true;
    reportState(stLoading);
    send({QStringLiteral("set_property"), QStringLiteral("pause"), false});
    send({QStringLiteral("loadfile"), file, QStringLiteral("replace")});
}

void MpvPlayer::pause()
{
    if (!m_loaded)
        return;
    send({QStringLiteral("set_property"), QStringLiteral("pause"), !m_paused});
}

void MpvPlayer::stop()
{
    if (!isChildRunning())
        return;
    send({QStringLiteral("stop")});
}

void MpvPlayer::seek(qint64 position, bool absolute)
{
    if (!m_loaded)
        return;
    send({QStringLiteral("seek"), double(position), absolute ? QStringLiteral("absolute") : QStringLiteral("relative")});
}

void MpvPlayer::onReadyRead()
{
    m_buffer += m_socket->readAll();
    int end;
    while ((end = m_buffer.indexOf('\n')) >= 0) {
        const QByteArray line = m_buffer.left(end);
        m_buffer.remove(0, end + 1);
        handle(line);
    }
}

void MpvPlayer::handle(const QByteArray &line)
{
    const QJsonObject object = QJsonDocument::fromJson(line).object();
    const QString event = object.value(QStringLiteral("event")).toString();
    if (event == QLatin1String("start-file")) {
        m_fileStarted = true;
        return;
    }
    if (event == QLatin1String("file-loaded")) {
        if (m_loaded)
            reportState(m_paused ? stPaused : stPlaying);
        return;
    }
    if (event != QLatin1String("property-change"))
        return;
    const QJsonValue data = object.value(QStringLiteral("data"));
    switch (object.value(QStringLiteral("id")).toInt()) {
    case TimePos:
        if (m_loaded && data.isDouble()) {
            const int second = int(std::floor(qMax(0.0, data.toDouble())));
            if (second != m_second) {
                m_second = second;
                reportPosition(second);
            }
        }
        break;
    case Duration:
        if (m_loaded && data.isDouble()) {
            const int length = int(std::lround(qMax(0.0, data.toDouble())));
            if (length != m_length) {
                m_length = length;
                reportLength(length);
            }
        }
        break;
    case Pause:
        if (data.isBool() && data.toBool() != m_paused) {
            m_paused = data.toBool();
            if (m_loaded && state() != stLoading)
                reportState(m_paused ? stPaused : stPlaying);
        }
        break;
    case IdleActive:
        // Idle again: the file ended, was stopped or could not be played.
        // The idle state from before the file started does not count.
        if (data.toBool() && m_loaded && m_fileStarted) {
            m_loaded = false;
            reportState(stStopped);
        }
        break;
    default:
        break;
    }
}

void MpvPlayer::failed(const QString &reason)
{
    qWarning("%s", qPrintable(reason));
    m_pending.clear();
    m_loaded = false;
    // Reported from the event loop: the caller may still be inside play().
    QMetaObject::invokeMethod(this, [this] { reportState(stStopped); }, Qt::QueuedConnection);
}

void MpvPlayer::endChild()
{
    m_connectTimer.stop();
    if (isChildRunning()) {
        if (m_socket->state() == QLocalSocket::ConnectedState) {
            m_socket->write("{\"command\":[\"quit\"]}\n");
            m_socket->flush();
        }
        // Reaped before the player is gone, so nothing outlives it even when
        // the program ends at once: the quit it was told, or a kill after a
        // wait the GUI can afford.
        QProcess *child = m_process;
        m_process = nullptr;
        child->disconnect(this);
        if (!child->waitForFinished(QuitWaitMs)) {
            child->kill();
            child->waitForFinished(KillWaitMs);
        }
        if (child->state() == QProcess::NotRunning) {
            delete child;
        } else {
            // Held up in the kernel: released when it ends, or with the application.
            child->setParent(QCoreApplication::instance());
            QObject::connect(child, &QProcess::finished, child, &QObject::deleteLater);
        }
    }
    m_socket->abort();
    if (!m_socketPath.isEmpty())
        QFile::remove(m_socketPath);
}
