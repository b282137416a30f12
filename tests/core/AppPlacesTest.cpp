// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/AppPlaces.h"
#include "support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

constexpr const char* kConfigDir = "/home/u/.config/vantorel/";
constexpr const char* kStateDir = "/home/u/.local/state/vantorel/";

TEST(AppPlaces, TheBuildFolderHoldsEverythingAnInstallationHasItsOwnPlaces)
{
    TempDir build;
    build.write("ridod2e", "");
    EXPECT_EQ(FindAppPlaces(build.dir(), kConfigDir, kStateDir), PlacesIn(build.dir()));

    TempDir prefix;
    std::filesystem::create_directories(prefix.path() / "bin");
    const AppPlaces installed = FindAppPlaces(prefix.dir() + "bin/", kConfigDir, kStateDir);
    EXPECT_EQ(installed.encoderDir, prefix.dir() + "libexec/vantorel/");
    EXPECT_EQ(installed.helpDir, prefix.dir() + "share/vantorel/");
    EXPECT_EQ(installed.settingsDir, kConfigDir);
    EXPECT_EQ(installed.stateDir, kStateDir);
}

} // namespace
