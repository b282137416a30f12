// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Version.h"
#include "core/Texts.h"
#include "ui/Application.h"
#include "core/HelpLinks.h"
#include "ui/MainWindow.h"
#include "ui/AboutDialog.h"
#include "support/FakeMessages.h"
#include "support/TempDir.h"
#include "support/WindowControls.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace {

class FakeUrlOpener : public UrlOpener {
public:
    bool open(const QUrl& url) override
    {
        opened.push_back(url);
        return willOpen;
    }
    std::vector<QUrl> opened;
    bool willOpen = true; // whether a program takes the address
};

class HelpAndAbout : public ::testing::Test {
protected:
    void SetUp() override { app.setUrlOpener(urls); }

    TempDir dir;
    FakeMessages messages;
    Application app{dir.dir(), messages};
    MainWindow& form = app.mainWindow();
    AboutDialog& about = *Find<AboutDialog>(app.mainWindow(), "FormAbout");
    FakeUrlOpener urls;
};

TEST_F(HelpAndAbout, OpenHelpFileOpensHelpHtmlInAppDir)
{
    Find<QAction>(form, "OpenHelpFile1")->trigger();
    ASSERT_EQ(urls.opened.size(), 1u);
    EXPECT_EQ(urls.opened[0], QUrl::fromLocalFile(QString::fromStdString(dir.dir()) + "help.html"));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(HelpAndAbout, HelpAndTheOutputFolderSaySoWhenNoProgramTakesThem)
{
    urls.willOpen = false;
    Find<QAction>(form, "OpenHelpFile1")->trigger();
    Find<QAction>(form, "OpenOutputFolder1")->trigger();
    ASSERT_EQ(urls.opened.size(), 2u);
    EXPECT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[0].text, "No web browser could be started to show the help file:\n" + dir.dir() + "help.html");
    EXPECT_EQ(messages.shown[1].text,
              "No file manager could be started to show the output folder:\n" + form.outputDir().toStdString());
}

TEST_F(HelpAndAbout, VisitWebsiteOpensTheMakersSite)
{
    Find<QAction>(form, "VisitOurWebsite1")->trigger();
    ASSERT_EQ(urls.opened.size(), 1u);
    EXPECT_EQ(urls.opened[0], QUrl("https://www.example.com/kelvry/"));
}

TEST_F(HelpAndAbout, AboutIsShownModallyAndOkClosesIt)
{
    form.show();
    bool modal = false;
    QTimer::singleShot(0, &about, [&] {
        modal = about.isVisible() && QApplication::activeModalWidget() == &about;
        QTest::mouseClick(about.okButton, Qt::LeftButton);
    });
    Find<QAction>(form, "About1")->trigger();
    EXPECT_TRUE(modal);
    EXPECT_FALSE(about.isVisible());
}

TEST_F(HelpAndAbout, AboutBoxHasItsCaptionSizeAndControls)
{
    EXPECT_EQ(about.windowTitle(), "About");
    EXPECT_EQ(about.size(), QSize(359, 221));
    EXPECT_EQ(about.minimumSize(), about.maximumSize());
    EXPECT_EQ(about.parentWidget(), &form);
    EXPECT_EQ(about.logo->size(), QSize(32, 32));
    EXPECT_LT(about.logo->x(), 20);
    EXPECT_LT(about.logo->y(), 20);
    EXPECT_FALSE(about.logo->pixmap().isNull());
    EXPECT_EQ(about.okButton->text(), "OK");
    EXPECT_TRUE(about.okButton->font().bold());
    EXPECT_EQ(about.websiteLink->text(), "Visit Kelvry Website  for More Softwares ");
    EXPECT_EQ(about.supportLink->text(), "Contact Support Department");
    EXPECT_EQ(about.versionLabel->text(), QString("Version ") + kVersion);
    for (QLabel* link : {about.websiteLink, about.supportLink}) {
        EXPECT_TRUE(link->font().underline());
        EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(Qt::blue));
        EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
    }
    for (QFrame* divider : {about.outerPanel, about.innerPanel}) {
        EXPECT_EQ(divider->frameShape(), QFrame::HLine);
        EXPECT_EQ(divider->frameShadow(), QFrame::Sunken);
    }
    EXPECT_LT(about.outerPanel->y(), about.websiteLink->y());
    EXPECT_GT(about.innerPanel->y(), about.supportLink->y());
}

