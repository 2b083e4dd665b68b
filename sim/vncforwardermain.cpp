// vnc-forwarder --port N --own-network -- COMMAND [ARGUMENTS]
// Serves VNC port N (every interface) in front of a vnc server that
// COMMAND's programs run on port N of a network of their own: only the
// loopback interface, which nothing outside reaches but this forwarder.
// The device rig (scripts/device-rig.sh) runs the device build this way.
// Needs CAP_SYS_ADMIN for the network namespace. Ends with COMMAND's exit
// status; TERM and INT are passed on to COMMAND, and COMMAND is killed
// when the forwarder dies.

#include "vncforwarder.h"
#include "vncport.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <net/if.h>
#include <sched.h>
#include <sys/ioctl.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
int usage()
{
    std::fprintf(stderr, "usage: vnc-forwarder --port N --own-network -- COMMAND [ARGUMENTS]\n");
    return 2;
}

// A new network namespace has its loopback interface down.
bool loopbackUp()
{
    const int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    ifreq request = {};
    std::strncpy(request.ifr_name, "lo", IFNAMSIZ - 1);
    bool ok = ::ioctl(fd, SIOCGIFFLAGS, &request) == 0;
    if (ok) {
        request.ifr_flags |= IFF_UP | IFF_RUNNING;
        ok = ::ioctl(fd, SIOCSIFFLAGS, &request) == 0;
    }
    ::close(fd);
    return ok;
}
} // namespace

int main(int argc, char **argv)
{
    int port = 0;
    bool ownNetwork = false;
    int command = -1;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--port") == 0 && i + 1 < argc) {
            char *end = nullptr;
            const long value = std::strtol(argv[++i], &end, 10);
            if (*end != '\0' || value < 1 || value > 65535)
                return usage();
            port = int(value);
        } else if (std::strcmp(argv[i], "--own-network") == 0) {
            ownNetwork = true;
        } else if (std::strcmp(argv[i], "--") == 0 && i + 1 < argc) {
            command = i + 1;
            break;
        } else {
            return usage();
        }
    }
    if (port == 0 || !ownNetwork || command < 0)
        return usage();

    // The viewers' port is opened here, in the machine's network.
    VncForwarder forwarder;
    if (!forwarder.listen(port)) {
        // Said as the simulator says it: the rig then ends, nothing started.
        if (!VncPort::isFree(port))
            std::fprintf(stderr, "vnc-forwarder: %s\n", qPrintable(VncPort::busyMessage(port)));
        else
            std::fprintf(stderr, "vnc-forwarder: VNC port %d: %s\n", port, qPrintable(forwarder.error()));
        return 2;
    }
    if (::unshare(CLONE_NEWNET) != 0 || !loopbackUp()) {
        std::fprintf(stderr, "vnc-forwarder: no network of its own: %s\n", std::strerror(errno));
        return 2;
    }

    sigset_t handled;
    sigemptyset(&handled);
    for (int signal : {SIGTERM, SIGINT, SIGHUP, SIGCHLD})
        sigaddset(&handled, signal);
    sigprocmask(SIG_BLOCK, &handled, nullptr);
    const pid_t parent = ::getpid();
    const pid_t child = ::fork();
    if (child < 0) {
        std::perror("vnc-forwarder: fork");
        return 2;
    }
    if (child == 0) {
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (::getppid() != parent)
            ::_exit(1);
        sigprocmask(SIG_UNBLOCK, &handled, nullptr);
        ::execvp(argv[command], argv + command);
        std::fprintf(stderr, "vnc-forwarder: %s: %s\n", argv[command], std::strerror(errno));
        ::_exit(127);
    }

    // The server's port, on the loopback interface of the new network.
    forwarder.start(port);
    int status = 0;
    for (;;) {
        int signal = 0;
        if (sigwait(&handled, &signal) != 0)
            continue;
        if (signal != SIGCHLD) {
            ::kill(child, signal);
            continue;
        }
        const pid_t ended = ::waitpid(child, &status, WNOHANG);
        if (ended == child)
            break;
    }
    forwarder.stop();
    if (WIFEXITED(status))
        return WEXITSTATUS(status);
    return 128 + (WIFSIGNALED(status) ? WTERMSIG(status) : 0);
}
