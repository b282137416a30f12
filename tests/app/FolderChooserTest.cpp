#include "app/Application.h"
#include "app/FzShellFolders.h"
#include "app/ShellBinder.h"
#include "app/SpecialFolders.h"
#include "app/TForm1.h"
#include "media/TFormAnalyzingSplash.h"
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
#include <QMetaProperty>
#include <QPushButton>
#include <QShortcut>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

using Dlg = TFzBrowseDialog;

QString Path(const std::filesystem::path& path)
{
    return QString::fromStdString(path.string());
}

// Picks `folder` in the open browser and presses its OK button, as a user would.
void ChooseFolder(TFzBrowseDialog* browser, const QString& folder)
{
    QFileDialog* files = browser->BrowserFiles();
    files->setDirectory(QFileInfo(folder).absolutePath());
    files->selectFile(folder);
    files->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Open)->click();
}

// Makes the file dialog's view current on `folder`, which raises the selection change.
void MakeCurrent(TFzBrowseDialog* browser, const QString& folder)
{
    QFileDialog* files = browser->BrowserFiles();
    auto* view = files->findChild<QListView*>("listView");
    auto* model = qobject_cast<QFileSystemModel*>(view->model());
    view->setCurrentIndex(model->index(folder));
}

TEST(FzBrowseDialog, StartsWithItsDefaults)
{
    TFzBrowseDialog dialog;
    EXPECT_EQ(dialog.Title(), "");
    EXPECT_EQ(dialog.FolderName(), "");
    EXPECT_EQ(dialog.RootFolderID(), 0);
    EXPECT_EQ(dialog.Headline(), "");
    EXPECT_EQ(dialog.Options().toInt(), 10);
    EXPECT_EQ(dialog.Options(), Dlg::TFzBrowseDlgOptions(Dlg::boContextHelp | Dlg::boDirsOnly));
    EXPECT_EQ(dialog.HelpContext(), 0);
    EXPECT_FALSE(dialog.OnInitialise);
    EXPECT_FALSE(dialog.OnSelChange);
    EXPECT_FALSE(dialog.OnSelChangeEx);
    EXPECT_FALSE(dialog.OnClose);
    EXPECT_EQ(dialog.Handle(), nullptr);
}

TEST(FzBrowseDialog, PublishesItsPropertiesInOrder)
{
    const QMetaObject& meta = TFzBrowseDialog::staticMetaObject;
    QStringList names;
    for (int i = meta.propertyOffset(); i < meta.propertyCount(); ++i)
        names << meta.property(i).name();
    EXPECT_EQ(names, QStringList({"Title", "FolderName", "RootFolderID", "Headline", "Options", "HelpContext"}));
}

TEST(FzBrowseDialog, OptionMaskValues)
{
    EXPECT_EQ(Dlg::boShowHelp, 1);
    EXPECT_EQ(Dlg::boContextHelp, 2);
    EXPECT_EQ(Dlg::boStatusText, 4);
    EXPECT_EQ(Dlg::boDirsOnly, 8);
    EXPECT_EQ(Dlg::boNewDlgStyle, 16);
}

TEST(FzBrowseDialog, SettingOptionsKeepsThemConsistent)
{
    const struct {
        int from;
        int requested;
        int result;
    } cases[] = {
        {10, 1 | 16, 16},          // help and new style in one step: new style wins
        {10, 10 | 16, 26},         // new style alone
        {10, 10 | 1 | 4, 15},      // classic help and status line
        {15, 15 | 16, 26},         // new style drops help and status line
        {26, 26 | 1, 11},          // help drops new style
        {26, 26 | 4, 14},          // status line drops new style
        {26, 26 | 1 | 4, 15},      // both drop it
        {16, 16 | 1, 1},           // only new style set before
        {15, 8, 8},                // switching off is free
        {26, 2, 2},                // new style off
        {10, 0, 0},                // nothing at all
        {15, 31, 26},              // new style switched on with the others already on
        {26, 31, 15},              // help and status switched on while new style stays requested
    };
    for (const auto& item : cases) {
        TFzBrowseDialog dialog;
        dialog.setOptions(Dlg::TFzBrowseDlgOptions::fromInt(item.from));
        ASSERT_EQ(dialog.Options().toInt(), item.from);
        dialog.setOptions(Dlg::TFzBrowseDlgOptions::fromInt(item.requested));
        EXPECT_EQ(dialog.Options().toInt(), item.result) << item.from << " -> " << item.requested;
    }
}

