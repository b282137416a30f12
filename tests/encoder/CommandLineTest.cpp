// SPDX-License-Identifier: GPL-3.0-or-later
// How the encoder reads its arguments: the values as the application's
// lists write them.
#include "encoder/CommandLine.h"
#include "encoder/Fault.h"

#include <gtest/gtest.h>

namespace ridod2e {
namespace {

EncodeRequest Parse(std::vector<std::string> arguments)
{
    return ParseCommandLine(arguments);
}

TEST(EncoderCommandLine, ReadsTheIPodLine)
{
    const EncodeRequest r = Parse({"-@", "-y", "-i", "/in/a.avi", "-vcodec", "mpeg4", "-b", "1500", "-acodec",
                                   "mpeg4aac", "-ab", "64", "-ar", "44100", "-ac", "2 (stereo)", "-s", "320x176",
                                   "-padtop", "32", "-padbottom", "32", "/out/a.mp4"});

    EXPECT_TRUE(r.machineOutput);
    EXPECT_TRUE(r.overwrite);
    EXPECT_EQ(r.input, "/in/a.avi");
    EXPECT_FALSE(r.alternativeReader);
    EXPECT_EQ(r.output, "/out/a.mp4");
    EXPECT_EQ(r.videoCodec, "mpeg4");
    EXPECT_EQ(r.audioCodec, "mpeg4aac");
    EXPECT_EQ(r.videoBitrate, 1500000);
    EXPECT_EQ(r.audioBitrate, 64000);
    EXPECT_EQ(r.sampleRate, 44100);
    EXPECT_EQ(r.channels, 2);
    ASSERT_TRUE(r.size);
    EXPECT_EQ(r.size->width, 320);
    EXPECT_EQ(r.size->height, 176);
    EXPECT_EQ(r.padding.top, 32);
    EXPECT_EQ(r.padding.bottom, 32);
    EXPECT_EQ(r.padding.left, 0);
}

TEST(EncoderCommandLine, ReadsTheZuneAvcExtras)
{
    const EncodeRequest r = Parse({"-i", "a.avi", "-bitexact", "-maxrate", "1500", "-bufsize", "1280", "-g", "250",
                                   "-qscale", "25", "-coder", "1", "-bt", "60", "-title", "Holiday", "b.mp4"});

    EXPECT_TRUE(r.bitexact);
    EXPECT_EQ(r.maxRate, 1500000);
    EXPECT_EQ(r.bufferSize, 1280000);
    EXPECT_EQ(r.gopSize, 250);
    EXPECT_EQ(r.qscale, 25.0);
    EXPECT_EQ(r.coder, 1);
    EXPECT_EQ(r.bitrateTolerance, 60000);
    EXPECT_EQ(r.title, "Holiday");
}

TEST(EncoderCommandLine, TakesTheNumberAtTheStartOfAListValue)
{
    const EncodeRequest r = Parse({"-i", "a", "-ac", "1 (mono)", "-ar", "8000 ", "-vol_factor", "100", "b.3gp"});

    EXPECT_EQ(r.channels, 1);
    EXPECT_EQ(r.sampleRate, 8000);
    EXPECT_EQ(r.volumeFactor, 100);
}

TEST(EncoderCommandLine, AnEmptyValueCountsAsNotGiven)
{
    const EncodeRequest r = Parse({"-i", "a", "-ar", "", "-b", "", "-ab", " ", "-s", "", "b.mp4"});

    EXPECT_FALSE(r.sampleRate);
    EXPECT_FALSE(r.videoBitrate);
    EXPECT_FALSE(r.audioBitrate);
    EXPECT_FALSE(r.size);
}

struct RateCase {
    const char* text;
    int num;
    int den;
};

class FrameRateFromList : public ::testing::TestWithParam<RateCase> {};

TEST_P(FrameRateFromList, IsTheExactRate)
{
    const EncodeRequest r = Parse({"-i", "a", "-r", GetParam().text, "b.mp4"});

    ASSERT_TRUE(r.frameRate);
    EXPECT_EQ(r.frameRate->num, GetParam().num);
    EXPECT_EQ(r.frameRate->den, GetParam().den);
}

INSTANTIATE_TEST_SUITE_P(ListRates, FrameRateFromList,
                         ::testing::Values(RateCase{"14.985", 15000, 1001}, RateCase{"23.975", 24000, 1001},
                                           RateCase{"23.976", 24000, 1001}, RateCase{"29.97", 30000, 1001},
                                           RateCase{"15.0", 15, 1}, RateCase{"25", 25, 1}, RateCase{"30.0", 30, 1},
                                           RateCase{"11", 11, 1}));

TEST(EncoderCommandLine, ReadsTheNewerOptions)
{
    const EncodeRequest r = Parse({"-i", "a.mkv", "-vcodec", "copy", "-acodec", "copy", "-crf", "23", "-preset",
                                   "medium", "-s", "480x0", "-fit", "-movflags", "+faststart", "-chapters", "b.mp4"});

    EXPECT_EQ(r.videoCodec, "copy");
    EXPECT_EQ(r.audioCodec, "copy");
    EXPECT_EQ(r.qualityFactor, 23.0);
    EXPECT_EQ(r.speedPreset, "medium");
    ASSERT_TRUE(r.size);
    EXPECT_EQ(r.size->width, 480);
    EXPECT_EQ(r.size->height, 0);
    EXPECT_TRUE(r.fitInside);
    EXPECT_TRUE(r.fastStart);
    EXPECT_TRUE(r.keepChapters);
    EXPECT_FALSE(Parse({"-i", "a", "-s", "320x240", "-s", "keep", "b.mp4"}).size);
}

TEST(EncoderCommandLine, TheAlternativeReaderPrefixLeavesThePath)
{
    const EncodeRequest r = Parse({"-@", "-y", "-i", "DS:\\\\/videos/clip.rm"});

    EXPECT_TRUE(r.alternativeReader);
    EXPECT_EQ(r.input, "/videos/clip.rm");
    EXPECT_TRUE(r.output.empty());
}

TEST(EncoderCommandLine, FormatBeforeTheInputNamesTheReaderAndAfterItTheContainer)
{
    const EncodeRequest r = Parse({"-f", "qt", "-i", "a.mov", "-f", "psp", "b.mp4"});

    EXPECT_EQ(r.inputFormat, "qt");
    EXPECT_EQ(r.outputFormat, "psp");
}

TEST(EncoderCommandLine, ReadsTheThumbnailLine)
{
    const EncodeRequest r = Parse({"-@", "-y", "-i", "a.avi", "-f", "singlejpeg", "-ss", "3", "-vframes", "1", "-s",
                                   "368x208", "-an", "a.THM"});

    EXPECT_EQ(r.startSeconds, 3.0);
    EXPECT_EQ(r.maxVideoFrames, 1);
    EXPECT_TRUE(r.noAudio);
    EXPECT_EQ(r.outputFormat, "singlejpeg");
}

struct BadCase {
    const char* name;
    std::vector<std::string> arguments;
    const char* reason;
};

class BadCommandLine : public ::testing::TestWithParam<BadCase> {};

TEST_P(BadCommandLine, FailsWithAReason)
{
    try {
        Parse(GetParam().arguments);
        ADD_FAILURE() << "no failure";
    } catch (const EncodeFault& fault) {
        EXPECT_EQ(fault.kind(), FaultKind::Other);
        EXPECT_NE(std::string(fault.what()).find(GetParam().reason), std::string::npos) << fault.what();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BadCommandLine,
    ::testing::Values(BadCase{"NoInput", {"-@", "-y", "b.mp4"}, "no input file"},
                      BadCase{"MissingValue", {"-i", "a", "-b"}, "-b needs a value"},
                      BadCase{"UnknownOption", {"-i", "a", "-speed", "9", "b.mp4"}, "unrecognised option -speed"},
                      BadCase{"WordForANumber", {"-i", "a", "-ab", "loud", "b.mp4"}, "-ab takes a number"},
                      BadCase{"SizeWithoutX", {"-i", "a", "-s", "320", "b.mp4"}, "-s takes a frame size"},
                      BadCase{"NoChannels", {"-i", "a", "-ac", "0", "b.mp4"}, "-ac 0 is out of range"},
                      BadCase{"TwoOutputs", {"-i", "a", "b.mp4", "c.mp4"}, "only one output file"},
                      BadCase{"BadStartTime", {"-i", "a", "-ss", "soon", "b.mp4"}, "-ss takes a time"},
                      BadCase{"QualityTooHigh", {"-i", "a", "-crf", "64", "b.mp4"}, "-crf 64 is out of range"},
                      BadCase{"OtherMovFlags", {"-i", "a", "-movflags", "+frag_keyframe", "b.mp4"},
                              "-movflags takes +faststart"},
                      BadCase{"FitWithoutBox", {"-i", "a", "-fit", "b.mp4"}, "-fit needs -s"},
                      BadCase{"ZeroSideWithoutFit", {"-i", "a", "-s", "0x240", "b.mp4"}, "needs -fit"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace ridod2e
