#include "ui/Application.h"
#include "ui/FolderBrowseDialog.h"
#include "ui/ShellBinder.h"
#include "ui/MainWindow.h"
#include "ui/AnalysisProgressDialog.h"
#include "support/FakeMessages.h"
#include "support/TempDir.h"

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

using Dlg = FolderBrowseDialog;

QString Path(const std::filesystem::path& path)
{
    return QString::fromStdString(path.string());
}

// Picks `folder` in the open browser and presses its OK button, as a user would.
void ChooseFolder(FolderBrowseDialog* browser, const QString& folder)
{
    QFileDialog* files = browser->BrowserFiles();
    files->setDirectory(QFileInfo(folder).absolutePath());
    files->selectFile(folder);
    files->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Open)->click();
}

// Makes the file dialog's view current on `folder`, which raises the selection change.
void MakeCurrent(FolderBrowseDialog* browser, const QString& folder)
{
    QFileDialog* files = browser->BrowserFiles();
    auto* view = files->findChild<QListView*>("listView");
    auto* model = qobject_cast<QFileSystemModel*>(view->model());
    view->setCurrentIndex(model->index(folder));
}

class BrowseDialogRun : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::filesystem::create_directories(dir.path() / "videos" / "out");
        out = Path(dir.path() / "videos" / "out");
    }

    TempDir dir;
    QString out;
    QWidget owner;
    FolderBrowseDialog dialog{&owner};
};

TEST_F(BrowseDialogRun, ChoosingAFolderGivesItsPathAndDisplayName)
{
    std::vector<std::string> events;
    dialog.setHeadline("Pick one :");
    dialog.OnInitialise = [&](QObject* sender) {
        events.push_back("initialise");
        EXPECT_EQ(sender, &dialog);
        QDialog* window = dialog.Handle();
        ASSERT_NE(window, nullptr);
        EXPECT_TRUE(window->isVisible());
        EXPECT_TRUE(window->isModal());
        EXPECT_EQ(window->parentWidget(), &owner);
        EXPECT_FALSE(window->windowTitle().isEmpty());
        EXPECT_EQ(window->findChild<QLabel*>("Headline")->text(), "Pick one :");
        EXPECT_EQ(dialog.BrowserFiles()->fileMode(), QFileDialog::Directory);
        EXPECT_TRUE(dialog.BrowserFiles()->testOption(QFileDialog::ShowDirsOnly));
        ChooseFolder(&dialog, out);
    };
    dialog.OnClose = [&](QObject* sender) {
        events.push_back("close");
        EXPECT_EQ(sender, &dialog);
        EXPECT_NE(dialog.Handle(), nullptr);
    };
    EXPECT_TRUE(dialog.ShowDialog());
    EXPECT_EQ(dialog.FolderName(), out);
    EXPECT_EQ(dialog.DisplayName(), "out");
    EXPECT_EQ(dialog.Handle(), nullptr);
    EXPECT_EQ(events, (std::vector<std::string>{"initialise", "close"}));
}

TEST_F(BrowseDialogRun, CancellingKeepsTheFolderName)
{
    dialog.setFolderName("Select Output Directory");
    dialog.OnInitialise = [&](QObject*) {
        dialog.BrowserFiles()->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click();
    };
    EXPECT_FALSE(dialog.ShowDialog());
    EXPECT_EQ(dialog.FolderName(), "Select Output Directory");
    EXPECT_EQ(dialog.Handle(), nullptr);
}

TEST_F(BrowseDialogRun, AFolderNameThatNamesNoFolderSelectsNothing)
{
    dialog.setFolderName("Select Output Directory");
    QString shownDirectory;
    QString typed;
    dialog.OnInitialise = [&](QObject*) {
        shownDirectory = dialog.BrowserFiles()->directory().absolutePath();
        typed = dialog.BrowserFiles()->findChild<QLineEdit*>("fileNameEdit")->text();
        dialog.BrowserFiles()->reject();
    };
    dialog.ShowDialog();
    EXPECT_EQ(shownDirectory, QDir::homePath());
    EXPECT_EQ(typed, "");
}

TEST_F(BrowseDialogRun, AnExistingFolderNameIsPreselected)
{
    dialog.setFolderName(out);
    QString shownDirectory;
    QStringList selected;
    dialog.OnInitialise = [&](QObject*) {
        shownDirectory = dialog.BrowserFiles()->directory().absolutePath();
        selected = dialog.BrowserFiles()->selectedFiles();
        dialog.BrowserFiles()->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Open)->click();
    };
    EXPECT_TRUE(dialog.ShowDialog());
    EXPECT_EQ(shownDirectory, Path(dir.path() / "videos"));
    EXPECT_EQ(selected, QStringList{out});
    EXPECT_EQ(dialog.FolderName(), out);
}

TEST_F(BrowseDialogRun, ATitleReplacesTheCaption)
{
    dialog.setTitle("Where to?");
    QString caption;
    dialog.OnInitialise = [&](QObject*) {
        caption = dialog.Handle()->windowTitle();
        dialog.BrowserFiles()->reject();
    };
    dialog.ShowDialog();
    EXPECT_EQ(caption, "Where to?");
}

