// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Texts.h"
#include "RunnerHarness.h"
#include "support/TextFile.h"

#include <chrono>
#include <fstream>
#include <gtest/gtest.h>

namespace {

struct OutcomeCase {
    const char* situation;
    bool finalAttempt;
    std::string script;
    const char* progress;
    bool retryPending;
    const char* reason;
    const char* code;     // the reason's
    double held = 0;      // how long the check finds the output; 0 unknown
    int expected = 0;     // the row's Duration; 0: the encoder's own figure (60 s)
    double unstated = 0;  // how much longer the source lasts than its header says
};

class RunEncoderOutcome : public ::testing::TestWithParam<OutcomeCase> {};

// A run is good only when the encoder ended by itself with status 0 and the
// check found the file it wrote (under a partial name) good; only then does
// the file take the output's name. Whatever a failed run wrote is gone.
TEST_P(RunEncoderOutcome, JudgesTheRun)
{
    const auto& item = GetParam();
    RunnerHarness harness;
    harness.encoder.script(item.script);
    harness.request.finalAttempt = item.finalAttempt;
    harness.request.expectedSeconds = item.expected;
    harness.verifier.seconds = item.held;
    harness.verifier.unstated = item.unstated;
    ASSERT_TRUE(harness.run());
    EXPECT_EQ(harness.progress(), item.progress);
    EXPECT_EQ(harness.outcome.retryDue, item.retryPending);
    EXPECT_EQ(harness.outcome.reason.text, item.reason);
    EXPECT_STREQ(ReasonCodeName(harness.outcome.reason.code), item.code);
    const bool kept = std::string(item.progress) == "Done" || std::string(item.progress) == "Incomplete";
    EXPECT_EQ(harness.outputs(), kept ? std::vector<std::string>{"clip.mp4"} : std::vector<std::string>{});
    for (const auto& check : harness.verifier.checks())
        EXPECT_EQ(check.outputPath, harness.encoder.calls().back().back());
    EXPECT_FALSE(StandInRunning(harness.encoder.appDir()));
    EXPECT_FALSE(harness.watch.timer().isActive());
    EXPECT_EQ(harness.frontEnd.bar(), 0);
}

using namespace scripts;

INSTANTIATE_TEST_SUITE_P(
    OutcomeTable, RunEncoderOutcome,
    ::testing::Values(
        OutcomeCase{"first, output written", false, GoodRun(), "Done", false, "", ""},
        OutcomeCase{"first, output missing", false, Header() + Progress(750, 100, "30.00"), "", true,
                    "no output file was written", "output_missing"},
        OutcomeCase{"first, output empty", false, Header() + Progress(750, 100, "30.00") + "write 0\n", "", true,
                    "the output is empty", "output_unreadable"},
        OutcomeCase{"first, error word", false, ErrorRun(), "", true, "error: cannot encode stream #0.0", "encoder_error"},
        OutcomeCase{"first, first line rejected", false, "print Unknown input\nwrite 10\nexit 1\n", "", true,
                    "Unknown input", "encoder_error"},
        OutcomeCase{"first, empty first line", false, "print \nprint Input #0, avi, from '$IN':\nwrite 10\n", "", true,
                    "the encoder did not describe the input", "encoder_silent"},
        OutcomeCase{"final, output written", true, GoodRun(), "Done", false, "", ""},
        OutcomeCase{"final, output empty", true, Header() + Progress(750, 100, "30.00") + "write 0\n", "Failed", false,
                    "the output is empty", "output_unreadable"},
        OutcomeCase{"final, error word echoing the input", true,
                    Header() + "write 100\nprint Error while opening file '$IN': Permission denied\nhang\n", "Failed", false,
                    "Error while opening file 'clip.avi': Permission denied", "encoder_error"},
        OutcomeCase{"final, unsupported codec", true,
                    Header() + "write 10\nprint Unsupported codec (id=13) for input stream #0.0\nexit 1\n", "Failed", false,
                    "Unsupported codec (id=13) for input stream #0.0", "encoder_error"},
        OutcomeCase{"final, killed mid-run", true, Header() + Progress(10, 10, "6.00") + "write 100\ndie\n", "Failed",
                    false, "the encoder ended with signal 9", "encoder_signal"},
        OutcomeCase{"final, crashed mid-run", true, Header() + Progress(10, 10, "6.00") + "write 100\nsignal 11\n",
                    "Failed", false, "the encoder ended with signal 11", "encoder_signal"},
        // Good but short of its input by more than 2 s and 5 per cent: kept, and says how much it holds.
        OutcomeCase{"short", false, GoodRun(), "Incomplete", false, "holds 00:00:20 of 00:01:00", "incomplete", 20, 60},
        OutcomeCase{"short of the encoder's figure", false, GoodRun(), "Incomplete", false, "holds 00:00:20 of 00:01:00",
                    "incomplete", 20},
        OutcomeCase{"within 5 per cent", false, GoodRun(), "Done", false, "", "", 57.5, 60},
        // Longer than its source by as much: sound made up for a broken clock.
        OutcomeCase{"longer than the source", false, GoodRun(), "Incomplete", false,
                    "holds 00:01:36 of sound from a 00:00:08 source", "overlong", 96, 8},
        // Not when the source holds it all, past what its header says.
        OutcomeCase{"source past its header", false, GoodRun(), "Done", false, "", "", 5.9, 3, 2.9}),
    [](const auto& info) {
        std::string name = info.param.situation;
        for (char& c : name)
            c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        return name;
    });

TEST(RunEncoder, ShowsFramesSizeAndPercentInOrder)
{
    RunnerHarness harness;
    harness.encoder.script(Header() + Progress(123, 1234, "4.92") + Progress(750, 2000, "30.00") + "write 100\n");
    ASSERT_TRUE(harness.run());
    EXPECT_EQ(harness.files.history(0, FileColumn::Frames), (std::vector<std::string>{"123", "750"}));
    EXPECT_EQ(harness.files.history(0, FileColumn::Progress), (std::vector<std::string>{"8%", "50%", "Done"}));
    // The front end is told the numbers.
    EXPECT_EQ(harness.frontEnd.log(),
              (std::vector<std::string>{"progress 0 8% 123 frames 1234 kB", "size 1234", "bar 8",
                                        "progress 0 50% 750 frames 2000 kB", "size 2000", "bar 50", "bar 100",
                                        "bar reset"}));
}

TEST(RunEncoder, ShowsHundredPercentWhenTheDurationIsUnknown)
{
    RunnerHarness harness;
    harness.encoder.script(Header("N/A") + Progress(75, 10, "3.00") + "write 10\n");
    ASSERT_TRUE(harness.run());
    EXPECT_EQ(harness.files.history(0, FileColumn::Progress).front(), "100%");
    const auto log = harness.frontEnd.log();
    EXPECT_NE(std::find(log.begin(), log.end(), "bar 300"), log.end());
}

TEST(RunEncoder, JoinsAReportSplitAcrossReads)
{
    RunnerHarness harness;
    harness.encoder.script(Header() + "raw frame=321 fps=25 q=2.0 si\nsleep 400\nraw ze=4321kB time=45.00 bitrate=1kbits/s\\n\n"
                           + "write 100\n");
    ASSERT_TRUE(harness.run());
    EXPECT_EQ(harness.files.history(0, FileColumn::Frames), std::vector<std::string>{"321"});
    EXPECT_EQ(harness.files.history(0, FileColumn::Progress), (std::vector<std::string>{"75%", "Done"}));
    EXPECT_TRUE(harness.frontEnd.logHas("size 4321"));
}

TEST(RunEncoder, TakesALoneCarriageReturnAsALineEnd)
{
    RunnerHarness harness;
    harness.encoder.script(Header() + "raw frame=10 size=1kB time=6.00 \\rframe=20 size=2kB time=12.00 \\r\nwrite 100\n");
    ASSERT_TRUE(harness.run());
    EXPECT_EQ(harness.files.history(0, FileColumn::Frames), (std::vector<std::string>{"10", "20"}));
    EXPECT_EQ(harness.files.history(0, FileColumn::Progress), (std::vector<std::string>{"10%", "20%", "Done"}));
}

TEST(RunEncoder, SkipsLinesThatDoNotParseAndGoesOn)
{
    RunnerHarness harness;
    harness.encoder.script("print Input #0, avi, from '$IN':\n"
                           "print frame=5 size=1kB time=1.00 bitrate=1\n"   // no duration yet
                           "print   Duration: 00:00:05.00\n"                // no comma: not read
                           "print   Duration: 00:00:10.00, start: 0.000000\n"
                           "print timecode missing\n"                        // "time" without a number
                           + Progress(125, 50, "5.00") + "write 100\n");
    ASSERT_TRUE(harness.run());
    EXPECT_EQ(harness.files.history(0, FileColumn::Progress), (std::vector<std::string>{"50%", "Done"}));
    EXPECT_EQ(harness.files.history(0, FileColumn::Frames), (std::vector<std::string>{"5", "125"}));
}

TEST(RunEncoder, ConvertsAFileWhoseNameHoldsErrorWordsAndKeywords)
{
    RunnerHarness harness;
    const std::string input = harness.encoder.input("error: it failed at time 5 .avi");
    harness.encoder.script(GoodRun());
    ASSERT_TRUE(harness.run("\"" + harness.encoder.appDir() + "ridod2e\" -@ -y  -i \"" + input + "\" \""
                            + harness.request.outputPath + "\""));
    EXPECT_EQ(harness.files.history(0, FileColumn::Progress), (std::vector<std::string>{"50%", "100%", "Done"}));
    EXPECT_FALSE(harness.outcome.retryDue);
}

class RunEncoderErrorWord : public ::testing::TestWithParam<const char*> {};

TEST_P(RunEncoderErrorWord, EndsTheRunAndKillsTheEncoder)
{
    RunnerHarness harness;
    harness.encoder.script(ErrorRun(std::string("[mpeg4] ") + GetParam() + " here"));
    const auto started = std::chrono::steady_clock::now();
    ASSERT_TRUE(harness.run());
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(10));
    EXPECT_EQ(harness.progress(), "");
    EXPECT_TRUE(harness.outcome.retryDue);
    EXPECT_FALSE(StandInRunning(harness.encoder.appDir()));
}

