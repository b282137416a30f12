// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/SettingsFile.h"
#include "ui/Application.h"
#include "ui/MainWindow.h"
#include "ui/AdditionalOptionsDialog.h"
#include "ui/WindowFit.h"
#include "core/Texts.h"
#include "support/FakeMessages.h"
#include "support/TempDir.h"
#include "support/TextFile.h"
#include "support/WindowControls.h"

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
#include <QStatusBar>
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
    ::MainWindow& form = app.mainWindow();
};

TEST_F(MainWindowTest, FirstStartShowsTheFormDefaults)
{
    form.show();
    EXPECT_EQ(form.windowTitle(), "Vantorel");
    EXPECT_EQ(Find<QComboBox>(form, "ComboLetterBox")->currentText(), "LetterBox");
    EXPECT_EQ(Find<QComboBox>(form, "ComboLetterBox")->count(), 2);
    EXPECT_EQ(Find<QSlider>(form, "TrackBar1")->value(), 5);
    EXPECT_EQ(Find<QLabel>(form, "Label14")->text(), "100%");
    EXPECT_EQ(Find<QLineEdit>(form, "Edit1")->text(), QDir::homePath() + "/iPod Files");
    EXPECT_EQ(Find<QComboBox>(form, "ComboOutputFormat")->count(), 41);
    EXPECT_EQ(Find<QComboBox>(form, "ComboOutputFormat")->currentText(), "iPod (320 x 240) Good Quality (*.mp4)");
    EXPECT_EQ(Find<QComboBox>(form, "ComboMuteAudio")->currentText(), "False");
    EXPECT_EQ(Find<QComboBox>(form, "ComboAudioChannel")->currentText(), "Stereo");
    EXPECT_EQ(form.statusPanelText(0), "Ready");
    EXPECT_FALSE(Find<QPlainTextEdit>(form, "Memo1")->isVisible());
    EXPECT_FALSE(Find<QLineEdit>(form, "Edit1")->isEnabled());
    EXPECT_FALSE(Find<AdditionalOptionsDialog>(app.mainWindow(), "Form4")->confirmSuppressed());
}

TEST_F(MainWindowTest, GrowsFromItsDesignSizeAndOpensNextTimeAsItWasLeftWithinTheScreen)
{
    form.centreOnScreen();
    form.show();
    EXPECT_EQ(form.centralWidget()->size(), QSize(765, 512));
    EXPECT_EQ(form.minimumSize(), form.size());
    EXPECT_TRUE(form.windowFlags() & Qt::WindowMaximizeButtonHint);
    for (int row = 0; row < 40; ++row)
        app.files().append({"/videos/clip" + std::to_string(row) + ".avi", {}, true});
    const auto visibleRows = [this] { return FileView(form)->rowAt(FileView(form)->viewport()->height() - 1); };
    const int rowsBefore = visibleRows();

    // The list and its first column take the room; what lies below it moves down.
    form.resize(form.width() + 15, form.height() + 30);
    QApplication::processEvents();
    EXPECT_EQ(FileView(form)->geometry(), QRect(4, 84, 753 + 15, 190 + 30));
    EXPECT_EQ(FileView(form)->columnWidth(0), 320 + 15);
    EXPECT_GT(visibleRows(), rowsBefore);
    EXPECT_EQ(Find<QWidget>(form, "GroupBox2")->geometry(), QRect(309, 315 + 30, 219, 133));
    EXPECT_EQ(Find<QWidget>(form, "ButtonBrowseForFolder")->geometry(), QRect(711 + 15, 280 + 30, 40, 28));
    EXPECT_EQ(Find<QWidget>(form, "StatusBar1")->geometry().bottom(), form.centralWidget()->height() - 1);
    FileView(form)->setColumnWidth(2, 99);
    const QSize left = form.size();
    EXPECT_TRUE(form.close());
    EXPECT_NE(ReadText(appDir.dir() + "plumly.ini").find("[Window]\n"), std::string::npos);

    Application next{appDir.dir(), messages};
    next.mainWindow().centreOnScreen();
    EXPECT_EQ(next.mainWindow().size(), left);
    EXPECT_EQ(FileView(next.mainWindow())->columnWidth(2), 99);

    // A size the screen cannot hold is cut to the screen's free area, frame and all.
    appDir.write("plumly.ini", "[Window]\nLeft=-500\nTop=900\nWidth=5000\nHeight=4000\n");
    Application large{appDir.dir(), messages};
    large.mainWindow().centreOnScreen();
    large.mainWindow().show();
    const QRect area = large.mainWindow().screen()->availableGeometry();
    EXPECT_TRUE(area.contains(large.mainWindow().geometry())) << area.width() << "x" << area.height();
    EXPECT_LE(large.mainWindow().minimumHeight(), area.height());
}

