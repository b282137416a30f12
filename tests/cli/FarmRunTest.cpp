// SPDX-License-Identifier: GPL-3.0-or-later
// vantorel-cli as a farm runs it: stopped by its scheduler, run again over
// the same list, writing into a file that fills up, given short options.
#include "CliRun.h"
#include "support/MediaClips.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <csignal>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

using namespace scripts;

// The encoder's second call (a's or b's, whichever starts second) ends
// while the others hang: the signal finds one row written, and the others
// follow as they stop, each with its index in the list.
TEST(FarmRun, TermAndHangupStopTheBatchAndKeepTheRowsOfTheFilesThatEnded)
{
    const std::vector<std::string> names{"a.avi", "b.avi", "c.avi"};
    for (const int signal : {SIGTERM, SIGHUP}) {
        CliRun cli;
        for (const std::string& name : names)
            cli.encoder.input(name);
        cli.encoder.script(Header() + Progress(10, 10, "6.00") + "write 100\nhang\n");
        cli.encoder.script(2, GoodMediaRun(clips::TwoSecondMp4()));
        cli.start({"--json", "-j", "2", "--source-size", "0 x 0", "a.avi", "b.avi", "c.avi"});
        ASSERT_TRUE(QTest::qWaitFor([&] { return cli.process.canReadLine(); }, 20000));
        ASSERT_TRUE(QTest::qWaitFor([&] { return cli.encoder.calls().size() == 3; }, 20000));
        ::kill(static_cast<pid_t>(cli.process.processId()), signal);
        EXPECT_EQ(cli.finish(), 128 + signal);
        const auto lines = cli.outLines();
        ASSERT_EQ(lines.size(), 3u) << cli.out;
        std::vector<QJsonObject> rows;
        for (const std::string& line : lines)
            rows.push_back(QJsonDocument::fromJson(QByteArray::fromStdString(line)).object());
        EXPECT_EQ(rows[0]["outcome"].toString(), "Done") << lines[0];
        for (const QJsonObject& row : rows) {
            const auto name = fs::path(row["input"].toString().toStdString()).filename().string();
            EXPECT_EQ(row["index"].toInt(-1), std::find(names.begin(), names.end(), name) - names.begin()) << name;
        }
        EXPECT_EQ(rows[1]["reason_code"].toString(), "stopped") << cli.out << cli.err;
        EXPECT_EQ(rows[2]["reason_code"].toString(), "stopped") << cli.out;
        // The stopped files' partial outputs are gone; the finished one stays.
        EXPECT_EQ(std::distance(fs::directory_iterator(cli.encoder.outputDir()), fs::directory_iterator()), 1);
        EXPECT_TRUE(fs::exists(rows[0]["output"].toString().toStdString()));
        EXPECT_NE(cli.err.find("1 file converted, 2 failed\n"), std::string::npos) << cli.err;
    }
}

// A rerun converts only what is missing; a full standard output ends the run.
TEST(FarmRun, RerunsWithSkipExistingConvertNothingTwice)
{
    CliRun cli;
    for (const char* name : {"a.avi", "b.avi"})
        cli.encoder.input(name);
    cli.encoder.script(GoodMediaRun(clips::TwoSecondMp4()));
    const QString nested = QString::fromStdString(cli.encoder.outputDir() + "/x/y");
    cli.start({"--source-size", "0 x 0", "-o", nested, "a.avi"});
    ASSERT_EQ(cli.finish(), 0) << cli.err;
    ASSERT_TRUE(fs::exists(nested.toStdString() + "/a.mp4"));

    cli.start({"--source-size", "0 x 0", "-o", nested, "--skip-existing", "a.avi", "b.avi"});
    EXPECT_EQ(cli.finish(), 0) << cli.err;
    EXPECT_EQ(cli.outLines(), (std::vector<std::string>{cli.path("a.avi") + "\t0 x 0\t\t\tMP4\tSkipped\t\t0",
                                                         cli.path("b.avi") + "\t0 x 0\t\t\tMP4\tDone\t1500\t1"}));
    EXPECT_EQ(cli.err, "a.avi: Skipped\nb.avi: Done\n1 file converted, 1 skipped\n");
    cli.start({"--source-size", "0 x 0", "-o", nested, "--skip-existing", "a.avi", "b.avi"});
    EXPECT_EQ(cli.finish(), 0) << cli.err;
    EXPECT_EQ(cli.encoder.calls().size(), 2u);
    EXPECT_EQ(std::count(cli.out.begin(), cli.out.end(), '\n'), 2);
    EXPECT_EQ(cli.out.find("\tDone\t"), std::string::npos) << cli.out;

    cli.process.setStandardOutputFile("/dev/full");
    cli.start({"--source-size", "0 x 0", "-o", nested, "--json", "a.avi"});
    EXPECT_EQ(cli.finish(), 1);
    EXPECT_NE(cli.err.find("vantorel-cli: cannot write the rows to standard output: No space left on device\n"),
              std::string::npos) << cli.err;
}

TEST(FarmRun, ConventionsOfTheCommandLine)
{
    CliRun cli;
    cli.encoder.input("a.avi");
    cli.encoder.temp().write("empty.txt", "\n");
    cli.start({"--files-from", "empty.txt"});
    EXPECT_EQ(cli.finish(), 2);
    EXPECT_EQ(cli.out, "");
    EXPECT_NE(cli.err.find("vantorel-cli: the list of files is empty"), std::string::npos) << cli.err;

    cli.encoder.temp().write("file", "");
    cli.start({"-o", QString::fromStdString(cli.path("file/sub")), "a.avi"});
    EXPECT_EQ(cli.finish(), 1);
    EXPECT_NE(cli.err.find("cannot be made: " + cli.path("file") + ": Not a directory"), std::string::npos) << cli.err;
    EXPECT_TRUE(cli.encoder.calls().empty());

    cli.start({"-f23", "-j", "1", "--dry-run", "a.avi"});
    EXPECT_EQ(cli.finish(), 2);
    EXPECT_NE(cli.err.find("--jobs goes with converting"), std::string::npos) << cli.err;
    cli.start({"-f", "23", "--dry-run", "a.avi"});
    EXPECT_EQ(cli.finish(), 0) << cli.err;
    EXPECT_NE(cli.out.find("a.mp3\""), std::string::npos) << cli.out;
    for (const QStringList& wrong : {QStringList{"-q"}, QStringList{"-hx"}, QStringList{"-f"}}) {
        cli.start(wrong);
        EXPECT_EQ(cli.finish(), 2) << wrong.join(' ').toStdString();
    }
}

} // namespace
