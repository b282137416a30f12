// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/IniFile.h"
#include "support/TempDir.h"
#include "support/TextFile.h"
#include "support/FileFaults.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace {

class IniFileTest : public ::testing::Test {
protected:
    IniFile load(const std::string& text)
    {
        const auto file = dir.write("test.ini", text);
        IniFile ini(file.string());
        EXPECT_TRUE(ini.read());
        return ini;
    }

    TempDir dir;
};

TEST_F(IniFileTest, MatchesSectionsAndKeysWithoutRegardToCase)
{
    const IniFile ini = load("[gEnErAl]\noutputdir=/a\n[COMBO]\nOUTPUTFORMAT=4\n");
    EXPECT_EQ(ini.readString("General", "OutputDir", "none"), "/a");
    EXPECT_EQ(ini.readInteger("Combo", "OutputFormat", -1), 4);
}

TEST_F(IniFileTest, FirstSectionAndFirstKeyWin)
{
    const IniFile ini = load("[A]\nk=first\nk=second\n[a]\nk=third\nother=x\n");
    EXPECT_EQ(ini.readString("A", "K", ""), "first");
    // A key only in the second section of that name is not seen.
    EXPECT_FALSE(ini.value("A", "other").has_value());
}

TEST_F(IniFileTest, TrimsKeysValuesAndSectionNames)
{
    const IniFile ini = load("  [ General ]  \r\n\t OutputDir \t=  /home/u/My Files \t\r\n[Combo]\nLetterBox =  0 \n");
    EXPECT_EQ(ini.readString("General", "OutputDir", ""), "/home/u/My Files");
    EXPECT_EQ(ini.readInteger("Combo", "LetterBox", 1), 0);
}

TEST_F(IniFileTest, MissingSectionsAndKeysGiveTheFallback)
{
    const IniFile ini = load("OutputDir=/before/any/section\n; [General] in a comment\n[General]\n;OutputDir=/c\nnoequals\n");
    EXPECT_EQ(ini.readString("General", "OutputDir", "fallback"), "fallback");
    EXPECT_EQ(ini.readInteger("Missing", "Key", 17), 17);
    EXPECT_TRUE(ini.readBool("General", "Nothing", true));
    EXPECT_FALSE(ini.readBool("General", "Nothing", false));
}

TEST_F(IniFileTest, AnEmptyValueIsThereButIsNoNumber)
{
    const IniFile ini = load("[S]\ntext=\nnumber=\n");
    EXPECT_EQ(ini.readString("S", "text", "fallback"), "");
    EXPECT_EQ(ini.readInteger("S", "number", 9), 9);
}

TEST(ParseIniInteger, ReadsDecimalAndLongHexadecimalValues)
{
    const struct {
        const char* text;
        std::optional<int> value;
    } cases[] = {
        {"0", 0},
        {"29", 29},
        {"-3", -3},
        {"+4", 4},
        {"007", 7},
        {"0x1F", 31},
        {"0X10", 16},
        {"0x7", 7},
        {"0xffffffff", -1},
        {"0x", std::nullopt},
        {"0X", std::nullopt},
        {"0xZZ", std::nullopt},
        {"0x1G", std::nullopt},
        {"0x123456789", std::nullopt},
        {"12abc", std::nullopt},
        {"abc", std::nullopt},
        {"1 2", std::nullopt},
        {"", std::nullopt},
        {"-", std::nullopt},
        {"99999999999", std::nullopt},
        {"1.5", std::nullopt},
    };
    for (const auto& item : cases)
        EXPECT_EQ(ParseIniInteger(item.text), item.value) << item.text;
}

TEST_F(IniFileTest, BooleansAreIntegersThatAreNotZero)
{
    const IniFile ini = load("[B]\nzero=0\none=1\ntwo=2\nhex=0x0\nword=yes\n");
    EXPECT_FALSE(ini.readBool("B", "zero", true));
    EXPECT_TRUE(ini.readBool("B", "one", false));
    EXPECT_TRUE(ini.readBool("B", "two", false));
    EXPECT_FALSE(ini.readBool("B", "hex", true));
    EXPECT_TRUE(ini.readBool("B", "word", true));
    EXPECT_FALSE(ini.readBool("B", "word", false));
}