INSTANTIATE_TEST_SUITE_P(EveryWord, RunEncoderErrorWord,
                         ::testing::Values("xpxframe", "clntcore.dll", "failed", "Unexpected", "error:",
                                           "Error while opening file", "exception encounter", "Unknown format"));

TEST(RunEncoder, WaitsForTheEncoderToEndAfterAnUnsupportedCodecOrARejectedFirstLine)
{
    for (const std::string& report : {Header() + "print Unsupported codec for output stream #0.0\n",
                                     std::string("print Cannot understand the input\n")}) {
        RunnerHarness harness;
        harness.encoder.script(report + "sleep 500\nwrite 10\npid ended\nexit 1\n");
        ASSERT_TRUE(harness.run());
        // The mark it leaves after its report proves the judgement waited;
        // what it wrote is gone with the failed run.
        EXPECT_TRUE(std::filesystem::exists(harness.encoder.file("ended"))) << report;
        EXPECT_TRUE(harness.outcome.retryDue);
        EXPECT_EQ(harness.progress(), "");
        EXPECT_TRUE(harness.outputs().empty());
    }
}

TEST(RunEncoder, ThumbnailRunsSkipTheProgressGrammarButNotTheErrorWords)
{
    RunnerHarness harness;
    harness.encoder.script(GoodRun());
    harness.request.thumbnail = true;
    harness.request.outputPath = harness.encoder.outputDir() + "/clip.THM";
    ASSERT_TRUE(harness.run());
    EXPECT_TRUE(harness.files.history(0, FileColumn::Frames).empty());
    // A good thumbnail leaves the row as its video ended.
    EXPECT_TRUE(harness.files.history(0, FileColumn::Progress).empty());
    EXPECT_EQ(harness.frontEnd.log(), (std::vector<std::string>{"bar 100", "bar reset"}));
    EXPECT_TRUE(harness.verifier.checks().at(0).still);
    EXPECT_EQ(harness.outputs(), std::vector<std::string>{"clip.THM"});

    harness.encoder.script(ErrorRun());
    harness.request.thumbnail = true;
    ASSERT_TRUE(harness.run());
    EXPECT_TRUE(harness.outcome.retryDue);
}

