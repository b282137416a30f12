// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Application.h"
#include "ui/MainWindow.h"
#include "ui/AdditionalOptionsDialog.h"
#include "ui/SettingsBinder.h"
#include "support/FakeMessages.h"
#include "support/TempDir.h"
#include "support/WindowControls.h"
#include "support/TextFile.h"
#include "support/FileFaults.h"
#include "ui/GuiMessages.h"
#include "ui/StatusBarPanels.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <sstream>

namespace {

const char* const kQuestion =
    "Your computer will automatically shutdown without warning\nafter all conversion jobs are completed. Do you want to continue?";

// A run of the application over a settings file of the test's choosing.
class SettingsWindow : public ::testing::Test {
protected:
    void start(const std::string& appDir)
    {
        app = std::make_unique<Application>(appDir, messages);
        form = &app->mainWindow();
        options = Find<AdditionalOptionsDialog>(*form, "Form4");
    }
    void startWith(const std::string& settings)
    {
        dir.write("plumly.ini", settings);
        start(dir.dir());
    }
    std::filesystem::path ini() const { return dir.path() / "plumly.ini"; }
    std::string outputFormat() const { return Find<QComboBox>(*form, "ComboOutputFormat")->currentText().toStdString(); }

    TempDir dir;
    FakeMessages messages;
    std::unique_ptr<Application> app;
    MainWindow* form = nullptr;
    AdditionalOptionsDialog* options = nullptr;
};

// What the window shows after loading: without a file its defaults; a
// missing ShutDown key never arms the power-off, a missing OverwriteExistingFile
// checks it, both without a question.
TEST_F(SettingsWindow, ShowsWhatTheFileHoldsAndTheDefaultsOfWhatItLacks)
{
    const struct {
        const char* file; // none: no settings file
        SettingsLoad load;
        QString outputDir;
        bool overwrite;
        int format;
        const char* letterBox;
    } cases[] = {
        {nullptr, SettingsLoad::NoFile, QDir::homePath() + "/iPod Files", false, 0, "LetterBox"},
        {"[General]\n", SettingsLoad::Loaded, "", true, 1, "LetterBox"},
        {"[CheckBoxes]\nOverwriteExistingFile=0\nShutDown=0\n[Combo]\nOutputFormat=22\nLetterBox=0\n",
         SettingsLoad::Loaded, "", false, 22, "None"},
        // A folder named without its full path lies in the home folder.
        {"[General]\nOutputDir=Videos/out\n", SettingsLoad::Loaded, QDir::homePath() + "/Videos/out", true, 1,
         "LetterBox"},
    };
    for (const auto& c : cases) {
        if (c.file != nullptr)
            dir.write("plumly.ini", c.file);
        start(dir.dir());
        form->show();
        EXPECT_EQ(app->settings().settingsLoad(), c.load);
        EXPECT_EQ(Find<QLineEdit>(*form, "Edit1")->text(), c.outputDir);
        EXPECT_EQ(Find<QCheckBox>(*options, "CheckBoxOverWrite")->isChecked(), c.overwrite);
        EXPECT_FALSE(Find<QCheckBox>(*options, "CheckBoxShutDown")->isChecked());
        EXPECT_EQ(Find<QComboBox>(*form, "ComboOutputFormat")->currentIndex(), c.format);
        EXPECT_EQ(Find<QComboBox>(*form, "ComboLetterBox")->currentText(), c.letterBox);
        EXPECT_TRUE(messages.shown.empty());
        EXPECT_EQ(std::filesystem::exists(ini()), c.file != nullptr);
        const int letterBox = std::string(c.letterBox) == "None" ? 0 : 1;
        EXPECT_EQ(app->settings().loadedSettings(),
                  (SettingsValues{c.outputDir.toStdString(), c.overwrite, false, c.format, letterBox}));
    }
}

TEST_F(SettingsWindow, FormatSevenStartsWithFormatZeroDeletesTheFileAndWritesItAnewAtClose)
{
    startWith("[General]\nOutputDir=/srv/videos\n[CheckBoxes]\nOverwriteExistingFile=1\nShutDown=0\n"
              "[Combo]\nOutputFormat=7\nLetterBox=0\n");
    form->show();
    EXPECT_EQ(app->settings().settingsLoad(), SettingsLoad::FormatReset);
    EXPECT_EQ(Find<QComboBox>(*form, "ComboOutputFormat")->currentIndex(), 0);
    EXPECT_EQ(Find<QComboBox>(*form, "ComboLetterBox")->currentText(), "LetterBox");
    EXPECT_EQ(Find<QLineEdit>(*form, "Edit1")->text(), "/srv/videos");
    EXPECT_TRUE(Find<QCheckBox>(*options, "CheckBoxOverWrite")->isChecked());
    EXPECT_FALSE(Find<QCheckBox>(*options, "CheckBoxShutDown")->isChecked());
    EXPECT_FALSE(std::filesystem::exists(ini()));

    EXPECT_TRUE(form->close());
    EXPECT_EQ(ReadText(ini()), "[General]\nOutputDir=/srv/videos\n[CheckBoxes]\nOverwriteExistingFile=1\nShutDown=0\n"
                               "[Combo]\nOutputFormat=0\nLetterBox=1\n");
}

TEST_F(SettingsWindow, StoredShutDownIsCheckedSilentlyAndCheckingByHandLaterAsks)
{
    startWith("[CheckBoxes]\nShutDown=1\nOverwriteExistingFile=0\n");
    form->show();
    EXPECT_TRUE(Find<QCheckBox>(*options, "CheckBoxShutDown")->isChecked());
    EXPECT_TRUE(messages.shown.empty());

    Find<QAction>(*form, "SetGeneralOptions1")->trigger();
    Find<QCheckBox>(*options, "CheckBoxShutDown")->click(); // unchecking asks nothing
    EXPECT_FALSE(Find<QCheckBox>(*options, "CheckBoxShutDown")->isChecked());
    EXPECT_TRUE(messages.shown.empty());

    messages.answer = false;
    Find<QCheckBox>(*options, "CheckBoxShutDown")->click();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].kind, "yesno");
    EXPECT_EQ(messages.shown[0].text, kQuestion);
    EXPECT_FALSE(Find<QCheckBox>(*options, "CheckBoxShutDown")->isChecked());

    messages.answer = true;
    Find<QCheckBox>(*options, "CheckBoxShutDown")->click();
    EXPECT_EQ(messages.shown.size(), 2u);
    EXPECT_TRUE(Find<QCheckBox>(*options, "CheckBoxShutDown")->isChecked());
}

