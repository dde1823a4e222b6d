#pragma once

#include <sys/resource.h>

#include <csignal>

// While it lives, no file of the test can grow past the given size, as on a
// disk that is full: a write beyond it fails after the file was opened.
class DiskFull
{
public:
    explicit DiskFull(rlim_t room = 1);
    ~DiskFull();

    DiskFull(const DiskFull &) = delete;
    DiskFull &operator=(const DiskFull &) = delete;

private:
    rlimit m_saved{};
    void (*m_savedHandler)(int) = SIG_DFL;
};
