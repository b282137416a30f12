// SPDX-License-Identifier: GPL-3.0-or-later
// The conversion in the main window with the real encoder on real clips.
#include "ui/Application.h"
#include "ui/MainWindow.h"
#include "ui/AdditionalOptionsDialog.h"
#include "ui/ShutdownWarningDialog.h"
#include "core/profiles/FormatCatalogue.h"
#include "ui/ProfileView.h"
#include "support/WindowFixture.h"
#include "support/MediaFixtures.h"
#include "support/TempDir.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <filesystem>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

using Texts = std::vector<std::string>;

class RealConversion : public ::testing::Test {
protected:
    RealConversion()
    {
        Find<QLineEdit>(form, "Edit1")->setText(QString::fromStdString(outputDir()));
        form.show();
    }
    ~RealConversion() override { EXPECT_TRUE(window.idle()); }

    std::string outputDir() const { return (media.path() / "out").string(); }
    std::string output(const std::string& name) const { return outputDir() + "/" + name; }

    std::string clip(const std::string& name, double seconds = 2.0, int width = 320, int height = 240)
    {
        return fixtures::MakeAviClip(media.path() / name, seconds, width, height);
    }
    void addRow(const std::string& path, const std::string& size = "320 x 240", const std::string& duration = "00:00:02")
    {
        window.addRow(path, {size, "25", duration, FormatTag(Find<QComboBox>(form, "ComboOutputFormat")->currentIndex()), "", ""});
    }
    void selectFormat(int index)
    {
        Pick(Find<QComboBox>(form, "ComboOutputFormat"), index);
    }
    std::string progress(int row) const { return window.cell(row, FileColumn::Progress); }
    bool idle() { return window.idle(); }
    bool convert()
    {
        Find<QToolButton>(form, "ConvertNowButton")->click();
        return idle();
    }
    Texts shown() const { return window.shown(); }

    TempDir appDirectory;
    TempDir media;
    WindowFixture window{LinkedAppDir(appDirectory)};
    FakeMessages& messages = window.messages;
    Application& app = window.app;
    MainWindow& form = window.form;
    FakePowerOff* fakePowerOff = window.powerOff;
};

TEST_F(RealConversion, ConvertsTheCheckedFilesThatStillExist)
{
    const std::string one = clip("one.avi");
    const std::string two = clip("two.avi");
    const std::string three = clip("three.avi");
    addRow(one);
    addRow(two);
    addRow(three);
    fs::remove(two);
    ASSERT_TRUE(convert());

    EXPECT_EQ(progress(0), "Done");
    EXPECT_EQ(progress(1), "");
    EXPECT_EQ(progress(2), "Done");
    EXPECT_EQ(shown(), Texts{"All Conversion Jobs Done!"});
    for (const char* name : {"one.mp4", "three.mp4"}) {
        const fixtures::MediaInfo info = fixtures::ReadMedia(output(name));
        ASSERT_NE(info.video(), nullptr) << name;
        EXPECT_EQ(info.video()->codec, "mpeg4") << name;
        EXPECT_EQ(info.video()->width, 320) << name;
        EXPECT_EQ(info.video()->height, 240) << name;
        ASSERT_NE(info.audio(), nullptr) << name;
        EXPECT_EQ(info.audio()->codec, "aac") << name;
        EXPECT_NEAR(info.duration, 2.0, 0.3) << name;
    }
    EXPECT_FALSE(fs::exists(output("two.mp4")));
    EXPECT_FALSE(CellText(form, 0, 6).isEmpty());
    EXPECT_TRUE(form.statusPanelText(1).startsWith("Output File Size : "));
}

TEST_F(RealConversion, MakesAThumbnailBesideAPspVideo)
{
    selectFormat(12);
    addRow(clip("holiday.avi", 4.0), "320 x 240", "00:00:04");
    ASSERT_TRUE(convert());
    EXPECT_EQ(progress(0), "Done");
    const fixtures::MediaInfo video = fixtures::ReadMedia(output("holiday.mp4"));
    ASSERT_NE(video.video(), nullptr);
    EXPECT_EQ(video.video()->codec, "mpeg4");
    ASSERT_TRUE(fs::exists(output("holiday.THM")));
    const fixtures::MediaInfo thumbnail = fixtures::ReadMedia(output("holiday.THM"));
    ASSERT_NE(thumbnail.video(), nullptr);
    EXPECT_EQ(thumbnail.video()->codec, "mjpeg");
}

TEST_F(RealConversion, StopAbortsTheRunningJobAndStartsNoCountdown)
{
    Find<QCheckBox>(app.mainWindow(), "CheckBoxShutDown")->setChecked(true);
    messages.shown.clear();
    selectFormat(16);
    addRow(clip("long.avi", 20.0, 640, 480), "640 x 480");
    addRow(clip("next.avi"));
    Find<QToolButton>(form, "ConvertNowButton")->click();
    ASSERT_TRUE(QTest::qWaitFor([this] { return progress(0).find('%') != std::string::npos; }, 60000));
    Find<QToolButton>(form, "StopConvertButton")->click();
    ASSERT_TRUE(idle());
    // Nothing is left of the stopped job, under its name or any other.
    EXPECT_TRUE(fs::is_empty(outputDir()));
    EXPECT_TRUE(progress(0) == "Aborted" || progress(0) == "Failed") << progress(0);
    EXPECT_EQ(Hint(form, 0, 0), "stopped");
    EXPECT_EQ(progress(1), "");
    EXPECT_EQ(shown(), Texts{"Stop all the file conversions?"});
    EXPECT_FALSE(Find<ShutdownWarningDialog>(app.mainWindow(), "Form3")->isVisible());
    EXPECT_EQ(fakePowerOff->requests, 0);
}