TEST_F(HelpAndAbout, AboutLinksOpenTheSiteAndASupportMail)
{
    about.show();
    QTest::mouseClick(about.websiteLink, Qt::LeftButton);
    QTest::mouseClick(about.supportLink, Qt::LeftButton);
    QTest::mouseClick(about.supportLink, Qt::RightButton);
    ASSERT_EQ(urls.opened.size(), 2u);
    EXPECT_EQ(urls.opened[0], QUrl("https://www.example.com/kelvry/"));
    EXPECT_EQ(urls.opened[1], QUrl("mailto:support@example.com"));
    EXPECT_TRUE(messages.shown.empty());
}

TEST(HelpLinks, UseTheReservedExampleDomain)
{
    EXPECT_EQ(HelpFileUrl("/opt/vantorel/").toLocalFile(), "/opt/vantorel/help.html");
    EXPECT_EQ(WebsiteUrl().host(), "www.example.com");
    EXPECT_EQ(SupportMailUrl().scheme(), "mailto");
    EXPECT_EQ(SupportMailUrl().path(), "support@example.com");
}

TEST(HelpFile, LiesInAppDirAndCoversTheApplication)
{
    const std::string appDir = qEnvironmentVariable("VANTOREL_APPDIR").toStdString();
    ASSERT_FALSE(appDir.empty());
    std::ifstream in(appDir + "help.html");
    ASSERT_TRUE(in.good());
    std::stringstream content;
    content << in.rdbuf();
    const std::string text = content.str();
    for (const char* topic : {"Adding files", "Output formats", "Converting", "Additional options and saved settings",
                              "plumly.ini", "Overwrite Existing File With The Same Name", "LetterBox",
                              "https://www.example.com/kelvry/", "support@example.com"})
        EXPECT_NE(text.find(topic), std::string::npos) << topic;
}

// The shell's texts as the application shows them.
TEST(ShellTexts, AreExact)
{
    const struct {
        const char* actual;
        const char* expected;
    } cases[] = {
        {texts::kOptionsCaption, "Additional Options"},
        {texts::kOptionsGroup, " Additional Options "},
        {texts::kOverwriteOption, "Overwrite Existing File With The Same Name"},
        {texts::kShutDownOption, "Shut Down Computer After All Conversion Jobs Are Done "},
        {texts::kDoneButton, "Done"},
        {texts::kShutDownQuestion, "Your computer will automatically shutdown without warning\nafter all conversion jobs "
                                   "are completed. Do you want to continue?"},
        {texts::kHelpFileName, "help.html"},
        {texts::kAboutCaption, "About"},
        {texts::kAboutOk, "OK"},
        {texts::kWebsiteLink, "Visit Kelvry Website  for More Softwares "},
        {texts::kSupportLink, "Contact Support Department"},
        {texts::kCheckAllItems, "&Check All Items"},
        {texts::kUncheckAllItems, "&Uncheck All Items"},
        {texts::kRemoveSelectedItem, "&Remove Selected Item"},
        {texts::kClearAllItems, "C&lear All Items"},
        {texts::kBrowseFolderName, "Select Output Directory"},
        {texts::kBrowseHeadline, "Choose the required output directory below :"},
        {texts::kBrowseHelpButton, "&Help"},
        {texts::kInvalidSpecialFolderId, "Invalid special folder ID"},
        {texts::kRootFolderNotSupported, "Root folder not supported on this system"},
    };
    for (const auto& item : cases)
        EXPECT_STREQ(item.actual, item.expected);
}

} // namespace
