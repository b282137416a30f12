// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/MediaClips.h"
#include "media/EncoderProbe.h"
#include "media/MeasureFile.h"

#include <QString>
#include <gtest/gtest.h>

namespace {

// The encoder the build made, in AppDir.
std::string AppDir() { return qEnvironmentVariable("VANTOREL_APPDIR").toStdString(); }

struct Row {
    std::string path, size, frameRate, duration;
    bool operator==(const Row&) const = default;
};

class RealEncoder : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(std::filesystem::exists(AppDir() + "ridod2e")) << "the encoder is built into AppDir"; }

    EncoderProbe probe{AppDir(), WaitStyle::Block,
                       [this](const std::string& path, const std::string& size, const std::string& frameRate,
                              const std::string& duration) { rows.push_back({path, size, frameRate, duration}); }};
    std::vector<Row> rows;
};

TEST_F(RealEncoder, AnMp3GoesThroughTheProbe)
{
    const std::string song = clips::Mp3();
    const auto row = MeasureFile(song, AppDir(), 0);
    ASSERT_TRUE(row);
    EXPECT_EQ(row->cell(FileColumn::VideoSize), "0 x 0");
    EXPECT_EQ(row->cell(FileColumn::FrameRate), "0");
    EXPECT_EQ(row->cell(FileColumn::Duration), "00:00:07");
    EXPECT_EQ(row->cell(FileColumn::Output), "MP4");
}

TEST_F(RealEncoder, RandomBytesAreRejectedTwiceAndShowUnknown)
{
    const std::string noise = clips::RandomBytes();
    probe.probeWithEncoder(noise);
    EXPECT_TRUE(probe.probeRetryNeeded());
    EXPECT_TRUE(rows.empty());
    probe.probeWithDsPrefix(noise);
    EXPECT_TRUE(probe.probeFailed());
    EXPECT_EQ(rows, (std::vector<Row>{{noise, "Unknown", "", ""}}));

    const auto row = MeasureFile(noise, AppDir(), 0);
    ASSERT_TRUE(row);
    EXPECT_EQ(row->cell(FileColumn::VideoSize), "Unknown");
    EXPECT_EQ(row->cell(FileColumn::FrameRate), "");
    EXPECT_EQ(row->cell(FileColumn::Duration), "");
}

TEST_F(RealEncoder, DescribesAVideoAsTheComponentDoes)
{
    const std::string clip = clips::NinetySecondAvi();
    probe.probeWithEncoder(clip);
    EXPECT_EQ(rows, (std::vector<Row>{{clip, "640 x 352", "25", "00:01:30"}}));
}

TEST_F(RealEncoder, TheProbeRecordsTheDisplayAspectOfNonSquarePixels)
{
    fixtures::ClipSettings dvd = fixtures::ClipFor("mpeg");
    dvd.videoCodec = "mpeg2video";
    dvd.width = 720;
    dvd.height = 480;
    dvd.pixelAspect = {32, 27};
    dvd.seconds = 1;
    probe.probeWithEncoder(clips::Clip("dvd.mpg", dvd));
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].size, "720 x 480");
    EXPECT_EQ(probe.values().displayAspect, "16:9");
}

} // namespace
