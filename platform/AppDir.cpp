// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/AppDir.h"

#include <QDir>
#include <QStandardPaths>
#include <filesystem>
#include <unistd.h>

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

bool IsWritableDir(const std::string& dir)
{
    return ::access(dir.c_str(), W_OK | X_OK) == 0;
}

std::string UserConfigDir(const std::string& name)
{
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return WithTrailingSeparator(base.toStdString()) + name + '/';
}

std::string UserStateDir(const std::string& name)
{
    // Qt names this folder only from 6.7 on.
    const QString state = qEnvironmentVariable("XDG_STATE_HOME");
    const std::string base = state.startsWith('/') ? state.toStdString()
                                                    : QDir::homePath().toStdString() + "/.local/state";
    return WithTrailingSeparator(base) + name + '/';
}

} // namespace platform
