#include "DiskFull.h"

DiskFull::DiskFull(rlim_t room)
{
    // The failing write is reported by its error; the signal would end the test.
    m_savedHandler = std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &m_saved);
    const rlimit full{room, m_saved.rlim_max};
    setrlimit(RLIMIT_FSIZE, &full);
}

DiskFull::~DiskFull()
{
    setrlimit(RLIMIT_FSIZE, &m_saved);
    std::signal(SIGXFSZ, m_savedHandler);
}
