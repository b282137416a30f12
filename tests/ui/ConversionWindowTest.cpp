#include "ui/Application.h"
#include "ui/ShellBinder.h"
#include "ui/TForm1.h"
#include "ui/TForm4.h"
#include "ui/ConversionBinding.h"
#include "platform/PowerOff.h"
#include "ui/TForm3.h"
#include "support/StandInAppDir.h"
#include "support/FakeMessages.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

using namespace scripts;
using Texts = std::vector<std::string>;

struct FakePowerOff : PowerOff {
    bool ShutDownComputer() override
    {
        ++requests;
        return true;
    }
    int requests = 0;
};

class ConversionWindow : public ::testing::Test {
protected:
    ConversionWindow()
    {
        auto powerOff = std::make_unique<FakePowerOff>();
        fakePowerOff = powerOff.get();
        app.conversion->setPowerOff(std::move(powerOff));
        app.conversion->run.stallWatch.ConversionCountTimer().setInterval(50);
        app.conversion->countdown.TimerShutdown2().setInterval(5);
        form.Edit1->setText(QString::fromStdString(encoder.outputDir()));
        form.show();
    }
    ~ConversionWindow() override { EXPECT_TRUE(idle()); }

    void addRow(const std::string& name, bool checked = true)
    {
        const int row = form.ListView1->rowCount();
        form.ListView1->insertRow(row);
        auto* caption = new QTableWidgetItem(QString::fromStdString(encoder.input(name)));
        caption->setFlags(caption->flags() | Qt::ItemIsUserCheckable);
        caption->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
        form.ListView1->setItem(row, 0, caption);
        const QStringList cells{"640 x 352", "25", "00:01:00", "MP4", "", ""};
        for (int column = 0; column < cells.size(); ++column)
            form.ListView1->setItem(row, column + 1, new QTableWidgetItem(cells[column]));
    }
    std::string cell(int row, int column) const
    {
        const QTableWidgetItem* item = form.ListView1->item(row, column);
        return item != nullptr ? item->text().toStdString() : std::string();
    }
    std::string progress(int row) const { return cell(row, 5); }
    bool idle() { return QTest::qWaitFor([this] { return !app.conversion->run.BMDThreadConvertNow->IsRunning(); }, 60000); }
    Texts shown() const
    {
        Texts texts;
        for (const auto& item : messages.shown)
            texts.push_back(item.caption + ": " + item.text);
        return texts;
    }
    void checkShutDown() { app.Form4->CheckBoxShutDown->setChecked(true); }

    StandInAppDir encoder;
    FakeMessages messages;
    Application app{encoder.appDir(), messages};
    TForm1& form = *app.Form1;
    TForm3& form3 = *app.Form3;
    FakePowerOff* fakePowerOff = nullptr;
};

TEST_F(ConversionWindow, ConvertNowConvertsTheCheckedRowsAndSaysSo)
{
    addRow("one.avi");
    addRow("two.avi", false);
    encoder.script(GoodRun());
    form.ConvertNowButton->click();
    ASSERT_TRUE(QTest::qWaitFor([this] { return !form.ConvertNowButton->isEnabled(); }, 5000));
    EXPECT_FALSE(form.AddFileButton->isEnabled());
    EXPECT_FALSE(app.shell->listCommands.autoPopup());
    ASSERT_TRUE(idle());
    EXPECT_EQ(progress(0), "Done");
    EXPECT_EQ(progress(1), "");
    EXPECT_EQ(cell(0, 6), "1500");
    EXPECT_EQ(form.statusPanelText(1), "Output File Size : 200 KB");
    EXPECT_TRUE(QTest::qWaitFor([this] { return form.ProgressBar1->value() == 0; }, 2000));
    EXPECT_EQ(shown(), Texts{"Information: All Conversion Jobs Done!"});
    EXPECT_TRUE(form.ConvertNowButton->isEnabled());
    EXPECT_TRUE(form.AddFileButton->isEnabled());
    EXPECT_TRUE(form.ComboOutputFormat->isEnabled());
    EXPECT_TRUE(app.shell->listCommands.autoPopup());
    EXPECT_TRUE(std::filesystem::exists(encoder.outputDir() + "/one.mp4"));
}

