#include "ui/Application.h"
#include "ui/ShellBinder.h"
#include "ui/MainWindow.h"
#include "ui/AdditionalOptionsDialog.h"
#include "ui/ProfileView.h"
#include "support/FakeMessages.h"
#include "support/TempDir.h"
#include "support/TextFile.h"
#include "support/FileFaults.h"
#include "ui/ConversionBinding.h"
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
        form = app->mainWindow.get();
        options = app->optionsDialog;
    }
    void startWith(const std::string& settings)
    {
        dir.write("plumly.ini", settings);
        start(dir.dir());
    }
    std::filesystem::path ini() const { return dir.path() / "plumly.ini"; }
    std::string outputFormat() const { return form->formatCombo->currentText().toStdString(); }

    TempDir dir;
    FakeMessages messages;
    std::unique_ptr<Application> app;
    MainWindow* form = nullptr;
    AdditionalOptionsDialog* options = nullptr;
};

TEST_F(SettingsWindow, WithoutAFileTheWindowKeepsItsDefaults)
{
    start(dir.dir());
    form->show();
    EXPECT_EQ(app->shell->settingsLoad(), SettingsLoad::NoFile);
    EXPECT_EQ(form->outputDirEdit->text(), QDir::homePath() + "/iPod Files");
    EXPECT_FALSE(options->overwriteCheck->isChecked());
    EXPECT_FALSE(options->shutdownCheck->isChecked());
    EXPECT_EQ(form->formatCombo->currentIndex(), 0);
    EXPECT_EQ(form->letterBoxCombo->currentText(), "LetterBox");
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FALSE(std::filesystem::exists(ini()));
}

// A missing ShutDown key never arms the power-off.
TEST_F(SettingsWindow, OnlyTheGeneralSectionChecksOverwriteWithoutAQuestionAndLeavesShutDownOff)
{
    startWith("[General]\n");
    form->show();
    EXPECT_EQ(app->shell->settingsLoad(), SettingsLoad::Loaded);
    EXPECT_TRUE(options->overwriteCheck->isChecked());
    EXPECT_FALSE(options->shutdownCheck->isChecked());
    EXPECT_EQ(form->formatCombo->currentIndex(), 1);
    EXPECT_EQ(outputFormat(), "iPod (320 x 240) Normal Quality (*.mp4)");
    EXPECT_EQ(form->letterBoxCombo->currentText(), "LetterBox");
    EXPECT_EQ(form->outputDirEdit->text(), "");
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(app->shell->loadedSettings(), (SettingsValues{"", true, false, 1, 1}));
}

TEST_F(SettingsWindow, AnOutputDirWithoutItsFullPathLiesInTheHomeFolder)
{
    startWith("[General]\nOutputDir=Videos/out\n");
    EXPECT_EQ(form->outputDirEdit->text(), QDir::homePath() + "/Videos/out");
}

TEST_F(SettingsWindow, AMissingOutputDirLeavesTheOutputDirectoryEmpty)
{
    startWith("[CheckBoxes]\nOverwriteExistingFile=0\nShutDown=0\n[Combo]\nOutputFormat=22\nLetterBox=0\n");
    EXPECT_EQ(form->outputDirEdit->text(), "");
    EXPECT_EQ(form->formatCombo->currentIndex(), 22);
    EXPECT_EQ(form->letterBoxCombo->currentText(), "None");
    EXPECT_FALSE(options->overwriteCheck->isChecked());
    EXPECT_FALSE(options->shutdownCheck->isChecked());
}

TEST_F(SettingsWindow, FormatSevenStartsWithFormatZeroDeletesTheFileAndWritesItAnewAtClose)
{
    startWith("[General]\nOutputDir=/srv/videos\n[CheckBoxes]\nOverwriteExistingFile=1\nShutDown=0\n"
              "[Combo]\nOutputFormat=7\nLetterBox=0\n");
    form->show();
    EXPECT_EQ(app->shell->settingsLoad(), SettingsLoad::FormatReset);
    EXPECT_EQ(form->formatCombo->currentIndex(), 0);
    EXPECT_EQ(form->letterBoxCombo->currentText(), "LetterBox");
    EXPECT_EQ(form->outputDirEdit->text(), "/srv/videos");
    EXPECT_TRUE(options->overwriteCheck->isChecked());
    EXPECT_FALSE(options->shutdownCheck->isChecked());
    EXPECT_FALSE(std::filesystem::exists(ini()));

    EXPECT_TRUE(form->close());
    EXPECT_EQ(ReadText(ini()), "[General]\nOutputDir=/srv/videos\n[CheckBoxes]\nOverwriteExistingFile=1\nShutDown=0\n"
                               "[Combo]\nOutputFormat=0\nLetterBox=1\n");
}

