// SPDX-License-Identifier: GPL-3.0-or-later
// A job's trim and crop: the times the user types, the pieces the command
// line gains only when they are asked, and the lengths the batch counts with.
#include "core/BatchEstimate.h"
#include "core/FitPlan.h"
#include "core/TextRules.h"
#include "core/cmdline/CommandLineBuilder.h"
#include "core/profiles/FormatCatalogue.h"
#include "core/profiles/FormatSwitch.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

TEST(Cuts, TimesAreSecondsOrAClock)
{
    const std::pair<const char*, std::optional<double>> cases[] = {
        {"90", 90},          {" 90.5 ", 90.5},        {"01:30", 90},      {"1:02:03.500", 3723.5},
        {"0:00:02", 2},      {"1:75", std::nullopt},   {"1:60:00", std::nullopt}, {"-3", std::nullopt},
        {"", std::nullopt},  {"1:2:3:4", std::nullopt}, {"2.", std::nullopt}, {"soon", std::nullopt},
    };
    for (const auto& [text, seconds] : cases)
        EXPECT_EQ(ParseTimeText(text), seconds) << text;
    EXPECT_EQ(TimeArg(2), "2");
    EXPECT_EQ(TimeArg(125.25), "125.25");
    EXPECT_EQ(TimeArg(1.0004), "1");
}

struct CutCase {
    const char* name;
    int format;
    TrimRange trim;
    const char* crop;                 // the Crop choice
    std::optional<CropArea> measured; // the row's borders
    const char* size;                 // the size pieces the line holds
    const char* cuts;                 // the pieces before the output
};

// Pieces follow everything else and appear only when asked; a crop sizes
// the picture it keeps, bars and all.
TEST(Cuts, TheLineGainsTheCutsAfterItsOtherPieces)
{
    const CropArea film{1280, 536, 0, 92};
    const CutCase cases[] = {
        {"nothing asked", 0, {}, "None", std::nullopt, " -s 320x180 -padtop 30 -padbottom 30", ""},
        {"iPod trimmed", 0, {2, 5}, "None", std::nullopt, " -s 320x180", " -start \"2\" -end \"5\""},
        {"iPod, borders found", 0, {}, "Auto", film, " -s 320x136 -padtop 52 -padbottom 52", " -crop \"1280:536:0:92\""},
        {"iPod, Auto but none found", 0, {}, "Auto", CropArea{1280, 720, 0, 0}, " -s 320x180", ""},
        {"iPod, area given", 0, {0, 7.5}, "1280:536:0:92", std::nullopt, " -s 320x136",
         " -end \"7.5\" -crop \"1280:536:0:92\""},
        {"H.264 kept size", 31, {1.5, {}}, "Auto", film, " -s keep", " -start \"1.5\" -crop \"1280:536:0:92\""},
        {"MKV copy crops nothing", 34, {2, 5}, "Auto", film, "", " -start \"2\" -end \"5\""},
        {"MP3 trimmed", 23, {0, 3}, "Auto", film, "", " -end \"3\""},
    };
    const TempDir out;
    for (const CutCase& c : cases) {
        ConversionChoices choices = TakeChoices(ProfileStateFor(c.format), "50", out.path().string(), false, "/opt/v/");
        choices.crop = c.crop;
        JobInput job{"/videos/film.mp4", "1280 x 720", ToLower(FormatTag(c.format)), {}};
        job.trim = c.trim;
        job.measuredCrop = c.measured;
        const BuildResult built = BuildCommandLine(choices, job, BuilderDisk{false, {}});
        const std::string tail = std::string(c.cuts) + " \"" + out.path().string() + "/film." + ToLower(FormatTag(c.format)) + "\"";
        EXPECT_EQ(built.commandLine.substr(built.commandLine.size() - std::min(tail.size(), built.commandLine.size())), tail)
            << c.name;
        EXPECT_NE(built.commandLine.find(c.size), std::string::npos) << c.name << ": " << built.commandLine;
    }
}