TEST(RunEncoder, FailsARowWhoseEncoderCannotStart)
{
    RunnerHarness harness;
    ASSERT_TRUE(harness.run("\"" + harness.encoder.appDir() + "missing-encoder\" -@ -y  -i \"x\" \""
                            + harness.request.outputPath + "\""));
    EXPECT_EQ(harness.progress(), "Failed");
    EXPECT_FALSE(harness.outcome.retryDue);
    EXPECT_EQ(harness.outcome.reason.text, "the encoder could not be started");
    EXPECT_TRUE(harness.frontEnd.log().empty());
    EXPECT_EQ(harness.files.history(0, FileColumn::Progress), std::vector<std::string>{"Failed"});
}

// Runs the encoder on a worker thread and asks it to stop after its first progress report.
void StopAfterFirstReport(RunnerHarness& harness)
{
    std::atomic<bool> done{false};
    std::thread worker([&] {
        harness.request.commandLine = harness.commandLine();
        harness.outcome = harness.runner.runEncoder(harness.request);
        done = true;
    });
    ASSERT_TRUE(QTest::qWaitFor([&] { return harness.files.history(0, FileColumn::Progress).size() == 1; }, 10000));
    harness.shared.stopRequested = true;
    ASSERT_TRUE(QTest::qWaitFor([&] { return done.load(); }, 10000));
    worker.join();
}

