// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/ConversionRun.h"
#include "convert/WorkerTask.h"
#include "core/Texts.h"
#include "RecordingFrontEnd.h"
#include "RunnerHarness.h"
#include "StandInVerifier.h"
#include "support/TextFile.h"
#include "support/StandInAppDir.h"

#include <QTest>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>

namespace {

using namespace scripts;
using Texts = std::vector<std::string>;
constexpr int kPspVideo = 12;
using RowMaker = std::function<std::vector<FileRow>(const StandInAppDir&)>;

// Checked MP4 rows for input files of these names.
// The hidden name a run writes to before its output is judged good.
bool IsPartialOf(const std::string& path, const std::string& target)
{
    const std::filesystem::path hidden(path);
    const std::filesystem::path wanted(target);
    return hidden.parent_path() == wanted.parent_path() && hidden.extension() == wanted.extension()
        && hidden.filename().string().starts_with("." + wanted.stem().string() + ".partial-");
}

RowMaker Inputs(const Texts& names)
{
    return [names](const StandInAppDir& encoder) {
        std::vector<FileRow> rows;
        for (const auto& name : names)
            rows.push_back(Row(encoder.input(name)));
        return rows;
    };
}

ConversionChoices Overwriting(ConversionChoices choices, bool overwrite)
{
    choices.overwrite = overwrite;
    return choices;
}

// A conversion run over recorded rows and the stand-in encoder.
struct QueueHarness {
    explicit QueueHarness(const RowMaker& rows, int format = 0, const std::string& outputSubdir = "out",
                          bool overwrite = false)
        : files(rows(encoder))
        , frontEnd(Overwriting(ChoicesFor(format, encoder.appDir() + outputSubdir, encoder.appDir()), overwrite))
        , run(shared, files.files, frontEnd, verifier)
    {
        shared.appDir = encoder.appDir();
        run.stallWatch().timer().setInterval(50);
    }

    bool convert()
    {
        run.start();
        return finish();
    }
    bool finish() { return QTest::qWaitFor([this] { return !run.running(); }, 60000); }
    std::string progress(int row) const { return files.cell(row, FileColumn::Progress); }
    Texts progressHistory(int row) const { return files.history(row, FileColumn::Progress); }
    std::string input(int row) const { return files.row(row).caption; }
    Reason reason(int row) const { return files.row(row).reason; }
    long countdowns() const
    {
        const auto log = frontEnd.log();
        return std::count(log.begin(), log.end(), "batch ended, countdown");
    }
    Texts infos() const
    {
        Texts texts;
        for (const auto& shown : frontEnd.messages.shown)
            texts.push_back(shown.text);
        return texts;
    }
    std::string output(const std::string& name) const { return encoder.outputDir() + "/" + name; }
    // The input argument of each encoder call.
    Texts inputArguments() const
    {
        Texts arguments;
        for (const auto& call : encoder.calls()) {
            const auto at = std::find(call.begin(), call.end(), "-i");
            arguments.push_back(at + 1 < call.end() ? *(at + 1) : "");
        }
        return arguments;
    }
    bool logHas(const std::string& entry) const { return frontEnd.logHas(entry); }

