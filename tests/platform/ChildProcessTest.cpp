// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ChildProcess.h"
#include "support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

std::string ReadToEnd(platform::ChildProcess& child)
{
    std::string output;
    while (child.read(output, 10000) == platform::ChildProcess::ReadStatus::Data) {
    }
    return output;
}

std::string MakeScript(const TempDir& dir, const std::string& name, const std::string& body)
{
    const auto path = dir.write(name, "#!/bin/sh\n" + body);
    std::filesystem::permissions(path, std::filesystem::perms::owner_all);
    return path.string();
}

TEST(ChildProcess, BothOutputStreamsShareOnePipeAndTheStatusComesBack)
{
    platform::ChildProcess child;
    ASSERT_TRUE(child.start(R"("/bin/sh" -c "echo out; echo err 1>&2; exit 3")", "", ""));
    const std::string output = ReadToEnd(child);
    EXPECT_NE(output.find("out\n"), std::string::npos);
    EXPECT_NE(output.find("err\n"), std::string::npos);
    EXPECT_EQ(child.wait(), 3);
    EXPECT_FALSE(child.running());
}

TEST(ChildProcess, RunsInTheWorkingDirectoryWithQuotedArguments)
{
    TempDir work;
    platform::ChildProcess child;
    ASSERT_TRUE(child.start(R"(sh -c "pwd; printf '[%s]' \"a  b\"")", work.path().string(), ""));
    EXPECT_EQ(ReadToEnd(child), work.path().string() + "\n[a  b]");
    EXPECT_EQ(child.wait(), 0);
}

TEST(ChildProcess, ABareNameIsLookedUpInAppDirFirst)
{
    TempDir appDir;
    MakeScript(appDir, "sh", "echo from-appdir\n");
    platform::ChildProcess child;
    ASSERT_TRUE(child.start(R"("sh" -c "echo from-path")", "", appDir.dir()));
    EXPECT_EQ(ReadToEnd(child), "from-appdir\n");
    EXPECT_EQ(platform::ResolveProgram("sh", "/nonexistent/"), "/usr/bin/sh");
}

TEST(ChildProcess, AProgramThatIsNotThereStartsNothing)
{
    TempDir appDir;
    platform::ChildProcess child;
    EXPECT_FALSE(child.start(R"("no-such-program-xyz" -i "a")", "", appDir.dir()));
    EXPECT_FALSE(child.start(R"("/no/such/dir/prog")", "", appDir.dir()));
    EXPECT_FALSE(child.start("   ", "", appDir.dir()));
    std::string none;
    EXPECT_EQ(child.read(none, 0), platform::ChildProcess::ReadStatus::End);
    EXPECT_EQ(child.wait(), -1);
}

TEST(ChildProcess, ReadTimesOutWhileTheChildIsSilent)
{
    platform::ChildProcess child;
    ASSERT_TRUE(child.start(R"(sh -c "sleep 1; echo late")", "", ""));
    std::string output;
    EXPECT_EQ(child.read(output, 50), platform::ChildProcess::ReadStatus::Timeout);
    EXPECT_TRUE(child.running());
    EXPECT_EQ(ReadToEnd(child), "late\n");
}

} // namespace
