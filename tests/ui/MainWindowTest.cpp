#include "ui/Application.h"
#include "ui/MainWindow.h"
#include "ui/AdditionalOptionsDialog.h"
#include "ui/FileListRows.h"
#include "core/Texts.h"
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
#include <QHelpEvent>
#include <QScreen>
#include <QTimer>
#include <QToolTip>
#include <QToolButton>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <tuple>

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

TEST_F(MainWindowTest, StartsCentredAndShowsLongPathsWithTheirNamesAndInFull)
{
    form.centreOnScreen();
    form.show();
    // Centred up to the frame's margins.
    EXPECT_LE((form.geometry().center() - form.screen()->availableGeometry().center()).manhattanLength(), 8);

    const QString path = "/media/" + QString("long folder name/").repeated(12) + "holiday clip.avi";
    AppendFileRow(*form.fileList, FileRow{path.toStdString(), {}, true});
    EXPECT_EQ(form.fileList->textElideMode(), Qt::ElideMiddle);
    EXPECT_FALSE(form.fileList->wordWrap());
    const QRect cell = form.fileList->visualItemRect(form.fileList->item(0, 0));
    QHelpEvent tip(QEvent::ToolTip, cell.center(), form.fileList->viewport()->mapToGlobal(cell.center()));
    QApplication::sendEvent(form.fileList->viewport(), &tip);
    EXPECT_EQ(QToolTip::text(), path);
}

TEST_F(MainWindowTest, PutsEveryControlWhereTheLayoutSays)
{
    const struct {
        QWidget* control;
        QRect geometry;
    } expected[] = {
        {form.fileList, {4, 84, 753, 190}},
        {form.browseFolderButton, {711, 280, 40, 28}},
        {form.progressBar, {69, 462, 585, 16}},   {form.smallStopButton, {671, 456, 77, 28}},
    };
    for (const auto& item : expected)
        EXPECT_EQ(item.control->geometry(), item.geometry) << item.control->objectName().toStdString();
    // The big buttons are 82 wide unless their caption needs more.
    const std::pair<QToolButton*, int> buttons[] = {{form.addFilesButton, 12}, {form.stopButton, 108},
                                                    {form.convertButton, 204}, {form.removeButton, 330},
                                                    {form.clearAllButton, 426}};
    for (const auto& [button, left] : buttons) {
        EXPECT_EQ(button->pos(), QPoint(left, 3));
        EXPECT_EQ(button->height(), 76);
        EXPECT_EQ(button->width(), std::max(82, button->sizeHint().width()));
    }
    // The two fields give up room on their left to their labels where these need it.
    const std::tuple<QWidget*, int, int> fields[] = {{form.formatCombo, 105, 405}, {form.outputDirEdit, 525, 705}};
    for (const auto& [field, left, right] : fields) {
        EXPECT_EQ(field->geometry().right(), right);
        EXPECT_GE(field->x(), left);
        EXPECT_EQ(field->y(), 282);
        EXPECT_EQ(field->height(), 24);
    }
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
    EXPECT_EQ(form.outputDirLabel->toolTip(), QString("/srv/new folder\n") + texts::kOutputDirectoryHint);
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
