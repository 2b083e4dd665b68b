#include "terminationsignals.h"

#include <QSocketNotifier>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {
int s_pipe[2] = {-1, -1};

void onSignal(int signal)
{
    const char c = char(signal);
    [[maybe_unused]] const ssize_t n = ::write(s_pipe[1], &c, 1);
}

void handle(int signal, void (*handler)(int))
{
    struct sigaction action = {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(signal, &action, nullptr);
}
} // namespace

TerminationSignals::TerminationSignals(QObject *parent)
    : QObject(parent)
{
    if (::pipe2(s_pipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        qWarning("cannot watch for SIGTERM and SIGINT");
        return;
    }
    m_notifier = new QSocketNotifier(s_pipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] {
        char c = 0;
        while (::read(s_pipe[0], &c, 1) == 1)
            Q_EMIT received(int(c));
    });
    handle(SIGTERM, onSignal);
    handle(SIGINT, onSignal);
}

TerminationSignals::~TerminationSignals()
{
    if (!m_notifier)
        return;
    handle(SIGTERM, SIG_DFL);
    handle(SIGINT, SIG_DFL);
    delete m_notifier;
    ::close(s_pipe[0]);
    ::close(s_pipe[1]);
    s_pipe[0] = s_pipe[1] = -1;
}
