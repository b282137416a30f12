// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/MediaFixtures.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

struct FixtureCase {
    const char* container;
    const char* demuxer;
    const char* videoCodec;  // as read back; "" for none
    const char* audioCodec;
};

class MediaFixture : public ::testing::TestWithParam<FixtureCase> {};

TEST_P(MediaFixture, WritesAClipThatReadsBackAsAsked)
{
    const FixtureCase& c = GetParam();
    TempDir dir;
    fixtures::ClipSettings clipSettings = fixtures::ClipFor(c.container);
    clipSettings.seconds = 1.5;
    const auto path = dir.path() / (std::string("clip.") + c.container);

    fixtures::MakeClip(path, clipSettings);
    const fixtures::MediaInfo info = fixtures::ReadMedia(path);

    EXPECT_EQ(info.container, c.demuxer);
    EXPECT_NEAR(info.duration, 1.5, 0.3);
    if (*c.videoCodec) {
        ASSERT_NE(info.video(), nullptr);
        EXPECT_EQ(info.video()->codec, c.videoCodec);
        EXPECT_EQ(info.video()->width, clipSettings.width);
        EXPECT_EQ(info.video()->height, clipSettings.height);
        EXPECT_NEAR(info.video()->frameRate, 25.0, 0.01);
        EXPECT_NEAR(info.video()->packets, 38, 2);
    } else {
        EXPECT_EQ(info.video(), nullptr);
    }
    ASSERT_NE(info.audio(), nullptr);
    EXPECT_EQ(info.audio()->codec, c.audioCodec);
    EXPECT_EQ(info.audio()->sampleRate, clipSettings.sampleRate);
    EXPECT_EQ(info.audio()->channels, clipSettings.channels);
}

INSTANTIATE_TEST_SUITE_P(
    Containers, MediaFixture,
    ::testing::Values(FixtureCase{"avi", "avi", "mpeg4", "mp3"},
                      FixtureCase{"mp4", "mov,mp4,m4a,3gp,3g2,mj2", "h264", "aac"},
                      FixtureCase{"mov", "mov,mp4,m4a,3gp,3g2,mj2", "mpeg4", "aac"},
                      FixtureCase{"matroska", "matroska,webm", "h264", "ac3"},
                      FixtureCase{"mpeg", "mpeg", "mpeg1video", "mp2"},
                      FixtureCase{"asf", "asf", "wmv2", "wmav2"},
                      FixtureCase{"flv", "flv", "flv1", "mp3"},
                      FixtureCase{"rm", "rm", "rv10", "ac3"},
                      FixtureCase{"3gp", "mov,mp4,m4a,3gp,3g2,mj2", "h263", "aac"},
                      FixtureCase{"wav", "wav", "", "pcm_s16le"},
                      FixtureCase{"mp3", "mp3", "", "mp3"}),
    [](const auto& info) { return std::string(info.param.container); });

TEST(MediaFixtureSettings, TakesAnNtscFrameRateAndMono)
{
    TempDir dir;
    fixtures::ClipSettings clipSettings = fixtures::ClipFor("mp4");
    clipSettings.frameRate = {30000, 1001};
    clipSettings.width = 640;
    clipSettings.height = 352;
    clipSettings.channels = 1;
    clipSettings.sampleRate = 48000;
    fixtures::MakeClip(dir.path() / "ntsc.mp4", clipSettings);

    const fixtures::MediaInfo info = fixtures::ReadMedia(dir.path() / "ntsc.mp4");
    ASSERT_NE(info.video(), nullptr);
    EXPECT_NEAR(info.video()->frameRate, 29.97, 0.01);
    EXPECT_EQ(info.video()->width, 640);
    ASSERT_NE(info.audio(), nullptr);
    EXPECT_EQ(info.audio()->channels, 1);
    EXPECT_EQ(info.audio()->sampleRate, 48000);
}

TEST(MediaFixtureSettings, RefusesWhatTheLibrariesCannotWrite)
{
    TempDir dir;
    fixtures::ClipSettings clipSettings = fixtures::ClipFor("mp3");
    clipSettings.sampleRate = 54000;
    EXPECT_THROW(fixtures::MakeClip(dir.path() / "odd.mp3", clipSettings), std::runtime_error);
    clipSettings = fixtures::ClipFor("avi");
    clipSettings.videoCodec = "no-such-encoder";
    EXPECT_THROW(fixtures::MakeClip(dir.path() / "odd.avi", clipSettings), std::runtime_error);
}

TEST(MediaFixtureSettings, ReadingSomethingThatIsNoMediaThrows)
{
    TempDir dir;
    EXPECT_THROW(fixtures::ReadMedia(dir.write("notes.txt", "")), std::runtime_error);
    EXPECT_THROW(fixtures::ReadMedia(dir.path() / "missing.avi"), std::runtime_error);
}

} // namespace
