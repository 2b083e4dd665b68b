// Started by tst_startup: the first run leaks descriptors (no close-on-exec)
// and restarts itself; the restarted copy prints its arguments and its open
// descriptors, one a line.
#include "startup.h"

#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

int main(int argc, char **argv)
{
    if (!std::getenv("RESTART_CHILD_AGAIN")) {
        StartUp::rememberProgram(argc, argv);
        ::setenv("RESTART_CHILD_AGAIN", "1", 1);
        int fds[2];
        if (::pipe(fds) != 0 || ::open("/dev/null", O_RDONLY) < 0 || ::dup(fds[0]) < 0)
            return 3;
        // The restart must not depend on the working folder.
        if (::chdir("/") != 0)
            return 3;
        StartUp::restart();
        return 4;
    }
    for (int i = 0; i < argc; ++i)
        std::printf("arg %s\n", argv[i]);
    DIR *dir = ::opendir("/proc/self/fd");
    if (!dir)
        return 5;
    const int own = ::dirfd(dir);
    while (dirent *entry = ::readdir(dir)) {
        if (entry->d_name[0] != '.' && std::atoi(entry->d_name) != own)
            std::printf("fd %s\n", entry->d_name);
    }
    ::closedir(dir);
    return 0;
}