TEST_F(BrowseDialogRun, SelectionChangesRaiseBothEventsAndApplyTheirAnswers)
{
    dialog.setOptions(Dlg::boStatusText | Dlg::boDirsOnly);
    std::vector<std::string> events;
    bool okStartedEnabled = false;
    dialog.OnSelChange = [&](QObject* sender, const QString& folderName, const QString& displayName, QString& statusText,
                             bool& okEnabled) {
        EXPECT_EQ(sender, &dialog);
        events.push_back("change " + folderName.toStdString() + " " + displayName.toStdString());
        okStartedEnabled = okEnabled;
        EXPECT_EQ(statusText, "");
        statusText = "first";
    };
    dialog.OnSelChangeEx = [&](QObject*, const QUrl& pidl, QString& statusText, bool& okEnabled) {
        events.push_back("changeEx " + pidl.toLocalFile().toStdString() + " " + statusText.toStdString());
        statusText = "Folder: " + QFileInfo(pidl.toLocalFile()).fileName();
        okEnabled = false;
    };
    bool okEnabledAfter = true;
    QString status;
    bool statusVisible = false;
    dialog.OnInitialise = [&](QObject*) {
        dialog.BrowserFiles()->setDirectory(Path(dir.path() / "videos"));
        MakeCurrent(&dialog, out);
        okEnabledAfter = dialog.BrowserFiles()->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Open)->isEnabled();
        status = dialog.StatusLine()->text();
        statusVisible = dialog.StatusLine()->isVisible();
        dialog.BrowserFiles()->reject();
    };
    dialog.ShowDialog();
    const std::string path = out.toStdString();
    EXPECT_EQ(events, (std::vector<std::string>{"change " + path + " out", "changeEx " + path + " first"}));
    EXPECT_TRUE(okStartedEnabled);
    EXPECT_FALSE(okEnabledAfter);
    EXPECT_EQ(status, "Folder: out");
    EXPECT_TRUE(statusVisible);
}

TEST_F(BrowseDialogRun, TheNewStyleIsResizableWithoutStatusLineOrHelpButton)
{
    dialog.setOptions(Dlg::boContextHelp | Dlg::boDirsOnly | Dlg::boNewDlgStyle);
    dialog.setHelpContext(5);
    bool resizable = false;
    bool statusVisible = true;
    QPushButton* help = nullptr;
    bool contextHelpButton = false;
    dialog.OnInitialise = [&](QObject*) {
        resizable = dialog.Handle()->isSizeGripEnabled() && dialog.Handle()->minimumSize() != dialog.Handle()->maximumSize();
        statusVisible = dialog.StatusLine()->isVisible();
        help = dialog.HelpButton();
        contextHelpButton = dialog.Handle()->windowFlags() & Qt::WindowContextHelpButtonHint;
        dialog.BrowserFiles()->reject();
    };
    dialog.ShowDialog();
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
    dialog.OnInitialise = [&](QObject*) {
        ASSERT_NE(dialog.HelpButton(), nullptr);
        EXPECT_EQ(dialog.HelpButton()->text(), "&Help");
        enabledWithoutTopic = dialog.HelpButton()->isEnabled();
        fixedSize = dialog.Handle()->minimumSize() == dialog.Handle()->maximumSize();
        dialog.BrowserFiles()->reject();
    };
    dialog.ShowDialog();
    EXPECT_FALSE(enabledWithoutTopic);
    EXPECT_TRUE(fixedSize);

    dialog.setHelpContext(42);
    dialog.OnInitialise = [&](QObject*) {
        EXPECT_TRUE(dialog.HelpButton()->isEnabled());
        dialog.HelpButton()->click();
        dialog.BrowserFiles()->reject();
    };
    dialog.ShowDialog();
    ASSERT_EQ(help.count(), 1);
    EXPECT_EQ(help.at(0).at(0).toInt(), 42);
}

TEST_F(BrowseDialogRun, WithoutContextHelpF1AsksForTheTopicAndTheTitleBarButtonGoes)
{
    dialog.setOptions(Dlg::boDirsOnly);
    dialog.setHelpContext(7);
    QSignalSpy help(&dialog, &FolderBrowseDialog::helpRequested);
    bool contextHelpButton = true;
    dialog.OnInitialise = [&](QObject*) {
        contextHelpButton = dialog.Handle()->windowFlags() & Qt::WindowContextHelpButtonHint;
        QApplication::setActiveWindow(dialog.Handle());
        QTest::keyClick(dialog.BrowserFiles()->findChild<QLineEdit*>("fileNameEdit"), Qt::Key_F1);
        dialog.BrowserFiles()->reject();
    };
    dialog.ShowDialog();
    EXPECT_FALSE(contextHelpButton);
    ASSERT_EQ(help.count(), 1);
    EXPECT_EQ(help.at(0).at(0).toInt(), 7);
}

