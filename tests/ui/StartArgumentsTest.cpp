// SPDX-License-Identifier: GPL-3.0-or-later
// `vantorel FILE...`, `vantorel --help` and `vantorel --version`.
#include "support/FakeMessages.h"
#include "support/MediaClips.h"
#include "support/StandInAppDir.h"
#include "support/WindowControls.h"
#include "ui/Application.h"
#include "ui/MainWindow.h"
#include "ui/StartArguments.h"
#include "core/Version.h"

#include <QDir>
#include <QProcess>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(StartArguments, FilesOptionsAndTheirEnd)
{
    const QString here = QDir::currentPath();
    const StartArguments files = ParseStartArguments({"clip.avi", "/v/b.mp4", "--", "-odd.avi", "-"});
    EXPECT_EQ(files.files, (QStringList{here + "/clip.avi", "/v/b.mp4", here + "/-odd.avi", here + "/-"}));
    EXPECT_FALSE(files.help || files.version || !files.error.isEmpty());
    EXPECT_TRUE(ParseStartArguments({"a.avi", "--help"}).help);
    EXPECT_TRUE(ParseStartArguments({"-h"}).help);
    EXPECT_TRUE(ParseStartArguments({"-v"}).version);
    EXPECT_EQ(ParseStartArguments({"--bogus", "-x"}).error, "unknown option --bogus");
}

// The same step main takes with the files of its command line.
TEST(StartArguments, TheWindowStartsWithTheGivenFilesMeasured)
{
    StandInAppDir encoder;
    FakeMessages messages;
    Application app(encoder.appDir(), messages);
    const QString clip = QString::fromStdString(clips::NinetySecondAvi());
    app.addAtStart(ParseStartArguments({clip}).files);
    ASSERT_TRUE(QTest::qWaitFor([&] { return RowCount(app.mainWindow()) == 1; }, 20000));
    EXPECT_EQ(CellText(app.mainWindow(), 0, 0), clip);
    EXPECT_EQ(CellText(app.mainWindow(), 0, 1), "640 x 352");
    EXPECT_EQ(CellText(app.mainWindow(), 0, 3), "00:01:30");
}

TEST(StartArguments, HelpAndVersionPrintAndEndWithoutAWindow)
{
    const QString program = qEnvironmentVariable("VANTOREL_APPDIR") + "vantorel";
    for (const QString& wish : {"--help", "--version", "--bogus"}) {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        // No display at all for the usage and the version: only the window would need one.
        environment.insert("QT_QPA_PLATFORM", wish == "--bogus" ? "offscreen" : "no-such-platform");
        process.setProcessEnvironment(environment);
        process.start(program, {wish});
        ASSERT_TRUE(process.waitForFinished(20000));
        const std::string out = process.readAllStandardOutput().toStdString();
        if (wish == "--help") {
            EXPECT_EQ(process.exitCode(), 0);
            EXPECT_EQ(out.rfind("Usage: vantorel [FILE...]\n", 0), 0u) << out;
        } else if (wish == "--version") {
            EXPECT_EQ(process.exitCode(), 0);
            EXPECT_EQ(out, std::string("vantorel ") + kVersion + "\n");
        } else {
            EXPECT_EQ(process.exitCode(), 2);
            EXPECT_NE(process.readAllStandardError().indexOf("unknown option --bogus"), -1);
        }
    }
}

} // namespace
