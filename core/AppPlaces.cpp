// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/AppPlaces.h"

#include "core/BuildPaths.h"
#include "core/EncoderName.h"
#include "platform/AppDir.h"

#include <filesystem>

namespace {

// The folder under the user's configuration folder that holds the settings.
constexpr const char* kSettingsFolderName = "vantorel";

// "/usr/bin/../libexec/vantorel/" reads "/usr/libexec/vantorel/": the encoder's
// path is part of every command line shown.
std::string Resolved(const std::string& dir)
{
    return platform::WithTrailingSeparator(std::filesystem::path(dir).lexically_normal().string());
}

} // namespace

AppPlaces PlacesIn(const std::string& dir)
{
    return {dir, dir, dir, dir};
}

AppPlaces FindAppPlaces(const std::string& executableDir, const std::string& configDir, const std::string& stateDir)
{
    std::error_code error;
    if (std::filesystem::exists(executableDir + kEncoderName, error)) {
        AppPlaces places = PlacesIn(executableDir);
        if (!platform::IsWritableDir(executableDir))
            places.settingsDir = places.stateDir = configDir;
        return places;
    }
    return {Resolved(executableDir + kInstalledEncoderDir), Resolved(executableDir + kInstalledHelpDir), configDir,
            stateDir};
}

AppPlaces CurrentAppPlaces()
{
    return FindAppPlaces(platform::ExecutableDir(), platform::UserConfigDir(kSettingsFolderName),
                         platform::UserStateDir(kSettingsFolderName));
}
