// rig-exec SOCKET PROGRAM [ARGUMENTS...]: runs PROGRAM with the requests the
// rig's FUSE nodes cannot take handed to device-rig instead. Plain-number
// device requests (below 256: the GPIO, PWM and clock chip's) carry a
// pointer FUSE does not follow; sync(2) would flush this machine's disks and
// settimeofday(2) or clock_settime(2) set its clock: a seccomp filter passes
// them to device-rig, listening at SOCKET, which answers them or lets them
// through. Calls in another calling convention than this machine's are
// refused (ENOSYS). The filter stays with the program
// across its own restart and with every child it starts.

#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <linux/audit.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/syscall.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

constexpr unsigned PlainRequestLimit = 256;

// The calls the filter judges are numbered in this machine's own calling
// convention. One of another (the 32-bit "int 0x80" entry, x32's numbers
// with their high bit) would name other calls by the same numbers and pass
// unseen: they are refused outright. The armel build under qemu-arm makes
// its calls through qemu, in this machine's own convention.
#if defined(__x86_64__)
constexpr unsigned HostArch = AUDIT_ARCH_X86_64;
#elif defined(__aarch64__)
constexpr unsigned HostArch = AUDIT_ARCH_AARCH64;
#else
#error "rig-exec knows the calling convention of x86-64 and aarch64 only"
#endif
// x32's calls carry this bit on x86-64; no host call number reaches it.
constexpr unsigned ForeignNumberBit = 0x40000000;

int installFilter()
{
    const unsigned requestLow = offsetof(struct seccomp_data, args) + sizeof(__u64) * 1;
    struct sock_filter program[] = {
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(struct seccomp_data, arch)),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, HostArch, 1, 0),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | ENOSYS),
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(struct seccomp_data, nr)),
        BPF_JUMP(BPF_JMP | BPF_JGE | BPF_K, ForeignNumberBit, 0, 1),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | ENOSYS),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, __NR_sync, 6, 0),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, __NR_settimeofday, 5, 0),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, __NR_clock_settime, 4, 0),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, __NR_ioctl, 0, 2),
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, requestLow),
        BPF_JUMP(BPF_JMP | BPF_JGE | BPF_K, PlainRequestLimit, 0, 1),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_USER_NOTIF),
    };
    struct sock_fprog filter = {static_cast<unsigned short>(sizeof program / sizeof program[0]), program};
    if (::prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) != 0)
        return -1;
    return static_cast<int>(
        ::syscall(__NR_seccomp, SECCOMP_SET_MODE_FILTER, SECCOMP_FILTER_FLAG_NEW_LISTENER, &filter));
}

// Hands the listener over and waits for device-rig to take it.
bool handOver(const char *socketPath, int listener)
{
    const int channel = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (channel < 0 || std::strlen(socketPath) >= sizeof address.sun_path)
        return false;
    std::strcpy(address.sun_path, socketPath);
    if (::connect(channel, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0) {
        ::close(channel);
        return false;
    }
    char byte = 'L';
    iovec data{&byte, 1};
    alignas(cmsghdr) char control[CMSG_SPACE(sizeof(int))] = {};
    msghdr message{};
    message.msg_iov = &data;
    message.msg_iovlen = 1;
    message.msg_control = control;
    message.msg_controllen = sizeof control;
    cmsghdr *header = CMSG_FIRSTHDR(&message);
    header->cmsg_level = SOL_SOCKET;
    header->cmsg_type = SCM_RIGHTS;
    header->cmsg_len = CMSG_LEN(sizeof(int));
    std::memcpy(CMSG_DATA(header), &listener, sizeof listener);
    const bool sent = ::sendmsg(channel, &message, 0) == 1;
    // The answer comes once device-rig serves the listener: before it,
    // the program's first request would wait.
    const bool taken = sent && ::read(channel, &byte, 1) == 1;
    ::close(channel);
    return taken;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: rig-exec SOCKET PROGRAM [ARGUMENTS...]\n");
        return 2;
    }
    const int listener = installFilter();
    if (listener < 0) {
        std::fprintf(stderr, "rig-exec: no seccomp listener: %s\n", std::strerror(errno));
        return 1;
    }
    // From here the filter holds: a request it passes on waits for
    // device-rig, so nothing below makes one before the hand-over.
    if (!handOver(argv[1], listener)) {
        std::fprintf(stderr, "rig-exec: device-rig does not take the requests at %s\n", argv[1]);
        return 1;
    }
    ::close(listener);
    ::execvp(argv[2], argv + 2);
    std::fprintf(stderr, "rig-exec: cannot run %s: %s\n", argv[2], std::strerror(errno));
    return 127;
}