    StandInAppDir encoder;
    SharedState shared;
    RecordedFiles files;
    RecordingFrontEnd frontEnd;
    StandInVerifier verifier;
    ConversionRun run;
};

TEST(ConversionQueue, ConvertsEveryCheckedRowWhoseFileStillExists)
{
    QueueHarness harness(Inputs({"one.avi", "two.avi", "three.avi"}));
    std::filesystem::remove(harness.input(1));
    harness.encoder.script(GoodRun());

    ASSERT_TRUE(harness.convert());
    EXPECT_EQ(harness.progress(0), "Done");
    EXPECT_EQ(harness.progress(1), "");
    EXPECT_EQ(harness.progress(2), "Done");
    EXPECT_TRUE(std::filesystem::exists(harness.output("one.mp4")));
    EXPECT_FALSE(std::filesystem::exists(harness.output("two.mp4")));
    EXPECT_TRUE(std::filesystem::exists(harness.output("three.mp4")));
    EXPECT_EQ(harness.encoder.calls().size(), 2u);
    EXPECT_EQ(harness.infos(), Texts{"All Conversion Jobs Done!"});
    EXPECT_EQ(harness.frontEnd.choicesTaken, 3);  // every row is built, present or not
    EXPECT_FALSE(harness.shared.isConverting);
    EXPECT_EQ(harness.countdowns(), 0);
}

TEST(ConversionQueue, LocksAndReleasesTheControlsInOrder)
{
    QueueHarness harness(Inputs({"one.avi"}));
    harness.encoder.script(GoodRun());
    ASSERT_TRUE(harness.convert());
    Texts steps;
    for (const auto& entry : harness.frontEnd.log()) {
        if (entry.rfind("batch", 0) == 0 || entry.rfind("job", 0) == 0 || entry.rfind("info", 0) == 0)
            steps.push_back(entry);
    }
    EXPECT_EQ(steps, (Texts{"batch started", "job 0", "info All Conversion Jobs Done!", "batch ended"}));
}

TEST(ConversionQueue, BuildsUncheckedRowsButDoesNotConvertThem)
{
    QueueHarness harness([](const StandInAppDir& encoder) {
        return std::vector<FileRow>{Row(encoder.input("a.avi"), "MP4", false), Row(encoder.input("b.avi"))};
    });
    harness.encoder.script(GoodRun());
    ASSERT_TRUE(harness.convert());
    EXPECT_EQ(harness.frontEnd.choicesTaken, 2);
    EXPECT_EQ(harness.progress(0), "");
    EXPECT_EQ(harness.progress(1), "Done");
    EXPECT_EQ(harness.encoder.calls().size(), 1u);
}

// A list with no row to convert says so and starts no encoder nor countdown.
TEST(ConversionQueue, SaysSoWhenTheListIsEmptyOrNoRowIsChecked)
{
    for (const bool empty : {true, false}) {
        QueueHarness harness([empty](const StandInAppDir& encoder) {
            return empty ? std::vector<FileRow>{} : std::vector<FileRow>{Row(encoder.input("a.avi"), "MP4", false)};
        });
        harness.frontEnd.shutdown = true;
        ASSERT_TRUE(harness.convert());
        EXPECT_EQ(harness.infos(), Texts{empty ? "There is no file to convert!"
                                               : "Please check the checkbox of the file you want to convert!"});
        EXPECT_TRUE(harness.encoder.calls().empty());
        EXPECT_EQ(harness.frontEnd.choicesTaken, 0);
        EXPECT_TRUE(harness.logHas("batch ended"));
    }
}

TEST(ConversionQueue, StopsAtAMissingRequiredFileWithoutTheEndSteps)
{
    QueueHarness harness(Inputs({"a.avi"}));
    std::filesystem::remove(harness.encoder.appDir() + "ridod2e");
    ASSERT_TRUE(harness.convert());
    EXPECT_EQ(harness.infos(), Texts{"A required file is missing!\nPlease re-install this software"});
    EXPECT_FALSE(harness.logHas("batch ended"));
}

struct RetryCase {
    const char* name;
    bool firstAlt;
    bool secondAlt;
    bool secondQuickTime;
};

class ConversionQueueRetry : public ::testing::TestWithParam<RetryCase> {};

TEST_P(ConversionQueueRetry, RetriesOnceWithOtherInputOptions)
{
    const auto& item = GetParam();
    QueueHarness harness(Inputs({item.name}));
    harness.encoder.script(1, ErrorRun());
    harness.encoder.script(2, "require-absent\n" + GoodRun());
    ASSERT_TRUE(harness.convert());

    const auto calls = harness.encoder.calls();
    ASSERT_EQ(calls.size(), 2u);
    const auto inputs = harness.inputArguments();
    EXPECT_EQ(inputs[0].rfind("DS:\\\\", 0) == 0, item.firstAlt) << inputs[0];
    EXPECT_EQ(inputs[1].rfind("DS:\\\\", 0) == 0, item.secondAlt) << inputs[1];
    EXPECT_EQ(std::find(calls[1].begin(), calls[1].end(), "qt") != calls[1].end(), item.secondQuickTime);
    const auto history = harness.progressHistory(0);
    EXPECT_EQ(history.back(), "Done");
    EXPECT_NE(std::find(history.begin(), history.end(), "Re-scan"), history.end());
    EXPECT_TRUE(harness.logHas("run 0 2"));
}

INSTANTIATE_TEST_SUITE_P(ByExtension, ConversionQueueRetry,
                         ::testing::Values(RetryCase{"clip.rmvb", true, false, false},
                                           RetryCase{"clip.RM", true, false, false},
                                           RetryCase{"clip.mov", false, false, true},
                                           RetryCase{"clip.avi", false, true, false}),
                         [](const auto& info) {
                             std::string name = info.param.name;
                             std::replace(name.begin(), name.end(), '.', '_');
                             return name;
                         });

TEST(ConversionQueue, AFailedSecondAttemptIsNotRetried)
{
    QueueHarness harness(Inputs({"clip.avi"}));
    harness.encoder.script(ErrorRun());
    ASSERT_TRUE(harness.convert());
    EXPECT_EQ(harness.encoder.calls().size(), 2u);
    EXPECT_EQ(harness.progress(0), "Failed");
    EXPECT_EQ(harness.infos(), Texts{"0 files converted, 1 failed. See the conversion log."});
}

TEST(ConversionQueue, AddsAThumbnailRunAfterAGoodVideoRun)
{
    QueueHarness harness(Inputs({"clip.avi"}), kPspVideo);
    harness.encoder.script(GoodRun());
    ASSERT_TRUE(harness.convert());
    const auto calls = harness.encoder.calls();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_TRUE(IsPartialOf(calls[0].back(), harness.output("clip.mp4"))) << calls[0].back();
    EXPECT_TRUE(IsPartialOf(calls[1].back(), harness.output("clip.THM"))) << calls[1].back();
    EXPECT_TRUE(std::filesystem::exists(harness.output("clip.mp4")));
    EXPECT_TRUE(std::filesystem::exists(harness.output("clip.THM")));
    EXPECT_EQ(harness.progress(0), "Done");
}

TEST(ConversionQueue, AThumbnailThatCannotBeMadeLeavesTheVideoDoneAndConvertsNothingAgain)
{
    QueueHarness harness(Inputs({"clip.avi"}), kPspVideo);
    harness.encoder.script(1, GoodRun());
    harness.encoder.script(2, ErrorRun("error: no picture to take"));
    ASSERT_TRUE(harness.convert());
    EXPECT_EQ(harness.encoder.calls().size(), 2u);
    EXPECT_EQ(harness.progress(0), "Done");
    EXPECT_EQ(harness.reason(0), (Reason{ReasonCode::NoThumbnail, "the thumbnail could not be made"}));
}

TEST(ConversionQueue, RunsTheThumbnailAfterTheSecondAttemptWhateverItsOutcome)
{
    QueueHarness harness(Inputs({"clip.avi"}), kPspVideo);
    harness.encoder.script(1, ErrorRun());
    harness.encoder.script(2, ErrorRun());
    harness.encoder.script(3, GoodRun());
    ASSERT_TRUE(harness.convert());
    const auto calls = harness.encoder.calls();
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_TRUE(IsPartialOf(calls[2].back(), harness.output("clip.THM"))) << calls[2].back();
    EXPECT_EQ(harness.progress(0), "Failed");
    EXPECT_FALSE(std::filesystem::exists(harness.output("clip.mp4")));
}

// Names are data: a quote, a trailing backslash or blank reach the encoder
// as they are.
TEST(ConversionQueue, PassesEveryNameAsItIs)
{
    const Texts names = {"say \"hi\".avi", "ends in \\", "song.avi "};
    QueueHarness harness(Inputs(names));
    harness.encoder.script(GoodRun());
    ASSERT_TRUE(harness.convert());
    const Texts inputs = harness.inputArguments();
    ASSERT_EQ(inputs.size(), names.size());
    for (std::size_t row = 0; row < names.size(); ++row) {
        EXPECT_EQ(harness.progress(static_cast<int>(row)), "Done") << names[row];
        EXPECT_EQ(std::filesystem::path(inputs[row]).filename(), names[row]);
    }
}

TEST(ConversionQueue, SaysSoAndEndsTheWalkWhenTheOutputFolderCannotBeMade)
{
    QueueHarness harness(Inputs({"a.avi", "b.avi"}), 0, "missing/parent/out");
    ASSERT_TRUE(harness.convert());
    EXPECT_EQ(harness.infos(),
              Texts{"Fail to create directory. Please choose a different directory \n\rand give the directory a new name"});
    EXPECT_EQ(harness.progress(0), "Failed");
    EXPECT_EQ(harness.reason(0),
              (Reason{ReasonCode::FolderNotMade, "output folder cannot be created: No such file or directory"}));
    EXPECT_EQ(harness.progress(1), "");
    EXPECT_TRUE(harness.encoder.calls().empty());
    EXPECT_TRUE(harness.logHas("batch ended"));
    EXPECT_FALSE(harness.shared.isConverting);
}

// With the power-off option the countdown takes the closing message's
// place, once a job has reached the encoder.
TEST(ConversionQueue, HandsOverToTheCountdownInsteadOfTheClosingMessage)
{
    for (const bool inputThere : {true, false}) {
        QueueHarness harness(Inputs({"a.avi"}));
        harness.frontEnd.shutdown = true;
        harness.encoder.script(GoodRun());
        if (!inputThere)
            std::filesystem::remove(harness.input(0));
        ASSERT_TRUE(harness.convert());
        EXPECT_TRUE(harness.infos().empty());
        EXPECT_EQ(harness.countdowns(), inputThere ? 1 : 0);
    }
}

TEST(ConversionQueue, StopEndsTheRunAndItsJobWithoutCountdown)
{
    QueueHarness harness(Inputs({"a.avi", "b.avi"}));
    harness.frontEnd.shutdown = true;
    harness.encoder.script(Header() + Progress(10, 10, "6.00") + "write 100\nhang\n");
    EXPECT_FALSE(harness.run.stopAccepted());
    harness.run.start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !harness.progressHistory(0).empty(); }, 10000));
    ASSERT_TRUE(harness.run.stopAccepted());
    harness.run.stop();
    ASSERT_TRUE(harness.finish());
    EXPECT_EQ(harness.progress(0), "Aborted");
    EXPECT_EQ(harness.reason(0), (Reason{ReasonCode::Stopped, "stopped"}));
    EXPECT_FALSE(std::filesystem::exists(harness.output("a.mp4")));
    EXPECT_TRUE(std::filesystem::is_empty(harness.encoder.outputDir()));
    EXPECT_EQ(harness.progress(1), "");
    EXPECT_EQ(harness.encoder.calls().size(), 1u);
    EXPECT_EQ(harness.countdowns(), 0);
    EXPECT_TRUE(harness.infos().empty());
    EXPECT_TRUE(harness.run.findChild<WorkerTask*>("BMDThreadConvertNow")->endedByStop());
    EXPECT_EQ(harness.frontEnd.bar(), 0);
}