TEST_F(BrowseDialogRun, TheRootKeepsTheBrowserInsideIt)
{
    dialog.setRootFolderID(0x28); // the user's home
    QString first;
    QString afterGoingUp;
    QList<QUrl> sidebar;
    dialog.OnInitialise = [&](QObject*) {
        first = dialog.BrowserFiles()->directory().absolutePath();
        sidebar = dialog.BrowserFiles()->sidebarUrls();
        dialog.BrowserFiles()->findChild<QToolButton*>("toParentButton")->click();
        afterGoingUp = dialog.BrowserFiles()->directory().absolutePath();
        dialog.BrowserFiles()->reject();
    };
    dialog.ShowDialog();
    EXPECT_EQ(first, QDir::homePath());
    EXPECT_EQ(afterGoingUp, QDir::homePath());
    EXPECT_EQ(sidebar, QList<QUrl>{QUrl::fromLocalFile(QDir::homePath())});
}

TEST_F(BrowseDialogRun, WithoutARootTheBrowserGoesAbove)
{
    dialog.setFolderName(out);
    QString afterGoingUp;
    dialog.OnInitialise = [&](QObject*) {
        dialog.BrowserFiles()->findChild<QToolButton*>("toParentButton")->click();
        afterGoingUp = dialog.BrowserFiles()->directory().absolutePath();
        dialog.BrowserFiles()->reject();
    };
    dialog.ShowDialog();
    EXPECT_EQ(afterGoingUp, Path(dir.path()));
}

class FolderButton : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::filesystem::create_directories(dir.path() / "chosen");
        chosen = Path(dir.path() / "chosen");
        browser = app.shell->folderDialog;
        form.show();
    }

    // Clicks the folder button; the browser, if it opens, runs `act`.
    void click(const std::function<void()>& act)
    {
        opened = 0;
        browser->OnInitialise = [&, act](QObject*) {
            ++opened;
            act();
        };
        form.browseFolderButton->click();
        browser->OnInitialise = nullptr;
    }

    TempDir dir;
    FakeMessages messages;
    Application app{dir.dir(), messages};
    MainWindow& form = *app.mainWindow;
    FolderBrowseDialog* browser = nullptr;
    QString chosen;
    int opened = 0;
};

TEST_F(FolderButton, TheMainWindowsBrowserIsSetUpAsGiven)
{
    EXPECT_EQ(browser->objectName(), "BrowseForFolder1");
    EXPECT_EQ(browser->parent(), &form);
    EXPECT_EQ(browser->Title(), "Choose the output folder");
    EXPECT_EQ(browser->FolderName(), "Select Output Directory");
    EXPECT_EQ(browser->RootFolderID(), 0);
    EXPECT_EQ(browser->Headline(), "Choose the required output directory below :");
    EXPECT_EQ(browser->Options().toInt(), 2 | 8 | 16);
    EXPECT_EQ(browser->HelpContext(), 0);
    EXPECT_FALSE(browser->OnSelChange);
    EXPECT_FALSE(browser->OnSelChangeEx);
    EXPECT_FALSE(browser->OnClose);
}

TEST_F(FolderButton, AChosenFolderBecomesTheOutputDirectoryAndIsPreselectedNextTime)
{
    QString typedFirst = "unset";
    click([&] {
        typedFirst = browser->BrowserFiles()->findChild<QLineEdit*>("fileNameEdit")->text();
        ChooseFolder(browser, chosen);
    });
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(typedFirst, "");
    EXPECT_EQ(form.outputDirEdit->text(), chosen);

    QStringList preselected;
    QString title;
    QString nameText;
    QString nameSelected;
    click([&] {
        preselected = browser->BrowserFiles()->selectedFiles();
        title = browser->Handle()->windowTitle();
        const auto* name = browser->BrowserFiles()->findChild<QLineEdit*>("fileNameEdit");
        nameText = name->text();
        nameSelected = name->selectedText();
        browser->BrowserFiles()->reject();
    });
    EXPECT_EQ(preselected, QStringList{chosen});
    EXPECT_EQ(title, "Choose the output folder");
    // Typing replaces the preselected name rather than adding to it.
    EXPECT_FALSE(nameText.isEmpty());
    EXPECT_EQ(nameSelected, nameText);
    EXPECT_EQ(form.outputDirEdit->text(), chosen);
}

TEST_F(FolderButton, CancellingLeavesTheOutputDirectory)
{
    const QString before = form.outputDirEdit->text();
    click([&] { browser->BrowserFiles()->reject(); });
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(form.outputDirEdit->text(), before);
}

TEST_F(FolderButton, DoesNothingWhileFilesAreAnalysedOrConverted)
{
    // Should the browser open anyway, it is closed at once so the test ends.
    const auto closeIfOpened = [&] { browser->BrowserFiles()->reject(); };
    const QString before = form.outputDirEdit->text();
    app.analysisProgress->show();
    click(closeIfOpened);
    EXPECT_EQ(opened, 0);
    app.analysisProgress->hide();

    app.state.isConverting = true;
    click(closeIfOpened);
    EXPECT_EQ(opened, 0);
    app.state.isConverting = false;
    EXPECT_EQ(form.outputDirEdit->text(), before);

    click(closeIfOpened);
    EXPECT_EQ(opened, 1);
}

} // namespace
