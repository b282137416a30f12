// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Application.h"
#include "core/RequiredFiles.h"
#include "ui/MainWindow.h"
#include "support/FakeMessages.h"
#include "support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

TEST(RequiredFiles, EachMissingFileStopsTheActionWithTheMessage)
{
    const std::vector<std::string> names{"ridod2e", "libavcodec.so.59", "libavformat.so.59"};
    for (std::size_t missing = 0; missing < names.size(); ++missing) {
        TempDir appDir;
        FakeMessages messages;
        Application app(appDir.dir(), messages);
        app.mainWindow().show();
        std::vector<std::string> paths;
        for (std::size_t i = 0; i < names.size(); ++i) {
            paths.push_back(appDir.dir() + names[i]);
            if (i != missing)
                appDir.write(names[i], "x");
        }
        EXPECT_FALSE(CheckRequiredFiles(paths, messages)) << names[missing];
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].caption, "Information");
        EXPECT_EQ(messages.shown[0].text, "A required file is missing!\nPlease re-install this software");
        EXPECT_TRUE(app.mainWindow().isVisible());
    }
}

TEST(RequiredFiles, AllPresentPassesSilently)
{
    TempDir appDir;
    FakeMessages messages;
    std::vector<std::string> paths;
    for (const char* name : {"ridod2e", "a.so", "b.so"})
        paths.push_back(appDir.write(name, "x").string());
    EXPECT_TRUE(CheckRequiredFiles(paths, messages));
    EXPECT_TRUE(messages.shown.empty());
}

TEST(RequiredFiles, TestsTheEncoderInAppDirAndTheLinkedLibraries)
{
    const auto paths = RequiredFilePaths("/opt/vantorel/");
    ASSERT_EQ(paths.size(), 3u);
    EXPECT_EQ(paths[0], "/opt/vantorel/ridod2e");
    EXPECT_NE(paths[1].find("libavcodec"), std::string::npos);
    EXPECT_NE(paths[2].find("libavformat"), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(paths[1]));
    EXPECT_TRUE(std::filesystem::exists(paths[2]));
}

} // namespace