TEST_F(SettingsWindow, WithoutAFileTheFirstCheckAfterTheWindowIsShownAsks)
{
    start(dir.dir());
    form->show();
    messages.answer = false;
    Find<QCheckBox>(*options, "CheckBoxShutDown")->setChecked(true);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_FALSE(Find<QCheckBox>(*options, "CheckBoxShutDown")->isChecked());
}

TEST_F(SettingsWindow, TheLoadSelectsCombosWithoutRunningTheirChangeHandlers)
{
    start(dir.dir());
    QSignalSpy formatChanges(Find<QComboBox>(*form, "ComboOutputFormat"), &QComboBox::currentIndexChanged);
    QSignalSpy letterBoxChanges(Find<QComboBox>(*form, "ComboLetterBox"), &QComboBox::currentIndexChanged);
    app->settings().applySettings({"/x", false, false, 14, 0});
    EXPECT_EQ(Find<QComboBox>(*form, "ComboOutputFormat")->currentIndex(), 14);
    EXPECT_EQ(Find<QComboBox>(*form, "ComboLetterBox")->currentIndex(), 0);
    EXPECT_EQ(formatChanges.count(), 0);
    EXPECT_EQ(letterBoxChanges.count(), 0);
    EXPECT_EQ(app->settings().windowSettings(), (SettingsValues{"/x", false, false, 14, 0}));
}