// A thumbnail takes the start of the trim; a preview writes its picture.
TEST(Cuts, ThumbnailAndPreviewLinesFollowTheJob)
{
    const TempDir out;
    const ConversionChoices choices = TakeChoices(ProfileStateFor(12), "50", out.path().string(), false, "/opt/v/");
    JobInput job{"/videos/film.mp4", "1280 x 720", "mp4", {}};
    job.trim = {2, 5};
    const BuildResult thumbnail = BuildThumbnailCommandLine(choices, job, out.dir() + "film.mp4");
    EXPECT_NE(thumbnail.commandLine.find("-ss 3 -vframes 1"), std::string::npos);
    EXPECT_NE(thumbnail.commandLine.find(" -start \"2\" \""), std::string::npos) << thumbnail.commandLine;
    EXPECT_EQ(thumbnail.commandLine.find("-end"), std::string::npos);
    const BuildResult preview = BuildPreviewCommandLine(choices, job, 1.25, "/tmp/p/film.png");
    EXPECT_TRUE(preview.keepsVideo);
    EXPECT_EQ(preview.outputPath, "/tmp/p/film.png");
    const std::string tail = " -f psp -start \"2\" -end \"5\" -preview \"1.25\" \"/tmp/p/film.png\"";
    EXPECT_EQ(preview.commandLine.substr(preview.commandLine.size() - tail.size()), tail);
}

// The batch's weights, a fit's length and the copy's cut count the trim.
TEST(Cuts, LengthsAreTheTrimmedOnes)
{
    FileRow row{"/videos/a.mkv", {}, true};
    row.cell(FileColumn::Duration) = "00:01:40";
    row.trim = {10, 40};
    EXPECT_DOUBLE_EQ(FitSourceOf(row).seconds, 30);
    row.trim = {90, 200};
    EXPECT_DOUBLE_EQ(TrimmedSeconds(100, row.trim), 10);
    EXPECT_DOUBLE_EQ(TrimmedSeconds(0, {2, 5}), 3);
    EXPECT_DOUBLE_EQ(TrimmedSeconds(0, {2, {}}), 0);
    EXPECT_DOUBLE_EQ(TrimmedSeconds(100, {120, {}}), 0);
    EXPECT_TRUE(CutsAtKeyFrame(*FormatAt(34), {2, {}}));
    EXPECT_FALSE(CutsAtKeyFrame(*FormatAt(34), {0, 5}));
    EXPECT_FALSE(CutsAtKeyFrame(*FormatAt(31), {2, {}}));
}

// The encoder's line read back, and the note the Video Size cell's tooltip shows.
TEST(Cuts, CropLinesAndNotes)
{
    EXPECT_EQ(CropAreaOfLine("Crop: 1280x536 at 0,92", "1280 x 720"), (CropArea{1280, 536, 0, 92}));
    EXPECT_EQ(CropAreaOfLine("Crop: none", "1280 x 720"), (CropArea{1280, 720, 0, 0}));
    EXPECT_EQ(CropAreaOfLine("Crop: 1280x0 at 0,92", "1280 x 720"), std::nullopt);
    EXPECT_EQ(CropAreaOfLine("frame=12", "1280 x 720"), std::nullopt);
    EXPECT_EQ(ParseCropArea("1280:536:0:92:1"), std::nullopt);
    FileRow row{"/videos/film.mp4", {}, true};
    row.cell(FileColumn::VideoSize) = "1280 x 720";
    row.crop = CropArea{1280, 536, 0, 92};
    row.interlaced = true;
    EXPECT_EQ(row.pictureNote(), "Interlaced\nCrop 1280 x 536 at 0,92");
    row.crop = CropArea{1280, 720, 0, 0};
    EXPECT_EQ(row.pictureNote(), "Interlaced");
}

} // namespace
