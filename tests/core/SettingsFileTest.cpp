// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/SettingsFile.h"
#include "support/TempDir.h"
#include "support/TextFile.h"
#include "support/FileFaults.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace {

// The window's values before the load: what the main window sets itself.
const SettingsValues kWindowDefaults{"/home/u/iPod Files", false, false, 0, 1};

class SettingsFileTest : public ::testing::Test {
protected:
    std::filesystem::path ini() const { return dir.path() / "plumly.ini"; }

    SettingsLoad loadFrom(const std::string& text, SettingsValues& values)
    {
        dir.write("plumly.ini", text);
        return SettingsFile(dir.dir()).load(values);
    }

    TempDir dir;
};

TEST_F(SettingsFileTest, LivesInAppDir)
{
    EXPECT_EQ(SettingsFile(dir.dir()).path(), dir.dir() + "plumly.ini");
}

TEST_F(SettingsFileTest, WritingCreatesAMissingFolder)
{
    const std::string folder = dir.dir() + "config/vantorel/";
    ASSERT_TRUE(SettingsFile(folder).save(kWindowDefaults));
    SettingsValues values;
    EXPECT_EQ(SettingsFile(folder).load(values), SettingsLoad::Loaded);
    EXPECT_EQ(values, kWindowDefaults);
}

TEST_F(SettingsFileTest, WithoutAFileTheWindowKeepsItsDefaults)
{
    SettingsValues values = kWindowDefaults;
    EXPECT_EQ(SettingsFile(dir.dir()).load(values), SettingsLoad::NoFile);
    EXPECT_EQ(values, kWindowDefaults);
}

TEST_F(SettingsFileTest, AFolderNamedLikeTheFileIsNoFile)
{
    std::filesystem::create_directory(ini());
    SettingsValues values = kWindowDefaults;
    EXPECT_EQ(SettingsFile(dir.dir()).load(values), SettingsLoad::NoFile);
    EXPECT_EQ(values, kWindowDefaults);
    EXPECT_TRUE(std::filesystem::is_directory(ini()));
}

TEST_F(SettingsFileTest, ReadsAllFiveKeys)
{
    SettingsValues values = kWindowDefaults;
    EXPECT_EQ(loadFrom("[General]\nOutputDir=/srv/out\n[CheckBoxes]\nOverwriteExistingFile=1\nShutDown=0\n"
                       "[Combo]\nOutputFormat=21\nLetterBox=0\n",
                       values),
              SettingsLoad::Loaded);
    EXPECT_EQ(values, (SettingsValues{"/srv/out", true, false, 21, 0}));
    EXPECT_TRUE(std::filesystem::exists(ini()));
}

TEST_F(SettingsFileTest, MissingKeysOfAnExistingFileTakeTheirOwnDefaults)
{
    SettingsValues values = kWindowDefaults;
    EXPECT_EQ(loadFrom("[General]\n", values), SettingsLoad::Loaded);
    EXPECT_EQ(values, (SettingsValues{"", true, false, 1, 1}));
}

TEST_F(SettingsFileTest, OnlyAnExplicitOneArmsThePowerOff)
{
    const struct {
        const char* line;
        bool armed;
    } cases[] = {{"ShutDown=1\n", true}, {"ShutDown= 1 \n", true}, {"", false}, {"ShutDown=\n", false},
                 {"ShutDown=2\n", false}, {"ShutDown=0x1\n", false}, {"ShutDown=1\x01\n", false},
                 {"Shut\x01Down=1\n", false}};
    for (const auto& c : cases) {
        SettingsValues values = kWindowDefaults;
        loadFrom(std::string("[CheckBoxes]\n") + c.line, values);
        EXPECT_EQ(values.shutDown, c.armed) << c.line;
    }
}

TEST_F(SettingsFileTest, AMissingOutputDirEmptiesTheOutputDirectory)
{
    SettingsValues values = kWindowDefaults;
    loadFrom("[CheckBoxes]\nShutDown=0\nOverwriteExistingFile=0\n[Combo]\nOutputFormat=3\n", values);
    EXPECT_EQ(values, (SettingsValues{"", false, false, 3, 1}));
}

