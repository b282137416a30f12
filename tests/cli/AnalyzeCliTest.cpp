// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/MediaClips.h"
#include "support/StandInAppDir.h"

#include <QProcess>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

struct ToolRun {
    int status = -1;
    std::string out;
    std::string err;
};

// The tool copied beside a stand-in encoder, so that it finds that encoder
// in its own folder.
class AnalyzeCli : public ::testing::Test {
protected:
    AnalyzeCli()
    {
        const std::filesystem::path built = qEnvironmentVariable("VANTOREL_APPDIR").toStdString() + "vantorel-cli";
        std::filesystem::copy_file(built, encoder.file("vantorel-cli"));
    }

    ToolRun Run(const QStringList& arguments)
    {
        QProcess process;
        process.start(QString::fromStdString(encoder.file("vantorel-cli").string()), arguments);
        EXPECT_TRUE(process.waitForFinished(60000));
        ToolRun run;
        run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        run.out = process.readAllStandardOutput().toStdString();
        run.err = process.readAllStandardError().toStdString();
        return run;
    }

    StandInAppDir encoder{scripts::kClipDescription, ""};
};

TEST_F(AnalyzeCli, PrintsOneRowPerFile)
{
    const std::string clip = clips::NinetySecondAvi();
    const std::string notes = clips::Folder().write("notes.dat", "no pictures in here\n").string();
    const ToolRun run = Run({"--analyze", QString::fromStdString(clip), QString::fromStdString(notes)});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, clip + "\t640 x 352\t25\t00:01:30\tMP4\n" + notes + "\t320 x 240\t25\t00:01:23\tMP4\n");
    EXPECT_EQ(encoder.calls().size(), 1u);
}

TEST_F(AnalyzeCli, TheOutputCellIsTheTagOfTheChosenFormat)
{
    const std::string clip = clips::Clip("short.avi", clips::SilentAvi(160, 120, {25, 1}, 2));
    EXPECT_EQ(Run({"--format", "26", "--analyze", QString::fromStdString(clip)}).out, clip + "\t160 x 120\t25\t00:00:02\tAVI\n");
    EXPECT_EQ(Run({"--format", "7", "--analyze", QString::fromStdString(clip)}).out, clip + "\t160 x 120\t25\t00:00:02\tMP4\n");
}

TEST_F(AnalyzeCli, ARelativePathIsShownInFull)
{
    const std::string clip = clips::Clip("short.avi", clips::SilentAvi(160, 120, {25, 1}, 2));
    QProcess process;
    process.setWorkingDirectory(QString::fromStdString(clips::Folder().path().string()));
    process.start(QString::fromStdString(encoder.file("vantorel-cli").string()), {"--analyze", "short.avi"});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.readAllStandardOutput().toStdString(), clip + "\t160 x 120\t25\t00:00:02\tMP4\n");
}

TEST_F(AnalyzeCli, AMissingFileIsReportedAndTheOthersAreMeasured)
{
    const std::string clip = clips::Clip("short.avi", clips::SilentAvi(160, 120, {25, 1}, 2));
    const std::string missing = (clips::Folder().path() / "missing.avi").string();
    const ToolRun run = Run({"--analyze", QString::fromStdString(missing), QString::fromStdString(clip)});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, clip + "\t160 x 120\t25\t00:00:02\tMP4\n");
    EXPECT_NE(run.err.find(missing), std::string::npos);
}

TEST_F(AnalyzeCli, AMissingEncoderMeasuresNothing)
{
    std::filesystem::remove(encoder.file("ridod2e"));
    const ToolRun run = Run({"--analyze", QString::fromStdString(clips::NinetySecondAvi())});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("a required file is missing"), std::string::npos);
}

TEST_F(AnalyzeCli, TakesNoChoicesButTheFormat)
{
    const ToolRun run = Run({"--analyze", "--video-bitrate", "1200 Kbps", "a.avi"});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("--analyze takes no choices but --format"), std::string::npos);
    EXPECT_EQ(Run({"--analyze"}).status, 2);
    EXPECT_EQ(Run({"--analyze", "--dry-run", "a.avi"}).status, 2);
}

} // namespace
