// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/OutputLines.h"
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

TEST(ParseProbeOutput, ReadsLinesJoinedAcrossReads)
{
    OutputLines splitter;
    std::vector<std::string> lines;
    for (const char* chunk : {"Input #0, avi, from 'a.avi':\n  Dura", "tion: 00:01:23.45, start: 0.000000\n    Stream #0.0: Vid",
                              "eo: mpeg4, 320x240, 25.00 fps\n"}) {
        for (auto& line : splitter.feed(chunk))
            lines.push_back(line);
    }
    ASSERT_EQ(lines.size(), 3u);
    const auto values = ParseProbeOutput(lines);
    EXPECT_EQ(values.durationText, "00:01:23");
    EXPECT_EQ(values.sizeText, "320 x 240");
}

TEST(ProbeRejected, JudgesTheFirstLineAsSoonAsItCan)
{
    struct Case {
        std::vector<std::string> lines;
        std::string partial;
        bool rejected;
    };
    const Case cases[] = {
        {{"Input #0, avi, from 'a.avi':"}, "", false},
        {{"Error while opening file /x.avi"}, "", true},
        {{"", "Input #0, avi, from 'a.avi':"}, "", true}, // an empty first line
        {{"input #0, avi"}, "", true},                    // the case counts
        {{}, "", false},                                  // no output yet
        {{}, "Inpu", false},                              // may still become the input line
        {{}, "Input #0, avi", false},
        {{}, "Inx", true},
        {{"Input"}, "", true},                            // the output ended there
    };
    for (const Case& c : cases)
        EXPECT_EQ(ProbeRejected(c.lines, c.partial), c.rejected) << (c.lines.empty() ? c.partial : c.lines[0]);
}

} // namespace
