// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/compat/KillProcessesByName.h"
#include "platform/ChildProcess.h"
#include "support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <random>
#include <csignal>

namespace {

struct MatchCase {
    const char* reported;
    const char* image;
    bool matches;
};

TEST(KillProcessesByName, MatchesTheFileNamePartOrTheWholeNameFoldingOnlyAsciiLetters)
{
    const MatchCase cases[] = {
        {R"(C:\Tools\RIDOD2E.EXE)", "ridod2e.exe", true},
        {"/opt/vantorel/ridod2e", "ridod2e", true},
        {"RIDOD2E", "ridod2e", true},
        {"ridod2e.exe.bak", "ridod2e.exe", false},
        {"xridod2e.exe", "ridod2e.exe", false},
        {"/opt/vantorel/ridod2e ", "ridod2e", false},
        {"/opt/ridod2e/other", "ridod2e", false},
        {"C:ridod2e", "ridod2e", true},
    };
    for (const auto& item : cases)
        EXPECT_EQ(ImageNameMatches(item.reported, item.image), item.matches) << item.reported << " / " << item.image;
}

// A copy of sleep under a name no other process on the machine has.
std::string UniqueSleeper(const TempDir& dir)
{
    std::random_device random;
    const std::string name = "vantorel-sleeper-" + std::to_string(random());
    std::filesystem::copy_file("/bin/sleep", dir.path() / name);
    return name;
}

TEST(KillProcessesByName, EndsEveryProcessOfThatNameAndNoOther)
{
    TempDir dir;
    const std::string name = UniqueSleeper(dir);
    platform::ChildProcess first, second, bystander;
    ASSERT_TRUE(first.start("\"" + name + "\" 30", "", dir.dir()));
    ASSERT_TRUE(second.start("\"" + name + "\" 30", "", dir.dir()));
    ASSERT_TRUE(bystander.start("sleep 30", "", ""));

    std::string upper = name;
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    EXPECT_TRUE(KillProcessesByName(upper));
    EXPECT_EQ(first.wait(), -1);
    EXPECT_EQ(second.wait(), -1);
    EXPECT_TRUE(bystander.running());
    EXPECT_FALSE(KillProcessesByName(name));
    kill(bystander.pid(), SIGKILL);
}

} // namespace
