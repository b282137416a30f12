#include "media/ProbeOutput.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> Lines(std::initializer_list<const char*> lines) { return {lines.begin(), lines.end()}; }

TEST(ParseProbeOutput, ReadsDurationSizeAndFrameRate)
{
    const auto values = ParseProbeOutput(Lines({
        "Input #0, avi, from '/videos/clip.avi':",
        "  Duration: 00:01:23.45, start: 0.000000, bitrate: 2265 kb/s",
        "    Stream #0.0: Video: mpeg4, 320x240, 25.00 fps",
        "    Stream #0.1: Audio: mp3, 44100 Hz, stereo, 128 kb/s",
    }));
    EXPECT_EQ(values.sizeText, "320 x 240");
    EXPECT_EQ(values.frameRateText, "25");
    EXPECT_EQ(values.durationText, "00:01:23");
}

TEST(ParseProbeOutput, KeepsAFrameRateWithAFraction)
{
    const auto values = ParseProbeOutput(Lines({"    Stream #0.0: Video: h264, 640x480, 29.97 fps"}));
    EXPECT_EQ(values.frameRateText, "29.97");
    EXPECT_EQ(ParseProbeOutput(Lines({"Video: h264, 640x480, 23.976 fps"})).frameRateText, "23.976");
}

TEST(ParseProbeOutput, AnUnknownDurationEndsTheReading)
{
    const auto values = ParseProbeOutput(Lines({
        "Input #0, mpeg, from 'x.mpg':",
        "  Duration: N/A, start: 0.000000",
        "    Stream #0.0: Video: mpeg1video, 352x288, 25.00 fps",
    }));
    EXPECT_EQ(values.durationText, "00:00:00");
    EXPECT_EQ(values.sizeText, "0 x 0");
    EXPECT_EQ(values.frameRateText, "0");
}

TEST(ParseProbeOutput, AudioOnlyGivesNoSizeAndNoRate)
{
    const auto values = ParseProbeOutput(Lines({
        "Input #0, mp3, from 'song.mp3':",
        "  Duration: 00:03:25.10, start: 0.000000, bitrate: 128 kb/s",
        "    Stream #0.0: Audio: mp3, 44100 Hz, stereo, 128 kb/s",
    }));
    EXPECT_EQ(values.sizeText, "0 x 0");
    EXPECT_EQ(values.frameRateText, "0");
    EXPECT_EQ(values.durationText, "00:03:25");
}

TEST(ParseProbeOutput, AVideoLineWithoutFpsGivesAnEmptyRate)
{
    const auto values = ParseProbeOutput(Lines({"    Stream #0.0: Video: mjpeg, 640x480"}));
    EXPECT_EQ(values.sizeText, "0 x 0");
    EXPECT_EQ(values.frameRateText, "");
    EXPECT_EQ(ParseProbeOutput(Lines({"Video: mjpeg, 640x480, 90k tbr"})).frameRateText, "");
    EXPECT_EQ(ParseProbeOutput(Lines({"Video: mjpeg, 640x480, 90k tbr"})).sizeText, "640 x 480");
}

TEST(ParseProbeOutput, OutputWithoutADurationLineGivesZeroDuration)
{
    EXPECT_EQ(ParseProbeOutput(Lines({"Input #0, avi, from 'a.avi':"})).durationText, "00:00:00");
    EXPECT_EQ(ParseProbeOutput({}).durationText, "00:00:00");
}

TEST(ParseProbeOutput, TheLastVideoLineWins)
{
    const auto values = ParseProbeOutput(Lines({
        "Video: mpeg4, 320x240, 25.00 fps",
        "Video: h264, 1280x720, 50.00 fps",
    }));
    EXPECT_EQ(values.sizeText, "1280 x 720");
    EXPECT_EQ(values.frameRateText, "50");
}

