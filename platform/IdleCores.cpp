// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/IdleCores.h"

#include <fstream>
#include <sstream>

namespace platform {

IdleCores::IdleCores(std::string statPath)
    : statPath_(std::move(statPath))
    , last_(read())
{
}

// The first line sums every processor: user nice system idle iowait irq
// softirq steal, in ticks; a line "cpuN" follows for each processor.
IdleCores::Reading IdleCores::read() const
{
    std::ifstream in(statPath_);
    Reading reading;
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("cpu", 0) != 0)
            break;
        if (line.size() > 3 && line[3] != ' ') {
            ++reading.cpus;
            continue;
        }
        std::istringstream fields(line.substr(3));
        std::uint64_t value = 0;
        for (int field = 0; field < 8 && fields >> value; ++field) {
            reading.total += value;
            if (field == 3 || field == 4)
                reading.idle += value;
        }
    }
    return reading;
}

double IdleCores::sinceLast()
{
    const Reading now = read();
    const Reading before = last_;
    last_ = now;
    if (now.total <= before.total || now.idle < before.idle || now.cpus == 0)
        return 0;
    return static_cast<double>(now.idle - before.idle) / static_cast<double>(now.total - before.total) * now.cpus;
}

} // namespace platform