TEST_F(SettingsWindow, StoredShutDownIsCheckedSilentlyAndCheckingByHandLaterAsks)
{
    startWith("[CheckBoxes]\nShutDown=1\nOverwriteExistingFile=0\n");
    form->show();
    EXPECT_TRUE(options->shutdownCheck->isChecked());
    EXPECT_TRUE(messages.shown.empty());

    form->optionsAction->trigger();
    options->shutdownCheck->click(); // unchecking asks nothing
    EXPECT_FALSE(options->shutdownCheck->isChecked());
    EXPECT_TRUE(messages.shown.empty());

    messages.answer = false;
    options->shutdownCheck->click();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].kind, "yesno");
    EXPECT_EQ(messages.shown[0].text, kQuestion);
    EXPECT_FALSE(options->shutdownCheck->isChecked());

    messages.answer = true;
    options->shutdownCheck->click();
    EXPECT_EQ(messages.shown.size(), 2u);
    EXPECT_TRUE(options->shutdownCheck->isChecked());
}

TEST_F(SettingsWindow, WithoutAFileTheFirstCheckAfterTheWindowIsShownAsks)
{
    start(dir.dir());
    form->show();
    messages.answer = false;
    options->shutdownCheck->setChecked(true);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_FALSE(options->shutdownCheck->isChecked());
}

TEST_F(SettingsWindow, TheLoadSelectsCombosWithoutRunningTheirChangeHandlers)
{
    start(dir.dir());
    QSignalSpy formatChanges(form->formatCombo, &QComboBox::currentIndexChanged);
    QSignalSpy letterBoxChanges(form->letterBoxCombo, &QComboBox::currentIndexChanged);
    app->shell->applySettings({"/x", false, false, 14, 0});
    EXPECT_EQ(form->formatCombo->currentIndex(), 14);
    EXPECT_EQ(form->letterBoxCombo->currentIndex(), 0);
    EXPECT_EQ(formatChanges.count(), 0);
    EXPECT_EQ(letterBoxChanges.count(), 0);
    EXPECT_EQ(app->shell->windowSettings(), (SettingsValues{"/x", false, false, 14, 0}));
}

TEST_F(SettingsWindow, ClosingWithTheDialogOpenWritesItsCurrentStates)
{
    startWith("[General]\nOutputDir=/srv/in\n[CheckBoxes]\nOverwriteExistingFile=0\nShutDown=0\n[Combo]\nOutputFormat=3\n");
    form->show();
    form->optionsAction->trigger();
    ASSERT_TRUE(options->isVisible());
    options->overwriteCheck->click();
    options->shutdownCheck->click(); // the question is answered Yes
    form->letterBoxCombo->setCurrentIndex(0);
    form->outputDirEdit->setText("/srv/out");

    EXPECT_TRUE(form->close());
    EXPECT_TRUE(options->isVisible());
    EXPECT_EQ(ReadText(ini()), "[General]\nOutputDir=/srv/out\n[CheckBoxes]\nOverwriteExistingFile=1\nShutDown=1\n"
                               "[Combo]\nOutputFormat=3\nLetterBox=0\n");
}