// A stem as long as a name may be: the hidden names give up their end,
// the output keeps the whole stem.
TEST_F(RealConversion, AStemAsLongAsANameMayBeConverts)
{
    const std::string stem(251, 's');
    addRow(clip(stem + ".avi"));
    ASSERT_TRUE(convert());
    EXPECT_EQ(progress(0), "Done") << Hint(form, 0, 0).toStdString();
    EXPECT_EQ(fixtures::ReadMedia(output(stem + ".mp4")).video()->codec, "mpeg4");
}

// The watch at a quarter of its pace (4 s without progress) against a GIF
// whose palette pass writes nothing for longer: its reports keep moving.
TEST_F(RealConversion, AGifPalettePassIsNoStall)
{
    Find<QTimer>(app.mainWindow(), "ConversionCountTimer")->setInterval(500);
    selectFormat(35);
    addRow(clip("long.avi", 12.0, 640, 480), "640 x 480", "00:00:12");
    Find<QToolButton>(form, "ConvertNowButton")->click();
    ASSERT_TRUE(window.idle(600000));
    EXPECT_EQ(progress(0), "Done") << Hint(form, 0, 0).toStdString();
    EXPECT_EQ(fixtures::ReadMedia(output("long.gif")).video()->codec, "gif");
}

// A source whose clock leaps three hours ahead: nothing is made for the
// gap, the job ends within a minute and keeps the clip's pictures (shorter
// than the input's length says, so it may count as incomplete).
TEST_F(RealConversion, AGifOfASourceWhoseTimestampsLeapEndsWithinAMinute)
{
    Find<QTimer>(app.mainWindow(), "ConversionCountTimer")->setInterval(250);
    selectFormat(35);
    fixtures::ClipSettings leap = fixtures::ClipFor("flv");
    leap.seconds = 4;
    leap.clockLeap = 3 * 3600;
    const fs::path flv = media.path() / "leap.flv";
    fixtures::MakeClip(flv, leap);
    addRow(flv.string());
    Find<QToolButton>(form, "ConvertNowButton")->click();
    ASSERT_TRUE(window.idle(60000));
    EXPECT_TRUE(progress(0) == "Done" || progress(0) == "Incomplete") << progress(0) << Hint(form, 0, 0).toStdString();
    EXPECT_LT(fixtures::ReadMedia(output("leap.gif")).duration, 10.0);
    for (const auto& entry : fs::directory_iterator(outputDir()))
        EXPECT_EQ(entry.path(), output("leap.gif"));
}

TEST_F(RealConversion, CountsDownAfterAFullRunUntilDoNotTurnOff)
{
    Find<QCheckBox>(app.mainWindow(), "CheckBoxShutDown")->setChecked(true);
    messages.shown.clear();
    Find<QTimer>(app.mainWindow(), "TimerShutdown2")->setInterval(1000);
    addRow(clip("one.avi"));
    ASSERT_TRUE(convert());
    EXPECT_EQ(progress(0), "Done");
    EXPECT_TRUE(shown().empty());
    ASSERT_TRUE(Find<ShutdownWarningDialog>(app.mainWindow(), "Form3")->isVisible());
    EXPECT_TRUE(app.state().shutdownPending);
    Find<ShutdownWarningDialog>(app.mainWindow(), "Form3")->doNotTurnOffButton->click();
    EXPECT_FALSE(Find<ShutdownWarningDialog>(app.mainWindow(), "Form3")->isVisible());
    EXPECT_FALSE(app.state().shutdownPending);
    EXPECT_EQ(fakePowerOff->requests, 0);
}

TEST_F(RealConversion, NoCountdownWhenEveryCheckedFileIsGone)
{
    Find<QCheckBox>(app.mainWindow(), "CheckBoxShutDown")->setChecked(true);
    messages.shown.clear();
    const std::string gone = clip("gone.avi");
    addRow(gone);
    fs::remove(gone);
    ASSERT_TRUE(convert());
    EXPECT_TRUE(shown().empty());
    EXPECT_FALSE(Find<ShutdownWarningDialog>(app.mainWindow(), "Form3")->isVisible());
}

TEST_F(RealConversion, SaysSoForAnEmptyListAndForNoCheckedRow)
{
    ASSERT_TRUE(convert());
    addRow(clip("one.avi"));
    SetCheckState(form, 0, Qt::Unchecked);
    ASSERT_TRUE(convert());
    EXPECT_EQ(shown(), (Texts{"There is no file to convert!", "Please check the checkbox of the file you want to convert!"}));
}

} // namespace