TEST_F(ConversionWindow, TheConvertMenuEntryClicksTheButton)
{
    addRow("one.avi");
    encoder.script(GoodRun());
    form.Convert1->trigger();
    ASSERT_TRUE(idle());
    EXPECT_EQ(progress(0), "Done");
}

TEST_F(ConversionWindow, LocksTheOptionsAndRefusesToCloseWhileAJobRuns)
{
    addRow("one.avi");
    encoder.script(Header() + Progress(10, 10, "6.00") + "sleep 700\nwrite 10\n");
    form.ConvertNowButton->click();
    ASSERT_TRUE(QTest::qWaitFor([this] { return progress(0) == "10%"; }, 10000));
    EXPECT_FALSE(form.ComboOutputFormat->isEnabled());
    EXPECT_FALSE(form.Exit1->isEnabled());
    EXPECT_FALSE(app.Form4->CheckBoxShutDown->isEnabled());
    EXPECT_EQ(form.ProgressBar1->value(), 10);
    EXPECT_FALSE(form.close());
    EXPECT_TRUE(form.isVisible());
    ASSERT_TRUE(idle());
    EXPECT_TRUE(form.ComboOutputFormat->isEnabled());
    EXPECT_TRUE(form.Exit1->isEnabled());
}

TEST_F(ConversionWindow, StopAsksAndAbortsTheRunningJob)
{
    addRow("one.avi");
    addRow("two.avi");
    checkShutDown();
    encoder.script(Header() + Progress(10, 10, "6.00") + "write 100\nhang\n");
    form.ConvertNowButton->click();
    ASSERT_TRUE(QTest::qWaitFor([this] { return progress(0) == "10%"; }, 10000));
    messages.shown.clear();

    messages.answer = false;
    form.StopConvertButton->click();
    EXPECT_EQ(shown(), Texts{"Confirm: Stop all the file conversions?"});
    QTest::qWait(100);
    EXPECT_EQ(progress(0), "10%");

    messages.answer = true;
    form.ButtonStopSmall->click();
    ASSERT_TRUE(idle());
    EXPECT_EQ(progress(0), "Aborted");
    EXPECT_EQ(progress(1), "");
    EXPECT_EQ(form.ProgressBar1->value(), 0);
    EXPECT_EQ(shown().size(), 2u);  // the two questions, no closing message
    EXPECT_FALSE(form3.isVisible());
    EXPECT_FALSE(app.state.shutdownPending);
    EXPECT_TRUE(form.ConvertNowButton->isEnabled());
}

TEST_F(ConversionWindow, TheBarShowsAFinishedJobForAMomentUnlessSetAgain)
{
    GuiConversionHost& host = app.conversion->host;
    host.setProgressBar(100);
    host.resetProgressBarSoon();
    EXPECT_EQ(form.ProgressBar1->value(), 100);
    EXPECT_TRUE(QTest::qWaitFor([this] { return form.ProgressBar1->value() == 0; }, 2000));

    host.setProgressBar(100);
    host.resetProgressBarSoon();
    host.setProgressBar(40);
    QTest::qWait(kFullBarMs + 200);
    EXPECT_EQ(form.ProgressBar1->value(), 40);
    host.setProgressBar(250);
    EXPECT_EQ(form.ProgressBar1->value(), 100);
    host.setProgressBar(-3);
    EXPECT_EQ(form.ProgressBar1->value(), 0);
}

TEST_F(ConversionWindow, StopWhileNothingConvertsAsksNothing)
{
    form.StopConvertButton->click();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FALSE(app.state.stopRequested);
}