TEST(ConversionQueue, AStopAgreedAfterTheWalkEndedIsClearedByTheNextRun)
{
    QueueHarness harness(Inputs({"a.avi"}));
    harness.encoder.script(GoodRun());
    harness.run.stop();
    EXPECT_TRUE(harness.shared.stopRequested);
    ASSERT_TRUE(harness.convert());
    EXPECT_EQ(harness.progress(0), "Done");
    EXPECT_FALSE(harness.shared.stopRequested);
}

TEST(ConversionQueue, AStopStartsNoFurtherRunNotEvenADueThumbnail)
{
    QueueHarness harness(Inputs({"a.avi"}), kPspVideo);
    harness.encoder.script(1, Header() + Progress(10, 10, "6.00") + "write 100\nhang\n");
    harness.encoder.script(2, "print Input #0, avi, from '$IN':\nwrite 10\n");
    harness.run.start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !harness.progressHistory(0).empty(); }, 10000));
    harness.run.stop();
    ASSERT_TRUE(harness.finish());
    EXPECT_EQ(harness.encoder.calls().size(), 1u);
    EXPECT_FALSE(std::filesystem::exists(harness.output("a.THM")));
}

TEST(ConversionQueue, DestroyingARunningConversionStopsItWithoutFurtherJobsOrMessages)
{
    StandInAppDir encoder;
    encoder.script(Header() + Progress(10, 10, "6.00") + "write 100\nhang\n");
    SharedState shared;
    shared.appDir = encoder.appDir();
    RecordedFiles files(Inputs({"one.avi", "two.avi", "three.avi"})(encoder));
    RecordingFrontEnd frontEnd(ChoicesFor(0, encoder.outputDir(), encoder.appDir()));
    StandInVerifier verifier;
    auto run = std::make_unique<ConversionRun>(shared, files.files, frontEnd, verifier);
    run->start();
    // The first job's encoder has reported.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !files.history(0, FileColumn::Progress).empty(); }, 10000));
    run.reset();
    EXPECT_EQ(encoder.calls().size(), 1u);
    EXPECT_FALSE(StandInRunning(encoder.appDir()));
    EXPECT_TRUE(frontEnd.messages.shown.empty());
    EXPECT_FALSE(frontEnd.logHas("batch ended, countdown"));
}

