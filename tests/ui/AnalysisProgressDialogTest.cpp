// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Application.h"
#include "ui/MainWindow.h"
#include "ui/AnalysisProgressDialog.h"
#include "support/FakeMessages.h"
#include "support/TempDir.h"
#include "support/WindowControls.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class AnalyzingSplash : public ::testing::Test {
protected:
    TempDir appDir;
    FakeMessages messages;
    Application app{appDir.dir(), messages};
    AnalysisProgressDialog& splash = *Find<AnalysisProgressDialog>(app.mainWindow(), "FormAnalyzingSplash");
};

TEST_F(AnalyzingSplash, LooksAsDesigned)
{
    EXPECT_EQ(splash.windowTitle(), "Analyzing Video Files");
    EXPECT_EQ(splash.size(), QSize(275, 138));
    EXPECT_EQ(splash.minimumSize(), splash.maximumSize());
    EXPECT_EQ(Find<QLabel>(splash, "Label1")->text(), "Analyzing Video File.......Please Wait.");
    EXPECT_EQ(Find<QLabel>(splash, "Label1")->font().pixelSize(), 13);
    EXPECT_TRUE(Find<QLabel>(splash, "Panel1")->font().bold());
    EXPECT_EQ(Find<QLabel>(splash, "Panel1")->frameShadow(), QFrame::Sunken);
    EXPECT_EQ(Find<QPushButton>(splash, "Button2")->text(), "Cancel");
    EXPECT_TRUE(splash.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(splash.isModal());
    EXPECT_FALSE(splash.isVisible());
}

TEST_F(AnalyzingSplash, IsShownCentredOnTheMainWindow)
{
    app.mainWindow().show();
    splash.showCentred();
    EXPECT_TRUE(splash.isVisible());
    EXPECT_LE((splash.geometry().center() - app.mainWindow().frameGeometry().center()).manhattanLength(), 10);
}

TEST_F(AnalyzingSplash, CancelOnlyClearsKeepAnalyzing)
{
    app.state().keepAnalyzing = true;
    app.state().analysisBusy = true;
    splash.showCentred();
    Find<QPushButton>(splash, "Button2")->click();
    EXPECT_FALSE(app.state().keepAnalyzing);
    EXPECT_TRUE(app.state().analysisBusy);
    EXPECT_TRUE(splash.isVisible());
}

TEST_F(AnalyzingSplash, RefusesToCloseWhileTheAnalysisHoldsIt)
{
    app.state().analysisBusy = true;
    splash.showCentred();
    EXPECT_FALSE(splash.close());
    QTest::keyClick(&splash, Qt::Key_Escape);
    EXPECT_TRUE(splash.isVisible());
    app.state().analysisBusy = false;
    EXPECT_TRUE(splash.close());
    EXPECT_FALSE(splash.isVisible());
}

} // namespace