TEST(FzBrowseDialog, SettingTheSameOptionsChangesNothing)
{
    TFzBrowseDialog dialog;
    dialog.setOptions(Dlg::TFzBrowseDlgOptions::fromInt(15));
    dialog.setOptions(Dlg::TFzBrowseDlgOptions::fromInt(15));
    EXPECT_EQ(dialog.Options().toInt(), 15);
}

// The special-folder identifiers, in their order, with the Windows SDK's values.
const std::vector<std::pair<int, std::string>> kSpecialFolders{
    {0x30, "CSIDL_ADMINTOOLS"}, {0x1d, "CSIDL_ALTSTARTUP"}, {0x1a, "CSIDL_APPDATA"}, {0x0a, "CSIDL_BITBUCKET"},
    {0x3b, "CSIDL_CDBURN_AREA"}, {0x2f, "CSIDL_COMMON_ADMINTOOLS"}, {0x1e, "CSIDL_COMMON_ALTSTARTUP"},
    {0x23, "CSIDL_COMMON_APPDATA"}, {0x19, "CSIDL_COMMON_DESKTOPDIRECTORY"}, {0x2e, "CSIDL_COMMON_DOCUMENTS"},
    {0x1f, "CSIDL_COMMON_FAVORITES"}, {0x35, "CSIDL_COMMON_MUSIC"}, {0x36, "CSIDL_COMMON_PICTURES"},
    {0x17, "CSIDL_COMMON_PROGRAMS"}, {0x16, "CSIDL_COMMON_STARTMENU"}, {0x18, "CSIDL_COMMON_STARTUP"},
    {0x2d, "CSIDL_COMMON_TEMPLATES"}, {0x37, "CSIDL_COMMON_VIDEO"}, {0x3d, "CSIDL_COMPUTERSNEARME"},
    {0x31, "CSIDL_CONNECTIONS"}, {0x03, "CSIDL_CONTROLS"}, {0x21, "CSIDL_COOKIES"}, {0x00, "CSIDL_DESKTOP"},
    {0x10, "CSIDL_DESKTOPDIRECTORY"}, {0x11, "CSIDL_DRIVES"}, {0x06, "CSIDL_FAVORITES"}, {0x14, "CSIDL_FONTS"},
    {0x22, "CSIDL_HISTORY"}, {0x01, "CSIDL_INTERNET"}, {0x20, "CSIDL_INTERNET_CACHE"}, {0x1c, "CSIDL_LOCAL_APPDATA"},
    {0x05, "CSIDL_MYDOCUMENTS"}, {0x0d, "CSIDL_MYMUSIC"}, {0x27, "CSIDL_MYPICTURES"}, {0x0e, "CSIDL_MYVIDEO"},
    {0x13, "CSIDL_NETHOOD"}, {0x12, "CSIDL_NETWORK"}, {0x05, "CSIDL_PERSONAL"}, {0x45, "CSIDL_PHOTOALBUMS"},
    {0x3f, "CSIDL_PLAYLISTS"}, {0x04, "CSIDL_PRINTERS"}, {0x1b, "CSIDL_PRINTHOOD"}, {0x28, "CSIDL_PROFILE"},
    {0x3e, "CSIDL_PROFILES"}, {0x26, "CSIDL_PROGRAM_FILES"}, {0x2b, "CSIDL_PROGRAM_FILES_COMMON"},
    {0x02, "CSIDL_PROGRAMS"}, {0x08, "CSIDL_RECENT"}, {0x40, "CSIDL_SAMPLE_MUSIC"}, {0x41, "CSIDL_SAMPLE_PLAYLISTS"},
    {0x42, "CSIDL_SAMPLE_PICTURES"}, {0x43, "CSIDL_SAMPLE_VIDEOS"}, {0x09, "CSIDL_SENDTO"}, {0x0b, "CSIDL_STARTMENU"},
    {0x07, "CSIDL_STARTUP"}, {0x25, "CSIDL_SYSTEM"}, {0x15, "CSIDL_TEMPLATES"}, {0x24, "CSIDL_WINDOWS"},
};

TEST(SpecialFolders, TableHoldsTheIdentifiersInOrder)
{
    const auto table = SpecialFolderIds();
    ASSERT_EQ(table.size(), 58u);
    ASSERT_EQ(kSpecialFolders.size(), 58u);
    for (std::size_t i = 0; i < table.size(); ++i) {
        EXPECT_EQ(table[i].id, kSpecialFolders[i].first) << i;
        EXPECT_EQ(table[i].name, kSpecialFolders[i].second) << i;
    }
}