TEST_F(SettingsWindow, ClosingWithTheDialogOpenWritesItsCurrentStates)
{
    startWith("[General]\nOutputDir=/srv/in\n[CheckBoxes]\nOverwriteExistingFile=0\nShutDown=0\n[Combo]\nOutputFormat=3\n");
    form->show();
    Find<QAction>(*form, "SetGeneralOptions1")->trigger();
    ASSERT_TRUE(options->isVisible());
    Find<QCheckBox>(*options, "CheckBoxOverWrite")->click();
    Find<QCheckBox>(*options, "CheckBoxShutDown")->click(); // the question is answered Yes
    Find<QComboBox>(*form, "ComboLetterBox")->setCurrentIndex(0);
    Find<QLineEdit>(*form, "Edit1")->setText("/srv/out");

    EXPECT_TRUE(form->close());
    EXPECT_TRUE(options->isVisible());
    EXPECT_EQ(ReadText(ini()), "[General]\nOutputDir=/srv/out\n[CheckBoxes]\nOverwriteExistingFile=1\nShutDown=1\n"
                               "[Combo]\nOutputFormat=3\nLetterBox=0\n");
}

TEST_F(SettingsWindow, ARefusedCloseWritesNothing)
{
    start(dir.dir());
    form->show();
    app->state().isConverting = true;
    EXPECT_FALSE(form->close());
    app->state().isConverting = false;
    EXPECT_FALSE(std::filesystem::exists(ini()));
}

TEST_F(SettingsWindow, WithOnlyGeneralTheCloseWritesAllFiveKeysInOrder)
{
    startWith("[General]\n");
    form->show();
    EXPECT_TRUE(form->close());
    EXPECT_EQ(ReadText(ini()), "[General]\nOutputDir=\n[CheckBoxes]\nOverwriteExistingFile=1\nShutDown=0\n"
                               "[Combo]\nOutputFormat=1\nLetterBox=1\n");
}

// The settings file is a folder: the write fails, no message, the application ends.
TEST_F(SettingsWindow, AFailingWriteEndsTheApplicationSilentlyAndLeavesNoFile)
{
    std::filesystem::create_directory(ini());
    start(dir.dir());
    form->show();
    QSignalSpy closing(form, &MainWindow::closing);
    QTimer::singleShot(0, form, [this] { form->close(); });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_EQ(closing.count(), 1);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(std::filesystem::is_directory(ini()));
    EXPECT_TRUE(NamesIn(dir.path(), "plumly.ini").empty());
}

// AppDir lies under a file, so nothing can be created in it.
TEST_F(SettingsWindow, AnAppDirThatCannotHoldFilesEndsTheApplicationSilently)
{
    const auto file = dir.write("file", "x");
    start(file.string() + "/AppDir/");
    form->show();
    QTimer::singleShot(0, form, [this] { form->close(); });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(NamesIn(dir.path()), std::vector<std::string>{"file"});
}

// The disk refuses the new file: the old one is deleted, no part of the new one stays.
TEST_F(SettingsWindow, AWriteThatRunsOutOfSpaceDeletesTheFile)
{
    startWith("[General]\nOutputDir=/srv/in\n");
    form->show();
    Find<QLineEdit>(*form, "Edit1")->setText(QString(300, 'd'));
    {
        FileSizeLimit limit(64);
        EXPECT_TRUE(form->close());
    }
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(NamesIn(dir.path()).empty());
}

TEST_F(SettingsWindow, OptionsDialogHasItsCaptionSizeAndControls)
{
    start(dir.dir());
    EXPECT_EQ(options->windowTitle(), "Additional Options");
    // Wider only where the font needs it for the captions.
    EXPECT_EQ(options->height(), 198);
    EXPECT_GE(options->width(), 359);
    EXPECT_LE(options->width(), std::max(359, Find<QCheckBox>(*options, "CheckBoxShutDown")->sizeHint().width() + 32));
    EXPECT_EQ(options->minimumSize(), options->maximumSize());
    EXPECT_TRUE(options->windowFlags() & Qt::WindowStaysOnTopHint);
    auto* group = options->findChild<QGroupBox*>();
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->title(), " Additional Options ");
    EXPECT_EQ(Find<QCheckBox>(*options, "CheckBoxOverWrite")->parent(), group);
    EXPECT_EQ(Find<QCheckBox>(*options, "CheckBoxShutDown")->parent(), group);
    EXPECT_EQ(Find<QCheckBox>(*options, "CheckBoxOverWrite")->text(), "Overwrite Existing File With The Same Name");
    EXPECT_EQ(Find<QCheckBox>(*options, "CheckBoxShutDown")->text(), "Shut Down Computer After All Conversion Jobs Are Done ");
    EXPECT_EQ(Find<QPushButton>(*options, "Button1")->text(), "Done");
    EXPECT_GT(Find<QPushButton>(*options, "Button1")->y(), group->geometry().bottom());
}

