// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/FileList.h"

#include "cli/CliChoices.h"
#include "core/TextRules.h"
#include "core/cmdline/OutputNaming.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <istream>
#include <map>
#include <ostream>
#include <set>

namespace {

// "clip-12" gives "clip"; nothing when the name does not end in "-" and digits.
std::optional<std::string> UnnumberedName(const std::string& base)
{
    const auto dash = base.rfind('-');
    if (dash == std::string::npos || dash + 1 == base.size())
        return std::nullopt;
    const bool digits = std::all_of(base.begin() + dash + 1, base.end(), [](char c) { return c >= '0' && c <= '9'; });
    return digits ? std::optional(base.substr(0, dash)) : std::nullopt;
}

std::string OutputBase(const std::string& path)
{
    return BaseNameOf(FileNameOf(path));
}

// The base name that heads a file's group: its own, or that of the file whose
// numbered outputs could take its name.
std::string GroupName(std::string base, const std::set<std::string>& bases)
{
    for (auto shorter = UnnumberedName(base); shorter && bases.count(*shorter) > 0; shorter = UnnumberedName(base))
        base = *shorter;
    return base;
}

} // namespace

std::vector<std::string> ReadFileList(std::istream& in)
{
    std::vector<std::string> files;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty())
            files.push_back(line);
    }
    return files;
}

std::vector<std::string> ShareOf(const std::vector<std::string>& files, Shard shard)
{
    std::vector<std::string> sorted;
    for (const std::string& file : files)
        sorted.push_back(std::filesystem::path(FullPath(file)).lexically_normal().string());
    std::sort(sorted.begin(), sorted.end());
    sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());

    std::set<std::string> bases;
    for (const std::string& path : sorted)
        bases.insert(OutputBase(path));
    std::map<std::string, int> groups; // group name -> its number, in the order of the groups' first files
    std::vector<std::string> share;
    for (const std::string& path : sorted) {
        const int group = groups.emplace(GroupName(OutputBase(path), bases), static_cast<int>(groups.size())).first->second;
        if (group % shard.count == shard.index - 1)
            share.push_back(path);
    }
    return share;
}

bool GatherFiles(CliOptions& options, std::istream& standardInput, std::ostream& err)
{
    for (const std::string& list : options.listFiles) {
        std::vector<std::string> files;
        if (list == "-") {
            files = ReadFileList(standardInput);
        } else {
            std::ifstream in(list);
            files = ReadFileList(in);
            if (!in.is_open() || in.bad()) {
                err << "vantorel-cli: cannot read the list " << list << '\n';
                return false;
            }
        }
        options.files.insert(options.files.end(), files.begin(), files.end());
    }
    if (!options.listFiles.empty() && options.files.empty()) {
        err << "vantorel-cli: the list of files is empty\n";
        return false;
    }
    if (options.shard)
        options.files = ShareOf(options.files, *options.shard);
    return true;
}