TEST(RunEncoder, KillsAnEncoderOnAStopRequest)
{
    RunnerHarness harness;
    harness.encoder.script(Header() + Progress(10, 10, "6.00") + "write 100\nhang\n");
    StopAfterFirstReport(harness);
    EXPECT_EQ(harness.progress(), "Aborted");
    EXPECT_TRUE(harness.outcome.stopped);
    EXPECT_EQ(harness.outcome.reason.text, "stopped");
    EXPECT_FALSE(StandInRunning(harness.encoder.appDir()));
    EXPECT_TRUE(harness.outputs().empty());
    const auto log = harness.frontEnd.log();
    EXPECT_EQ(std::count(log.begin(), log.end(), "bar 100"), 0);
}

// The encoder makes its output file before it prints the output's block.
TEST(RunEncoder, StopBeforeAnyOutputFileEndsAsFailed)
{
    RunnerHarness harness;
    const std::string header = Header();
    harness.encoder.script(header.substr(0, header.find("print Output #0")) + Progress(10, 10, "6.00") + "hang\n");
    StopAfterFirstReport(harness);
    EXPECT_EQ(harness.progress(), "Failed");
}

// A file that takes the output's name while the run goes on (another
// program's) is replaced only with overwrite on; else the output is numbered.
TEST(RunEncoder, PlacesItsOutputBesideAFileThatTookTheNameMeanwhile)
{
    for (const bool replaceExisting : {false, true}) {
        RunnerHarness harness;
        harness.encoder.script(GoodRun());
        harness.request.replaceExisting = replaceExisting;
        const std::string theirs = harness.encoder.outputDir() + "/clip.mp4";
        std::ofstream(theirs) << "theirs";
        ASSERT_TRUE(harness.run());
        EXPECT_EQ(harness.progress(), "Done") << replaceExisting;
        const std::string placed = replaceExisting ? "clip.mp4" : "clip-1.mp4";
        EXPECT_EQ(harness.outcome.placedPath, harness.encoder.outputDir() + "/" + placed);
        const std::vector<std::string> expected
            = replaceExisting ? std::vector<std::string>{"clip.mp4"} : std::vector<std::string>{"clip-1.mp4", "clip.mp4"};
        EXPECT_EQ(harness.outputs(), expected);
        EXPECT_EQ(ReadText(theirs) == "theirs", !replaceExisting);
    }
}

