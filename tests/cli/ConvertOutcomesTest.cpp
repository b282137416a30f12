// SPDX-License-Identifier: GPL-3.0-or-later
// What a conversion leaves behind when things go wrong, seen as a user of
// vantorel-cli sees it: the rows, the reasons, the exit status and the files.
#include "CliRun.h"
#include "platform/ChildProcess.h"
#include "support/MediaClips.h"
#include "support/TextFile.h"

#include <csignal>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

using namespace scripts;

// A process named like the encoder that vantorel-cli did not start: a copy
// of sleep called "ridod2e" in a folder of its own. The test started it and
// ends it.
class Bystander {
public:
    Bystander()
    {
        fs::copy_file("/bin/sleep", dir_.path() / "ridod2e");
        started_ = process_.start("\"" + dir_.dir() + "ridod2e\" 300", "", "");
    }
    ~Bystander()
    {
        process_.kill();
        process_.wait();
    }
    bool running() { return started_ && process_.running(); }

private:
    TempDir dir_;
    platform::ChildProcess process_;
    bool started_ = false;
};

struct DyingCase {
    const char* situation;
    std::string script;
    const char* reason;
};

class ConvertOutcomesDying : public ::testing::TestWithParam<DyingCase> {};

TEST_P(ConvertOutcomesDying, AnEncoderThatDiesMidRunIsNeverDoneAndLeavesNothing)
{
    Bystander bystander;
    CliRun cli;
    cli.encoder.input("a.avi");
    cli.encoder.script(GetParam().script);
    cli.start({"--source-size", "0 x 0", "a.avi"});
    EXPECT_EQ(cli.finish(), 1);
    EXPECT_EQ(cli.outLines(), std::vector<std::string>{cli.path("a.avi") + "\t0 x 0\t\t\tMP4\tFailed\t10\t0"});
    EXPECT_NE(cli.err.find("a.avi: Failed: " + std::string(GetParam().reason) + "\n0 files converted, 1 failed\n"),
              std::string::npos) << cli.err;
    EXPECT_TRUE(fs::is_empty(cli.encoder.outputDir()));
    EXPECT_EQ(cli.encoder.calls().size(), 2u);
    EXPECT_TRUE(bystander.running());
}

INSTANTIATE_TEST_SUITE_P(
    Deaths, ConvertOutcomesDying,
    ::testing::Values(
        DyingCase{"killed", Header() + Progress(10, 10, "6.00") + "write 100\ndie\n", "the encoder ended with signal 9"},
        DyingCase{"crashed", Header() + Progress(10, 10, "6.00") + "write 100\nsignal 11\n",
                  "the encoder ended with signal 11"}),
    [](const auto& info) { return std::string(info.param.situation); });

TEST(ConvertOutcomes, CtrlCEndsOnlyItsOwnEncoder)
{
    Bystander bystander;
    CliRun cli;
    cli.encoder.input("a.avi");
    cli.encoder.script(Header() + Progress(10, 10, "6.00") + "write 100\nhang\n");
    cli.start({"--source-size", "0 x 0", "a.avi"});
    ASSERT_TRUE(QTest::qWaitFor([&] { return !fs::is_empty(cli.encoder.outputDir()); }, 10000));
    ::kill(static_cast<pid_t>(cli.process.processId()), SIGINT);
    EXPECT_EQ(cli.finish(), 128 + SIGINT);
    EXPECT_TRUE(fs::is_empty(cli.encoder.outputDir()));
    EXPECT_TRUE(bystander.running());
}

// The real encoder on an MP3 cut to a third: it converts what is there and
// says how much that is.
TEST(ConvertOutcomes, ATruncatedInputIsIncompleteAndKept)
{
    TempDir work;
    const std::string appDir = qEnvironmentVariable("VANTOREL_APPDIR").toStdString();
    fixtures::ClipSettings song = fixtures::ClipFor("mp3");
    song.seconds = 30;
    fixtures::MakeClip(work.path() / "whole.mp3", song);
    const std::string bytes = ReadText(work.path() / "whole.mp3");
    WriteText(work.path() / "cut.mp3", bytes.substr(0, bytes.size() / 3));
    QProcess cli;
    cli.start(QString::fromStdString(appDir + "vantorel-cli"),
              {"--format", "22", "--output-dir", QString::fromStdString((work.path() / "out").string()),
               QString::fromStdString((work.path() / "cut.mp3").string())});
    ASSERT_TRUE(cli.waitForFinished(120000));
    const std::string out = cli.readAllStandardOutput().toStdString();
    const std::string err = cli.readAllStandardError().toStdString();
    EXPECT_EQ(cli.exitCode(), 1) << out << err;
    EXPECT_NE(out.find("\t00:00:30\tM4A\tIncomplete\t"), std::string::npos) << out;
    EXPECT_NE(err.find("\n0 files converted, 1 incomplete\n"), std::string::npos) << err;
    EXPECT_NE(err.find("cut.mp3: Incomplete: holds 00:00:"), std::string::npos) << err;
    EXPECT_NE(err.find(" of 00:00:30\n"), std::string::npos) << err;
    EXPECT_NEAR(fixtures::ReadMedia(work.path() / "out" / "cut.m4a").duration, 10.0, 0.5);
}

} // namespace
