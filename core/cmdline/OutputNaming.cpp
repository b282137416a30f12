// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/cmdline/OutputNaming.h"

#include <algorithm>
#include <climits>
#include <filesystem>
#include <random>
#include <string_view>

namespace fs = std::filesystem;

std::string BaseNameOf(const std::string& fileName)
{
    const auto dot = fileName.rfind('.');
    return dot == std::string::npos ? fileName : fileName.substr(0, dot);
}

std::string PspTitleOf(const std::string& fileName)
{
    if (fileName.size() < 2)
        return fileName;
    const auto dot = fileName.rfind('.', fileName.size() - 2);
    return dot == std::string::npos ? fileName : fileName.substr(0, dot);
}

std::string OutputPathFor(const std::string& dir, const std::string& base, const std::string& ext)
{
    return dir + "/" + base + "." + ext;
}

std::string UniqueOutputName(const std::string& dir, const std::string& base, const std::string& ext,
                             const std::function<bool(const std::string&)>& taken)
{
    for (unsigned long long n = 1;; ++n) {
        std::string path = OutputPathFor(dir, base + "-" + std::to_string(n), ext);
        if (!taken(path))
            return path;
    }
}

bool PathExists(const std::string& path)
{
    std::error_code error;
    return fs::exists(fs::symlink_status(path, error));
}

bool SameFile(const std::string& a, const std::string& b)
{
    std::error_code error;
    if (fs::equivalent(a, b, error))
        return true;
    return fs::path(a).lexically_normal() == fs::path(b).lexically_normal();
}

std::string PartialOutputPath(const std::string& target)
{
    static constexpr std::string_view kLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device random;
    std::uniform_int_distribution<std::size_t> letter(0, kLetters.size() - 1);
    std::string tag = ".partial-";
    for (int i = 0; i < 10; ++i)
        tag += kLetters[letter(random)];
    const fs::path path(target);
    const std::string extension = path.extension().string();
    std::string stem = path.stem().string();
    // A long stem gives up its end, never in the middle of a character.
    const std::size_t room = NAME_MAX - std::min<std::size_t>(NAME_MAX, 1 + tag.size() + extension.size());
    if (stem.size() > room) {
        std::size_t cut = room;
        while (cut > 0 && (static_cast<unsigned char>(stem[cut]) & 0xC0) == 0x80)
            --cut;
        stem.resize(cut);
    }
    return (path.parent_path() / ("." + stem + tag + extension)).string();
}
