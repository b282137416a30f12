// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/EncoderOutputParser.h"

#include <gtest/gtest.h>

namespace {

TEST(EncoderOutputParser, ReadsAProgressReport)
{
    const auto values = ReadProgress("frame=123 fps=25 q=2.0 size=1234kB time=4.92 bitrate=2054.1kbits/s");
    EXPECT_EQ(values.frames, "123");
    EXPECT_EQ(values.size, "1234");
    EXPECT_EQ(values.timeSeconds, 4.92);
    EXPECT_FALSE(values.durationSeconds);
    EXPECT_EQ(Percent(*values.timeSeconds, 60), 8);
}

struct FrameCase {
    const char* line;
    const char* frames;
};

TEST(EncoderOutputParser, TakesTheFrameCountUpToTheNextBlank)
{
    const FrameCase cases[] = {
        {"frame=123 fps=25", "123"},
        {"frame=   5 fps=25", ""},   // padded: reads as empty
        {"frame=77", ""},            // no blank follows
        {"xx frame=9 q=1", "9"},
    };
    for (const auto& item : cases)
        EXPECT_EQ(ReadProgress(item.line).frames, item.frames) << item.line;
    EXPECT_FALSE(ReadProgress("fps=25 q=2.0").frames);
}

struct SizeCase {
    const char* line;
    const char* size;
};

TEST(EncoderOutputParser, FindsKBOnlyWithinThirteenCharacters)
{
    const SizeCase cases[] = {
        {"size=1234kB time=1.00 ", "1234"},
        {"size=123456kB time=1.00 ", "123456"},  // six digits: the longest found
        {"size=1234567kB time=1.00 ", ""},
        {"size=     256kB time=1.00 ", ""},       // padded to eight places
        {"size=  12kB", "  12"},                  // blanks kept
    };
    for (const auto& item : cases)
        EXPECT_EQ(ReadProgress(item.line).size, item.size) << item.line;
}

struct DurationCase {
    const char* field;
    std::optional<int> seconds;
};

TEST(EncoderOutputParser, ReadsDurationsInWholeSecondsAtLeastOne)
{
    const DurationCase cases[] = {
        {"01:02:03.45, start: 0.000000", 3723},
        {"00:00:00.40, start: 0.000000", 1},
        {"00:01:30.04, start: 0.000000, bitrate: 2265 kb/s", 90},
        {"N/A, start: 0.000000", 1},
        {"100:00:05.00, start: 0", 5},   // hours longer than two characters count as 0
        {"00:00:05.00", std::nullopt},   // no comma within 20 characters
        {"00:xx:05.00, start", std::nullopt},
        {"0005.00, start", std::nullopt},
    };
    for (const auto& item : cases)
        EXPECT_EQ(DurationSeconds(item.field), item.seconds) << item.field;
    EXPECT_EQ(ReadProgress("  Duration: 00:01:00.00, start: 0.000000").durationSeconds, 60);
}

struct TimeCase {
    const char* line;
    std::optional<double> seconds;
};

TEST(EncoderOutputParser, ReadsTimeAsDecimalSecondsEndingInABlank)
{
    const TimeCase cases[] = {
        {"time=4.92 bitrate=1", 4.92},
        {"time=3.00 ", 3.0},
        {"time=-1.50 ", -1.5},
        {"time=4.92", std::nullopt},          // no blank after
        {"time= bitrate", std::nullopt},      // empty
        {"timelapse clip x", std::nullopt},   // "time" in another sense
        {"time", std::nullopt},
    };
    for (const auto& item : cases)
        EXPECT_EQ(ReadProgress(item.line).timeSeconds, item.seconds) << item.line;
}

TEST(EncoderOutputParser, RoundsHalvesToTheEvenNeighbour)
{
    EXPECT_EQ(Percent(1, 8), 12);     // 12.5
    EXPECT_EQ(Percent(27, 200), 14);  // 13.5
    EXPECT_EQ(Percent(3, 1), 300);
}

struct ErrorCase {
    const char* line;
    bool found;
    bool unsupported;
};

TEST(EncoderOutputParser, FindsEachErrorWordOutsideEchoedPaths)
{
    const ErrorCase cases[] = {
        {"xpxframe", true, false},
        {"missing clntcore.dll", true, false},
        {"encoding failed", true, false},
        {"Unexpected end", true, false},
        {"error: cannot open output", true, false},
        {"Error while opening file", true, false},
        {"exception encounter", true, false},
        {"Unknown format", true, false},
        {"Unsupported codec for stream #0.1", true, true},
        {"Error: capitalised", false, false},
        {"frame=12 fps=25", false, false},
        {"Input #0, avi, from '/v/error: report.avi':", false, false},
        {"Input #0, avi, from '/v/it failed.avi':", false, false},
        {"Output #0, mp4, to '/out/Unknown format.mp4':", false, false},
        {"Input #0, avi, from 'a' Output #0, mp4, error:", false, false},
    };
    for (const auto& item : cases) {
        const auto words = FindErrorWords(item.line);
        EXPECT_EQ(words.found, item.found) << item.line;
        EXPECT_EQ(words.unsupportedCodec, item.unsupported) << item.line;
    }
}

TEST(EncoderOutputParser, EmptiesEchoedPathsButKeepsTheRest)
{
    EXPECT_EQ(WithoutEchoedPaths("Input #0, avi, from '/v/time 5 .avi':"), "Input #0, avi, from '':");
    EXPECT_EQ(WithoutEchoedPaths("Output #0, mp4, to '/o/it's.mp4':"), "Output #0, mp4, to '':");
    EXPECT_FALSE(ReadProgress(WithoutEchoedPaths("Input #0, avi, from '/v/time 5 .avi':")).timeSeconds);
}

TEST(EncoderOutputParser, AcceptsOnlyAFirstLineBeginningWithInput)
{
    EXPECT_TRUE(IsAcceptedFirstLine("Input #0, avi, from 'x':"));
    EXPECT_FALSE(IsAcceptedFirstLine(""));
    EXPECT_FALSE(IsAcceptedFirstLine(" Input #0, avi"));
    EXPECT_FALSE(IsAcceptedFirstLine("Input #1, avi"));
}

} // namespace