TEST_F(SettingsWindow, TheMenuShowsTheDialogModelessCentredAndDoneHidesIt)
{
    start(dir.dir());
    form->show();
    Find<QAction>(*form, "SetGeneralOptions1")->trigger();
    EXPECT_TRUE(options->isVisible());
    EXPECT_FALSE(options->isModal());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    const QPoint offset = options->geometry().center() - form->geometry().center();
    EXPECT_LE(offset.manhattanLength(), 4) << offset.x() << "," << offset.y();
    Find<QPushButton>(*options, "Button1")->click();
    EXPECT_FALSE(options->isVisible());
    Find<QCheckBox>(*options, "CheckBoxOverWrite")->setChecked(true);
    EXPECT_TRUE(app->settings().windowSettings().overwrite);
}

} // namespace

namespace {

TEST_F(SettingsWindow, TheRestoredFormatsProfileIsAppliedWhenTheWindowIsShown)
{
    startWith("[General]\nOutputDir=/srv/out\n[Combo]\nOutputFormat=23\nLetterBox=0\n");
    EXPECT_EQ(Find<QComboBox>(*form, "ComboVideoCodec")->count(), 3);
    form->show();
    EXPECT_EQ(Find<QComboBox>(*form, "ComboVideoCodec")->count(), 0);
    EXPECT_EQ(Find<QComboBox>(*form, "ComboAudioCodec")->currentText(), "mp3");
    EXPECT_EQ(Find<QComboBox>(*form, "ComboAudioBitrate")->currentText(), "192 Kbps");
    EXPECT_EQ(Find<QComboBox>(*form, "ComboLetterBox")->currentText(), "None");
    EXPECT_EQ(Find<QComboBox>(*form, "ComboOutputFormat")->currentIndex(), 23);
}

TEST_F(SettingsWindow, AnArmedPowerOffShowsInTheSecondPanelWhichOpensTheOptions)
{
    startWith("[CheckBoxes]\nShutDown=1\n");
    form->show();
    EXPECT_EQ(form->statusPanelText(1), "Power off after the batch");
    QTest::mouseClick(form->statusPanels().panel(1), Qt::LeftButton);
    EXPECT_TRUE(options->isVisible());

    // During a batch the panel carries the conversion's text beside a mark.
    StatusBarPanels& panels = form->statusPanels();
    panels.setBatchRunning(true);
    form->setStatusPanelText(1, "Output File Size : 200 KB");
    EXPECT_EQ(form->statusPanelText(1), "Output File Size : 200 KB");
    EXPECT_EQ(panels.panel(1)->toolTip(), "Power off after the batch");
    panels.setBatchRunning(false);
    EXPECT_EQ(form->statusPanelText(1), "Power off after the batch");

    Find<QCheckBox>(*options, "CheckBoxShutDown")->setChecked(false);
    EXPECT_EQ(form->statusPanelText(1), "Output File Size : 200 KB");
    options->hide();
    QTest::mouseClick(form->statusPanels().panel(1), Qt::LeftButton);
    EXPECT_FALSE(options->isVisible());
}

TEST(ShutdownQuestion, StandsAboveTheOptionsDialog)
{
    TempDir dir;
    GuiMessages messages;
    Application app(dir.dir(), messages);
    messages.setParent(&app.mainWindow());
    app.mainWindow().show();
    app.settings().showOptions();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Find<AdditionalOptionsDialog>(app.mainWindow(), "Form4")));
    QWidget* owner = nullptr;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        owner = box->parentWidget();
        box->button(QMessageBox::No)->click();
    });
    Find<QCheckBox>(app.mainWindow(), "CheckBoxShutDown")->click();
    EXPECT_EQ(owner, Find<AdditionalOptionsDialog>(app.mainWindow(), "Form4"));
    EXPECT_FALSE(Find<QCheckBox>(app.mainWindow(), "CheckBoxShutDown")->isChecked());
}

} // namespace
