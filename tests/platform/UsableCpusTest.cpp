// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/UsableCpus.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <map>

namespace {

constexpr const char* kV2Mount = "30 23 0:26 / /sys/fs/cgroup rw,nosuid - cgroup2 cgroup2 rw,nsdelegate\n";
constexpr const char* kV1Mounts = "31 23 0:27 /docker/abc /sys/fs/cgroup/cpu,cpuacct rw - cgroup cgroup rw,cpu,cpuacct\n"
                                  "32 23 0:28 / /sys/fs/cgroup/cpuset rw - cgroup cgroup rw,cpuset\n";

TEST(UsableCpus, TheCgroupQuotaIsTheLowestOnTheWayUpInWholeProcessors)
{
    struct Case {
        const char* what;
        std::string mountinfo;
        std::string cgroup;
        std::map<std::string, std::string> files;
        std::optional<int> quota;
    };
    const std::string job = "sys/fs/cgroup/slurm/job_7/";
    const std::string v1 = "sys/fs/cgroup/cpu,cpuacct/";
    const std::vector<Case> cases{
        {"v2 limit of its own", kV2Mount, "0::/slurm/job_7\n", {{job + "cpu.max", "200000 100000\n"}}, 2},
        {"v2 without a limit", kV2Mount, "0::/slurm/job_7\n", {{job + "cpu.max", "max 100000\n"}}, std::nullopt},
        {"a parent's lower limit", kV2Mount, "0::/slurm/job_7\n",
         {{job + "cpu.max", "400000 100000"}, {"sys/fs/cgroup/slurm/cpu.max", "120000 100000"}}, 1},
        {"the nearest whole number", kV2Mount, "0::/slurm/job_7\n", {{job + "cpu.max", "250000 100000"}}, 3},
        {"at least one", kV2Mount, "0::/slurm/job_7\n", {{job + "cpu.max", "20000 100000"}}, 1},
        {"a container's own view", kV2Mount, "0::/\n", {{"sys/fs/cgroup/cpu.max", "300000 100000"}}, 3},
        {"a group outside the view", kV2Mount, "0::/../other\n", {{"sys/fs/cgroup/cpu.max", "300000 100000"}}, 3},
        {"unreadable limits", kV2Mount, "0::/slurm/job_7\n",
         {{job + "cpu.max", "many 100000"}, {"sys/fs/cgroup/slurm/cpu.max", "100000 0"}}, std::nullopt},
        {"v1 under the mount's root", kV1Mounts, "5:cpuset:/\n4:cpu,cpuacct:/docker/abc\n",
         {{v1 + "cpu.cfs_quota_us", "150000\n"}, {v1 + "cpu.cfs_period_us", "100000\n"}}, 2},
        {"v1 without a limit", kV1Mounts, "4:cpu,cpuacct:/docker/abc\n",
         {{v1 + "cpu.cfs_quota_us", "-1\n"}, {v1 + "cpu.cfs_period_us", "100000\n"}}, std::nullopt},
        {"v1 and v2 together", std::string(kV2Mount) + kV1Mounts, "4:cpu,cpuacct:/docker/abc\n0::/slurm/job_7\n",
         {{v1 + "cpu.cfs_quota_us", "400000"}, {v1 + "cpu.cfs_period_us", "100000"}, {job + "cpu.max", "200000 100000"}}, 2},
        {"no cgroup file system", "", "0::/\n", {}, std::nullopt},
    };
    for (const auto& c : cases) {
        TempDir root;
        std::map<std::string, std::string> files = c.files;
        files["proc/self/mountinfo"] = c.mountinfo;
        files["proc/self/cgroup"] = c.cgroup;
        for (const auto& [name, text] : files) {
            std::filesystem::create_directories((root.path() / name).parent_path());
            root.write(name, text);
        }
        EXPECT_EQ(platform::CgroupCpuQuota(root.path()), c.quota) << c.what;
    }
}

} // namespace
