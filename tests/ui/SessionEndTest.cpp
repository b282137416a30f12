// SPDX-License-Identifier: GPL-3.0-or-later
// How a session ends and what the next one finds: the window as its own
// process, converting with the real encoder, ended by SIGTERM or SIGKILL;
// Ctrl+Q keeping the settings; the list offered back.
#include "core/SessionList.h"
#include "core/SettingsFile.h"
#include "core/Texts.h"
#include "support/MediaFixtures.h"
#include "support/WindowFixture.h"
#include "ui/SessionKeeper.h"

#include <QLineEdit>
#include <QProcess>

#include <csignal>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

// The window converting a short clip, then a long one; the test's own process.
class WindowProcess : public ::testing::Test {
protected:
    WindowProcess()
    {
        fs::create_directory(outDir());
        short_ = fixtures::MakeAviClip(media.path() / "short.avi", 1.0, 320, 240);
        long_ = fixtures::MakeAviClip(media.path() / "long.avi", 90.0, 640, 480);
    }
    ~WindowProcess() override
    {
        if (window.state() != QProcess::NotRunning) {
            window.kill();
            window.waitForFinished();
        }
    }

    std::string outDir() const { return (media.path() / "out").string(); }

    // Starts the window and waits until the list it keeps shows the short
    // clip done and the long one under way.
    bool startUntilLongJobRuns()
    {
        window.start(VANTOREL_WINDOW_PROCESS, {QString::fromStdString(appDir), QString::fromStdString(outDir()),
                                               QString::fromStdString(short_ + "|00:00:01"),
                                               QString::fromStdString(long_ + "|00:01:30")});
        return window.waitForStarted() && QTest::qWaitFor([this] {
                   const auto session = kept.load();
                   return session && session->rows.size() == 2 && session->rows[0].outcome == RowOutcome::Done
                       && session->rows[1].cell(FileColumn::Progress).find('%') != std::string::npos;
               }, 120000);
    }

    TempDir appDirectory;
    TempDir media;
    const std::string appDir = LinkedAppDir(appDirectory);
    const SessionFile kept{appDir};
    std::string short_;
    std::string long_;
    QProcess window;
};

TEST_F(WindowProcess, SigtermStopsTheBatchKeepsTheSettingsAndTheListAndEnds)
{
    ASSERT_TRUE(startUntilLongJobRuns());
    ::kill(static_cast<pid_t>(window.processId()), SIGTERM);
    ASSERT_TRUE(window.waitForFinished(5000));
    EXPECT_EQ(window.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(window.exitCode(), 0);
    // The long job's partial file is gone; the short one's output stays.
    EXPECT_EQ(NamesIn(outDir()), std::vector<std::string>{"short.mp4"});
    SettingsValues values;
    EXPECT_EQ(SettingsFile(appDir).load(values), SettingsLoad::Loaded);
    EXPECT_EQ(values.outputDir, outDir());
    const auto session = kept.load();
    ASSERT_TRUE(session);
    EXPECT_FALSE(session->closed);
    ASSERT_EQ(session->rows.size(), 2u);
    EXPECT_EQ(session->rows[1].outcome, RowOutcome::Aborted);
    EXPECT_EQ(session->rows[1].reason.code, ReasonCode::Stopped);
}

TEST_F(WindowProcess, AListKilledMidJobComesBackWithItsDoneRowAndTheJobNotConverted)
{
    ASSERT_TRUE(startUntilLongJobRuns());
    window.kill();
    ASSERT_TRUE(window.waitForFinished());

    WindowFixture next(appDir);
    next.messages.answer = true;
    next.app.offerRestore();
    ASSERT_EQ(next.shown(), std::vector<std::string>{"Restore the 2 files of the last session?"});
    ASSERT_EQ(next.app.files().size(), 2);
    EXPECT_EQ(next.cell(0, FileColumn::Progress), texts::kDone);
    EXPECT_EQ(next.app.files().row(0)->outputPath, outDir() + "/short.mp4");
    EXPECT_EQ(next.cell(1, FileColumn::Progress), texts::kNotConverted);
    EXPECT_EQ(next.app.files().row(1)->reason.code, ReasonCode::Interrupted);
}

// Ctrl+Q (File > Exit) keeps the settings and the list as a close does, and a
// list kept by a close, or with the offer turned off, is not offered.
TEST(SessionEnd, CtrlQKeepsTheSettingsAndNothingIsOfferedAfterIt)
{
    TempDir appDirectory;
    const std::string appDir = LinkedAppDir(appDirectory);
    {
        WindowFixture window(appDir);
        window.addRow("/videos/a.avi", {"320 x 240", "25", "00:00:02", "MP4", "", ""});
        Find<QLineEdit>(window.form, "Edit1")->setText("/videos/out");
        window.form.show();
        window.form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window.form));
        QTest::keyClick(&window.form, Qt::Key_Q, Qt::ControlModifier);
        SettingsValues values;
        EXPECT_EQ(SettingsFile(appDir).load(values), SettingsLoad::Loaded);
        EXPECT_EQ(values.outputDir, "/videos/out");
        const auto session = SessionFile(appDir).load();
        ASSERT_TRUE(session);
        EXPECT_TRUE(session->closed);
    }
    WindowFixture afterClose(appDir);
    afterClose.app.offerRestore();
    EXPECT_TRUE(afterClose.shown().empty());

    SessionFile(appDir).save({{FileRow{.caption = "/videos/a.avi"}}, false});
    appDirectory.write("plumly.ini", "[General]\nOfferRestore=0\n");
    WindowFixture offerOff(appDir);
    offerOff.app.offerRestore();
    EXPECT_TRUE(offerOff.shown().empty());
    EXPECT_EQ(offerOff.app.files().size(), 0);
}

} // namespace
