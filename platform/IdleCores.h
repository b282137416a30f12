// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How many processors stood idle between two readings, from the system's
// own counters (/proc/stat): what every program left unused, ours included.
#include <cstdint>
#include <string>

namespace platform {

class IdleCores {
public:
    // `statPath` is the counters' file; the system's by default.
    explicit IdleCores(std::string statPath = "/proc/stat");

    // The processors idle on average since the last reading (or since the
    // meter was made); 0 when the counters cannot be read or did not move.
    double sinceLast();

private:
    struct Reading {
        std::uint64_t idle = 0;
        std::uint64_t total = 0;
        int cpus = 0;
    };
    Reading read() const;

    std::string statPath_;
    Reading last_;
};

} // namespace platform
