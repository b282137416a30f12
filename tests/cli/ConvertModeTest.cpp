#include "CliRun.h"
#include "core/cmdline/OutputNaming.h"
#include "support/MediaClips.h"
#include "support/MediaFixtures.h"
#include "support/TempDir.h"

#include <QProcess>
#include <QTest>
#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>

namespace {

using namespace scripts;

TEST(ConvertMode, ConvertsEachFileAndPrintsItsRowAndTheClosingMessage)
{
    CliRun cli;
    cli.encoder.input("a.avi");
    cli.encoder.input("b.avi");
    cli.encoder.script(GoodMediaRun(clips::TwoSecondMp4()));
    cli.start({"--source-size", "640 x 352", "a.avi", "b.avi"});
    EXPECT_EQ(cli.finish(), 0);
    EXPECT_EQ(cli.outLines(), (std::vector<std::string>{cli.path("a.avi") + "\t640 x 352\t\t\tMP4\tDone\t1500",
                                                         cli.path("b.avi") + "\t640 x 352\t\t\tMP4\tDone\t1500",
                                                         "All Conversion Jobs Done!"}));
    EXPECT_NE(cli.err.find("\ra.avi [###############---------------] 50%"), std::string::npos) << cli.err;
    EXPECT_NE(cli.err.find("\rb.avi [##############################] Done"), std::string::npos) << cli.err;
    EXPECT_TRUE(std::filesystem::exists(cli.encoder.outputDir() + "/a.mp4"));
    // The default iPod profile letterboxes the given source size.
    const auto first = cli.encoder.calls().at(0);
    EXPECT_NE(std::find(first.begin(), first.end(), "-padtop"), first.end());
    // The encoder writes beside the output and the file takes its name once judged good.
    EXPECT_EQ(std::filesystem::path(first.back()).parent_path(), cli.encoder.outputDir());
    EXPECT_EQ(std::filesystem::path(first.back()).extension(), ".mp4");
    EXPECT_EQ(cli.err.find("vantorel-cli: "), std::string::npos) << cli.err;
}

TEST(ConvertMode, EndsWithStatusOneWhenAFileIsNotDone)
{
    CliRun cli;
    cli.encoder.input("a.avi");
    cli.encoder.script(GoodMediaRun(clips::TwoSecondMp4()));
    cli.start({"--source-size", "0 x 0", "a.avi", "gone.avi"});
    EXPECT_EQ(cli.finish(), 1);
    const auto lines = cli.outLines();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1], cli.path("gone.avi") + "\t0 x 0\t\t\tMP4\t\t");
    EXPECT_EQ(lines[2], "All Conversion Jobs Done!");
    EXPECT_NE(cli.err.find("\nvantorel-cli: " + cli.path("gone.avi") + ": the input file no longer exists\n"),
              std::string::npos)
        << cli.err;
}

TEST(ConvertMode, CtrlCStopsTheConversions)
{
    CliRun cli;
    cli.encoder.input("a.avi");
    cli.encoder.input("b.avi");
    cli.encoder.script(Header() + Progress(10, 10, "6.00") + "write 100\nhang\n");
    cli.start({"--source-size", "0 x 0", "a.avi", "b.avi"});
    ASSERT_TRUE(QTest::qWaitFor([&] { return cli.process.readAllStandardError().contains("10%"); }, 10000));
    ::kill(static_cast<pid_t>(cli.process.processId()), SIGINT);
    EXPECT_EQ(cli.finish(), 1);
    const auto lines = cli.outLines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], cli.path("a.avi") + "\t0 x 0\t\t\tMP4\tAborted\t10");
    EXPECT_EQ(lines[1], cli.path("b.avi") + "\t0 x 0\t\t\tMP4\t\t");
    EXPECT_EQ(cli.encoder.calls().size(), 1u);
    // Nothing is left under the output's name, nor under any other.
    EXPECT_TRUE(std::filesystem::is_empty(cli.encoder.outputDir()));
    EXPECT_NE(cli.err.find("vantorel-cli: " + cli.path("a.avi") + ": stopped\n"), std::string::npos) << cli.err;
}

TEST(ConvertMode, MeasuresEachFileAsAddFilesDoesWhenNoSourceSizeIsGiven)
{
    TempDir work;
    fixtures::ClipSettings clipSettings = fixtures::ClipFor("avi");
    clipSettings.width = 640;
    clipSettings.height = 352;
    const auto clip = work.path() / "clip.avi";
    fixtures::MakeClip(clip, clipSettings);
    QProcess cli;
    cli.start(QString(qgetenv("VANTOREL_APPDIR")) + "vantorel-cli",
              {"--output-dir", QString::fromStdString((work.path() / "out").string()), QString::fromStdString(clip.string())});
    ASSERT_TRUE(cli.waitForFinished(120000));
    EXPECT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
    const std::string out = cli.readAllStandardOutput().toStdString();
    EXPECT_EQ(out.rfind(clip.string() + "\t640 x 352\t25\t00:00:02\tMP4\tDone\t", 0), 0u) << out;
    // The measured size letterboxes the iPod frame.
    EXPECT_EQ(fixtures::ReadMedia(work.path() / "out" / "clip.mp4").streams.at(0).height, 240);
}

TEST(ConvertMode, RefusesAnAttemptWithoutDryRun)
{
    CliRun cli;
    cli.start({"--attempt", "2", "a.avi"});
    EXPECT_EQ(cli.finish(), 2);
    EXPECT_NE(cli.err.find("--attempt goes with --dry-run"), std::string::npos);
}

} // namespace