TEST(ParseProbeOutput, FrameSizeFieldsWithoutAnXOrASideGiveZero)
{
    EXPECT_EQ(ParseProbeOutput(Lines({"Video: mpeg4, 320, 25.00 fps"})).sizeText, "0 x 0");
    EXPECT_EQ(ParseProbeOutput(Lines({"Video: mpeg4, x240, 25.00 fps"})).sizeText, "0 x 0");
    EXPECT_EQ(ParseProbeOutput(Lines({"Video: mpeg4, 320x, 25.00 fps"})).sizeText, "0 x 0");
    EXPECT_EQ(ParseProbeOutput(Lines({"Video: mpeg4"})).sizeText, "0 x 0");
}

TEST(ParseProbeOutput, RatesBeginningWithTwoZerosBecomeEmpty)
{
    EXPECT_EQ(ParseProbeOutput(Lines({"Video: mpeg4, 320x240, 0050 fps"})).frameRateText, "");
    EXPECT_EQ(ParseProbeOutput(Lines({"Video: mpeg4, 320x240, 50 fps"})).frameRateText, "50");
}

TEST(ParseProbeOutput, AShortDurationIsCutAtTheLineEnd)
{
    EXPECT_EQ(ParseProbeOutput(Lines({"Duration: 01:02"})).durationText, "01:02:");
}

TEST(LineBuffer, JoinsALineSplitBetweenReads)
{
    LineBuffer buffer;
    buffer.append("Input #0, avi, from 'a.avi':\n  Dura");
    EXPECT_EQ(buffer.lines().size(), 1u);
    buffer.append("tion: 00:01:23.45, start: 0.000000\n    Stream #0.0: Vid");
    buffer.append("eo: mpeg4, 320x240, 25.00 fps\n");
    buffer.finish();
    ASSERT_EQ(buffer.lines().size(), 3u);
    EXPECT_EQ(buffer.lines()[1], "  Duration: 00:01:23.45, start: 0.000000");
    const auto values = ParseProbeOutput(buffer.lines());
    EXPECT_EQ(values.durationText, "00:01:23");
    EXPECT_EQ(values.sizeText, "320 x 240");
}

TEST(LineBuffer, TakesEveryKindOfLineBreakAndKeepsAnUnfinishedLastLine)
{
    LineBuffer buffer;
    buffer.append("one\r");
    buffer.append("\ntwo\rthree\n\nfour");
    EXPECT_EQ(buffer.lines(), (std::vector<std::string>{"one", "two", "three", ""}));
    buffer.finish();
    EXPECT_EQ(buffer.lines().back(), "four");
    buffer.clear();
    EXPECT_TRUE(buffer.empty());
}

TEST(ProbeRejected, AcceptsOnlyOutputBeginningWithTheInputLine)
{
    LineBuffer accepted;
    accepted.append("Input #0, avi, from 'a.avi':\n");
    EXPECT_FALSE(ProbeRejected(accepted));

    LineBuffer error;
    error.append("Error while opening file /x.avi\n");
    EXPECT_TRUE(ProbeRejected(error));

    LineBuffer emptyFirstLine;
    emptyFirstLine.append("\nInput #0, avi, from 'a.avi':\n");
    EXPECT_TRUE(ProbeRejected(emptyFirstLine));

    LineBuffer lowerCase;
    lowerCase.append("input #0, avi\n");
    EXPECT_TRUE(ProbeRejected(lowerCase));
}

TEST(ProbeRejected, AnEmptyBufferIsNotRejected)
{
    LineBuffer buffer;
    EXPECT_FALSE(ProbeRejected(buffer));
    buffer.finish();
    EXPECT_FALSE(ProbeRejected(buffer));
}

TEST(ProbeRejected, AFirstLineStillArrivingIsJudgedWhenItCanBe)
{
    LineBuffer buffer;
    buffer.append("Inpu");
    EXPECT_FALSE(ProbeRejected(buffer));
    buffer.append("t #0, avi");
    EXPECT_FALSE(ProbeRejected(buffer));

    LineBuffer wrong;
    wrong.append("Inx");
    EXPECT_TRUE(ProbeRejected(wrong));

    LineBuffer shortOutput;
    shortOutput.append("Input");
    EXPECT_FALSE(ProbeRejected(shortOutput));
    shortOutput.finish();
    EXPECT_TRUE(ProbeRejected(shortOutput));
}

} // namespace
