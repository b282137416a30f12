// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The processors this process may keep busy, counted as nproc counts them:
// the CPUs of its affinity mask (taskset, cpusets), fewer when the CPU quota
// of its control group allows less (containers, Slurm, Kubernetes). The
// quota is cgroup v2's cpu.max or v1's cpu.cfs_quota_us over
// cpu.cfs_period_us, the lowest on the way from the process's group up to the
// root its file system shows.
#include <filesystem>
#include <optional>

namespace platform {

// At least 1.
int UsableCpus();

// The quota in whole processors (the nearest, at least 1) as the system
// whose root folder is `root` lays it out: /proc/self/mountinfo and
// /proc/self/cgroup, and the cgroup file systems they name. Nothing when no
// quota applies or the files cannot be read.
std::optional<int> CgroupCpuQuota(const std::filesystem::path& root = "/");

} // namespace platform
