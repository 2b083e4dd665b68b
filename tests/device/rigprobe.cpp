// rig-probe: a tiny program the device tests run under rig-exec's filter,
// printing what its calls answered, one "result" line a call (0 or -errno).
//   rig-probe settimeofday TV TZ   TV: null, now, bad-address, bad-micros
//                                   TZ: null, utc, bad-address, bad-zone
//   rig-probe foreign-calls        settimeofday(NULL, NULL) through the
//                                   32-bit entry and with x32's number
//   rig-probe gpio-word NODE CODE  ioctl(NODE, CODE, &word) with word 12345,
//                                   restarted when SIGUSR1 comes; prints the
//                                   word after it
// It makes no call unless a seccomp filter holds it and it has given up the
// clock capability (exit 77 otherwise), and asks
// nothing that would change the machine if one ever went through:
// settimeofday with both arguments null changes nothing, and "now" is the
// time it already has.
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <linux/capability.h>
#include <sys/ioctl.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <sys/time.h>
#include <unistd.h>

namespace {

void print(const char *what, long result)
{
    std::printf("%s %ld\n", what, result);
    std::fflush(stdout);
}

long answer(long rc)
{
    return rc < 0 ? -errno : rc;
}

void *argument(const char *word, void *valid)
{
    if (std::strcmp(word, "null") == 0)
        return nullptr;
    if (std::strcmp(word, "bad-address") == 0)
        return reinterpret_cast<void *>(8);
    return valid;
}

int setTime(const char *tvWord, const char *tzWord)
{
    timeval now{};
    ::gettimeofday(&now, nullptr);
    if (std::strcmp(tvWord, "bad-micros") == 0)
        now.tv_usec = 1000000;
    struct timezone zone{};
    if (std::strcmp(tzWord, "bad-zone") == 0)
        zone.tz_minuteswest = 16 * 60;
    print("settimeofday", answer(::syscall(SYS_settimeofday, argument(tvWord, &now), argument(tzWord, &zone))));
    return 0;
}

int foreignCalls()
{
#if defined(__x86_64__)
    // The 32-bit entry: settimeofday is call 79 there.
    long rc = 79;
    asm volatile("int $0x80" : "+a"(rc) : "b"(0L), "c"(0L) : "memory", "cc");
    print("int80-settimeofday", rc);
    print("x32-settimeofday", answer(::syscall(0x40000000 | SYS_settimeofday, 0L, 0L)));
#endif
    return 0;
}

void ignore(int)
{
}

int gpioWord(const char *node, const char *code)
{
    struct sigaction action{};
    action.sa_handler = ignore;
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGUSR1, &action, nullptr);
    const int fd = ::open(node, O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return 2;
    int word = 12345;
    print("ioctl", answer(::ioctl(fd, std::strtoul(code, nullptr, 0), &word)));
    print("word", word);
    return 0;
}

// Gives up the clock capability in every set it may have, whatever the
// test that started it could drop: should a call ever pass the filter, the
// kernel refuses it. False when that cannot be made sure.
bool withoutClockCapability()
{
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[_LINUX_CAPABILITY_U32S_3] = {};
    if (::syscall(SYS_capget, &header, data) != 0)
        return false;
    const unsigned bit = 1u << (CAP_SYS_TIME % 32);
    auto &word = data[CAP_SYS_TIME / 32];
    word.effective &= ~bit;
    word.permitted &= ~bit;
    word.inheritable &= ~bit;
    if (::syscall(SYS_capset, &header, data) != 0 || ::syscall(SYS_capget, &header, data) != 0)
        return false;
    return !(word.effective & bit) && !(word.permitted & bit);
}

} // namespace

int main(int argc, char **argv)
{
    if (::prctl(PR_GET_SECCOMP, 0, 0, 0, 0) != 2) {
        std::fprintf(stderr, "rig-probe: no seccomp filter holds this process: no call made\n");
        return 77;
    }
    if (!withoutClockCapability()) {
        std::fprintf(stderr, "rig-probe: the clock capability could not be given up: no call made\n");
        return 77;
    }
    if (argc == 4 && std::strcmp(argv[1], "settimeofday") == 0)
        return setTime(argv[2], argv[3]);
    if (argc == 2 && std::strcmp(argv[1], "foreign-calls") == 0)
        return foreignCalls();
    if (argc == 4 && std::strcmp(argv[1], "gpio-word") == 0)
        return gpioWord(argv[2], argv[3]);
    std::fprintf(stderr, "rig-probe: unknown call\n");
    return 2;
}