TEST_F(ConversionWindow, SaysSoForAnEmptyListOrNoCheckedRow)
{
    checkShutDown();
    messages.shown.clear();
    form.ConvertNowButton->click();
    ASSERT_TRUE(idle());
    addRow("one.avi", false);
    form.ConvertNowButton->click();
    ASSERT_TRUE(idle());
    EXPECT_EQ(shown(), (Texts{"Information: There is no file to convert!",
                              "Information: Please check the checkbox of the file you want to convert!"}));
    EXPECT_FALSE(form3.isVisible());
    EXPECT_TRUE(form.ConvertNowButton->isEnabled());
}

TEST_F(ConversionWindow, CountsDownAndPowersOffAfterAFullRun)
{
    addRow("one.avi");
    checkShutDown();
    messages.shown.clear();
    encoder.script(GoodRun());
    app.conversion->countdown.TimerShutdown2().setInterval(20);
    QSignalSpy closing(&form, &TForm1::closing);
    form.ConvertNowButton->click();
    ASSERT_TRUE(QTest::qWaitFor([this] { return form3.isVisible(); }, 30000));
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(form3.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(app.state.shutdownPending);
    EXPECT_FALSE(form.close());
    form3.close();
    EXPECT_TRUE(form3.isVisible());

    // At 30 the application's event loop ends, then the power-off is asked for.
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    guard.start(30000);
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_EQ(app.state.shutdownCountdown, 30);
    EXPECT_EQ(form3.Label2->text(), "30");
    EXPECT_EQ(fakePowerOff->requests, 1);
    EXPECT_EQ(closing.count(), 0);
    app.conversion->countdown.SpeedButton1Click();
}

TEST_F(ConversionWindow, DoNotTurnOffStopsTheCountdown)
{
    app.conversion->countdown.TimerShutdown2().setInterval(5);
    app.conversion->countdown.Start();
    ASSERT_TRUE(QTest::qWaitFor([this] { return app.state.shutdownCountdown >= 29; }, 5000));
    form3.SpeedButton1->click();
    const int count = app.state.shutdownCountdown;
    EXPECT_LT(count, 30);
    QTest::qWait(50);
    EXPECT_EQ(app.state.shutdownCountdown, count);
    EXPECT_FALSE(form3.isVisible());
    EXPECT_FALSE(app.state.shutdownPending);
    EXPECT_EQ(fakePowerOff->requests, 0);

    // The next countdown starts from 0 again.
    app.conversion->countdown.TimerShutdown2().setInterval(1000);
    app.conversion->countdown.Start();
    EXPECT_EQ(app.state.shutdownCountdown, 0);
    EXPECT_TRUE(form3.isVisible());
    form3.SpeedButton1->click();
}

TEST_F(ConversionWindow, NoCountdownWhenNoJobReachedTheEncoder)
{
    addRow("gone.avi");
    std::filesystem::remove(encoder.appDir() + "gone.avi");
    checkShutDown();
    messages.shown.clear();
    form.ConvertNowButton->click();
    ASSERT_TRUE(idle());
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FALSE(form3.isVisible());
    EXPECT_FALSE(app.state.shutdownPending);
}

TEST(CountdownWindow, ShowsItsTextsWhereTheLayoutSays)
{
    TForm3 form3;
    EXPECT_EQ(form3.windowTitle(), "Warning");
    EXPECT_EQ(form3.size(), QSize(365, 186));
    EXPECT_EQ(form3.Label1->text(), "Your PC will be turned off in 30 seconds");
    EXPECT_EQ(form3.Label1->pos(), QPoint(51, 42));
    EXPECT_TRUE(form3.Label1->font().bold());
    EXPECT_EQ(form3.Label2->text(), "1");
    EXPECT_EQ(form3.Label2->pos(), QPoint(177, 81));
    EXPECT_TRUE(form3.Label2->font().bold());
    EXPECT_EQ(form3.Label2->palette().color(QPalette::WindowText), QColor(Qt::red));
    EXPECT_EQ(form3.SpeedButton1->text(), "Do Not Turn Off");
    EXPECT_EQ(form3.SpeedButton1->geometry(), QRect(123, 123, 118, 43));
}

} // namespace