TEST_F(SettingsFileTest, ValuesThatAreNoNumbersReadAsTheKeysDefaults)
{
    SettingsValues values = kWindowDefaults;
    loadFrom("[CheckBoxes]\nOverwriteExistingFile=yes\nShutDown=\n[Combo]\nOutputFormat=three\nLetterBox=none\n", values);
    EXPECT_EQ(values, (SettingsValues{"", true, false, 1, 1}));
}

TEST_F(SettingsFileTest, LongValuesStartingWithZeroXAreHexadecimal)
{
    SettingsValues values = kWindowDefaults;
    loadFrom("[Combo]\nOutputFormat=0x1A\nLetterBox=0x0\n[CheckBoxes]\nShutDown=0x00\n", values);
    EXPECT_EQ(values.outputFormat, 26);
    EXPECT_EQ(values.letterBox, 0);
    EXPECT_FALSE(values.shutDown);
}

TEST_F(SettingsFileTest, FormatSevenSelectsFormatZeroDeletesTheFileAndKeepsWhatWasRead)
{
    SettingsValues values = kWindowDefaults;
    values.letterBox = 0;
    EXPECT_EQ(loadFrom("[General]\nOutputDir=/srv/out\n[CheckBoxes]\nOverwriteExistingFile=1\nShutDown=0\n"
                       "[Combo]\nOutputFormat=7\nLetterBox=1\n",
                       values),
              SettingsLoad::FormatReset);
    // LetterBox is not read: the window's own choice stays.
    EXPECT_EQ(values, (SettingsValues{"/srv/out", true, false, 0, 0}));
    EXPECT_FALSE(std::filesystem::exists(ini()));
}

TEST_F(SettingsFileTest, AFormatOutsideTheListOrOnASeparatorOfTodaysFormatsIsTreatedAsSevenIs)
{
    for (const char* stored : {"-1", "41", "99", "0x7", "0x29", "30", "36", "0x1E"}) {
        SettingsValues values = kWindowDefaults;
        values.outputFormat = 5;
        EXPECT_EQ(loadFrom(std::string("[Combo]\nOutputFormat=") + stored + "\n", values), SettingsLoad::FormatReset)
            << stored;
        EXPECT_EQ(values.outputFormat, 0) << stored;
        EXPECT_FALSE(std::filesystem::exists(ini())) << stored;
    }
}

TEST_F(SettingsFileTest, TheOlderSeparatorRowsAndEveryFormatAreTakenAsStored)
{
    for (int stored : {0, 11, 17, 20, 25, 29, 31, 35, 37, 40}) {
        SettingsValues values = kWindowDefaults;
        EXPECT_EQ(loadFrom("[Combo]\nOutputFormat=" + std::to_string(stored) + "\n", values), SettingsLoad::Loaded);
        EXPECT_EQ(values.outputFormat, stored);
    }
}

TEST_F(SettingsFileTest, ALetterBoxOtherThanZeroOrOneSelectsLetterBox)
{
    const struct {
        const char* stored;
        int letterBox;
    } cases[] = {{"0", 0}, {"1", 1}, {"2", 1}, {"-1", 1}, {"0x2", 1}, {"none", 1}};
    for (const auto& item : cases) {
        SettingsValues values = kWindowDefaults;
        values.letterBox = 0;
        loadFrom(std::string("[Combo]\nOutputFormat=2\nLetterBox=") + item.stored + "\n", values);
        EXPECT_EQ(values.letterBox, item.letterBox) << item.stored;
    }
}

TEST_F(SettingsFileTest, AFileThatCannotBeReadIsDeletedAndChangesNothing)
{
    MakeUnreadableFile(ini());
    SettingsValues values = kWindowDefaults;
    EXPECT_EQ(SettingsFile(dir.dir()).load(values), SettingsLoad::Failed);
    EXPECT_EQ(values, kWindowDefaults);
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(ini())));
}

TEST_F(SettingsFileTest, SavesTheFiveKeysInTheirOrder)
{
    EXPECT_TRUE(SettingsFile(dir.dir()).save({"/home/u/iPod Files", true, false, 12, 0}));
    EXPECT_EQ(ReadText(ini()), "[General]\nOutputDir=/home/u/iPod Files\n[CheckBoxes]\nOverwriteExistingFile=1\n"
                               "ShutDown=0\n[Combo]\nOutputFormat=12\nLetterBox=0\n");
}