TEST_F(IniFileTest, TheFileIsCreatedOnTheFirstWrite)
{
    const auto file = dir.path() / "new.ini";
    IniFile ini(file.string());
    EXPECT_FALSE(ini.exists());
    EXPECT_TRUE(ini.writeString("General", "OutputDir", "/out"));
    EXPECT_TRUE(ini.writeInteger("Combo", "OutputFormat", 12));
    EXPECT_TRUE(ini.writeBool("General", "Flag", true));
    EXPECT_FALSE(std::filesystem::exists(file));
    ASSERT_TRUE(ini.commit());
    EXPECT_TRUE(ini.exists());
    EXPECT_EQ(ReadText(file), "[General]\nOutputDir=/out\nFlag=1\n[Combo]\nOutputFormat=12\n");
}

TEST_F(IniFileTest, WritingReplacesTheFirstMatchAndKeepsEveryOtherLine)
{
    IniFile ini = load("; kept comment\n[general]\nOUTPUTDIR = /old\nOutputDir=/second\n\n[Other]\nx=1\n");
    EXPECT_TRUE(ini.writeString("General", "OutputDir", "/new"));
    EXPECT_TRUE(ini.writeString("General", "Added", "a"));
    EXPECT_TRUE(ini.writeString("Other", "y", "2"));
    ASSERT_TRUE(ini.commit());
    EXPECT_EQ(ReadText(ini.path()),
              "; kept comment\n[general]\nOutputDir=/new\nOutputDir=/second\nAdded=a\n\n[Other]\nx=1\ny=2\n");
}

TEST_F(IniFileTest, RefusesAValueThatWouldAddLines)
{
    IniFile ini = load("[General]\nOutputDir=/kept\n");
    EXPECT_FALSE(ini.writeString("General", "OutputDir", "/a\n[Combo]"));
    EXPECT_FALSE(ini.writeString("General", "OutputDir", "/a\rb"));
    EXPECT_EQ(ini.readString("General", "OutputDir", ""), "/kept");
}

TEST_F(IniFileTest, AFailingCommitLeavesTheOldFileWholeAndNoOtherFile)
{
    const std::string before = "[General]\nOutputDir=/old\n";
    IniFile ini = load(before);
    ASSERT_TRUE(ini.writeString("General", "OutputDir", std::string(4096, 'x')));
    {
        FileSizeLimit limit(64);
        EXPECT_FALSE(ini.commit());
    }
    EXPECT_EQ(ReadText(ini.path()), before);
    EXPECT_TRUE(NamesIn(dir.path(), "test.ini").empty());
}

TEST_F(IniFileTest, ACommitOntoAFolderFails)
{
    const auto folder = dir.path() / "folder.ini";
    std::filesystem::create_directory(folder);
    IniFile ini(folder.string());
    EXPECT_FALSE(ini.exists());
    ini.writeString("S", "k", "v");
    EXPECT_FALSE(ini.commit());
    EXPECT_TRUE(std::filesystem::is_directory(folder));
    EXPECT_TRUE(NamesIn(dir.path(), "folder.ini").empty());
}

TEST_F(IniFileTest, AFileThatCannotBeReadIsReported)
{
    const auto file = dir.path() / "broken.ini";
    MakeUnreadableFile(file);
    IniFile ini(file.string());
    EXPECT_TRUE(ini.exists());
    EXPECT_FALSE(ini.read());
}

TEST_F(IniFileTest, RemoveDeletesFilesButNotFolders)
{
    const auto file = dir.write("gone.ini", "[S]\n");
    EXPECT_TRUE(IniFile(file.string()).remove());
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_TRUE(IniFile(file.string()).remove()); // nothing left to delete
    const auto folder = dir.path() / "kept.ini";
    std::filesystem::create_directory(folder);
    EXPECT_FALSE(IniFile(folder.string()).remove());
    EXPECT_TRUE(std::filesystem::is_directory(folder));
}

} // namespace
