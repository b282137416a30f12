#include "core/SettingsFile.h"
#include "ui/Application.h"
#include "ui/MainWindow.h"
#include "ui/AdditionalOptionsDialog.h"
#include "support/FakeMessages.h"
#include "support/TempDir.h"
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
    EXPECT_EQ(Find<QLabel>(form, "Label1")->toolTip(), "/srv/new folder");
}

TEST_F(MainWindowTest, CloseIsRefusedWhileConvertingOrCountingDown)
{
    form.show();
    QSignalSpy closing(&form, &MainWindow::closing);
    app.state().isConverting = true;
    EXPECT_FALSE(form.close());
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
