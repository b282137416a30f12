// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/MediaClips.h"
#include "media/MediaDetector.h"
#include "media/NameTables.h"
#include "media/MediaInfoInspector.h"

#include <gtest/gtest.h>

namespace {

TEST(MediaDetector, AnswersWithTheMediaTypesOfAnAvi)
{
    MediaDetector detector;
    ASSERT_TRUE(detector.setFilename(clips::NinetySecondAvi()));
    ASSERT_EQ(detector.outputStreams(), 2);

    const auto video = detector.streamMediaType(0);
    ASSERT_TRUE(video && video->video);
    EXPECT_EQ(video->majorType, FourCCGuid("vids"));
    EXPECT_EQ(video->subtype, FourCCGuid("FMP4"));
    EXPECT_EQ(FormatTypeLookup(video->formatType).analysis, FormatAnalysis::VideoInfo);
    EXPECT_EQ(video->video->width, 640);
    EXPECT_EQ(video->video->height, 352);
    EXPECT_EQ(video->video->compression, FourCC("FMP4"));
    EXPECT_EQ(video->video->timePerFrame, 400000);
    EXPECT_GT(video->video->bitRate, 0u);
    EXPECT_EQ(detector.frameRate(0), 25.0);

    const auto audio = detector.streamMediaType(1);
    ASSERT_TRUE(audio && audio->wave);
    EXPECT_EQ(audio->majorType, FourCCGuid("auds"));
    EXPECT_EQ(audio->subtype, WaveTagGuid(0x0055));
    EXPECT_EQ(FormatTypeLookup(audio->formatType).analysis, FormatAnalysis::WaveFormatEx);
    EXPECT_EQ(audio->wave->formatTag, 0x0055);
    EXPECT_EQ(audio->wave->channels, 2);
    EXPECT_EQ(audio->wave->samplesPerSecond, 44100u);
    EXPECT_EQ(detector.frameRate(1), std::nullopt);
    EXPECT_NEAR(detector.streamLength(1).value_or(0), 90.0, 0.5);

    EXPECT_EQ(detector.streamMediaType(2), std::nullopt);
    EXPECT_EQ(detector.streamLength(-1), std::nullopt);
}

TEST(MediaDetector, GivesContainersWithoutRiffCodesTheirRiffEquivalents)
{
    fixtures::ClipSettings clipSettings = fixtures::ClipFor("matroska");
    clipSettings.seconds = 0.5;
    MediaDetector detector;
    ASSERT_TRUE(detector.setFilename(clips::Clip("clip.mkv", clipSettings)));
    ASSERT_EQ(detector.outputStreams(), 2);
    const auto video = detector.streamMediaType(0);
    ASSERT_TRUE(video && video->video);
    EXPECT_EQ(video->video->compression, FourCC("H264"));
    const auto audio = detector.streamMediaType(1);
    ASSERT_TRUE(audio && audio->wave);
    EXPECT_EQ(audio->wave->formatTag, 0x2000);
}

TEST(MediaDetector, AnMp4NamesItsCodecsByTheirOwnCodes)
{
    fixtures::ClipSettings clipSettings = fixtures::ClipFor("mp4");
    clipSettings.seconds = 0.5;
    MediaInfoInspector info(nullptr);
    info.setFileName(clips::Clip("clip.mp4", clipSettings));
    info.inspect();
    EXPECT_EQ(info.video().fourCC, "avc1");
    EXPECT_EQ(info.video().codec, "H.264 / MPEG-4 AVC");
    EXPECT_EQ(info.fileFormat(), "MPEG 4");
    ASSERT_EQ(info.audioStreamCount(), 1);
    EXPECT_EQ(info.audioStream(0).formatName, "AAC");
}

TEST(MediaDetector, MpegOneVideoIsReadAsAnMpegFormatBlock)
{
    fixtures::ClipSettings clipSettings = fixtures::ClipFor("mpeg");
    clipSettings.seconds = 0.5;
    const std::string clip = clips::Clip("clip.mpg", clipSettings);
    MediaDetector detector;
    ASSERT_TRUE(detector.setFilename(clip));
    const auto video = detector.streamMediaType(0);
    ASSERT_TRUE(video && video->video);
    EXPECT_EQ(FormatTypeLookup(video->formatType).analysis, FormatAnalysis::MpegVideo);
    EXPECT_EQ(SubtypeName(video->subtype).name, "MPEG1Payload");

    MediaInfoInspector info(nullptr);
    info.setFileName(clip);
    info.inspect();
    EXPECT_EQ(info.video().width, 320);
    EXPECT_EQ(info.video().codec, "mpg1");
    EXPECT_EQ(info.video().fourCC, "");
    EXPECT_EQ(info.videoSubType(), "MPEG1Payload");
    EXPECT_EQ(info.fileFormat(), "MPEG 1/2");
    ASSERT_EQ(info.audioStreamCount(), 1);
    EXPECT_EQ(info.audioStream(0).formatName, "MPEG-1 layer 1, 2");
    EXPECT_EQ(info.audioSubType(), "MPEG1AudioPayload");
}

TEST(MediaDetector, AFileItCannotOpenHasNoStreams)
{
    MediaDetector detector;
    EXPECT_FALSE(detector.setFilename(clips::RandomBytes()));
    EXPECT_EQ(detector.outputStreams(), std::nullopt);
    EXPECT_EQ(detector.streamMediaType(0), std::nullopt);
}

} // namespace
