// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/EncoderProbe.h"
#include "support/StandInAppDir.h"

#include <QTimer>
#include <csignal>
#include <fstream>
#include <gtest/gtest.h>

namespace {

struct Row {
    std::string path, size, frameRate, duration;
    bool operator==(const Row&) const = default;
};

struct ProbeRun {
    std::vector<Row> rows;
    EncoderProbe::AddFileRow sink()
    {
        return [this](const std::string& path, const std::string& size, const std::string& frameRate,
                      const std::string& duration) { rows.push_back({path, size, frameRate, duration}); };
    }
};

// Names are never trimmed: a blank at either end belongs to the name.
TEST(ProbeCommandLine, IsTheEncoderByItsBareNameWithThePathAsItIs)
{
    EXPECT_EQ(ProbeCommandLine("/videos/clip.avi", false), R"("ridod2e" -@ -y  -i "/videos/clip.avi")");
    EXPECT_EQ(ProbeCommandLine(" \t/videos/my clip.avi \r\n", false),
              "\"ridod2e\" -@ -y  -i \" \t/videos/my clip.avi \r\n\"");
    EXPECT_EQ(ProbeCommandLine("/videos/clip.avi", true), R"("ridod2e" -@ -y  -i "DS:\\/videos/clip.avi")");
}

TEST(ProbeCommandLine, QuotesAndTrailingBackslashesInAPathStayInsideTheArgument)
{
    EXPECT_EQ(ProbeCommandLine(R"(/v/a"b.avi)", false), R"("ridod2e" -@ -y  -i "/v/a\"b.avi")");
    EXPECT_EQ(ProbeCommandLine(R"(/v/a\)", false), R"("ridod2e" -@ -y  -i "/v/a\\")");
}

TEST(EncoderProbe, AnAcceptedOutputBecomesOneRow)
{
    StandInAppDir encoder(scripts::kClipDescription, "");
    ProbeRun run;
    EncoderProbe probe(encoder.appDir(), WaitStyle::Block, run.sink());
    probe.probeWithEncoder("  /videos/clip.avi ");
    EXPECT_FALSE(probe.probeFailed());
    EXPECT_FALSE(probe.probeRetryNeeded());
    EXPECT_EQ(run.rows, (std::vector<Row>{{"  /videos/clip.avi ", "320 x 240", "25", "00:01:23"}}));
    EXPECT_EQ(encoder.calls(), (std::vector<std::vector<std::string>>{{"-@", "-y", "-i", "  /videos/clip.avi "}}));
}

TEST(EncoderProbe, ARejectedPlainProbeAsksForTheSecondOne)
{
    StandInAppDir encoder("Unknown format\n", scripts::kClipDescription);
    ProbeRun run;
    EncoderProbe probe(encoder.appDir(), WaitStyle::Block, run.sink());
    probe.probeWithEncoder("/videos/clip.avi");
    EXPECT_TRUE(probe.probeFailed());
    EXPECT_TRUE(probe.probeRetryNeeded());
    EXPECT_TRUE(run.rows.empty());

    probe.probeWithDsPrefix("/videos/clip.avi");
    EXPECT_FALSE(probe.probeFailed());
    EXPECT_EQ(run.rows, (std::vector<Row>{{"/videos/clip.avi", "320 x 240", "25", "00:01:23"}}));
    const auto calls = encoder.calls();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[1].back(), "DS:\\\\/videos/clip.avi");
}

TEST(EncoderProbe, TwoRejectionsGiveTheUnknownRow)
{
    StandInAppDir encoder("Error while opening file\n", "error: cannot read\n");
    ProbeRun run;
    EncoderProbe probe(encoder.appDir(), WaitStyle::Block, run.sink());
    probe.probeWithEncoder("/v/noise.bin");
    probe.probeWithDsPrefix("/v/noise.bin");
    EXPECT_TRUE(probe.probeFailed());
    EXPECT_EQ(run.rows, (std::vector<Row>{{"/v/noise.bin", "Unknown", "", ""}}));
}

TEST(EncoderProbe, AnEncoderThatCannotStartAddsNothingAndAsksForNothing)
{
    TempDir emptyAppDir;
    ProbeRun run;
    EncoderProbe probe(emptyAppDir.dir(), WaitStyle::Block, run.sink());
    const char* path = std::getenv("PATH");
    const std::string savedPath = path ? path : "";
    setenv("PATH", emptyAppDir.path().c_str(), 1);
    probe.probeWithEncoder("/v/clip.avi");
    setenv("PATH", savedPath.c_str(), 1);
    EXPECT_FALSE(probe.probeFailed());
    EXPECT_FALSE(probe.probeRetryNeeded());
    EXPECT_TRUE(run.rows.empty());
}

TEST(EncoderProbe, LinesSplitBetweenReadsAreStillFound)
{
    StandInAppDir encoder("", "");
    encoder.script(scripts::Says("Input #0, avi, from x:\n  Dura") + "sleep 200\n"
                   + scripts::Says("tion: 01:02:03.45, start: 0.0\n    Stream #0.0: Vid") + "sleep 200\n"
                   + scripts::Says("eo: mpeg4, 640x352, 29.97 fps\n"));
    ProbeRun run;
    EncoderProbe probe(encoder.appDir(), WaitStyle::Block, run.sink());
    probe.probeWithEncoder("/v/x.avi");
    EXPECT_EQ(run.rows, (std::vector<Row>{{"/v/x.avi", "640 x 352", "29.97", "01:02:03"}}));
}

TEST(EncoderProbe, AnAcceptedOutputWithoutDurationNeverTakesTheLastOne)
{
    StandInAppDir encoder(scripts::kClipDescription, "");
    ProbeRun run;
    EncoderProbe probe(encoder.appDir(), WaitStyle::Block, run.sink());
    probe.probeWithEncoder("/v/a.avi");
    encoder.script(scripts::Says("Input #0, avi, from x:\n    Stream #0.0: Video: mpeg4, 160x120, 10.00 fps\n"));
    probe.probeWithEncoder("/v/b.avi");
    ASSERT_EQ(run.rows.size(), 2u);
    EXPECT_EQ(run.rows[1], (Row{"/v/b.avi", "160 x 120", "10", "00:00:00"}));
}

TEST(EncoderProbe, AnEncoderThatEndsWithoutAWordHasNotMeasuredTheFile)
{
    StandInAppDir encoder("", scripts::kClipDescription);
    ProbeRun run;
    EncoderProbe probe(encoder.appDir(), WaitStyle::Block, run.sink());
    probe.probeWithEncoder("/v/a.avi");
    EXPECT_TRUE(probe.probeFailed());
    EXPECT_TRUE(probe.probeRetryNeeded());
    EXPECT_TRUE(run.rows.empty());
    probe.probeWithDsPrefix("/v/a.avi");
    EXPECT_EQ(run.rows, (std::vector<Row>{{"/v/a.avi", "320 x 240", "25", "00:01:23"}}));
}

TEST(EncoderProbe, AnEncoderKilledBeforeItSpeaksGivesTheUnknownRow)
{
    StandInAppDir encoder("", "");
    encoder.script("die\n");
    ProbeRun run;
    EncoderProbe probe(encoder.appDir(), WaitStyle::Block, run.sink());
    probe.probeWithEncoder("/v/a.avi");
    probe.probeWithDsPrefix("/v/a.avi");
    EXPECT_EQ(run.rows, (std::vector<Row>{{"/v/a.avi", "Unknown", "", ""}}));
}

TEST(EncoderProbe, ARejectingEncoderIsEndedAtOnce)
{
    StandInAppDir encoder("", "");
    encoder.script("pid pid.txt\nprint Some banner\nhang\n");
    ProbeRun run;
    EncoderProbe probe(encoder.appDir(), WaitStyle::Block, run.sink());
    probe.probeWithEncoder("/v/a.avi");
    EXPECT_TRUE(probe.probeRetryNeeded());
    pid_t pid = 0;
    std::ifstream(encoder.file("pid.txt")) >> pid;
    ASSERT_GT(pid, 0);
    EXPECT_EQ(kill(pid, 0), -1) << "the rejected encoder still runs";
}

TEST(EncoderProbe, TheWindowKeepsProcessingEventsWhileTheEncoderThinks)
{
    StandInAppDir encoder(scripts::kClipDescription, "");
    encoder.script("sleep 300\n" + scripts::Says(scripts::kClipDescription));
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start(10);
    ProbeRun run;
    EncoderProbe probe(encoder.appDir(), WaitStyle::KeepWindowAlive, run.sink());
    probe.probeWithEncoder("/v/a.avi");
    EXPECT_EQ(run.rows.size(), 1u);
    EXPECT_GE(ticks, 5);
}

} // namespace