TEST(ConversionQueue, EveryRowThatIsNotDoneSaysWhyAndTheClosingMessageCounts)
{
    // Only the third job's outputs fall short of the one minute its row says it lasts.
    QueueHarness harness([](const StandInAppDir& encoder) {
        auto rows = Inputs({"good.avi", "bad.avi", "short.avi", "gone.avi"})(encoder);
        rows[0].cell(FileColumn::Duration) = "00:00:20";
        rows[2].cell(FileColumn::Duration) = "00:01:00";
        return rows;
    });
    std::filesystem::remove(harness.input(3));
    harness.encoder.script(1, GoodRun());
    harness.encoder.script(2, ErrorRun("error: cannot read the input: Input/output error"));
    harness.encoder.script(3, ErrorRun("error: cannot read the input: Input/output error"));
    harness.encoder.script(4, GoodRun());
    harness.encoder.script(5, GoodRun());
    harness.verifier.seconds = 20;
    ASSERT_TRUE(harness.convert());

    const auto rows = harness.files.files.rows();
    EXPECT_EQ(harness.progress(0), "Done");
    EXPECT_EQ(rows[0].reason, Reason{});
    EXPECT_EQ(harness.progress(1), "Failed");
    EXPECT_EQ(rows[1].reason, (Reason{ReasonCode::EncoderError, "error: cannot read the input: Input/output error"}));
    EXPECT_EQ(harness.progress(2), "Incomplete");
    EXPECT_EQ(rows[2].reason, (Reason{ReasonCode::Incomplete, "holds 00:00:20 of 00:01:00"}));
    EXPECT_TRUE(std::filesystem::exists(harness.output("short.mp4")));
    EXPECT_EQ(harness.progress(3), "");
    EXPECT_EQ(rows[3].reason, (Reason{ReasonCode::NoSuchFile, "no such file"}));
    EXPECT_TRUE(harness.logHas("ended 1 Failed encoder_error"));
    EXPECT_EQ(harness.infos(), Texts{"1 file converted, 1 incomplete, 1 failed. See the conversion log."});

    // One log entry per run of the encoder, with what it was told and said.
    const auto log = harness.frontEnd.runLog();
    ASSERT_EQ(log.size(), 4u);
    Texts outcomes;
    for (const auto& record : log)
        outcomes.push_back(record.outcome);
    EXPECT_EQ(outcomes, (Texts{"Done", "Failed", "Failed", "Incomplete"}));
    EXPECT_EQ(log[1].file, harness.input(1));
    EXPECT_EQ(log[1].reason, rows[1].reason.text);
    EXPECT_NE(log[1].commandLine.find("\"" + harness.output("bad.mp4") + "\""), std::string::npos) << log[1].commandLine;
    EXPECT_EQ(log[1].lastLines.back(), "error: cannot read the input: Input/output error");
    // Each attempt starts with an empty Frames cell.
    EXPECT_EQ(harness.files.history(1, FileColumn::Frames), (Texts{"10", "", "10"}));
}

