// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliRun.h"
#include "core/cmdline/OutputNaming.h"
#include "support/MediaClips.h"
#include "support/MediaFixtures.h"
#include "support/TempDir.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>
#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <pty.h>
#include <sstream>
#include <unistd.h>

namespace {

using namespace scripts;

TEST(ConvertMode, ConvertsEachFileAndPrintsItsRowThenTheClosingMessageOnStandardError)
{
    CliRun cli;
    cli.encoder.input("a.avi");
    cli.encoder.input("b.avi");
    cli.encoder.script(GoodMediaRun(clips::TwoSecondMp4()));
    cli.start({"--source-size", "640 x 352", "a.avi", "b.avi"});
    EXPECT_EQ(cli.finish(), 0);
    EXPECT_EQ(cli.outLines(), (std::vector<std::string>{cli.path("a.avi") + "\t640 x 352\t\t\tMP4\tDone\t1500\t0",
                                                         cli.path("b.avi") + "\t640 x 352\t\t\tMP4\tDone\t1500\t1"}));
    // Standard error is no terminal here: whole lines, no carriage return.
    EXPECT_EQ(cli.err, "a.avi: Done\nb.avi: Done\nAll Conversion Jobs Done!\n");
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
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1], cli.path("gone.avi") + "\t0 x 0\t\t\tMP4\t\t\t1");
    EXPECT_EQ(cli.err, "a.avi: Done\ngone.avi: Not converted: no such file\n1 file converted, 1 not converted\n");
}

TEST(ConvertMode, CtrlCStopsTheConversions)
{
    CliRun cli;
    cli.encoder.input("a.avi");
    cli.encoder.input("b.avi");
    // The pause lets the report be read before the output appears and the stop comes.
    cli.encoder.script(Header() + Progress(10, 10, "6.00") + "sleep 300\nwrite 100\nhang\n");
    cli.start({"--source-size", "0 x 0", "a.avi", "b.avi"});
    // The encoder has begun to write (under a partial name).
    ASSERT_TRUE(QTest::qWaitFor([&] { return !std::filesystem::is_empty(cli.encoder.outputDir()); }, 10000));
    ::kill(static_cast<pid_t>(cli.process.processId()), SIGINT);
    EXPECT_EQ(cli.finish(), 130);
    const auto lines = cli.outLines();
    ASSERT_EQ(lines.size(), 2u);
    // Under load the stop may come before the encoder's report is read, so the Frames cell may still be empty.
    const std::string aborted = cli.path("a.avi") + "\t0 x 0\t\t\tMP4\tAborted\t";
    EXPECT_TRUE(lines[0] == aborted + "10\t0" || lines[0] == aborted + "\t0") << lines[0];
    EXPECT_EQ(lines[1], cli.path("b.avi") + "\t0 x 0\t\t\tMP4\t\t\t1");
    EXPECT_EQ(cli.encoder.calls().size(), 1u);
    // Nothing is left under the output's name, nor under any other.
    EXPECT_TRUE(std::filesystem::is_empty(cli.encoder.outputDir()));
    EXPECT_NE(cli.err.find("a.avi: Aborted: stopped\n"), std::string::npos) << cli.err;
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

TEST(ConvertMode, ShardsOfOneListConvertEachFileOnceWithoutClashingOutputNames)
{
    CliRun cli;
    cli.encoder.script(GoodMediaRun(clips::TwoSecondMp4()));
    std::filesystem::create_directories(cli.encoder.temp().path() / "x");
    std::filesystem::create_directories(cli.encoder.temp().path() / "y");
    std::string list;
    for (const char* name : {"g.avi", "b.avi", "x/clip.avi", "a.avi", "clip-1.avi", "c.avi", "y/clip.mov", "d.avi",
                             "e.avi", "f.avi"}) {
        cli.encoder.input(name);
        list += std::string(name) + "\n";
    }
    cli.encoder.temp().write("list.txt", list);
    // Each share into a folder of its own: the names it would choose in one
    // shared folder, where all three run at once.
    std::map<std::string, int> outputNames;
    for (int share = 1; share <= 3; ++share) {
        const auto outDir = cli.encoder.temp().path() / ("out" + std::to_string(share));
        cli.start({"--source-size", "0 x 0", "--files-from", "list.txt", "--shard", QString("%1/3").arg(share),
                   "--output-dir", QString::fromStdString(outDir.string())});
        ASSERT_EQ(cli.finish(), 0) << cli.err;
        for (const auto& entry : std::filesystem::directory_iterator(outDir))
            ++outputNames[entry.path().filename().string()];
    }
    std::map<std::string, int> inputs;
    for (const auto& call : cli.encoder.calls())
        ++inputs[*(std::find(call.begin(), call.end(), "-i") + 1)];
    EXPECT_EQ(inputs.size(), 10u);
    for (const auto& [input, count] : inputs)
        EXPECT_EQ(count, 1) << input;
    EXPECT_EQ(outputNames.size(), 10u);
    for (const auto& [name, count] : outputNames)
        EXPECT_EQ(count, 1) << name;
}

TEST(ConvertMode, JsonRowsForToolsAndQuietRows)
{
    CliRun cli;
    cli.encoder.input("a.avi");
    cli.encoder.script(GoodMediaRun(clips::TwoSecondMp4()));
    cli.start({"--source-size", "0 x 0", "--json", "--files-from", "-"}, "a.avi\ngone.avi\n");
    EXPECT_EQ(cli.finish(), 1);
    // The closing message is no row: it joins the progress on standard error.
    EXPECT_EQ(cli.err, "a.avi: Done\ngone.avi: Not converted: no such file\n1 file converted, 1 not converted\n");
    const auto lines = cli.outLines();
    ASSERT_EQ(lines.size(), 2u);
    std::vector<QJsonObject> rows;
    for (const std::string& line : lines) {
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(line), &error);
        ASSERT_TRUE(document.isObject()) << line << ": " << error.errorString().toStdString();
        rows.push_back(document.object());
    }
    EXPECT_EQ(rows[0]["input"].toString().toStdString(), cli.path("a.avi"));
    EXPECT_EQ(rows[0]["output"].toString().toStdString(), cli.encoder.outputDir() + "/a.mp4");
    EXPECT_EQ(rows[0]["outcome"].toString(), "Done");
    EXPECT_TRUE(rows[0]["reason"].isNull());
    EXPECT_TRUE(rows[0]["reason_code"].isNull());
    EXPECT_EQ(rows[0]["frames"].toInt(), 1500);
    EXPECT_EQ(rows[0]["index"].toInt(), 0);
    EXPECT_EQ(rows[1]["index"].toInt(), 1);
    EXPECT_GE(rows[0]["seconds"].toDouble(-1), 0);
    EXPECT_EQ(rows[1]["outcome"].toString(), "Not converted");
    EXPECT_EQ(rows[1]["reason"].toString(), "no such file");
    EXPECT_EQ(rows[1]["reason_code"].toString(), "no_such_file");
    EXPECT_TRUE(rows[1]["output"].isNull());
    EXPECT_TRUE(rows[1]["frames"].isNull());

    cli.start({"--source-size", "0 x 0", "--quiet", "--overwrite", "a.avi"});
    EXPECT_EQ(cli.finish(), 0);
    EXPECT_EQ(cli.err, "");
    EXPECT_EQ(cli.outLines(), std::vector<std::string>{cli.path("a.avi") + "\t0 x 0\t\t\tMP4\tDone\t1500\t0"});
}

