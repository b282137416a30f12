// SPDX-License-Identifier: GPL-3.0-or-later
// The lines the real encoder prints, as the application reads them: the
// input block, the output block, progress reports, and failures.
#include "Clips.h"
#include "EncoderProcess.h"

#include <algorithm>
#include <gtest/gtest.h>

#include <regex>

namespace encodertest {
namespace {

const std::regex VideoProgress(R"(frame=\d+ fps=\d+ q=-?\d+\.\d size=\d+kB time=\d+\.\d\d bitrate=(\d+\.\dkbits/s|N/A))");
const std::regex AudioProgress(R"(size=\d+kB time=\d+\.\d\d bitrate=(\d+\.\dkbits/s|N/A))");

std::vector<std::string> LinesMatching(const std::vector<std::string>& lines, const std::regex& pattern)
{
    std::vector<std::string> found;
    for (const std::string& line : lines)
        if (std::regex_match(line, pattern))
            found.push_back(line);
    return found;
}

double TimeOf(const std::string& progressLine)
{
    return std::stod(progressLine.substr(progressLine.find("time=") + 5));
}

TEST(EncoderProbe, PrintsTheInputBlockAndEnds)
{
    const std::string input = Clip("avi").string();
    const EncoderRun run = RunEncoder({"-@", "-y", "-i", input});

    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 0);
    ASSERT_EQ(run.lines.size(), 4u) << run.output;
    EXPECT_EQ(run.lines[0], "Input #0, avi, from '" + input + "':");
    EXPECT_TRUE(std::regex_match(run.lines[1], std::regex(R"(  Duration: 00:00:04\.0\d, start: 0\.000000, bitrate: \d+ kb/s)")))
        << run.lines[1];
    EXPECT_EQ(run.lines[2], "    Stream #0.0: Video: mpeg4, 640x352, 25.00 fps");
    EXPECT_EQ(run.lines[3], "    Stream #0.1: Audio: mp3, 44100 Hz, stereo, 128 kb/s");
}

TEST(EncoderProbe, PrintsAnNtscRateWithTwoDecimals)
{
    const EncoderRun run = RunEncoder({"-@", "-y", "-i", Clip("ntsc").string()});

    ASSERT_GE(run.lines.size(), 3u) << run.output;
    EXPECT_EQ(run.lines[2], "    Stream #0.0: Video: h264, 640x352, 29.97 fps");
}

TEST(EncoderProbe, DescribesAnAudioFileWithoutAVideoLine)
{
    const EncoderRun run = RunEncoder({"-@", "-y", "-i", Clip("wav").string()});

    EXPECT_EQ(run.exitCode, 0);
    ASSERT_EQ(run.lines.size(), 3u) << run.output;
    EXPECT_EQ(run.lines[2], "    Stream #0.0: Audio: pcm_s16le, 44100 Hz, stereo, 1411 kb/s");
}

TEST(EncoderProbe, SaysNAWhenTheLengthIsUnknown)
{
    const auto picture = OutputFolder("probe-na") / "still.THM";
    ASSERT_EQ(RunEncoder({"-@", "-y", "-i", Clip("avi").string(), "-f", "singlejpeg", "-vframes", "1", picture.string()})
                  .exitCode,
              0);

    const EncoderRun run = RunEncoder({"-@", "-y", "-i", picture.string()});

    ASSERT_GE(run.lines.size(), 3u) << run.output;
    EXPECT_EQ(run.lines[1].rfind("  Duration: N/A, ", 0), 0u) << run.lines[1];
    EXPECT_EQ(run.lines[2], "    Stream #0.0: Video: mjpeg, 640x352, 25.00 fps");
}

TEST(EncoderConversion, PrintsTheOutputBlockThenUnpaddedProgressOnLinesOfTheirOwn)
{
    const auto output = OutputFolder("grammar-video") / "clip.mp4";
    const EncoderRun run = RunEncoder({"-@", "-y", "-i", Clip("avi").string(), "-vcodec", "mpeg4", "-b", "800",
                                       "-acodec", "mpeg4aac", "-ab", "64", "-ar", "44100", "-ac", "2 (stereo)", "-s",
                                       "320x240", output.string()});

    ASSERT_EQ(run.exitCode, 0) << run.output;
    ASSERT_GE(run.lines.size(), 8u) << run.output;
    EXPECT_EQ(run.lines[4], "Output #0, mp4, to '" + output.string() + "':");
    EXPECT_EQ(run.lines[5], "    Stream #0.0: Video: mpeg4, 320x240, 25.00 fps");
    EXPECT_EQ(run.lines[6], "    Stream #0.1: Audio: aac, 44100 Hz, stereo, 64 kb/s");
    const std::vector<std::string> progress(run.lines.begin() + 7, run.lines.end());
    EXPECT_EQ(LinesMatching(progress, VideoProgress), progress) << run.output;
    EXPECT_EQ(run.output.find('\r'), std::string::npos);
    EXPECT_EQ(progress.back().rfind("frame=100 ", 0), 0u) << progress.back();
    EXPECT_NEAR(TimeOf(progress.back()), ClipSeconds, 0.1);
}

TEST(EncoderConversion, ReportsAudioOnlyProgressWithoutFrames)
{
    const auto output = OutputFolder("grammar-audio") / "clip.mp3";
    const EncoderRun run = RunEncoder({"-@", "-y", "-i", Clip("wav").string(), "-acodec", "mp3", "-ab", "128",
                                       output.string()});

    ASSERT_EQ(run.exitCode, 0) << run.output;
    const std::vector<std::string> progress(run.lines.begin() + 5, run.lines.end());
    ASSERT_FALSE(progress.empty());
    EXPECT_EQ(LinesMatching(progress, AudioProgress), progress) << run.output;
    EXPECT_NEAR(TimeOf(progress.back()), ClipSeconds, 0.1);
}

// How often reports come depends on the machine's speed, so a test asks
// only that a long job reports while it runs, each report further on than
// the last.
TEST(EncoderConversion, ReportsProgressWhileALongJobRuns)
{
    const auto output = OutputFolder("grammar-cadence") / "clip.mp4";
    const EncoderRun run = RunEncoder({"-@", "-y", "-i", Clip("mp4").string(), "-vcodec", "h264", "-b", "4000", "-s",
                                       "1920x1072", "-r", "60", output.string()});

    ASSERT_EQ(run.exitCode, 0) << run.output;
    std::vector<double> times;
    for (const auto& line : run.lines)
        if (std::regex_match(line, VideoProgress))
            times.push_back(TimeOf(line));
    ASSERT_GE(times.size(), 2u) << "the job took " << run.seconds << " s";
    EXPECT_TRUE(std::is_sorted(times.begin(), times.end())) << run.output;
    EXPECT_LT(times.front(), times.back());
}

TEST(EncoderConversion, WithoutTheMachineSwitchShowsABannerAndRewritesOneProgressLine)
{
    const auto output = OutputFolder("grammar-terminal") / "clip.mp4";
    const EncoderRun run = RunEncoder({"-y", "-i", Clip("avi").string(), "-vcodec", "h264", "-s", "1280x720", "-r",
                                       "60", output.string()});

    EXPECT_EQ(run.exitCode, 0);
    ASSERT_FALSE(run.lines.empty());
    EXPECT_EQ(run.lines[0].rfind("ridod2e", 0), 0u);
    EXPECT_NE(run.output.find('\r'), std::string::npos);
}

TEST(EncoderConversion, NoLineOfASuccessfulRunHoldsAnErrorWord)
{
    const auto output = OutputFolder("grammar-clean") / "clip.wmv";
    const EncoderRun run = RunEncoder({"-@", "-y", "-i", Clip("matroska").string(), "-vcodec", "wmv2x", "-acodec",
                                       "wma7x", "-f", "xwmv", output.string()});

    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(LinesWithErrorWords(run.lines).empty()) << run.output;
}

} // namespace
} // namespace encodertest
