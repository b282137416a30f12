// SPDX-License-Identifier: GPL-3.0-or-later
// Several jobs at once with the stand-in encoder: each stand-in that awaits
// the others' calls can only finish when they run at the same time.
#include "convert/ConversionRun.h"
#include "RecordingFrontEnd.h"
#include "RunnerHarness.h"
#include "StandInVerifier.h"
#include "core/JobsAtOnce.h"
#include "platform/ChildProcess.h"
#include "support/StandInAppDir.h"

#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

using namespace scripts;
using Texts = std::vector<std::string>;

struct Batch {
    Batch(const Texts& names, int jobs, int format = 0)
        : files(Rows(encoder, names))
        , frontEnd(ChoicesFor(format, encoder.outputDir(), encoder.appDir()), jobs)
        , run(shared, files.files, frontEnd, verifier)
    {
        shared.appDir = encoder.appDir();
        run.setCores(2);
    }
    static std::vector<FileRow> Rows(const StandInAppDir& encoder, const Texts& names)
    {
        std::vector<FileRow> rows;
        for (const auto& name : names)
            rows.push_back(Row(encoder.input(name), name.ends_with(".mp3") ? "MP3" : "MP4"));
        return rows;
    }
    bool finish() { return QTest::qWaitFor([this] { return !run.running(); }, 60000); }
    std::string progress(int row) const { return files.cell(row, FileColumn::Progress); }
    Texts outputs() const { return NamesIn(encoder.outputDir()); }

    StandInAppDir encoder;
    SharedState shared;
    RecordedFiles files;
    RecordingFrontEnd frontEnd;
    StandInVerifier verifier;
    ConversionRun run;
};

TEST(ParallelJobs, TwoAtOnceConvertEveryRowUnderNamesOfTheirOwnAndCloseAfterTheLast)
{
    for (const int jobs : {2, kAutoJobs}) {
        // a.avi and a.mkv would both make a.mp4.
        Batch batch({"a.avi", "a.mkv", "b.avi"}, jobs);
        batch.encoder.script(Header() + Progress(750, 100, "30.00") + "await-calls 2\n" + Progress(1500, 200, "60.00")
                             + "write 1000\n");
        batch.run.start();
        ASSERT_TRUE(batch.finish()) << jobs;
        for (int row = 0; row < 3; ++row)
            EXPECT_EQ(batch.progress(row), "Done") << row;
        EXPECT_EQ(batch.encoder.calls().size(), 3u); // none stalled and tried again
        EXPECT_EQ(batch.outputs(), (Texts{"a-1.mp4", "a.mp4", "b.mp4"}));
        // Each output was checked where it was written, no two in one place.
        const auto checks = batch.verifier.checks();
        ASSERT_EQ(checks.size(), 3u);
        EXPECT_NE(checks[0].outputPath, checks[1].outputPath);
        EXPECT_NE(checks[1].outputPath, checks[2].outputPath);
        EXPECT_NE(checks[0].outputPath, checks[2].outputPath);
        // The closing message comes once, after every row is done; the bar shows the batch.
        const auto log = batch.frontEnd.log();
        const auto message = std::find(log.begin(), log.end(), "info All Conversion Jobs Done!");
        ASSERT_NE(message, log.end());
        EXPECT_EQ(std::count_if(message, log.end(), [](const std::string& entry) { return entry.rfind("ended", 0) == 0; }),
                  0);
        // Up to its end the bar only grows: it shows no job's own percentage.
        const auto full = std::find(log.begin(), message, "bar 100");
        ASSERT_NE(full, message);
        std::vector<int> bar;
        for (auto entry = log.begin(); entry != full; ++entry) {
            if (entry->rfind("bar ", 0) == 0)
                bar.push_back(std::stoi(entry->substr(4)));
        }
        EXPECT_TRUE(std::is_sorted(bar.begin(), bar.end()));
        EXPECT_FALSE(batch.shared.isConverting);
    }
}

TEST(ParallelJobs, AutoStartsASecondHdJobOnlyBesideMeasuredIdleProcessors)
{
    // Format 15's 1280 x 720 H.264 is expected to fill both cores; each script
    // lets a job end only if the second ran beside it, or only if it did not.
    for (const auto& [idle, script] : {std::pair{0.3, "await-calls 2\n"}, std::pair{0.1, "sleep 1500\nalone\n"}}) {
        Batch batch({"a.avi", "b.avi"}, kAutoJobs, 15);
        batch.run.setIdleMeter([measured = idle] { return measured; });
        batch.encoder.script(Header() + Progress(10, 10, "6.00") + script + "write 1000\n");
        batch.run.start();
        ASSERT_TRUE(batch.finish()) << idle;
        EXPECT_EQ((Texts{batch.progress(0), batch.progress(1)}), (Texts{"Done", "Done"})) << idle;
    }
}

TEST(ParallelJobs, AStopEndsEveryRunningJobAndOnlyTheEncodersTheyStarted)
{
    // An encoder of someone else's, from another folder.
    StandInAppDir other;
    other.script("hang\n");
    platform::ChildProcess bystander;
    ASSERT_TRUE(bystander.start("\"" + other.appDir() + "ridod2e\" -i x \"y\"", other.appDir(), other.appDir()));

    Batch batch({"a.avi", "b.avi", "c.avi"}, 2);
    batch.frontEnd.shutdown = true;
    batch.encoder.script(Header() + Progress(10, 10, "6.00") + "write 100\nhang\n");
    batch.run.start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return batch.progress(0) == "10%" && batch.progress(1) == "10%"; }, 20000));
    ASSERT_TRUE(batch.run.stopAccepted());
    batch.run.stop();
    ASSERT_TRUE(batch.finish());
    EXPECT_EQ(batch.progress(0), "Aborted");
    EXPECT_EQ(batch.progress(1), "Aborted");
    EXPECT_EQ(batch.progress(2), "");
    EXPECT_EQ(batch.encoder.calls().size(), 2u);
    EXPECT_TRUE(batch.outputs().empty());
    EXPECT_FALSE(StandInRunning(batch.encoder.appDir()));
    EXPECT_TRUE(StandInRunning(other.appDir()));
    EXPECT_TRUE(batch.frontEnd.messages.shown.empty());
    EXPECT_FALSE(batch.frontEnd.logHas("batch ended, countdown"));
    EXPECT_EQ(batch.frontEnd.bar(), 0);
    bystander.kill();
    bystander.wait();
}

} // namespace
