// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/RegScript.h"
#include "support/TempDir.h"

#include <QElapsedTimer>
#include <QThread>
#include <filesystem>
#include <gtest/gtest.h>

TEST(RegScript, RunsTheScriptInAppDirDetached)
{
    TempDir appDir;
    appDir.write("reg.sh", "echo noise; echo done > \"$(dirname \"$0\")/ran\"\n");
    ASSERT_TRUE(platform::StartRegScript(appDir.dir()));
    QElapsedTimer waited;
    waited.start();
    while (!std::filesystem::exists(appDir.path() / "ran") && waited.elapsed() < 10000)
        QThread::msleep(20);
    EXPECT_TRUE(std::filesystem::exists(appDir.path() / "ran"));
}

TEST(RegScript, AMissingScriptIsSkippedSilently)
{
    TempDir appDir;
    EXPECT_FALSE(platform::StartRegScript(appDir.dir()));
}
