#pragma once

#include <csignal>
#include <sys/resource.h>

// While it lives, no regular file of this process grows past the given
// size: a write beyond it fails (EFBIG) as on a card that is full or a
// folder that takes no writes, and reads go on as before. Tests run as
// root, which read-only modes do not stop; a folder put in a file's place
// refuses its reads as well.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes = 0)
    {
        m_signal = std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &m_limit);
        rlimit limit = m_limit;
        limit.rlim_cur = bytes;
        m_set = ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_limit);
        std::signal(SIGXFSZ, m_signal);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

    bool isSet() const { return m_set; }

private:
    rlimit m_limit{};
    void (*m_signal)(int) = nullptr;
    bool m_set = false;
};
