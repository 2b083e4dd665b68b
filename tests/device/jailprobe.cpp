// jail-probe MARKER HOST_PTS_DEVICE: run by the device rig in the program's
// place, tries each way out of the rig a program might take and prints one
// line a way: "NAME held" when the rig stopped it, "NAME open: DETAIL"
// when it did not. Every attempt leaves this machine as it was, even when it
// succeeds: files and nodes are only opened, never written (but the test's
// own MARKER file, outside the rig's root), a read-only bind is remounted
// read-write only in the rig's mount namespace and back at once, a node made
// in the rig's /tmp is removed, a process attached is let go.

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/mount.h>
#include <sys/ptrace.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

void report(const char *name, bool open, const std::string &detail = std::string())
{
    if (open)
        std::printf("%s open: %s\n", name, detail.c_str());
    else
        std::printf("%s held\n", name);
    std::fflush(stdout);
}

std::string failure(const char *what)
{
    return std::string(what) + ": " + std::strerror(errno);
}

// The binds the rig makes read-only: one made read-write again would let
// the program write the machine's own files.
void remountReadOnlyBind()
{
    const bool remounted = ::mount(nullptr, "/usr", nullptr, MS_REMOUNT | MS_BIND, nullptr) == 0;
    if (remounted)
        ::mount(nullptr, "/usr", nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr);
    report("remount", remounted, "/usr made read-write");
}

// Out of the root by a chroot into a folder below the working directory,
// then up from there; outside, appends to the marker. In a child, so this
// program stays where it was put.
void leaveTheRoot(const char *marker)
{
    int channel[2];
    if (::pipe(channel) != 0) {
        report("chroot", true, failure("no pipe to ask"));
        return;
    }
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        ::mkdir("/tmp/jail-probe-jail", 0700);
        char answer = 'h';
        if (::chroot("/tmp/jail-probe-jail") == 0) {
            for (int i = 0; i < 64; ++i)
                (void)::chdir("..");
            if (::chroot(".") == 0) {
                answer = 'c';
                const int fd = ::open(marker, O_WRONLY | O_APPEND | O_CLOEXEC);
                if (fd >= 0) {
                    answer = ::write(fd, "escaped\n", 8) == 8 ? 'w' : 'c';
                    ::close(fd);
                }
            }
        }
        (void)::write(channel[1], &answer, 1);
        ::_exit(0);
    }
    ::close(channel[1]);
    char answer = 'h';
    if (child < 0 || ::read(channel[0], &answer, 1) != 1)
        answer = 'h';
    ::close(channel[0]);
    if (child > 0)
        ::waitpid(child, nullptr, 0);
    ::rmdir("/tmp/jail-probe-jail");
    report("chroot", answer != 'h', answer == 'w' ? "left the root and wrote the marker" : "left the root");
}

// The kernel's settings are the machine's: opened for writing only, never
// written.
void openKernelSetting()
{
    const int fd = ::open("/proc/sys/kernel/hostname", O_WRONLY | O_CLOEXEC);
    report("proc-sys", fd >= 0, "/proc/sys/kernel/hostname opened for writing");
    if (fd >= 0)
        ::close(fd);
    // Root's alone, and a byte written there would act on the machine.
    const int trigger = ::open("/proc/sysrq-trigger", O_WRONLY | O_CLOEXEC);
    report("sysrq", trigger >= 0, "/proc/sysrq-trigger opened for writing");
    if (trigger >= 0)
        ::close(trigger);
}

// The terminals the program sees are the rig's own, not the machine's.
void lookAtTerminals(dev_t hostTerminals)
{
    struct stat status {};
    const bool host = ::stat("/dev/pts", &status) == 0 && status.st_dev == hostTerminals;
    report("pts", host, "/dev/pts is the machine's");
}

// The records of what the program did: opened to append, never written.
void openRecords()
{
    static const char *const records[] = {"/rig/commands.log", "/rig/power.log", "/rig/board.log",
                                          "/rig/screen.log", "/rig/clock.log", "/rig/sound.log",
                                          "/rig/device-rig.log", "/tmp/encoder-sim.log"};
    std::string opened;
    for (const char *record : records) {
        const int fd = ::open(record, O_WRONLY | O_APPEND | O_CLOEXEC);
        if (fd >= 0) {
            opened += std::string(opened.empty() ? "" : " ") + record;
            ::close(fd);
        }
    }
    report("records", !opened.empty(), opened);
    // Nor may a record be replaced by another file.
    const int fd = ::open("/rig/jail-probe", O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd >= 0) {
        ::close(fd);
        ::unlink("/rig/jail-probe");
    }
    report("record-folder", fd >= 0, "/rig takes new files");
}

// A device node of the program's own making would reach the machine's
// devices: the null device's numbers, in the rig's /tmp.
void makeNode()
{
    const bool made = ::mknod("/tmp/jail-probe-node", S_IFCHR | 0600, makedev(1, 3)) == 0;
    if (made)
        ::unlink("/tmp/jail-probe-node");
    report("mknod", made, "made a character device");
}

// The rig's processes outside the root: its first one, the script. Seized,
// so never stopped, and let go at once.
void traceTheRig()
{
    const bool seized = ::ptrace(PTRACE_SEIZE, 1, nullptr, nullptr) == 0;
    if (seized)
        ::ptrace(PTRACE_DETACH, 1, nullptr, nullptr);
    report("ptrace", seized, "seized the rig's first process");
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: jail-probe MARKER HOST_PTS_DEVICE\n");
        return 2;
    }
    remountReadOnlyBind();
    leaveTheRoot(argv[1]);
    openKernelSetting();
    lookAtTerminals(static_cast<dev_t>(std::strtoull(argv[2], nullptr, 10)));
    openRecords();
    makeNode();
    traceTheRig();
    std::printf("probe done\n");
    return 0;
}
