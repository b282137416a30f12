// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Application.h"
#include "ui/MainWindow.h"
#include "ui/AdditionalOptionsDialog.h"
#include "ui/ConversionLogDialog.h"
#include "ui/ShutdownCountdown.h"
#include "ui/ShutdownWarningDialog.h"
#include "ui/WindowFrontEnd.h"
#include "support/MediaClips.h"
#include "support/StandInAppDir.h"
#include "support/WindowFixture.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

using namespace scripts;
using Texts = std::vector<std::string>;

class ConversionWindow : public ::testing::Test {
protected:
    ConversionWindow()
    {
        Find<QTimer>(app.mainWindow(), "ConversionCountTimer")->setInterval(50);
        Find<QLineEdit>(form, "Edit1")->setText(QString::fromStdString(encoder.outputDir()));
        form.show();
    }
    ~ConversionWindow() override { EXPECT_TRUE(window.idle()); }

    void addRow(const std::string& name, bool checked = true)
    {
        window.addRow(encoder.input(name), {"640 x 352", "25", "00:00:02", "MP4", "", ""}, checked);
    }
    std::string cell(int row, FileColumn column) const { return window.cell(row, column); }
    std::string progress(int row) const { return cell(row, FileColumn::Progress); }
    bool idle() { return window.idle(60000); }
    Texts shown() const
    {
        Texts texts;
        for (const auto& item : messages.shown)
            texts.push_back(item.caption + ": " + item.text);
        return texts;
    }
    void checkShutDown() { Find<QCheckBox>(app.mainWindow(), "CheckBoxShutDown")->setChecked(true); }
    // Whether a right click on the file list opens its menu (which closes again).
    bool contextMenuOpens()
    {
        emit FileView(form)->customContextMenuRequested(QPoint(5, 5));
        QMenu* menu = Find<QMenu>(form, "PopupListView1");
        const bool opened = menu->isVisible();
        menu->hide();
        return opened;
    }

    StandInAppDir encoder;
    WindowFixture window{encoder.appDir()};
    FakeMessages& messages = window.messages;
    Application& app = window.app;
    MainWindow& form = window.form;
    ShutdownWarningDialog& form3 = *Find<ShutdownWarningDialog>(form, "Form3");
    ShutdownCountdown& countdown = *Find<ShutdownCountdown>(form, "ShutdownCountdown");
    FakePowerOff* fakePowerOff = window.powerOff;
};

TEST_F(ConversionWindow, ConvertNowConvertsTheCheckedRowsAndSaysSo)
{
    addRow("one.avi");
    addRow("two.avi", false);
    encoder.script(GoodMediaRun(clips::TwoSecondMp4()));
    Find<QToolButton>(form, "ConvertNowButton")->click();
    ASSERT_TRUE(QTest::qWaitFor([this] { return !Find<QToolButton>(form, "ConvertNowButton")->isEnabled(); }, 5000));
    EXPECT_FALSE(Find<QToolButton>(form, "AddFileButton")->isEnabled());
    EXPECT_FALSE(contextMenuOpens());
    ASSERT_TRUE(idle());
    EXPECT_EQ(progress(0), "Done");
    EXPECT_EQ(progress(1), "");
    EXPECT_EQ(cell(0, FileColumn::Frames), "1500");
    EXPECT_EQ(form.statusPanelText(1), "Output File Size : 200 KB");
    EXPECT_TRUE(QTest::qWaitFor([this] { return Find<QProgressBar>(form, "ProgressBar1")->value() == 0; }, 2000));
    EXPECT_EQ(shown(), Texts{"Information: All Conversion Jobs Done!"});
    EXPECT_TRUE(Find<QToolButton>(form, "ConvertNowButton")->isEnabled());
    EXPECT_TRUE(Find<QToolButton>(form, "AddFileButton")->isEnabled());
    EXPECT_TRUE(Find<QComboBox>(form, "ComboOutputFormat")->isEnabled());
    EXPECT_TRUE(contextMenuOpens());
    EXPECT_TRUE(std::filesystem::exists(encoder.outputDir() + "/one.mp4"));
}