// Someone swapped the finished file for a link: the link is not given the
// output's name, and its target is not touched.
TEST(RunEncoder, PlacesOnlyARegularFileOfItsOwn)
{
    RunnerHarness harness;
    const std::string victim = harness.encoder.file("thesis.txt").string();
    std::ofstream(victim) << "thesis";
    harness.encoder.script(Header() + Progress(1500, 200, "60.00") + "link " + victim + "\n");
    harness.request.finalAttempt = true;
    ASSERT_TRUE(harness.run());
    EXPECT_EQ(harness.progress(), "Failed");
    EXPECT_EQ(harness.outcome.reason.text, "the output cannot be put in place: Operation not permitted");
    EXPECT_EQ(ReadText(victim), "thesis");
    EXPECT_TRUE(harness.outputs().empty());
}

// With overwrite on, only a regular file or the user's own is replaced: a
// folder that took the name stays, and the output is numbered beside it.
TEST(RunEncoder, OverwriteOnReplacesNoFolder)
{
    RunnerHarness harness;
    harness.encoder.script(GoodRun());
    std::filesystem::create_directory(harness.encoder.outputDir() + "/clip.mp4");
    ASSERT_TRUE(harness.run());
    EXPECT_EQ(harness.progress(), "Done");
    EXPECT_EQ(harness.outcome.placedPath, harness.encoder.outputDir() + "/clip-1.mp4");
    EXPECT_TRUE(std::filesystem::is_directory(harness.encoder.outputDir() + "/clip.mp4"));
}

// A flush repeats its frame count and time while the file grows: no stall.
TEST(RunEncoder, AGrowingSizeIsProgress)
{
    RunnerHarness harness(20);
    std::string script = Header();
    for (int size = 1; size <= 12; ++size)
        script += Progress(46, size * 50, "60.00") + "sleep 60\n";
    harness.encoder.script(script + "write 1000\n");
    ASSERT_TRUE(harness.run());
    EXPECT_EQ(harness.progress(), "Done");
    EXPECT_FALSE(harness.outcome.stalled);
}

struct StallCase {
    const char* situation;
    std::string script;
};

class RunEncoderStall : public ::testing::TestWithParam<StallCase> {};

TEST_P(RunEncoderStall, KillsAnEncoderWhoseProgressStopsMoving)
{
    RunnerHarness harness(20);
    harness.encoder.script(GetParam().script);
    harness.request.finalAttempt = true;
    ASSERT_TRUE(harness.run());
    EXPECT_EQ(harness.progress(), "Failed");
    EXPECT_EQ(harness.outcome.reason.text, "the encoder stopped making progress");
    EXPECT_TRUE(harness.outcome.stalled);
    EXPECT_FALSE(StandInRunning(harness.encoder.appDir()));
    EXPECT_TRUE(harness.outputs().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Stalls, RunEncoderStall,
    ::testing::Values(StallCase{"no output", scripts::Header() + scripts::Progress(5, 1, "1.00") + "hang\n"},
                      StallCase{"some output", scripts::Header() + scripts::Progress(5, 1, "1.00") + "write 50\nhang\n"},
                      StallCase{"padded counts", scripts::Header()
                                                     + "print frame=   5 fps=25 size=1kB time=1.00 \n"
                                                       "print frame=   6 fps=25 size=1kB time=2.00 \nhang\n"},
                      StallCase{"audio only", scripts::Header() + "print size=10kB time=1.00 \nwrite 50\nhang\n"}));

} // namespace
