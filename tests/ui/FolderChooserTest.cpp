// SPDX-License-Identifier: GPL-3.0-or-later
#include "FolderBrowsing.h"
#include "support/FakeMessages.h"
#include "support/TempDir.h"
#include "support/WindowControls.h"
#include "ui/AnalysisProgressDialog.h"
#include "ui/Application.h"
#include "ui/FolderBrowseDialog.h"
#include "ui/MainWindow.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

using BrowseDialogRun = BrowserRun<FolderBrowseDialog>;

TEST_F(BrowseDialogRun, CancellingKeepsTheFolderName)
{
    dialog.setFolderName("Select Output Directory");
    const WhenUp up1(dialog, [&] {
        dialog.browserFiles()->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click();
    });
    EXPECT_FALSE(dialog.showDialog());
    EXPECT_EQ(dialog.folderName(), "Select Output Directory");
    EXPECT_EQ(dialog.handle(), nullptr);
}

TEST_F(BrowseDialogRun, AFolderNameThatNamesNoFolderSelectsNothingAndATitleReplacesTheCaption)
{
    dialog.setFolderName("Select Output Directory");
    dialog.setTitle("Where to?");
    QString shownDirectory;
    QString typed;
    QString caption;
    const WhenUp up2(dialog, [&] {
        shownDirectory = dialog.browserFiles()->directory().absolutePath();
        typed = dialog.browserFiles()->findChild<QLineEdit*>("fileNameEdit")->text();
        caption = dialog.handle()->windowTitle();
        dialog.browserFiles()->reject();
    });
    dialog.showDialog();
    EXPECT_EQ(shownDirectory, QDir::homePath());
    EXPECT_EQ(typed, "");
    EXPECT_EQ(caption, "Where to?");
}

TEST_F(BrowseDialogRun, AnExistingFolderNameIsPreselected)
{
    dialog.setFolderName(out);
    QString shownDirectory;
    QStringList selected;
    const WhenUp up3(dialog, [&] {
        shownDirectory = dialog.browserFiles()->directory().absolutePath();
        selected = dialog.browserFiles()->selectedFiles();
        dialog.browserFiles()->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Open)->click();
    });
    EXPECT_TRUE(dialog.showDialog());
    EXPECT_EQ(shownDirectory, Path(dir.path() / "videos"));
    EXPECT_EQ(selected, QStringList{out});
    EXPECT_EQ(dialog.folderName(), out);
}

TEST_F(BrowseDialogRun, TheNewStyleIsResizableWithoutStatusLineOrHelpButton)
{
    dialog.setOptions(Dlg::boContextHelp | Dlg::boDirsOnly | Dlg::boNewDlgStyle);
    dialog.setHelpContext(5);
    bool resizable = false;
    bool statusVisible = true;
    QPushButton* help = nullptr;
    bool contextHelpButton = false;
    const WhenUp up5(dialog, [&] {
        resizable = dialog.handle()->isSizeGripEnabled() && dialog.handle()->minimumSize() != dialog.handle()->maximumSize();
        statusVisible = dialog.statusLine()->isVisible();
        help = dialog.helpButton();
        contextHelpButton = dialog.handle()->windowFlags() & Qt::WindowContextHelpButtonHint;
        dialog.browserFiles()->reject();
    });
    dialog.showDialog();
    EXPECT_TRUE(resizable);
    EXPECT_FALSE(statusVisible);
    EXPECT_EQ(help, nullptr);
    EXPECT_TRUE(contextHelpButton);
}

TEST_F(BrowseDialogRun, TheClassicHelpButtonAsksForTheHelpTopic)
{
    dialog.setOptions(Dlg::boShowHelp | Dlg::boContextHelp);
    QSignalSpy help(&dialog, &FolderBrowseDialog::helpRequested);
    bool enabledWithoutTopic = true;
    bool fixedSize = false;
    const WhenUp up6(dialog, [&] {
        ASSERT_NE(dialog.helpButton(), nullptr);
        EXPECT_EQ(dialog.helpButton()->text(), "&Help");
        enabledWithoutTopic = dialog.helpButton()->isEnabled();
        fixedSize = dialog.handle()->minimumSize() == dialog.handle()->maximumSize();
        dialog.browserFiles()->reject();
    });
    dialog.showDialog();
    EXPECT_FALSE(enabledWithoutTopic);
    EXPECT_TRUE(fixedSize);

    dialog.setHelpContext(42);
    const WhenUp up7(dialog, [&] {
        EXPECT_TRUE(dialog.helpButton()->isEnabled());
        dialog.helpButton()->click();
        dialog.browserFiles()->reject();
    });
    dialog.showDialog();
    ASSERT_EQ(help.count(), 1);
    EXPECT_EQ(help.at(0).at(0).toInt(), 42);
}

TEST_F(BrowseDialogRun, WithoutContextHelpF1AsksForTheTopicAndTheTitleBarButtonGoes)
{
    dialog.setOptions(Dlg::boDirsOnly);
    dialog.setHelpContext(7);
    QSignalSpy help(&dialog, &FolderBrowseDialog::helpRequested);
    bool contextHelpButton = true;
    const WhenUp up8(dialog, [&] {
        contextHelpButton = dialog.handle()->windowFlags() & Qt::WindowContextHelpButtonHint;
        QApplication::setActiveWindow(dialog.handle());
        QTest::keyClick(dialog.browserFiles()->findChild<QLineEdit*>("fileNameEdit"), Qt::Key_F1);
        dialog.browserFiles()->reject();
    });
    dialog.showDialog();
    EXPECT_FALSE(contextHelpButton);
    ASSERT_EQ(help.count(), 1);
    EXPECT_EQ(help.at(0).at(0).toInt(), 7);
}

