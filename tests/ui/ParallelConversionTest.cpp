// SPDX-License-Identifier: GPL-3.0-or-later
// Several files at once in the main window, with the real encoder on real clips.
#include "ui/AdditionalOptionsDialog.h"
#include "ui/Application.h"
#include "ui/BusyLock.h"
#include "ui/MainWindow.h"
#include "ui/ProfileView.h"
#include "core/JobsAtOnce.h"
#include "support/MediaFixtures.h"
#include "support/TempDir.h"
#include "support/TextFile.h"
#include "support/WindowFixture.h"
#include "ui/WindowFrontEnd.h"

#include <QComboBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QTest>
#include <QToolButton>
#include <filesystem>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

using Texts = std::vector<std::string>;

class ParallelConversion : public ::testing::Test {
protected:
    ParallelConversion()
    {
        Find<QLineEdit>(form, "Edit1")->setText(QString::fromStdString(outputDir()));
        Find<AdditionalOptionsDialog>(app.mainWindow(), "Form4")->setJobsAtOnce(2);
        form.show();
    }

    std::string outputDir() const { return (media.path() / "out").string(); }
    // A clip in a folder of its own, so that clips may share a name.
    std::string clip(const std::string& folder, double seconds, int width, int height)
    {
        fixtures::ClipSettings clipSettings = fixtures::ClipFor("avi");
        clipSettings.seconds = seconds;
        clipSettings.width = width;
        clipSettings.height = height;
        fs::create_directories(media.path() / folder);
        const fs::path path = media.path() / folder / "clip.avi";
        fixtures::MakeClip(path, clipSettings);
        window.addRow(path.string(), {std::to_string(width) + " x " + std::to_string(height), "25",
                                      "00:00:" + std::to_string(static_cast<int>(seconds)), "MP4", "", ""});
        return path.string();
    }
    void selectFormat(int index)
    {
        Pick(Find<QComboBox>(form, "ComboOutputFormat"), index);
    }
    std::string progress(int row) const { return window.cell(row, FileColumn::Progress); }

    TempDir appDirectory;
    TempDir media;
    WindowFixture window{LinkedAppDir(appDirectory)};
    Application& app = window.app;
    MainWindow& form = window.form;
};

TEST_F(ParallelConversion, TwoFilesAtOnceAreBothConvertedUnderNamesOfTheirOwn)
{
    clip("one", 2, 320, 240);
    clip("two", 2, 320, 240);
    Find<QToolButton>(form, "ConvertNowButton")->click();
    ASSERT_TRUE(window.idle());
    EXPECT_EQ(window.shown(), Texts{"All Conversion Jobs Done!"});
    for (int row = 0; row < 2; ++row) {
        EXPECT_EQ(progress(row), "Done") << row;
        EXPECT_FALSE(window.cell(row, FileColumn::Frames).empty()) << row;
    }
    // Checked as a player would meet them.
    for (const char* name : {"clip.mp4", "clip-1.mp4"}) {
        const fixtures::MediaInfo info = fixtures::ReadMedia(outputDir() + "/" + name);
        ASSERT_NE(info.video(), nullptr) << name;
        EXPECT_EQ(info.video()->codec, "mpeg4") << name;
        ASSERT_NE(info.audio(), nullptr) << name;
        EXPECT_NEAR(info.duration, 2.0, 0.3) << name;
    }
}

TEST_F(ParallelConversion, StopEndsBothRunningFilesAndLeavesNothing)
{
    selectFormat(16);
    clip("one", 20, 640, 480);
    clip("two", 20, 640, 480);
    clip("three", 2, 320, 240);
    Find<QToolButton>(form, "ConvertNowButton")->click();
    ASSERT_TRUE(QTest::qWaitFor([this] {
        return progress(0).find('%') != std::string::npos && progress(1).find('%') != std::string::npos;
    }, 60000));
    Find<QToolButton>(form, "StopConvertButton")->click();
    ASSERT_TRUE(window.idle());
    for (int row = 0; row < 2; ++row)
        EXPECT_TRUE(progress(row) == "Aborted" || progress(row) == "Failed") << row << " " << progress(row);
    EXPECT_EQ(progress(2), "");
    EXPECT_TRUE(fs::is_empty(outputDir()));
    EXPECT_EQ(window.shown(), Texts{"Stop all the file conversions?"});
    EXPECT_EQ(Find<QProgressBar>(form, "ProgressBar1")->value(), 0);
}

// A settings file from before the choice converts one file at a time, and
// the choice once made is kept.
TEST(FilesAtOnceSetting, AnOldSettingsFileKeepsOneAtATime)
{
    TempDir dir;
    const std::string old = "[General]\nOutputDir=/srv/out\n[CheckBoxes]\nOverwriteExistingFile=0\nShutDown=0\n"
                            "[Combo]\nOutputFormat=3\nLetterBox=1\n";
    dir.write("plumly.ini", old);
    FakeMessages messages;
    {
        Application app(dir.dir(), messages);
        EXPECT_EQ(Find<QComboBox>(app.mainWindow(), "ComboJobsAtOnce")->currentText(), "1");
        EXPECT_EQ(Find<WindowFrontEnd>(app.mainWindow(), "ConversionFrontEnd")->jobsAtOnce(), 1);
        EXPECT_EQ(Find<QComboBox>(app.mainWindow(), "ComboJobsAtOnce")->count(), kMostJobsAtOnce + 1);
        EXPECT_EQ(Find<QComboBox>(app.mainWindow(), "ComboJobsAtOnce")->itemText(kMostJobsAtOnce), "Auto");
        app.mainWindow().close();
    }
    EXPECT_EQ(ReadText(dir.path() / "plumly.ini"), old);
    {
        Application app(dir.dir(), messages);
        Find<QComboBox>(app.mainWindow(), "ComboJobsAtOnce")->setCurrentIndex(kMostJobsAtOnce);
        EXPECT_EQ(Find<WindowFrontEnd>(app.mainWindow(), "ConversionFrontEnd")->jobsAtOnce(), kAutoJobs);
        app.mainWindow().close();
    }
    Application app(dir.dir(), messages);
    EXPECT_EQ(Find<QComboBox>(app.mainWindow(), "ComboJobsAtOnce")->currentText(), "Auto");
}

} // namespace
