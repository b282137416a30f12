#include "platform/AppDir.h"

#include <filesystem>

namespace platform {

std::string WithTrailingSeparator(const std::string& dir)
{
    if (dir.empty() || dir.back() == '/')
        return dir;
    return dir + '/';
}

std::string ExecutableDir()
{
    std::error_code error;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return WithTrailingSeparator(std::filesystem::current_path().string());
    return WithTrailingSeparator(exe.parent_path().string());
}

} // namespace platform
