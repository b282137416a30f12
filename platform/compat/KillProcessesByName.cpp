// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/compat/KillProcessesByName.h"

#include <cctype>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

std::string UpperAsciiLetters(std::string text)
{
    for (char& c : text) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return text;
}

std::string FileNamePart(const std::string& name)
{
    const auto cut = name.find_last_of("/\\:");
    return cut == std::string::npos ? name : name.substr(cut + 1);
}

// The executable as the system reports it: the target of the exe link, else
// the command name.
std::string ReportedName(const std::filesystem::path& processDir)
{
    std::error_code error;
    const auto exe = std::filesystem::read_symlink(processDir / "exe", error);
    if (!error)
        return exe.string();
    std::ifstream comm(processDir / "comm");
    std::string name;
    std::getline(comm, name);
    return name;
}

bool IsProcessId(const std::string& name)
{
    return !name.empty() && name.find_first_not_of("0123456789") == std::string::npos;
}

} // namespace

bool ImageNameMatches(const std::string& reportedName, const std::string& imageName)
{
    const std::string wanted = UpperAsciiLetters(imageName);
    return UpperAsciiLetters(FileNamePart(reportedName)) == wanted || UpperAsciiLetters(reportedName) == wanted;
}

bool KillProcessesByName(const std::string& imageName)
{
    bool lastResult = false;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("/proc", error)) {
        const std::string name = entry.path().filename().string();
        if (!IsProcessId(name))
            continue;
        const std::string reported = ReportedName(entry.path());
        if (reported.empty() || !ImageNameMatches(reported, imageName))
            continue;
        lastResult = kill(static_cast<pid_t>(std::stoll(name)), SIGKILL) == 0;
    }
    return lastResult;
}
