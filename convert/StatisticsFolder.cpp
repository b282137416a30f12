// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/StatisticsFolder.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <vector>

#include <stdlib.h>

namespace {

constexpr const char* kFallbackTemporary = "/tmp";
constexpr const char* kNameTemplate = "/vantorel-fit-XXXXXX";

// The encoders take the statistics' path inside double quotes, and x265
// among parameters parted by colons: a temporary folder holding either is
// passed over.
std::string TemporaryFolder()
{
    std::error_code error;
    const std::string folder = std::filesystem::temp_directory_path(error).string();
    if (error || folder.empty() || folder.find_first_of("\":") != std::string::npos)
        return kFallbackTemporary;
    return folder;
}

} // namespace

std::string StatisticsFolder::Pattern()
{
    return TemporaryFolder() + kNameTemplate;
}

StatisticsFolder::StatisticsFolder()
{
    const std::string pattern = Pattern();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    if (mkdtemp(name.data()) == nullptr) {
        error_ = std::strerror(errno);
        return;
    }
    path_ = name.data();
}

StatisticsFolder::~StatisticsFolder()
{
    if (path_.empty())
        return;
    std::error_code error;
    std::filesystem::remove_all(path_, error);
}