TEST(ConvertMode, OnATerminalEachFileHasOneLineRedrawnInPlace)
{
    CliRun cli;
    cli.encoder.input("a.avi");
    cli.encoder.script(GoodMediaRun(clips::TwoSecondMp4()));
    int terminal = -1;
    int errorSide = -1;
    ASSERT_EQ(openpty(&terminal, &errorSide, nullptr, nullptr, nullptr), 0);
    cli.process.setChildProcessModifier([errorSide] { ::dup2(errorSide, STDERR_FILENO); });
    cli.start({"--source-size", "0 x 0", "a.avi"});
    EXPECT_EQ(cli.finish(), 0);
    ::close(errorSide);
    std::string shown;
    char buffer[4096];
    for (ssize_t got; (got = ::read(terminal, buffer, sizeof buffer)) > 0;)
        shown.append(buffer, static_cast<std::size_t>(got));
    ::close(terminal);
    EXPECT_NE(shown.find("\ra.avi  50%"), std::string::npos) << shown;
    EXPECT_NE(shown.find("\ra.avi: Done"), std::string::npos) << shown;
}

TEST(ConvertMode, RefusesAnAttemptWithoutDryRun)
{
    CliRun cli;
    cli.start({"--attempt", "2", "a.avi"});
    EXPECT_EQ(cli.finish(), 2);
    EXPECT_NE(cli.err.find("--attempt goes with --dry-run"), std::string::npos);
}

// Each stand-in waits for the second call: only files converted at the
// same time can finish. Each row comes as its file ends, with its index.
TEST(ConvertMode, JobsConvertSeveralFilesAtOnceAndPrintTheRowsAsTheyEnd)
{
    CliRun cli;
    for (const char* name : {"a.avi", "b.avi", "c.avi"})
        cli.encoder.input(name);
    cli.encoder.script(Header("00:00:02.00") + Progress(25, 100, "1.00") + "await-calls 2\n" + Progress(1500, 200, "2.00") + "copy "
                       + clips::TwoSecondMp4() + "\n");
    cli.start({"--jobs", "2", "--source-size", "640 x 352", "a.avi", "b.avi", "c.avi"});
    EXPECT_EQ(cli.finish(), 0);
    auto lines = cli.outLines();
    std::sort(lines.begin(), lines.end());
    EXPECT_EQ(lines, (std::vector<std::string>{cli.path("a.avi") + "\t640 x 352\t\t\tMP4\tDone\t1500\t0",
                                                cli.path("b.avi") + "\t640 x 352\t\t\tMP4\tDone\t1500\t1",
                                                cli.path("c.avi") + "\t640 x 352\t\t\tMP4\tDone\t1500\t2"}));
    EXPECT_EQ(cli.encoder.calls().size(), 3u);
    for (const char* line : {"a.avi: Done\n", "b.avi: Done\n", "c.avi: Done\n"})
        EXPECT_NE(cli.err.find(line), std::string::npos) << cli.err;

    for (const QStringList& wrong : {QStringList{"--jobs", "0", "a.avi"}, QStringList{"--jobs", "9", "a.avi"},
                                     QStringList{"--jobs", "two", "a.avi"}, QStringList{"--jobs", "2", "--dry-run", "a.avi"}}) {
        CliRun refused;
        refused.start(wrong);
        EXPECT_EQ(refused.finish(), 2) << wrong.join(' ').toStdString();
        EXPECT_NE(refused.err.find("--jobs"), std::string::npos) << refused.err;
    }
}

} // namespace