TEST_F(SettingsFileTest, SavingKeepsTheFilesOtherLinesAndReplacesStoredValues)
{
    dir.write("plumly.ini", "[Combo]\nletterbox=1\nExtra=keep\n[General]\nOutputDir=/old\n");
    EXPECT_TRUE(SettingsFile(dir.dir()).save({"/new", false, true, 4, 0}));
    EXPECT_EQ(ReadText(ini()), "[Combo]\nLetterBox=0\nExtra=keep\nOutputFormat=4\n[General]\nOutputDir=/new\n"
                               "[CheckBoxes]\nOverwriteExistingFile=0\nShutDown=1\n");
}

TEST_F(SettingsFileTest, WhatIsSavedIsLoadedBack)
{
    const SettingsValues saved{"/srv/a folder/with = sign", true, true, 28, 0};
    ASSERT_TRUE(SettingsFile(dir.dir()).save(saved));
    SettingsValues loaded = kWindowDefaults;
    EXPECT_EQ(SettingsFile(dir.dir()).load(loaded), SettingsLoad::Loaded);
    EXPECT_EQ(loaded, saved);
}

TEST_F(SettingsFileTest, TheOpenDialogsFolderIsKeptInItsOwnSectionAfterTheFive)
{
    const SettingsValues saved{"/srv/out", false, true, 3, 1};
    ASSERT_TRUE(SettingsFile(dir.dir()).save(saved, "/srv/in"));
    EXPECT_EQ(ReadText(ini()), "[General]\nOutputDir=/srv/out\n[CheckBoxes]\nOverwriteExistingFile=0\nShutDown=1\n"
                               "[Combo]\nOutputFormat=3\nLetterBox=1\n[Recent]\nAddFilesDir=/srv/in\n");
    SettingsValues loaded = kWindowDefaults;
    std::string folder;
    EXPECT_EQ(SettingsFile(dir.dir()).load(loaded, folder), SettingsLoad::Loaded);
    EXPECT_EQ(loaded, saved);
    EXPECT_EQ(folder, "/srv/in");
}

// The preferred sound track's language and the custom fit's size are kept
// in [General]; a file without them gets none, and writes none.
TEST_F(SettingsFileTest, TheAudioLanguageAndTheCustomFitAreReadAndKeptWhereTheyWere)
{
    dir.write("plumly.ini", "[General]\nOutputDir=/out\nAudioLanguage=fra\nFitSizeMB=42.5\n");
    SettingsValues loaded = kWindowDefaults;
    EXPECT_EQ(SettingsFile(dir.dir()).load(loaded), SettingsLoad::Loaded);
    EXPECT_EQ(loaded.audioLanguage, "fra");
    EXPECT_EQ(loaded.fitSizeMegabytes, "42.5");
    EXPECT_TRUE(SettingsFile(dir.dir()).save(loaded));
    EXPECT_NE(ReadText(ini()).find("[General]\nOutputDir=/out\nAudioLanguage=fra\nFitSizeMB=42.5\n"), std::string::npos);
    loaded.audioLanguage.clear();
    EXPECT_TRUE(SettingsFile(dir.dir()).save(loaded));
    EXPECT_NE(ReadText(ini()).find("AudioLanguage=\n"), std::string::npos);
    dir.write("plumly.ini", "[General]\nOutputDir=/out\n");
    EXPECT_TRUE(SettingsFile(dir.dir()).save(kWindowDefaults));
    EXPECT_EQ(ReadText(ini()).find("FitSizeMB"), std::string::npos);
}

// "Use a cover image from the folder" is on unless the file says "0"; it is
// written once turned off, so the five keys stay alone in the usual file.
TEST_F(SettingsFileTest, TheFolderCoverIsOnUntilTurnedOff)
{
    SettingsValues loaded = kWindowDefaults;
    ASSERT_EQ(loadFrom("[General]\nOutputDir=/out\n", loaded), SettingsLoad::Loaded);
    EXPECT_TRUE(loaded.folderCover);
    loaded.folderCover = false;
    ASSERT_TRUE(SettingsFile(dir.dir()).save(loaded));
    EXPECT_NE(ReadText(ini()).find("FolderCover=0\n"), std::string::npos);
    SettingsValues again = kWindowDefaults;
    ASSERT_EQ(SettingsFile(dir.dir()).load(again), SettingsLoad::Loaded);
    EXPECT_FALSE(again.folderCover);
}

