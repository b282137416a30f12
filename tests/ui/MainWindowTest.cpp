#include "ui/Application.h"
#include "ui/MainWindow.h"
#include "ui/AdditionalOptionsDialog.h"
#include "support/FakeMessages.h"
#include "support/TempDir.h"
#include "support/TextFile.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QSignalSpy>
#include <QSlider>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace {

class MainWindowTest : public ::testing::Test {
protected:
    TempDir appDir;
    FakeMessages messages;
    Application app{appDir.dir(), messages};
    ::MainWindow& form = *app.mainWindow;
};

TEST_F(MainWindowTest, FirstStartShowsTheFormDefaults)
{
    form.show();
    EXPECT_EQ(form.windowTitle(), "Vantorel");
    EXPECT_EQ(form.letterBoxCombo->currentText(), "LetterBox");
    EXPECT_EQ(form.letterBoxCombo->count(), 2);
    EXPECT_EQ(form.volumeSlider->value(), 5);
    EXPECT_EQ(form.volumeLabel->text(), "100%");
    EXPECT_EQ(form.outputDirEdit->text(), QDir::homePath() + "/iPod Files");
    EXPECT_EQ(form.formatCombo->count(), 41);
    EXPECT_EQ(form.formatCombo->currentText(), "iPod (320 x 240) Good Quality (*.mp4)");
    EXPECT_EQ(form.muteAudioCombo->currentText(), "False");
    EXPECT_EQ(form.channelsCombo->currentText(), "Stereo");
    EXPECT_EQ(form.statusPanelText(0), "Ready");
    EXPECT_FALSE(form.lineBuffer->isVisible());
    EXPECT_FALSE(form.outputDirEdit->isEnabled());
    EXPECT_FALSE(app.optionsDialog->confirmSuppressed());
}

TEST_F(MainWindowTest, HasAFixedClientAreaWithoutMaximizeBox)
{
    form.show();
    EXPECT_EQ(form.centralWidget()->size(), QSize(765, 512));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    EXPECT_FALSE(form.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(form.windowFlags() & Qt::WindowMinimizeButtonHint);
}

TEST_F(MainWindowTest, PutsEveryControlWhereTheLayoutSays)
{
    const struct {
        QWidget* control;
        QRect geometry;
    } expected[] = {
        {form.addFilesButton, {12, 3, 82, 76}},     {form.stopButton, {108, 3, 82, 76}},
        {form.convertButton, {204, 3, 82, 76}}, {form.removeButton, {330, 3, 82, 76}},
        {form.clearAllButton, {426, 3, 82, 76}},   {form.fileList, {4, 84, 753, 190}},
        {form.outputDirEdit, {525, 282, 181, 24}},         {form.browseFolderButton, {711, 280, 40, 28}},
        {form.progressBar, {69, 462, 585, 16}},   {form.smallStopButton, {671, 456, 77, 28}},
    };
    for (const auto& item : expected)
        EXPECT_EQ(item.control->geometry(), item.geometry) << item.control->objectName().toStdString();
    EXPECT_EQ(form.formatCombo->geometry().topLeft(), QPoint(105, 282));
    EXPECT_EQ(form.formatCombo->width(), 301);
    const struct {
        const char* name;
        QRect geometry;
    } groups[] = {{"GroupBox1", {14, 315, 285, 133}}, {"GroupBox2", {309, 315, 219, 133}}, {"GroupBox3", {538, 315, 213, 133}}};
    for (const auto& group : groups)
        EXPECT_EQ(form.findChild<QWidget*>(group.name)->geometry(), group.geometry) << group.name;
    const int widths[] = {320, 90, 70, 60, 65, 57, 60};
    const char* captions[] = {"Video File Name", "Video Size", "FrameRate", "Duration", "Output", "Progress", "Frames"};
    for (int column = 0; column < 7; ++column) {
        EXPECT_EQ(form.fileList->columnWidth(column), widths[column]);
        EXPECT_EQ(form.fileList->horizontalHeaderItem(column)->text(), captions[column]);
    }
}

TEST_F(MainWindowTest, SmallButtonAndMenuEntriesClickTheirButtons)
{
    QSignalSpy stop(form.stopButton, &QToolButton::clicked);
    QSignalSpy add(form.addFilesButton, &QToolButton::clicked);
    QSignalSpy convert(form.convertButton, &QToolButton::clicked);
    form.smallStopButton->click();
    form.addFilesAction->trigger();
    form.convertAction->trigger();
    EXPECT_EQ(stop.count(), 1);
    EXPECT_EQ(add.count(), 1);
    EXPECT_EQ(convert.count(), 1);
}

TEST_F(MainWindowTest, HoveringTheOutputDirectoryLabelShowsTheDirectory)
{
    form.outputDirEdit->setText("/srv/new folder");
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(form.outputDirLabel, &enter);
    EXPECT_EQ(form.outputDirLabel->toolTip(), "/srv/new folder");
}

TEST_F(MainWindowTest, CloseIsRefusedWhileConvertingOrCountingDown)
{
    form.show();
    QSignalSpy closing(&form, &MainWindow::closing);
    app.state.isConverting = true;
    EXPECT_FALSE(form.close());
    app.state.isConverting = false;
    app.state.shutdownPending = true;
    EXPECT_FALSE(form.close());
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(closing.count(), 0);
    EXPECT_TRUE(messages.shown.empty());
    app.state.shutdownPending = false;
    EXPECT_TRUE(form.close());
    EXPECT_EQ(closing.count(), 1);
}

TEST_F(MainWindowTest, ExitEndsAtOnceWithoutWritingSettings)
{
    const std::string before = "[General]\nOutputDir=/keep/me\n[Combo]\nOutputFormat=3\n";
    const auto settings = appDir.write("plumly.ini", before);
    form.show();
    form.letterBoxCombo->setCurrentIndex(0);
    form.outputDirEdit->setText("/changed");
    QSignalSpy closing(&form, &MainWindow::closing);
    QTimer::singleShot(0, form.exitAction, &QAction::trigger);
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_EQ(closing.count(), 0);
    EXPECT_EQ(ReadText(settings), before);
}

} // namespace
