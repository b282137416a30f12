// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/cmdline/InputOptions.h"
#include "core/cmdline/OutputNaming.h"
#include "core/cmdline/OutputReservations.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

TEST(OutputNaming, BaseNameDropsEverythingFromTheLastDot)
{
    const struct {
        const char* name;
        const char* base;
    } table[] = {
        {"holiday.avi", "holiday"}, {"a.b.avi", "a.b"}, {"noext", "noext"}, {"movie.", "movie"}, {".avi", ""},
    };
    for (const auto& row : table)
        EXPECT_EQ(BaseNameOf(row.name), row.base) << row.name;
}

TEST(OutputNaming, PspTitleLooksForADotBeforeTheLastCharacter)
{
    const struct {
        const char* name;
        const char* title;
    } table[] = {
        {"holiday.avi", "holiday"}, {"a.b.avi", "a.b"}, {"noext", "noext"}, {"movie.", "movie."},
        {"a..", "a"},              {"x", "x"},         {"", ""},           {".avi", ""},
    };
    for (const auto& row : table)
        EXPECT_EQ(PspTitleOf(row.name), row.title) << row.name;
}

TEST(OutputNaming, SeparatorIsAlwaysInserted)
{
    EXPECT_EQ(OutputPathFor("/home/u/iPod Files", "clip", "mp4"), "/home/u/iPod Files/clip.mp4");
    EXPECT_EQ(OutputPathFor("/home/u/out/", "clip", "mp4"), "/home/u/out//clip.mp4");
}

TEST(OutputNaming, NumbersFromOneUpToTheFirstFreeName)
{
    TempDir dir;
    dir.write("clip-1.mp4", "x");
    dir.write("clip-2.mp4", "x");
    const auto taken = [](const std::string& path) { return PathExists(path); };
    EXPECT_EQ(UniqueOutputName(dir.path().string(), "clip", "mp4", taken), dir.path().string() + "/clip-3.mp4");
    EXPECT_EQ(UniqueOutputName(dir.path().string(), "other", "mp4", taken), dir.path().string() + "/other-1.mp4");
}

TEST(OutputNaming, SameFileSeesThroughSpellings)
{
    TempDir dir;
    const std::string file = dir.write("clip.mp4", "x").string();
    EXPECT_TRUE(SameFile(file, dir.path().string() + "//clip.mp4"));
    EXPECT_TRUE(SameFile(file, dir.path().string() + "/./clip.mp4"));
    EXPECT_FALSE(SameFile(file, dir.path().string() + "/clip.mp3"));
    EXPECT_TRUE(SameFile("/none/a//b.avi", "/none/a/b.avi"));
}

TEST(OutputReservations, APathIsTakenForEveryoneButItsHolderInAnySpelling)
{
    TempDir dir;
    const std::string input = dir.write("clip.avi", "x").string();
    std::filesystem::create_symlink(input, dir.path() / "link.avi");
    std::filesystem::create_hard_link(input, dir.path() / "hard.avi");
    OutputReservations names;
    names.reserve(input, OutputReservations::kInput);
    names.reserve(dir.dir() + "out/clip.mp4", 3);
    const struct {
        std::string path;
        int asking;
        bool taken;
    } table[] = {
        {input, 3, true},
        {dir.dir() + "./clip.avi", 3, true},
        {dir.dir() + "link.avi", 3, true},
        {dir.dir() + "hard.avi", 3, true},
        {dir.dir() + "out//clip.mp4", 4, true},
        {dir.dir() + "out/clip.mp4", 3, false},
        {dir.dir() + "out/other.mp4", 4, false},
    };
    for (const auto& row : table)
        EXPECT_EQ(names.takenFor(row.path, row.asking), row.taken) << row.path << " asked by " << row.asking;
    names.release(3);
    EXPECT_FALSE(names.takenFor(dir.dir() + "out/clip.mp4", 4));
    EXPECT_TRUE(names.takenFor(input, 4));
    names.clear();
    EXPECT_FALSE(names.takenFor(input, 4));
}

TEST(InputOptions, AttemptsReadTheInputInTurn)
{
    const struct {
        const char* path;
        bool firstAlt;
        bool secondAlt;
        bool secondQuickTime;
    } table[] = {
        {"/v/clip.rm", true, false, false},    {"/v/clip.RMVB", true, false, false},
        {"/v/clip.ram", true, false, false},   {"/v/clip.ra", true, false, false},
        {"/v/movie.mov", false, false, true},  {"/v/movie.MOV", false, false, true},
        {"/v/clip.avi", false, true, false},   {"/v/noext", false, true, false},
        {"/v/clip.rm.avi", false, true, false},
    };
    for (const auto& row : table) {
        const InputOptions first = FirstAttemptOptions(row.path);
        EXPECT_EQ(first.useAltReader, row.firstAlt) << row.path;
        EXPECT_FALSE(first.forceQuickTimeInput);
        const InputOptions second = SecondAttemptOptions(row.path, first);
        EXPECT_EQ(second.useAltReader, row.secondAlt) << row.path;
        EXPECT_EQ(second.forceQuickTimeInput, row.secondQuickTime) << row.path;
    }
}

} // namespace