TEST_F(SettingsFileTest, AFailingWriteDeletesTheFileAndLeavesNoPartOfTheNewOne)
{
    dir.write("plumly.ini", "[General]\nOutputDir=/old\n");
    {
        FileSizeLimit limit(40);
        EXPECT_FALSE(SettingsFile(dir.dir()).save({std::string(200, 'd'), true, true, 3, 1}));
    }
    EXPECT_FALSE(std::filesystem::exists(ini()));
    EXPECT_TRUE(NamesIn(dir.path()).empty());
}

TEST_F(SettingsFileTest, AFolderNamedLikeTheFileMakesTheWriteFailAndStays)
{
    std::filesystem::create_directory(ini());
    EXPECT_FALSE(SettingsFile(dir.dir()).save(kWindowDefaults));
    EXPECT_TRUE(std::filesystem::is_directory(ini()));
    EXPECT_TRUE(NamesIn(dir.path(), "plumly.ini").empty());
}

TEST_F(SettingsFileTest, AnAppDirThatCannotExistMakesTheWriteFail)
{
    const auto file = dir.write("not-a-folder", "x");
    EXPECT_FALSE(SettingsFile(file.string() + "/sub/").save(kWindowDefaults));
    EXPECT_EQ(NamesIn(dir.path()), std::vector<std::string>{"not-a-folder"});
}

TEST_F(SettingsFileTest, AnOutputDirWithALineBreakFailsTheWriteInsteadOfAddingKeys)
{
    dir.write("plumly.ini", "[General]\nOutputDir=/old\n");
    EXPECT_FALSE(SettingsFile(dir.dir()).save({"/a\n[Combo]\nOutputFormat=7", false, false, 2, 1}));
    EXPECT_FALSE(std::filesystem::exists(ini()));
}

TEST_F(SettingsFileTest, AnUnreadableOldFileFailsTheWriteAndIsDeleted)
{
    MakeUnreadableFile(ini());
    EXPECT_FALSE(SettingsFile(dir.dir()).save(kWindowDefaults));
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(ini())));
}

} // namespace

namespace {

// An old file has no [Jobs]: one file at a time, and a save that changes
// nothing writes it again byte for byte. A number chosen is kept in its own
// section, as is going back to 1.
TEST_F(SettingsFileTest, TheFilesAtOnceKeepTheirOwnSectionOnceChosen)
{
    const std::string old = "[General]\nOutputDir=/srv/out\n[CheckBoxes]\nOverwriteExistingFile=0\nShutDown=0\n"
                            "[Combo]\nOutputFormat=3\nLetterBox=1\n[Recent]\nAddFilesDir=/srv/in\n";
    const struct {
        std::string stored;
        int jobs;
    } cases[] = {{old, 1},
                 {old + "[Jobs]\nAtOnce=2\n", 2},
                 {old + "[Jobs]\nAtOnce=auto\n", kAutoJobs},
                 {old + "[jobs]\natonce=Auto\n", kAutoJobs},
                 {old + "[Jobs]\nAtOnce=9\n", 1},
                 {old + "[Jobs]\nAtOnce=0\n", 1},
                 {old + "[Jobs]\nAtOnce=two\n", 1}};
    for (const auto& c : cases) {
        SettingsValues values = kWindowDefaults;
        values.jobsAtOnce = 4;
        EXPECT_EQ(loadFrom(c.stored, values), SettingsLoad::Loaded);
        EXPECT_EQ(values.jobsAtOnce, c.jobs) << c.stored;
    }

    SettingsValues values = kWindowDefaults;
    std::string folder;
    dir.write("plumly.ini", old);
    ASSERT_EQ(SettingsFile(dir.dir()).load(values, folder), SettingsLoad::Loaded);
    ASSERT_TRUE(SettingsFile(dir.dir()).save(values, folder));
    EXPECT_EQ(ReadText(ini()), old);

    values.jobsAtOnce = kAutoJobs;
    ASSERT_TRUE(SettingsFile(dir.dir()).save(values, folder));
    EXPECT_EQ(ReadText(ini()), old + "[Jobs]\nAtOnce=auto\n");
    values.jobsAtOnce = 1;
    ASSERT_TRUE(SettingsFile(dir.dir()).save(values, folder));
    EXPECT_EQ(ReadText(ini()), old + "[Jobs]\nAtOnce=1\n");
}

} // namespace
