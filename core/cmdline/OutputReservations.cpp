// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/cmdline/OutputReservations.h"

#include <algorithm>
#include <filesystem>
#include <sys/stat.h>

namespace {

std::string NormalPath(const std::string& path)
{
    std::error_code error;
    std::filesystem::path absolute = std::filesystem::absolute(path, error);
    if (error)
        absolute = path;
    return absolute.lexically_normal().string();
}

template <typename Map, typename Key>
void Drop(Map& map, const Key& key, int holder)
{
    const auto found = map.find(key);
    if (found == map.end())
        return;
    std::erase(found->second, holder);
    if (found->second.empty())
        map.erase(found);
}

} // namespace

void OutputReservations::reserve(const std::string& path, int holder)
{
    const std::string key = NormalPath(path);
    byPath_[key].push_back(holder);
    struct stat info {};
    const bool exists = ::stat(key.c_str(), &info) == 0;
    const FileId id{static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino)};
    if (exists)
        byFile_[id].push_back(holder);
    held_[holder].push_back({key, {exists, id}});
}

void OutputReservations::release(int holder)
{
    const auto found = held_.find(holder);
    if (found == held_.end())
        return;
    for (const auto& [key, file] : found->second) {
        Drop(byPath_, key, holder);
        if (file.first)
            Drop(byFile_, file.second, holder);
    }
    held_.erase(found);
}

bool OutputReservations::HeldByOther(const Holders* holders, int asking)
{
    return holders != nullptr
        && std::any_of(holders->begin(), holders->end(), [asking](int holder) { return holder != asking; });
}

bool OutputReservations::takenFor(const std::string& path, int asking) const
{
    const std::string key = NormalPath(path);
    const auto byPath = byPath_.find(key);
    if (HeldByOther(byPath == byPath_.end() ? nullptr : &byPath->second, asking))
        return true;
    struct stat info {};
    if (byFile_.empty() || ::stat(key.c_str(), &info) != 0)
        return false;
    const auto byFile = byFile_.find({static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino)});
    return HeldByOther(byFile == byFile_.end() ? nullptr : &byFile->second, asking);
}

void OutputReservations::clear()
{
    byPath_.clear();
    byFile_.clear();
    held_.clear();
}