TEST(FzBrowseDialog, AcceptsEveryIdentifierOfTheTable)
{
    for (const auto& [id, name] : kSpecialFolders) {
        TFzBrowseDialog dialog;
        EXPECT_NO_THROW(dialog.setRootFolderID(id)) << name;
        EXPECT_EQ(dialog.RootFolderID(), id) << name;
    }
}

TEST(FzBrowseDialog, RefusesAnyOtherRootIdentifier)
{
    for (int id : {-1, 0x0c, 0x0f, 0x29, 0x2a, 0x2c, 0x38, 0x39, 0x3a, 0x3c, 0x44, 0x46, 0xff, 0x8005}) {
        TFzBrowseDialog dialog;
        dialog.setRootFolderID(0x28);
        try {
            dialog.setRootFolderID(id);
            ADD_FAILURE() << id << " was accepted";
        } catch (const EFzShellFolders& error) {
            EXPECT_STREQ(error.what(), "Invalid special folder ID") << id;
        }
        EXPECT_EQ(dialog.RootFolderID(), 0x28) << id;
    }
}

TEST(SpecialFolders, MapsTheUsersFoldersToThisSystemsPlaces)
{
    EXPECT_EQ(SpecialFolderPath(0x28), QDir::homePath().toStdString());
    EXPECT_EQ(SpecialFolderPath(0x11), "/");
    for (int unsupported : {0x00, 0x03, 0x04, 0x0a, 0x12, 0x24, 0x25, 0x3d, 0x45})
        EXPECT_FALSE(SpecialFolderPath(unsupported).has_value()) << unsupported;
}

TEST(FzBrowseDialog, ARootThisSystemLacksFailsWhenShown)
{
    TFzBrowseDialog dialog;
    dialog.setRootFolderID(0x0a); // the recycle bin
    int opened = 0;
    dialog.OnInitialise = [&](QObject*) { ++opened; };
    try {
        dialog.ShowDialog();
        ADD_FAILURE() << "the browser opened";
    } catch (const EFzShellFolders& error) {
        EXPECT_STREQ(error.what(), "Root folder not supported on this system");
    }
    EXPECT_EQ(opened, 0);
    EXPECT_EQ(dialog.Handle(), nullptr);
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
    TFzBrowseDialog dialog{&owner};
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
    QSignalSpy help(&dialog, &TFzBrowseDialog::helpRequested);
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
    QSignalSpy help(&dialog, &TFzBrowseDialog::helpRequested);
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
        browser = app.shell->BrowseForFolder1;
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
        form.ButtonBrowseForFolder->click();
        browser->OnInitialise = nullptr;
    }

    TempDir dir;
    FakeMessages messages;
    Application app{dir.dir(), messages};
    TForm1& form = *app.Form1;
    TFzBrowseDialog* browser = nullptr;
    QString chosen;
    int opened = 0;
};

TEST_F(FolderButton, TheMainWindowsBrowserIsSetUpAsGiven)
{
    EXPECT_EQ(browser->objectName(), "BrowseForFolder1");
    EXPECT_EQ(browser->parent(), &form);
    EXPECT_EQ(browser->Title(), "");
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
    EXPECT_EQ(form.Edit1->text(), chosen);

    QStringList preselected;
    click([&] {
        preselected = browser->BrowserFiles()->selectedFiles();
        browser->BrowserFiles()->reject();
    });
    EXPECT_EQ(preselected, QStringList{chosen});
    EXPECT_EQ(form.Edit1->text(), chosen);
}

TEST_F(FolderButton, CancellingLeavesTheOutputDirectory)
{
    const QString before = form.Edit1->text();
    click([&] { browser->BrowserFiles()->reject(); });
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(form.Edit1->text(), before);
}

TEST_F(FolderButton, DoesNothingWhileFilesAreAnalysedOrConverted)
{
    // Should the browser open anyway, it is closed at once so the test ends.
    const auto closeIfOpened = [&] { browser->BrowserFiles()->reject(); };
    const QString before = form.Edit1->text();
    app.FormAnalyzingSplash->show();
    click(closeIfOpened);
    EXPECT_EQ(opened, 0);
    app.FormAnalyzingSplash->hide();

    app.state.isConverting = true;
    click(closeIfOpened);
    EXPECT_EQ(opened, 0);
    app.state.isConverting = false;
    EXPECT_EQ(form.Edit1->text(), before);

    click(closeIfOpened);
    EXPECT_EQ(opened, 1);
}

} // namespace
