#include "support/StandInAppDir.h"
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

// vantorel-cli beside the stand-in encoder, run as a user runs it.
struct CliRun {
    CliRun() { std::filesystem::copy_file(VANTOREL_CLI, encoder.temp().path() / "vantorel-cli"); }

    void start(QStringList arguments)
    {
        arguments.prepend(QString::fromStdString(encoder.outputDir()));
        arguments.prepend("--output-dir");
        process.setWorkingDirectory(QString::fromStdString(encoder.appDir()));
        process.start(QString::fromStdString(encoder.appDir() + "vantorel-cli"), arguments);
        ASSERT_TRUE(process.waitForStarted());
    }
    int finish()
    {
        EXPECT_TRUE(process.waitForFinished(60000));
        out = process.readAllStandardOutput().toStdString();
        err = process.readAllStandardError().toStdString();
        return process.exitCode();
    }
    std::vector<std::string> outLines() const
    {
        std::vector<std::string> lines;
        std::istringstream stream(out);
        for (std::string line; std::getline(stream, line);)
            lines.push_back(line);
        return lines;
    }
    std::string path(const std::string& name) const { return encoder.appDir() + name; }

    StandInAppDir encoder;
    QProcess process;
    std::string out;
    std::string err;
};

TEST(ConvertMode, ConvertsEachFileAndPrintsItsRowAndTheClosingMessage)
{
    CliRun cli;
    cli.encoder.input("a.avi");
    cli.encoder.input("b.avi");
    cli.encoder.script(GoodRun());
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
    EXPECT_EQ(first.back(), cli.encoder.outputDir() + "/a.mp4");
}

TEST(ConvertMode, EndsWithStatusOneWhenAFileIsNotDone)
{
    CliRun cli;
    cli.encoder.input("a.avi");
    cli.encoder.script(GoodRun());
    cli.start({"--source-size", "0 x 0", "a.avi", "gone.avi"});
    EXPECT_EQ(cli.finish(), 1);
    const auto lines = cli.outLines();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1], cli.path("gone.avi") + "\t0 x 0\t\t\tMP4\t\t");
    EXPECT_EQ(lines[2], "All Conversion Jobs Done!");
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