TEST_F(ConversionWindow, ASecondConvertNowAsksAboutConvertedRowsAndStartsFresh)
{
    addRow("one.avi");
    addRow("two.avi");
    encoder.script(GoodMediaRun(clips::TwoSecondMp4()));
    Find<QToolButton>(form, "ConvertNowButton")->click();
    ASSERT_TRUE(idle());
    ASSERT_EQ(cell(1, FileColumn::Frames), "1500");
    const std::size_t runs = encoder.calls().size();
    messages.shown.clear();

    // Cancel starts nothing.
    messages.choice = 2;
    Find<QToolButton>(form, "ConvertNowButton")->click();
    ASSERT_TRUE(idle());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "2 of the checked files were converted already. Convert them again?");
    EXPECT_EQ(messages.shown[0].button, "Convert &Again|&Skip Them|Cancel");
    EXPECT_EQ(encoder.calls().size(), runs);

    // Convert Again: every checked row starts afresh, its last counts gone before its turn.
    messages.choice = 0;
    messages.answer = true;
    encoder.script(Header() + Progress(10, 10, "6.00") + "hang\n");
    Find<QToolButton>(form, "ConvertNowButton")->click();
    ASSERT_TRUE(QTest::qWaitFor([this] { return progress(0) == "10%"; }, 10000));
    EXPECT_EQ(cell(1, FileColumn::Frames), "");
    EXPECT_EQ(progress(1), "");
    Find<QToolButton>(form, "StopConvertButton")->click();
    ASSERT_TRUE(idle());
    // The batch's end closes a Stop question still open.
    EXPECT_NE(std::find(messages.closedQuestions.begin(), messages.closedQuestions.end(), "Stop all the file conversions?"),
              messages.closedQuestions.end());

    // Skip Them clears the ticks of the rows converted already and converts the rest.
    encoder.script(GoodMediaRun(clips::TwoSecondMp4()));
    addRow("three.avi");
    app.files().setOutcome(0, RowOutcome::Done);
    app.files().setOutcome(1, RowOutcome::Done);
    const std::size_t before = encoder.calls().size();
    messages.choice = 1;
    Find<QToolButton>(form, "ConvertNowButton")->click();
    ASSERT_TRUE(idle());
    EXPECT_EQ(CheckState(form, 0), Qt::Unchecked);
    EXPECT_EQ(CheckState(form, 1), Qt::Unchecked);
    EXPECT_EQ(progress(2), "Done");
    EXPECT_EQ(encoder.calls().size(), before + 1);
}

TEST_F(ConversionWindow, SaysWhyInTheRowsHintTheLogAndTheClosingMessage)
{
    addRow("good.avi");
    addRow("bad.avi");
    encoder.script(1, GoodMediaRun(clips::TwoSecondMp4()));
    encoder.script(ErrorRun("error: cannot read the input: Input/output error"));
    encoder.altScript(ErrorRun("error: cannot read the input: Input/output error"));
    Find<QToolButton>(form, "ConvertNowButton")->click();
    ASSERT_TRUE(idle());
    EXPECT_EQ(progress(0), "Done");
    EXPECT_EQ(progress(1), "Failed");
    for (int column = 0; column < FileView(form)->model()->columnCount(); ++column) {
        EXPECT_EQ(Hint(form, 0, column), "");
        EXPECT_EQ(Hint(form, 1, column), "error: cannot read the input: Input/output error");
    }
    EXPECT_EQ(shown(), Texts{"Information: 1 file converted, 1 failed. See the conversion log."});

    // The File menu opens the log at the latest run, in full.
    ConversionLogDialog& log = *Find<ConversionLogDialog>(form, "ConversionLogDialog");
    Find<QAction>(form, "ConversionLog1")->trigger();
    ASSERT_TRUE(log.isVisible());
    ASSERT_EQ(log.entries->count(), 3);
    EXPECT_EQ(log.entries->currentRow(), 2);
    EXPECT_TRUE(log.entries->item(2)->text().endsWith("  Failed  bad.avi")) << log.entries->item(2)->text().toStdString();
    const std::string details = log.details->toPlainText().toStdString();
    for (const std::string& part : {"Command line: \"" + encoder.appDir() + "ridod2e\" -@ -y  -i \"" + encoder.input("bad.avi") + "\"",
                                    "\"" + encoder.outputDir() + "/bad.mp4\"\nOutcome: Failed\n"
                                    "Reason: error: cannot read the input: Input/output error\n",
                                    std::string("\n    error: cannot read the input: Input/output error\n")})
        EXPECT_NE(details.find(part), std::string::npos) << part << "\n" << details;
    log.hide();

    // A double-clicked row opens it at that row's run.
    emit FileView(form)->doubleClicked(CellIndex(form, 0, 1));
    ASSERT_TRUE(log.isVisible());
    EXPECT_EQ(log.entries->currentRow(), 0);
    EXPECT_NE(log.details->toPlainText().toStdString().find("Outcome: Done\n"), std::string::npos);
    log.hide();
}

TEST_F(ConversionWindow, TheConvertMenuEntryClicksTheButton)
{
    addRow("one.avi");
    encoder.script(GoodMediaRun(clips::TwoSecondMp4()));
    Find<QAction>(form, "Convert1")->trigger();
    ASSERT_TRUE(idle());
    EXPECT_EQ(progress(0), "Done");
}