TEST_F(BrowseDialogRun, TheRootKeepsTheBrowserInsideIt)
{
    dialog.setRootFolderId(0x28); // the user's home
    QString first;
    QString afterGoingUp;
    QList<QUrl> sidebar;
    const WhenUp up9(dialog, [&] {
        first = dialog.browserFiles()->directory().absolutePath();
        sidebar = dialog.browserFiles()->sidebarUrls();
        dialog.browserFiles()->findChild<QToolButton*>("toParentButton")->click();
        afterGoingUp = dialog.browserFiles()->directory().absolutePath();
        dialog.browserFiles()->reject();
    });
    dialog.showDialog();
    EXPECT_EQ(first, QDir::homePath());
    EXPECT_EQ(afterGoingUp, QDir::homePath());
    EXPECT_EQ(sidebar, QList<QUrl>{QUrl::fromLocalFile(QDir::homePath())});
}

TEST_F(BrowseDialogRun, WithoutARootTheBrowserGoesAbove)
{
    dialog.setFolderName(out);
    QString afterGoingUp;
    const WhenUp up10(dialog, [&] {
        dialog.browserFiles()->findChild<QToolButton*>("toParentButton")->click();
        afterGoingUp = dialog.browserFiles()->directory().absolutePath();
        dialog.browserFiles()->reject();
    });
    dialog.showDialog();
    EXPECT_EQ(afterGoingUp, Path(dir.path()));
}

class FolderButton : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::filesystem::create_directories(dir.path() / "chosen");
        chosen = Path(dir.path() / "chosen");
        browser = Find<FolderBrowseDialog>(form, "BrowseForFolder1");
        form.show();
    }

    // Clicks the folder button; the browser, if it opens, runs `act`.
    void click(const std::function<void()>& act)
    {
        opened = 0;
        const WhenUp up11(*browser, [&, act] {
            ++opened;
            act();
        });
        Find<QToolButton>(form, "ButtonBrowseForFolder")->click();
    }

    TempDir dir;
    FakeMessages messages;
    Application app{dir.dir(), messages};
    MainWindow& form = app.mainWindow();
    FolderBrowseDialog* browser = nullptr;
    QString chosen;
    int opened = 0;
};

TEST_F(FolderButton, TheMainWindowsBrowserIsSetUpAsGiven)
{
    EXPECT_EQ(browser->objectName(), "BrowseForFolder1");
    EXPECT_EQ(browser->parent(), &form);
    EXPECT_EQ(browser->title(), "Choose the output folder");
    EXPECT_EQ(browser->folderName(), "Select Output Directory");
    EXPECT_EQ(browser->rootFolderId(), 0);
    EXPECT_EQ(browser->headline(), "Choose the required output directory below :");
    EXPECT_EQ(browser->options().toInt(), 2 | 8 | 16);
    EXPECT_EQ(browser->helpContext(), 0);
}

TEST_F(FolderButton, AChosenFolderBecomesTheOutputDirectoryAndIsPreselectedNextTime)
{
    QString typedFirst = "unset";
    click([&] {
        typedFirst = browser->browserFiles()->findChild<QLineEdit*>("fileNameEdit")->text();
        ChooseFolder(browser, chosen);
    });
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(typedFirst, "");
    EXPECT_EQ(Find<QLineEdit>(form, "Edit1")->text(), chosen);

    QStringList preselected;
    QString title;
    QString nameText;
    QString nameSelected;
    click([&] {
        preselected = browser->browserFiles()->selectedFiles();
        title = browser->handle()->windowTitle();
        const auto* name = browser->browserFiles()->findChild<QLineEdit*>("fileNameEdit");
        nameText = name->text();
        nameSelected = name->selectedText();
        browser->browserFiles()->reject();
    });
    EXPECT_EQ(preselected, QStringList{chosen});
    EXPECT_EQ(title, "Choose the output folder");
    // Typing replaces the preselected name rather than adding to it.
    EXPECT_FALSE(nameText.isEmpty());
    EXPECT_EQ(nameSelected, nameText);
    EXPECT_EQ(Find<QLineEdit>(form, "Edit1")->text(), chosen);
}

TEST_F(FolderButton, CancellingLeavesTheOutputDirectory)
{
    const QString before = Find<QLineEdit>(form, "Edit1")->text();
    click([&] { browser->browserFiles()->reject(); });
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(Find<QLineEdit>(form, "Edit1")->text(), before);
}

TEST_F(FolderButton, DoesNothingWhileFilesAreAnalysedOrConverted)
{
    // Should the browser open anyway, it is closed at once so the test ends.
    const auto closeIfOpened = [&] { browser->browserFiles()->reject(); };
    const QString before = Find<QLineEdit>(form, "Edit1")->text();
    Find<AnalysisProgressDialog>(app.mainWindow(), "FormAnalyzingSplash")->show();
    click(closeIfOpened);
    EXPECT_EQ(opened, 0);
    Find<AnalysisProgressDialog>(app.mainWindow(), "FormAnalyzingSplash")->hide();

    app.state().isConverting = true;
    click(closeIfOpened);
    EXPECT_EQ(opened, 0);
    app.state().isConverting = false;
    EXPECT_EQ(Find<QLineEdit>(form, "Edit1")->text(), before);

    click(closeIfOpened);
    EXPECT_EQ(opened, 1);
}

} // namespace
