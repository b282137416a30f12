#include "core/cmdline/OutputNaming.h"

#include <filesystem>
#include <unistd.h>

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
    const fs::path path(target);
    const std::string name = "." + path.stem().string() + ".partial-" + std::to_string(getpid())
        + path.extension().string();
    return (path.parent_path() / name).string();
}