TEST_F(ConversionWindow, LocksTheOptionsAndRefusesToCloseWhileAJobRuns)
{
    addRow("one.avi");
    encoder.script(Header() + Progress(10, 10, "6.00") + "sleep 700\nwrite 10\n");
    Find<QToolButton>(form, "ConvertNowButton")->click();
    // The window shows the job's reports at its next frame.
    ASSERT_TRUE(QTest::qWaitFor([this] { return Find<QProgressBar>(form, "ProgressBar1")->value() == 10; }, 10000));
    EXPECT_EQ(progress(0), "10%");
    EXPECT_FALSE(Find<QComboBox>(form, "ComboOutputFormat")->isEnabled());
    EXPECT_FALSE(Find<QAction>(form, "Exit1")->isEnabled());
    EXPECT_FALSE(Find<QCheckBox>(app.mainWindow(), "CheckBoxShutDown")->isEnabled());
    EXPECT_FALSE(form.close());
    EXPECT_TRUE(form.isVisible());
    ASSERT_TRUE(idle());
    EXPECT_TRUE(Find<QComboBox>(form, "ComboOutputFormat")->isEnabled());
    EXPECT_TRUE(Find<QAction>(form, "Exit1")->isEnabled());
}

TEST_F(ConversionWindow, StopAsksAndAbortsTheRunningJob)
{
    addRow("one.avi");
    addRow("two.avi");
    checkShutDown();
    encoder.script(Header() + Progress(10, 10, "6.00") + "write 100\nhang\n");
    Find<QToolButton>(form, "ConvertNowButton")->click();
    ASSERT_TRUE(QTest::qWaitFor([this] { return progress(0) == "10%"; }, 10000));
    messages.shown.clear();

    messages.answer = false;
    Find<QToolButton>(form, "StopConvertButton")->click();
    EXPECT_EQ(shown(), Texts{"Confirm: Stop all the file conversions?"});
    QTest::qWait(100);
    EXPECT_EQ(progress(0), "10%");

    messages.answer = true;
    Find<QToolButton>(form, "ButtonStopSmall")->click();
    ASSERT_TRUE(idle());
    EXPECT_EQ(progress(0), "Aborted");
    EXPECT_EQ(progress(1), "");
    EXPECT_EQ(Find<QProgressBar>(form, "ProgressBar1")->value(), 0);
    EXPECT_EQ(shown().size(), 2u);  // the two questions, no closing message
    EXPECT_FALSE(form3.isVisible());
    EXPECT_FALSE(app.state().shutdownPending);
    EXPECT_TRUE(Find<QToolButton>(form, "ConvertNowButton")->isEnabled());
}

TEST_F(ConversionWindow, TheBarShowsAFinishedJobForAMomentUnlessSetAgain)
{
    WindowFrontEnd& frontEnd = *Find<WindowFrontEnd>(form, "ConversionFrontEnd");
    QProgressBar* bar = Find<QProgressBar>(form, "ProgressBar1");
    QSignalSpy moves(bar, &QProgressBar::valueChanged);
    // The reports of one frame show at once, each bar position folded into the last.
    for (const int position : {10, 50, 100})
        frontEnd.report(events::BarMoved{position});
    frontEnd.report(events::BarResetSoon{});
    EXPECT_EQ(bar->value(), 0);
    frontEnd.showQueued();
    EXPECT_EQ(bar->value(), 100);
    EXPECT_EQ(moves.count(), 1);
    EXPECT_TRUE(QTest::qWaitFor([bar] { return bar->value() == 0; }, 2000));

    frontEnd.report(events::BarMoved{100});
    frontEnd.report(events::BarResetSoon{});
    frontEnd.report(events::BarMoved{40});
    QTest::qWait(kFullBarMs + 200);
    EXPECT_EQ(bar->value(), 40);
    for (const auto& [position, shown] : {std::pair{250, 100}, std::pair{-3, 0}}) {
        frontEnd.report(events::BarMoved{position});
        frontEnd.showQueued();
        EXPECT_EQ(bar->value(), shown);
    }
}

TEST_F(ConversionWindow, StopWhileNothingConvertsAsksNothing)
{
    Find<QToolButton>(form, "StopConvertButton")->click();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FALSE(app.state().stopRequested);
}

TEST_F(ConversionWindow, SaysSoForAnEmptyListOrNoCheckedRow)
{
    checkShutDown();
    messages.shown.clear();
    Find<QToolButton>(form, "ConvertNowButton")->click();
    ASSERT_TRUE(idle());
    addRow("one.avi", false);
    Find<QToolButton>(form, "ConvertNowButton")->click();
    ASSERT_TRUE(idle());
    EXPECT_EQ(shown(), (Texts{"Information: There is no file to convert!",
                              "Information: Please check the checkbox of the file you want to convert!"}));
    EXPECT_FALSE(form3.isVisible());
    EXPECT_TRUE(Find<QToolButton>(form, "ConvertNowButton")->isEnabled());
}

