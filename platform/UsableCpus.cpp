// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/UsableCpus.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <limits>
#include <sched.h>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace platform {

namespace {

namespace fs = std::filesystem;

// A cgroup hierarchy with the CPU controller, as this process sees it.
struct CpuHierarchy {
    bool v2;
    fs::path mountPoint;   // where it is mounted, from "/"
    std::string mountRoot; // the group the mount shows as its root
    std::string group;     // this process's group
};

// Whether a comma-separated list ("rw,cpu,cpuacct") holds `name`.
bool Lists(const std::string& list, const std::string& name)
{
    std::istringstream items(list);
    for (std::string item; std::getline(items, item, ',');) {
        if (item == name)
            return true;
    }
    return false;
}

std::vector<std::string> Words(const std::string& line)
{
    std::istringstream stream(line);
    std::vector<std::string> words;
    for (std::string word; stream >> word;)
        words.push_back(word);
    return words;
}

std::string FirstLine(const fs::path& file)
{
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);
    return line;
}

// The processors one group's own limit allows; nothing without one.
std::optional<double> GroupQuota(const fs::path& dir, bool v2)
{
    long long quota = 0;
    long long period = 0;
    if (v2) {
        // "max 100000" has no limit and fails to read as a number.
        std::istringstream limit(FirstLine(dir / "cpu.max"));
        if (!(limit >> quota >> period))
            return std::nullopt;
    } else {
        std::istringstream quotaText(FirstLine(dir / "cpu.cfs_quota_us"));
        std::istringstream periodText(FirstLine(dir / "cpu.cfs_period_us"));
        if (!(quotaText >> quota) || !(periodText >> period))
            return std::nullopt;
    }
    if (quota <= 0 || period <= 0)
        return std::nullopt;
    return static_cast<double>(quota) / static_cast<double>(period);
}

std::vector<CpuHierarchy> CpuHierarchies(const fs::path& root)
{
    // "0::/path" is the group in the v2 hierarchy, "4:cpu,cpuacct:/path" in
    // a v1 hierarchy with the CPU controller.
    std::optional<std::string> v2Group;
    std::optional<std::string> v1Group;
    std::ifstream groups(root / "proc/self/cgroup");
    for (std::string line; std::getline(groups, line);) {
        const auto first = line.find(':');
        const auto second = line.find(':', first + 1);
        if (first == std::string::npos || second == std::string::npos)
            continue;
        const std::string controllers = line.substr(first + 1, second - first - 1);
        const std::string group = line.substr(second + 1);
        if (line.compare(0, first, "0") == 0 && controllers.empty())
            v2Group = group;
        else if (Lists(controllers, "cpu"))
            v1Group = group;
    }

    // A mount: "id parent dev root mountpoint options [optional...] - type source superoptions".
    std::vector<CpuHierarchy> found;
    std::ifstream mounts(root / "proc/self/mountinfo");
    for (std::string line; std::getline(mounts, line);) {
        const auto words = Words(line);
        const auto dash = std::find(words.begin(), words.end(), "-");
        if (words.size() < 5 || words.end() - dash < 4)
            continue;
        const std::string& type = dash[1];
        if (type == "cgroup2" && v2Group)
            found.push_back({true, words[4], words[3], *v2Group});
        else if (type == "cgroup" && Lists(dash[3], "cpu") && v1Group)
            found.push_back({false, words[4], words[3], *v1Group});
    }
    return found;
}

// The folders from the mount's root down to the process's group. A group
// outside what the mount shows (a namespace's view) is the mount's root.
std::vector<fs::path> GroupPath(const fs::path& root, const CpuHierarchy& hierarchy)
{
    const fs::path top = root / hierarchy.mountPoint.relative_path();
    const std::string& base = hierarchy.mountRoot;
    std::string below;
    if (base == "/")
        below = hierarchy.group;
    else if (hierarchy.group == base || hierarchy.group.starts_with(base + "/"))
        below = hierarchy.group.substr(base.size());
    std::vector<fs::path> path{top};
    for (const auto& part : fs::path(below).relative_path()) {
        if (part == "..")
            return {top};
        if (!part.empty() && part != ".")
            path.push_back(path.back() / part);
    }
    return path;
}

int AffinityCpus()
{
    cpu_set_t set;
    if (sched_getaffinity(0, sizeof set, &set) == 0)
        return CPU_COUNT(&set);
    // More processors than a fixed set holds.
    return static_cast<int>(std::thread::hardware_concurrency());
}

} // namespace

std::optional<int> CgroupCpuQuota(const fs::path& root)
{
    std::optional<double> lowest;
    for (const auto& hierarchy : CpuHierarchies(root)) {
        for (const auto& dir : GroupPath(root, hierarchy)) {
            const auto quota = GroupQuota(dir, hierarchy.v2);
            if (quota && (!lowest || *quota < *lowest))
                lowest = quota;
        }
    }
    if (!lowest)
        return std::nullopt;
    const double most = std::numeric_limits<int>::max();
    return static_cast<int>(std::clamp(std::round(*lowest), 1.0, most));
}

int UsableCpus()
{
    int cpus = std::max(AffinityCpus(), 1);
    if (const auto quota = CgroupCpuQuota())
        cpus = std::min(cpus, *quota);
    return cpus;
}

} // namespace platform