// The output folder as "name=what": "input", "existing" or "made" (by the stand-in).
Texts Listing(const std::string& dir)
{
    Texts names;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        const std::string text = ReadText(entry.path());
        names.push_back(entry.path().filename().string() + "=" + (text[0] == 'x' ? "made" : text.substr(0, text.find(' '))));
    }
    std::sort(names.begin(), names.end());
    return names;
}

// With overwriting on, rows whose inputs lie in the output folder: no job
// writes over another row's input or an earlier job's output, and a failed
// job leaves a file that was there as it was.
TEST(ConversionQueue, OverwritingLosesNoFileThatIsNotTheJobsOwn)
{
    const struct {
        Texts inputs;
        std::string script;
        Texts after;
    } cases[] = {
        {{"clip.avi"}, ErrorRun(), {"clip.avi=input", "clip.mp4=existing"}},
        {{"clip.avi"}, Header() + "write 100\ndie\n", {"clip.avi=input", "clip.mp4=existing"}},
        {{"clip.avi"}, GoodRun(), {"clip.avi=input", "clip.mp4=made"}},
        {{"a.avi", "a.mp4"}, GoodRun(), {"a-1.mp4=made", "a-2.mp4=made", "a.avi=input", "a.mp4=input"}},
        {{"a.avi", "a.mkv"}, GoodRun(), {"a-1.mp4=made", "a.avi=input", "a.mkv=input", "a.mp4=made"}},
    };
    for (const auto& c : cases) {
        QueueHarness harness([&c](const StandInAppDir& encoder) {
            std::vector<FileRow> rows;
            for (const auto& name : c.inputs)
                rows.push_back(Row(WriteText(encoder.outputDir() + "/" + name, "input " + name)));
            if (c.inputs.size() == 1)
                WriteText(encoder.outputDir() + "/clip.mp4", "existing clip.mp4");
            return rows;
        }, 0, "out", true);
        harness.encoder.script(c.script);
        ASSERT_TRUE(harness.convert());
        EXPECT_EQ(Listing(harness.encoder.outputDir()), c.after);
    }
}

} // namespace
