// SPDX-License-Identifier: GPL-3.0-or-later
#include "FolderBrowsing.h"
#include "ui/compat/FolderBrowseDialogWithEvents.h"

#include <QDialog>
#include <QLabel>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

using BrowserEvents = BrowserRun<FolderBrowseDialogWithEvents>;

TEST_F(BrowserEvents, ChoosingAFolderGivesItsPathAndDisplayName)
{
    std::vector<std::string> events;
    dialog.setHeadline("Pick one :");
    dialog.onInitialise = [&](QObject* sender) {
        events.push_back("initialise");
        EXPECT_EQ(sender, &dialog);
        QDialog* window = dialog.handle();
        ASSERT_NE(window, nullptr);
        EXPECT_TRUE(window->isVisible());
        EXPECT_TRUE(window->isModal());
        EXPECT_EQ(window->parentWidget(), &owner);
        EXPECT_FALSE(window->windowTitle().isEmpty());
        EXPECT_EQ(window->findChild<QLabel*>("Headline")->text(), "Pick one :");
        EXPECT_EQ(dialog.browserFiles()->fileMode(), QFileDialog::Directory);
        EXPECT_TRUE(dialog.browserFiles()->testOption(QFileDialog::ShowDirsOnly));
        ChooseFolder(&dialog, out);
    };
    dialog.onClose = [&](QObject* sender) {
        events.push_back("close");
        EXPECT_EQ(sender, &dialog);
        EXPECT_NE(dialog.handle(), nullptr);
    };
    EXPECT_TRUE(dialog.showDialog());
    EXPECT_EQ(dialog.folderName(), out);
    EXPECT_EQ(dialog.displayName(), "out");
    EXPECT_EQ(dialog.handle(), nullptr);
    EXPECT_EQ(events, (std::vector<std::string>{"initialise", "close"}));
}

TEST_F(BrowserEvents, SelectionChangesRaiseBothEventsAndApplyTheirAnswers)
{
    dialog.setOptions(Dlg::boStatusText | Dlg::boDirsOnly);
    std::vector<std::string> events;
    bool okStartedEnabled = false;
    dialog.onSelChange = [&](QObject* sender, const QString& folderName, const QString& displayName, QString& statusText,
                             bool& okEnabled) {
        EXPECT_EQ(sender, &dialog);
        events.push_back("change " + folderName.toStdString() + " " + displayName.toStdString());
        okStartedEnabled = okEnabled;
        EXPECT_EQ(statusText, "");
        statusText = "first";
    };
    dialog.onSelChangeEx = [&](QObject*, const QUrl& pidl, QString& statusText, bool& okEnabled) {
        events.push_back("changeEx " + pidl.toLocalFile().toStdString() + " " + statusText.toStdString());
        statusText = "Folder: " + QFileInfo(pidl.toLocalFile()).fileName();
        okEnabled = false;
    };
    bool okEnabledAfter = true;
    QString status;
    bool statusVisible = false;
    dialog.onInitialise = [&](QObject*) {
        dialog.browserFiles()->setDirectory(Path(dir.path() / "videos"));
        MakeCurrent(&dialog, out);
        okEnabledAfter = dialog.browserFiles()->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Open)->isEnabled();
        status = dialog.statusLine()->text();
        statusVisible = dialog.statusLine()->isVisible();
        dialog.browserFiles()->reject();
    };
    dialog.showDialog();
    const std::string path = out.toStdString();
    EXPECT_EQ(events, (std::vector<std::string>{"change " + path + " out", "changeEx " + path + " first"}));
    EXPECT_TRUE(okStartedEnabled);
    EXPECT_FALSE(okEnabledAfter);
    EXPECT_EQ(status, "Folder: out");
    EXPECT_TRUE(statusVisible);
}

} // namespace