TEST(WindowFit, KeepsTheWindowAndItsFrameInsideTheArea)
{
    const QRect area(0, 0, 800, 500);
    const QMargins frame(4, 24, 4, 4);
    const struct {
        QRect wanted;
        QRect fitted;
    } cases[] = {
        {{100, 100, 400, 300}, {100, 100, 400, 300}},
        {{-50, -50, 400, 300}, {4, 24, 400, 300}},
        {{700, 400, 400, 300}, {396, 196, 400, 300}},
        {{0, 0, 1530, 1060}, {4, 24, 792, 472}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FitInArea(c.wanted, area, frame), c.fitted);
}

TEST_F(MainWindowTest, StartsCentredAndShowsLongPathsWithTheirNamesAndInFull)
{
    form.centreOnScreen();
    form.show();
    // Centred up to the frame's margins.
    EXPECT_LE((form.geometry().center() - form.screen()->availableGeometry().center()).manhattanLength(), 8);

    const QString path = "/media/" + QString("long folder name/").repeated(12) + "holiday clip.avi";
    app.files().append({path.toStdString(), {}, true});
    EXPECT_EQ(FileView(form)->textElideMode(), Qt::ElideMiddle);
    EXPECT_FALSE(FileView(form)->wordWrap());
    const QRect cell = FileView(form)->visualRect(CellIndex(form, 0, 0));
    QHelpEvent tip(QEvent::ToolTip, cell.center(), FileView(form)->viewport()->mapToGlobal(cell.center()));
    QApplication::sendEvent(FileView(form)->viewport(), &tip);
    EXPECT_EQ(QToolTip::text(), path);
}

TEST_F(MainWindowTest, PutsEveryControlWhereTheLayoutSays)
{
    const struct {
        QWidget* control;
        QRect geometry;
    } expected[] = {
        {FileView(form), {4, 84, 753, 190}},
        {Find<QToolButton>(form, "ButtonBrowseForFolder"), {711, 280, 40, 28}},
        {Find<QProgressBar>(form, "ProgressBar1"), {69, 462, 585, 16}},   {Find<QToolButton>(form, "ButtonStopSmall"), {671, 456, 77, 28}},
    };
    for (const auto& item : expected)
        EXPECT_EQ(item.control->geometry(), item.geometry) << item.control->objectName().toStdString();
    // The big buttons are 82 wide unless their caption needs more.
    const std::pair<QToolButton*, int> buttons[] = {{Find<QToolButton>(form, "AddFileButton"), 12}, {Find<QToolButton>(form, "StopConvertButton"), 108},
                                                    {Find<QToolButton>(form, "ConvertNowButton"), 204}, {Find<QToolButton>(form, "RemoveButton"), 330},
                                                    {Find<QToolButton>(form, "ClearAllButton"), 426}};
    for (const auto& [button, left] : buttons) {
        EXPECT_EQ(button->pos(), QPoint(left, 3));
        EXPECT_EQ(button->height(), 76);
        EXPECT_EQ(button->width(), std::max(82, button->sizeHint().width()));
    }
    // The two fields give up room on their left to their labels where these need it.
    const std::tuple<QWidget*, int, int> fields[] = {{Find<QComboBox>(form, "ComboOutputFormat"), 105, 405}, {Find<QLineEdit>(form, "Edit1"), 525, 705}};
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
        EXPECT_EQ(FileView(form)->columnWidth(column), widths[column]);
        EXPECT_EQ(FileView(form)->model()->headerData(column, Qt::Horizontal).toString(), captions[column]);
    }
}

