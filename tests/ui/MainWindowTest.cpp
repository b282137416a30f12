#include "ui/Application.h"
#include "ui/TForm1.h"
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

class MainWindow : public ::testing::Test {
protected:
    TempDir appDir;
    FakeMessages messages;
    Application app{appDir.dir(), messages};
    TForm1& form = *app.Form1;
};

TEST_F(MainWindow, FirstStartShowsTheFormDefaults)
{
    form.show();
    EXPECT_EQ(form.windowTitle(), "Vantorel");
    EXPECT_EQ(form.ComboLetterBox->currentText(), "LetterBox");
    EXPECT_EQ(form.ComboLetterBox->count(), 2);
    EXPECT_EQ(form.TrackBar1->value(), 5);
    EXPECT_EQ(form.Label14->text(), "100%");
    EXPECT_EQ(form.Edit1->text(), QDir::homePath() + "/iPod Files");
    EXPECT_EQ(form.ComboOutputFormat->count(), 30);
    EXPECT_EQ(form.ComboOutputFormat->currentText(), "iPod (320 x 240) Good Quality (*.mp4)");
    EXPECT_EQ(form.ComboMuteAudio->currentText(), "False");
    EXPECT_EQ(form.ComboAudioChannel->currentText(), "Stereo");
    EXPECT_EQ(form.statusPanelText(0), "Ready");
    EXPECT_FALSE(form.Memo1->isVisible());
    EXPECT_FALSE(form.Edit1->isEnabled());
    EXPECT_FALSE(app.state.suppressShutdownConfirm);
}

TEST_F(MainWindow, HasAFixedClientAreaWithoutMaximizeBox)
{
    form.show();
    EXPECT_EQ(form.centralWidget()->size(), QSize(765, 512));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    EXPECT_FALSE(form.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(form.windowFlags() & Qt::WindowMinimizeButtonHint);
}

TEST_F(MainWindow, PutsEveryControlWhereTheLayoutSays)
{
    const struct {
        QWidget* control;
        QRect geometry;
    } expected[] = {
        {form.AddFileButton, {12, 3, 82, 76}},     {form.StopConvertButton, {108, 3, 82, 76}},
        {form.ConvertNowButton, {204, 3, 82, 76}}, {form.RemoveButton, {330, 3, 82, 76}},
        {form.ClearAllButton, {426, 3, 82, 76}},   {form.ListView1, {4, 84, 753, 190}},
        {form.Edit1, {525, 282, 181, 24}},         {form.ButtonBrowseForFolder, {711, 280, 40, 28}},
        {form.ProgressBar1, {69, 462, 585, 16}},   {form.ButtonStopSmall, {671, 456, 77, 28}},
    };
    for (const auto& item : expected)
        EXPECT_EQ(item.control->geometry(), item.geometry) << item.control->objectName().toStdString();
    EXPECT_EQ(form.ComboOutputFormat->geometry().topLeft(), QPoint(105, 282));
    EXPECT_EQ(form.ComboOutputFormat->width(), 301);
    const struct {
        const char* name;
        QRect geometry;
    } groups[] = {{"GroupBox1", {14, 315, 285, 133}}, {"GroupBox2", {309, 315, 219, 133}}, {"GroupBox3", {538, 315, 213, 133}}};
    for (const auto& group : groups)
        EXPECT_EQ(form.findChild<QWidget*>(group.name)->geometry(), group.geometry) << group.name;
    const int widths[] = {320, 90, 70, 60, 65, 57, 60};
    const char* captions[] = {"Video File Name", "Video Size", "FrameRate", "Duration", "Output", "Progress", "Frames"};
    for (int column = 0; column < 7; ++column) {
        EXPECT_EQ(form.ListView1->columnWidth(column), widths[column]);
        EXPECT_EQ(form.ListView1->horizontalHeaderItem(column)->text(), captions[column]);
    }
}

TEST_F(MainWindow, SmallButtonAndMenuEntriesClickTheirButtons)
{
    QSignalSpy stop(form.StopConvertButton, &QToolButton::clicked);
    QSignalSpy add(form.AddFileButton, &QToolButton::clicked);
    QSignalSpy convert(form.ConvertNowButton, &QToolButton::clicked);
    form.ButtonStopSmall->click();
    form.AddFiles1->trigger();
    form.Convert1->trigger();
    EXPECT_EQ(stop.count(), 1);
    EXPECT_EQ(add.count(), 1);
    EXPECT_EQ(convert.count(), 1);
}

TEST_F(MainWindow, HoveringTheOutputDirectoryLabelShowsTheDirectory)
{
    form.Edit1->setText("/srv/new folder");
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(form.Label1, &enter);
    EXPECT_EQ(form.Label1->toolTip(), "/srv/new folder");
}

TEST_F(MainWindow, CloseIsRefusedWhileConvertingOrCountingDown)
{
    form.show();
    QSignalSpy closing(&form, &TForm1::closing);
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

TEST_F(MainWindow, ExitEndsAtOnceWithoutWritingSettings)
{
    const std::string before = "[General]\nOutputDir=/keep/me\n[Combo]\nOutputFormat=3\n";
    const auto settings = appDir.write("plumly.ini", before);
    form.show();
    form.ComboLetterBox->setCurrentIndex(0);
    form.Edit1->setText("/changed");
    QSignalSpy closing(&form, &TForm1::closing);
    QTimer::singleShot(0, form.Exit1, &QAction::trigger);
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_EQ(closing.count(), 0);
    EXPECT_EQ(ReadText(settings), before);
}

} // namespace