TEST_F(ConversionWindow, CountsDownAndPowersOffAfterAFullRun)
{
    addRow("one.avi");
    checkShutDown();
    messages.shown.clear();
    encoder.script(GoodMediaRun(clips::TwoSecondMp4()));
    Find<QTimer>(app.mainWindow(), "TimerShutdown2")->setInterval(20);
    QSignalSpy closing(&form, &MainWindow::closing);
    Find<QToolButton>(form, "ConvertNowButton")->click();
    ASSERT_TRUE(QTest::qWaitFor([this] { return form3.isVisible(); }, 30000));
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(form3.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(app.state().shutdownPending);
    EXPECT_FALSE(form.close());
    form3.close();
    EXPECT_TRUE(form3.isVisible());

    // At 30 the application's event loop ends, then the power-off is asked for.
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    guard.start(30000);
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_EQ(countdown.seconds(), 30);
    EXPECT_EQ(form3.secondsLabel->text(), "30");
    EXPECT_EQ(fakePowerOff->requests, 1);
    EXPECT_EQ(closing.count(), 0);
    countdown.cancelShutdown();
}

TEST_F(ConversionWindow, ARefusedPowerOffKeepsTheWindowAndSaysWhy)
{
    addRow("one.avi");
    fakePowerOff->refusalText = "Interactive authentication required.";
    QSignalSpy closing(&form, &MainWindow::closing);
    countdown.start();
    ASSERT_TRUE(QTest::qWaitFor([this] { return !app.state().shutdownPending; }, 5000));
    EXPECT_EQ(fakePowerOff->requests, 1);
    EXPECT_EQ(shown(), Texts{"Information: The computer could not be powered off: Interactive authentication required."});
    EXPECT_FALSE(form3.isVisible());
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(RowCount(form), 1);
    EXPECT_EQ(closing.count(), 0);
    EXPECT_TRUE(form.close());
}

TEST_F(ConversionWindow, DoNotTurnOffStopsTheCountdown)
{
    Find<QTimer>(app.mainWindow(), "TimerShutdown2")->setInterval(5);
    countdown.start();
    ASSERT_TRUE(QTest::qWaitFor([this] { return countdown.seconds() >= 29; }, 5000));
    Find<QToolButton>(form3, "SpeedButton1")->click();
    const int count = countdown.seconds();
    EXPECT_LT(count, 30);
    QTest::qWait(50);
    EXPECT_EQ(countdown.seconds(), count);
    EXPECT_FALSE(form3.isVisible());
    EXPECT_FALSE(app.state().shutdownPending);
    EXPECT_EQ(fakePowerOff->requests, 0);

    // The next countdown starts from 0 again.
    Find<QTimer>(app.mainWindow(), "TimerShutdown2")->setInterval(1000);
    countdown.start();
    EXPECT_EQ(countdown.seconds(), 0);
    EXPECT_TRUE(form3.isVisible());
    Find<QToolButton>(form3, "SpeedButton1")->click();
}

TEST_F(ConversionWindow, NoCountdownWhenNoJobReachedTheEncoder)
{
    addRow("gone.avi");
    std::filesystem::remove(encoder.appDir() + "gone.avi");
    checkShutDown();
    messages.shown.clear();
    Find<QToolButton>(form, "ConvertNowButton")->click();
    ASSERT_TRUE(idle());
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FALSE(form3.isVisible());
    EXPECT_FALSE(app.state().shutdownPending);
}

TEST(CountdownWindow, ShowsItsTextsWhereTheLayoutSays)
{
    ShutdownWarningDialog form3;
    EXPECT_EQ(form3.windowTitle(), "Warning");
    EXPECT_EQ(form3.size(), QSize(365, 186));
    EXPECT_EQ(form3.turnOffNotice->text(), "Your PC will be turned off in 30 seconds");
    EXPECT_EQ(form3.turnOffNotice->pos(), QPoint(51, 42));
    EXPECT_TRUE(form3.turnOffNotice->font().bold());
    EXPECT_EQ(form3.secondsLabel->text(), "1");
    EXPECT_EQ(form3.secondsLabel->pos(), QPoint(177, 81));
    EXPECT_TRUE(form3.secondsLabel->font().bold());
    EXPECT_EQ(form3.secondsLabel->palette().color(QPalette::WindowText), QColor(Qt::red));
    EXPECT_EQ(form3.doNotTurnOffButton->text(), "Do Not Turn Off");
    EXPECT_EQ(form3.doNotTurnOffButton->geometry(), QRect(123, 123, 118, 43));
}

} // namespace
