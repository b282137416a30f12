// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Ways to make file access fail for real, also for root, whom permission
// bits do not stop.
#include <csignal>
#include <filesystem>
#include <sys/resource.h>

// While it lives, no regular file of this process can grow beyond `bytes`:
// writes past it fail (EFBIG) instead of raising SIGXFSZ.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{bytes, saved_.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previous_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
    void (*previous_)(int) = nullptr;
};

// A regular file whose every read fails with an input/output error: a link
// to this process's memory file, read from offset 0, which is never mapped.
inline void MakeUnreadableFile(const std::filesystem::path& file)
{
    std::filesystem::create_symlink("/proc/self/mem", file);
}