TEST_F(MainWindowTest, SmallButtonAndMenuEntriesClickTheirButtons)
{
    QSignalSpy stop(Find<QToolButton>(form, "StopConvertButton"), &QToolButton::clicked);
    QSignalSpy add(Find<QToolButton>(form, "AddFileButton"), &QToolButton::clicked);
    QSignalSpy convert(Find<QToolButton>(form, "ConvertNowButton"), &QToolButton::clicked);
    // Both Stop buttons work only while a batch runs, and the folder button only while none does.
    EXPECT_FALSE(Find<QToolButton>(form, "ButtonStopSmall")->isEnabled());
    EXPECT_FALSE(Find<QToolButton>(form, "StopConvertButton")->isEnabled());
    EXPECT_TRUE(Find<QToolButton>(form, "ButtonBrowseForFolder")->isEnabled());
    form.setBatchRunning(true);
    EXPECT_FALSE(Find<QToolButton>(form, "ButtonBrowseForFolder")->isEnabled());
    EXPECT_FALSE(Find<QSlider>(form, "TrackBar1")->isEnabled());
    Find<QToolButton>(form, "ButtonStopSmall")->click();
    Find<QAction>(form, "AddFiles1")->trigger();
    Find<QAction>(form, "Convert1")->trigger();
    EXPECT_EQ(stop.count(), 1);
    EXPECT_EQ(add.count(), 1);
    EXPECT_EQ(convert.count(), 1);
}

TEST_F(MainWindowTest, HoveringTheOutputDirectoryLabelShowsTheDirectory)
{
    Find<QLineEdit>(form, "Edit1")->setText("/srv/new folder");
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(Find<QLabel>(form, "Label1"), &enter);
    EXPECT_EQ(Find<QLabel>(form, "Label1")->toolTip(), QString("/srv/new folder\n") + texts::kOutputDirectoryHint);
}

TEST_F(MainWindowTest, CloseIsRefusedWhileConvertingOrCountingDown)
{
    form.show();
    QSignalSpy closing(&form, &MainWindow::closing);
    app.state().isConverting = true;
    EXPECT_FALSE(form.close());
    EXPECT_EQ(Find<QStatusBar>(form, "StatusBar1")->currentMessage(), "Converting \u2014 stop the batch first");
    app.state().isConverting = false;
    app.state().shutdownPending = true;
    EXPECT_FALSE(form.close());
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(closing.count(), 0);
    EXPECT_TRUE(messages.shown.empty());
    app.state().shutdownPending = false;
    EXPECT_TRUE(form.close());
    EXPECT_EQ(closing.count(), 1);
}

TEST_F(MainWindowTest, ExitEndsAtOnceAndWritesTheSettingsAsTheCloseBoxDoes)
{
    appDir.write("plumly.ini", "[General]\nOutputDir=/keep/me\n[Combo]\nOutputFormat=3\n");
    form.show();
    Find<QComboBox>(form, "ComboLetterBox")->setCurrentIndex(0);
    Find<QLineEdit>(form, "Edit1")->setText("/changed");
    QSignalSpy closing(&form, &MainWindow::closing);
    QTimer::singleShot(0, Find<QAction>(form, "Exit1"), &QAction::trigger);
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_EQ(closing.count(), 1);
    SettingsValues values;
    EXPECT_EQ(SettingsFile(appDir.dir()).load(values), SettingsLoad::Loaded);
    EXPECT_EQ(values.outputDir, "/changed");
    EXPECT_EQ(values.letterBox, 0);
}

} // namespace
