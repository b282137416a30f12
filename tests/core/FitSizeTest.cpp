// SPDX-License-Identifier: GPL-3.0-or-later
// A fit to a size as numbers and texts: the entries and sizes a person
// writes, the plan (sound lowered first, then the picture, then refused),
// the retries' bitrates, the expected sizes, and the pass pieces of the
// command line.
#include "core/FitChoices.h"
#include "core/cmdline/CommandLineBuilder.h"
#include "core/profiles/FitSizeEntries.h"
#include "core/profiles/FormatSwitch.h"

#include <gtest/gtest.h>

namespace {

constexpr int kMp4Video = 31;

TEST(FitSize, EntriesAndSizesReadAsBytes)
{
    const std::vector<std::string> entries{"Fit in 8 MB",  "Fit in 10 MB",  "Fit in 25 MB",       "Fit in 50 MB",
                                           "Fit in 100 MB", "Fit in 500 MB", "Fit in custom size\u2026"};
    EXPECT_EQ(FitSizeEntries(), entries);
    EXPECT_EQ(FitLimitOf("Fit in 25 MB", 0), 25000000);
    EXPECT_EQ(FitLimitOf(CustomFitEntry(), 42000000), 42000000);
    EXPECT_EQ(FitLimitOf(CustomFitEntry(), 0), std::nullopt);
    EXPECT_EQ(FitLimitOf("1500 Kbps", 42000000), std::nullopt);

    const std::pair<const char*, std::optional<long long>> sizes[] = {
        {"25MB", 25000000},    {"25 MB", 25000000},  {"25MiB", 26214400}, {"700KB", 700000}, {"700kib", 716800},
        {"1.5GB", 1500000000}, {"2GiB", 2147483648}, {"25", std::nullopt}, {"MB", std::nullopt},
        {"0MB", std::nullopt}, {"-5MB", std::nullopt}, {"25 MBs", std::nullopt}};
    for (const auto& [text, bytes] : sizes)
        EXPECT_EQ(ParseSizeLimit(text), bytes) << text;
    EXPECT_EQ(MegabytesToBytes("12.5"), 12500000);
    EXPECT_EQ(MegabytesToBytes("none"), 0);
}

struct PlanCase {
    const char* name;
    FitSource source;
    long long limit;
    int audioKbps;
    bool fits;
    int videoKbps;
    int planAudioKbps;
    const char* videoSize;
    bool fills;
};

TEST(FitSize, ThePlanLowersTheSoundThenThePictureThenRefuses)
{
    const PlanCase cases[] = {
        // 25 MB over two minutes of 720p: the limit's rate less the sound.
        {"fills", {120, 1280, 720, 30}, 25000000, 160, true, 1423, 160, "Original", true},
        // Five minutes of 640 x 360 in 10 MB: 128 kb/s of sound leaves enough.
        {"sound lowered", {300, 640, 360, 25}, 10000000, 160, true, 125, 128, "Original", true},
        // Five minutes of 720p in 10 MB: the lowest sound and a smaller picture.
        {"picture lowered", {300, 1280, 720, 25}, 10000000, 160, true, 221, 32, "854 x 480", true},
        // Ten seconds in 500 MB: held at the most a viewer would see.
        {"held lower", {10, 640, 360, 25}, 500000000, 160, true, 2880, 160, "Original", false},
        // A muted job spends it all on the picture.
        {"no sound", {120, 1280, 720, 30}, 25000000, 0, true, 1583, 0, "Original", true},
        {"cannot fit", {7380, 1280, 720, 25}, 8000000, 160, false, 0, 0, "", false},
        {"length unknown", {0, 1280, 720, 25}, 8000000, 160, false, 0, 0, "", false},
    };
    for (const PlanCase& c : cases) {
        const FitPlan plan = PlanFit(c.source, c.limit, c.audioKbps, "Original");
        EXPECT_EQ(plan.fits, c.fits) << c.name;
        EXPECT_EQ(plan.videoKbps, c.videoKbps) << c.name;
        EXPECT_EQ(plan.audioKbps, c.planAudioKbps) << c.name;
        EXPECT_EQ(plan.videoSize, c.videoSize) << c.name;
        EXPECT_EQ(plan.fills, c.fills) << c.name;
        if (plan.fits) {
            EXPECT_LE(plan.expectedBytes, c.limit) << c.name;
        }
    }
    const FitPlan refused = PlanFit({7380, 1280, 720, 25}, 8000000, 160, "Original");
    EXPECT_EQ(FitFailureText(7380, 8000000, refused.neededBytes), "cannot fit 2:03:00 in 8 MB: at least 144 MB is needed");
    EXPECT_EQ(FitFailureText(0, 8000000, 0), "cannot fit a clip of unknown length in 8 MB");
}

TEST(FitSize, RetriesMoveTheBitrateByWhatTheOutputMissedAndSayWhy)
{
    // 25.8 MB over 100 s at 2,000 kb/s: lowered by the 2.05 MB above the aim.
    EXPECT_EQ(RetargetedVideoKbps(2000, 100, 25800000, 25000000), 1836);
    EXPECT_EQ(RetargetedVideoKbps(2000, 100, 19000000, 25000000), 2380);
    EXPECT_EQ(RetargetedVideoKbps(2000, 1, 250000000, 25000000), 1000); // never below half
    // 220 kb/s made 49.4 KB, 402 kb/s 137.6 KB: 314 kb/s aims at 95 KB.
    EXPECT_EQ(BetweenKbps(220, 49400, 402, 137600, 100000), 314);
    EXPECT_EQ(OvershootText(25800000, 25000000, 1830), "25.8 MB over 25 MB: again at 1,830 kb/s");
    EXPECT_EQ(OvershootText(25010000, 25000000, 1830), "25.01 MB over 25 MB: again at 1,830 kb/s");
    EXPECT_EQ(OvershootText(19200000, 25000000, 2210), "19.2 MB under 90 % of 25 MB: again at 2,210 kb/s");
    EXPECT_TRUE(WorthRaising(22400000, 25000000));
    EXPECT_FALSE(WorthRaising(22600000, 25000000));
    EXPECT_FALSE(WorthRaising(2800000, 25000000)); // still pictures: nothing more to code
    EXPECT_EQ(ExpectedSizeText(24010000), "~24 MB");
    EXPECT_EQ(SizeText(288000), "288 KB");
}

TEST(FitSize, ExpectedSizesAndPassPiecesFollowTheChoices)
{
    ProfileState state = ProfileStateFor(kMp4Video);
    FileRow row;
    row.cell(FileColumn::VideoSize) = "1280 x 720";
    row.cell(FileColumn::FrameRate) = "30";
    row.cell(FileColumn::Duration) = "00:02:00";
    ConversionChoices choices = TakeChoices(state, "50", "/out", false, "/app/");
    EXPECT_EQ(ExpectedBytes(choices, row), std::nullopt); // constant quality: no telling
    state.lists.videoBitrate.select("1000 Kbps");
    choices = TakeChoices(state, "50", "/out", false, "/app/");
    EXPECT_EQ(ExpectedBytes(choices, row), BytesAt(1160, 120));
    state.lists.videoBitrate.select("Fit in 25 MB");
    choices = TakeChoices(state, "50", "/out", false, "/app/");
    ASSERT_EQ(FitLimitFor(choices), 25000000);
    EXPECT_EQ(ExpectedBytes(choices, row), BytesAt(1583, 120));
    EXPECT_TRUE(RunsTwoPasses(choices));
    choices.formatIndex = 0; // the iPod row has no fits and tells no size
    EXPECT_EQ(FitLimitFor(choices), std::nullopt);
    EXPECT_EQ(ExpectedBytes(choices, row), std::nullopt);

    choices = WithPlan(TakeChoices(state, "50", "/out", false, "/app/"), PlanFit({300, 1280, 720, 25}, 10000000, 160, "Original"), 221);
    JobInput job{"/in/a.mkv", "1280 x 720", "mp4", {}};
    job.pass = 1;
    job.passStatistics = "/tmp/f/stats";
    EXPECT_EQ(BuildCommandLine(choices, job, {false, {}}).commandLine,
              "\"/app/ridod2e\" -@ -y  -i \"/in/a.mkv\" -vcodec \"h264\" -b \"221\" -pass \"1\" -passlogfile "
              "\"/tmp/f/stats\" -an -preset \"medium\" -acodec \"aac\" -ab \"32\" -ac \"2 (stereo)\" -s 854x480 -fit "
              "-movflags +faststart -chapters -keepall \"/out/a.mp4\"");
    job.pass = 2;
    EXPECT_NE(BuildCommandLine(choices, job, {false, {}}).commandLine.find(" -b \"221\" -pass \"2\" -passlogfile \"/tmp/f/stats\" -preset"),
              std::string::npos);
}

} // namespace
