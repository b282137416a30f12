// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/MediaClips.h"
#include "support/StandInAppDir.h"
#include "media/MeasureFile.h"
#include "media/MediaInfoInspector.h"

#include <cstring>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

namespace {

std::vector<std::string> Cells(const FileRow& row)
{
    return {row.caption, row.cell(FileColumn::VideoSize), row.cell(FileColumn::FrameRate),
            row.cell(FileColumn::Duration), row.cell(FileColumn::Output), row.cell(FileColumn::Progress),
            row.cell(FileColumn::Frames)};
}

class MeasureFileWithComponent : public ::testing::Test {
protected:
    // The stand-in encoder would describe every file as 320 x 240: a row
    // with other values came from the component.
    StandInAppDir encoder{scripts::kClipDescription, ""};
};

TEST_F(MeasureFileWithComponent, ANinetySecondAviGivesItsSizeRateAndDuration)
{
    const std::string clip = clips::NinetySecondAvi();
    const auto row = MeasureFile(clip, encoder.appDir(), 0);
    ASSERT_TRUE(row);
    EXPECT_EQ(Cells(*row), (std::vector<std::string>{clip, "640 x 352", "25", "00:01:30", "MP4", "", ""}));
    EXPECT_TRUE(row->checked);
    EXPECT_TRUE(encoder.calls().empty());
    EXPECT_EQ(MeasureFile(clip, encoder.appDir(), 23)->cell(FileColumn::Output), "MP3");
}

// What a player shows: a phone's clip stored on its side stands upright, and
// the tooltip tells the stored size and the turn; interlacing is told too.
TEST_F(MeasureFileWithComponent, ATurnedOrInterlacedPictureIsDescribedAsItIsShown)
{
    fixtures::ClipSettings phone = fixtures::ClipFor("mp4");
    phone.width = 320;
    phone.height = 176;
    phone.rotation = 90;
    const auto turned = MeasureFile(clips::Clip("phone.mp4", phone), encoder.appDir(), 0);
    ASSERT_TRUE(turned);
    EXPECT_EQ(turned->cell(FileColumn::VideoSize), "176 x 320");
    EXPECT_EQ(turned->pictureNote(), "Stored as 320 x 176, turned 90\u00b0 clockwise");

    fixtures::ClipSettings tv = fixtures::ClipFor("mpeg");
    tv.videoCodec = "mpeg2video";
    tv.interlaced = true;
    const auto interlaced = MeasureFile(clips::Clip("tv.mpeg", tv), encoder.appDir(), 0);
    ASSERT_TRUE(interlaced);
    EXPECT_EQ(interlaced->cell(FileColumn::VideoSize), "320 x 240");
    EXPECT_EQ(interlaced->pictureNote(), "Interlaced");
    EXPECT_TRUE(encoder.calls().empty());
}

TEST_F(MeasureFileWithComponent, FrameRatesAreRoundedHalvesToEven)
{
    const struct {
        AVRational rate;
        const char* shown;
    } cases[] = {{{30000, 1001}, "30"}, {{24000, 1001}, "24"}, {{25, 2}, "12"}};
    for (const auto& item : cases) {
        const std::string name = "rate" + std::to_string(item.rate.num) + ".avi";
        const auto row = MeasureFile(clips::Clip(name, clips::SilentAvi(160, 120, item.rate, 1)), encoder.appDir(), 0);
        ASSERT_TRUE(row) << name;
        EXPECT_EQ(row->cell(FileColumn::FrameRate), item.shown) << name;
    }
}

TEST_F(MeasureFileWithComponent, AFileOverAnHourShowsItsHours)
{
    const auto row = MeasureFile(clips::Clip("long.avi", clips::SilentAvi(16, 16, {1, 1}, 3700)), encoder.appDir(), 0);
    ASSERT_TRUE(row);
    EXPECT_EQ(row->cell(FileColumn::VideoSize), "16 x 16");
    EXPECT_EQ(row->cell(FileColumn::Duration), "01:01:40");
}

TEST_F(MeasureFileWithComponent, AVanishedFileGetsNoRowAndRunsNoEncoder)
{
    MediaInfoInspector videoInfo(nullptr);
    ASSERT_TRUE(MeasureFile(clips::NinetySecondAvi(), encoder.appDir(), 0, WaitStyle::Block, videoInfo));
    EXPECT_FALSE(MeasureFile((clips::Folder().path() / "gone.avi").string(), encoder.appDir(), 0, WaitStyle::Block, videoInfo));
    EXPECT_TRUE(encoder.calls().empty());
}

TEST_F(MeasureFileWithComponent, AFileThatVanishesBetweenTwoAudioFilesCostsTheSecondNoRow)
{
    MediaInfoInspector videoInfo(nullptr);
    const std::string song = clips::Mp3();
    ASSERT_TRUE(MeasureFile(song, encoder.appDir(), 23, WaitStyle::Block, videoInfo));
    // Gone after MeasureFile saw it and before the component looked.
    videoInfo.setFileName((clips::Folder().path() / "vanished.mp3").string());
    videoInfo.inspect();
    const auto row = MeasureFile(clips::Clip("after-vanished.wav", fixtures::ClipFor("wav")), encoder.appDir(), 23,
                                 WaitStyle::Block, videoInfo);
    ASSERT_TRUE(row);
    EXPECT_EQ(row->cell(FileColumn::Output), "MP3");
    EXPECT_EQ(encoder.calls().size(), 2u); // an audio file is measured by the encoder
}

TEST_F(MeasureFileWithComponent, AFileTheComponentCannotReadIsMeasuredByTheEncoder)
{
    const std::string notes = clips::Folder().write("notes.dat", "no pictures in here\n").string();
    const auto row = MeasureFile(notes, encoder.appDir(), 0);
    ASSERT_TRUE(row);
    EXPECT_EQ(Cells(*row), (std::vector<std::string>{notes, "320 x 240", "25", "00:01:23", "MP4", "", ""}));
    ASSERT_EQ(encoder.calls().size(), 1u);
    EXPECT_EQ(encoder.calls()[0], (std::vector<std::string>{"-@", "-y", "-i", notes}));
}

TEST_F(MeasureFileWithComponent, AnEncoderThatCannotStartGivesNoRow)
{
    TempDir emptyAppDir;
    const std::string notes = clips::Folder().write("notes.dat", "no pictures in here\n").string();
    const std::string savedPath = std::getenv("PATH") ? std::getenv("PATH") : "";
    setenv("PATH", emptyAppDir.path().c_str(), 1);
    const auto row = MeasureFile(notes, emptyAppDir.dir(), 0);
    setenv("PATH", savedPath.c_str(), 1);
    EXPECT_FALSE(row);
}

TEST_F(MeasureFileWithComponent, ASizeWithOneSideIsTakenFromTheComponent)
{
    // A copy whose header claims a frame height of zero and a code no decoder knows.
    std::ifstream in(clips::Clip("small.avi", clips::SilentAvi(320, 240, {25, 1}, 0.2)), std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    for (auto at = bytes.find("FMP4"); at != std::string::npos; at = bytes.find("FMP4", at))
        bytes.replace(at, 4, "XWV3");
    const std::int32_t height = 0;
    std::memcpy(&bytes[bytes.find("strf") + 16], &height, sizeof height);
    const std::string flat = clips::Folder().write("flat-measured.avi", bytes).string();
    const auto row = MeasureFile(flat, encoder.appDir(), 0);
    ASSERT_TRUE(row);
    EXPECT_EQ(row->cell(FileColumn::VideoSize), "320 x 0");
    EXPECT_TRUE(encoder.calls().empty());
}

TEST(ComponentRowTexts, PutsHoursBeforeMinutesAndSeconds)
{
    MediaInfoInspector videoInfo(nullptr);
    videoInfo.setFileName(clips::Clip("short.avi", clips::SilentAvi(160, 120, {25, 1}, 2)));
    videoInfo.inspect();
    const ComponentTexts texts = ComponentRowTexts(videoInfo);
    EXPECT_EQ(videoInfo.video().duration, "00:02");
    EXPECT_EQ(texts.duration, "00:00:02");
    EXPECT_EQ(texts.size, "160 x 120");
    EXPECT_EQ(texts.frameRate, "25");
}

} // namespace