TEST_F(SettingsWindow, ARefusedCloseWritesNothing)
{
    start(dir.dir());
    form->show();
    app->state.isConverting = true;
    EXPECT_FALSE(form->close());
    app->state.isConverting = false;
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
    form->outputDirEdit->setText(QString(300, 'd'));
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
    EXPECT_LE(options->width(), std::max(359, options->shutdownCheck->sizeHint().width() + 32));
    EXPECT_EQ(options->minimumSize(), options->maximumSize());
    EXPECT_TRUE(options->windowFlags() & Qt::WindowStaysOnTopHint);
    auto* group = options->findChild<QGroupBox*>();
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->title(), " Additional Options ");
    EXPECT_EQ(options->overwriteCheck->parent(), group);
    EXPECT_EQ(options->shutdownCheck->parent(), group);
    EXPECT_EQ(options->overwriteCheck->text(), "Overwrite Existing File With The Same Name");
    EXPECT_EQ(options->shutdownCheck->text(), "Shut Down Computer After All Conversion Jobs Are Done ");
    EXPECT_EQ(options->doneButton->text(), "Done");
    EXPECT_GT(options->doneButton->y(), group->geometry().bottom());
}

TEST_F(SettingsWindow, TheMenuShowsTheDialogModelessCentredAndDoneHidesIt)
{
    start(dir.dir());
    form->show();
    form->optionsAction->trigger();
    EXPECT_TRUE(options->isVisible());
    EXPECT_FALSE(options->isModal());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    const QPoint offset = options->geometry().center() - form->geometry().center();
    EXPECT_LE(offset.manhattanLength(), 4) << offset.x() << "," << offset.y();
    options->doneButton->click();
    EXPECT_FALSE(options->isVisible());
    options->overwriteCheck->setChecked(true);
    EXPECT_TRUE(app->shell->windowSettings().overwrite);
}

} // namespace

namespace {

TEST_F(SettingsWindow, TheRestoredFormatsProfileIsAppliedWhenTheWindowIsShown)
{
    startWith("[General]\nOutputDir=/srv/out\n[Combo]\nOutputFormat=23\nLetterBox=0\n");
    EXPECT_EQ(form->videoCodecCombo->count(), 3);
    form->show();
    EXPECT_EQ(form->videoCodecCombo->count(), 0);
    EXPECT_EQ(form->audioCodecCombo->currentText(), "mp3");
    EXPECT_EQ(form->audioBitrateCombo->currentText(), "192 Kbps");
    EXPECT_EQ(form->letterBoxCombo->currentText(), "None");
    EXPECT_EQ(form->profileView->State().formatIndex, 23);
    EXPECT_EQ(form->profileView->State().lists.letterBox.selected, 0);
}

TEST_F(SettingsWindow, AnArmedPowerOffShowsInTheSecondPanelWhichOpensTheOptions)
{
    startWith("[CheckBoxes]\nShutDown=1\n");
    form->show();
    EXPECT_EQ(form->statusPanelText(1), "Power off after the batch");
    QTest::mouseClick(form->statusPanels->panel(1), Qt::LeftButton);
    EXPECT_TRUE(options->isVisible());

    // During a batch the panel carries the conversion's text beside a mark.
    GuiConversionHost& host = app->conversion->host;
    host.setStartControlsEnabled(false);
    host.setStatusPanel("Output File Size : 200 KB");
    EXPECT_EQ(form->statusPanelText(1), "Output File Size : 200 KB");
    EXPECT_EQ(form->statusPanels->panel(1)->toolTip(), "Power off after the batch");
    host.setStartControlsEnabled(true);
    EXPECT_EQ(form->statusPanelText(1), "Power off after the batch");

    options->shutdownCheck->setChecked(false);
    EXPECT_EQ(form->statusPanelText(1), "Output File Size : 200 KB");
    options->hide();
    QTest::mouseClick(form->statusPanels->panel(1), Qt::LeftButton);
    EXPECT_FALSE(options->isVisible());
}

TEST(ShutdownQuestion, StandsAboveTheOptionsDialog)
{
    TempDir dir;
    GuiMessages messages;
    Application app(dir.dir(), messages);
    messages.setParent(app.mainWindow.get());
    app.mainWindow->show();
    app.shell->showOptions();
    ASSERT_TRUE(QTest::qWaitForWindowActive(app.optionsDialog));
    QWidget* owner = nullptr;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        owner = box->parentWidget();
        box->button(QMessageBox::No)->click();
    });
    app.optionsDialog->shutdownCheck->click();
    EXPECT_EQ(owner, app.optionsDialog);
    EXPECT_FALSE(app.optionsDialog->shutdownCheck->isChecked());
}

} // namespace
