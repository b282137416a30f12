#include "ui/Application.h"
#include "ui/ListCommands.h"
#include "ui/ShellBinder.h"
#include "ui/MainWindow.h"
#include "support/FakeMessages.h"
#include "support/TempDir.h"

#include <QAction>
#include <QMenu>
#include <QTableWidget>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

class ListCommandsTest : public ::testing::Test {
protected:
    void SetUp() override { form.show(); }

    // Rows as adding files makes them: a checked caption item and six cells.
    void addRows(const QStringList& captions)
    {
        for (const QString& caption : captions) {
            const int row = list->rowCount();
            list->insertRow(row);
            auto* item = new QTableWidgetItem(caption);
            item->setCheckState(Qt::Checked);
            list->setItem(row, 0, item);
            for (int column = 1; column < 7; ++column)
                list->setItem(row, column, new QTableWidgetItem(QString::number(column)));
        }
    }
    QStringList captions() const
    {
        QStringList result;
        for (int row = 0; row < list->rowCount(); ++row)
            result << list->item(row, 0)->text();
        return result;
    }
    std::vector<Qt::CheckState> checks() const
    {
        std::vector<Qt::CheckState> result;
        for (int row = 0; row < list->rowCount(); ++row)
            result.push_back(list->item(row, 0)->checkState());
        return result;
    }
    void select(int row) { list->selectRow(row); }

    TempDir dir;
    FakeMessages messages;
    Application app{dir.dir(), messages};
    MainWindow& form = *app.mainWindow;
    QTableWidget* list = form.fileList;
    ListCommands& commands = app.shell->listCommands;
};

TEST_F(ListCommandsTest, MenuHoldsItsEntriesInOrder)
{
    const QList<QAction*> actions = commands.contextMenu->actions();
    ASSERT_EQ(actions.size(), 5);
    EXPECT_EQ(actions[0]->text(), "Check All Items");
    EXPECT_EQ(actions[1]->text(), "Uncheck All Items");
    EXPECT_TRUE(actions[2]->isSeparator());
    EXPECT_EQ(actions[3]->text(), "Remove Selected Item");
    EXPECT_EQ(actions[4]->text(), "Clear All Items");
    EXPECT_EQ(commands.contextMenu->objectName(), "PopupListView1");
    EXPECT_EQ(list->contextMenuPolicy(), Qt::CustomContextMenu);
}

TEST_F(ListCommandsTest, UncheckAllAndCheckAllSetEveryRow)
{
    addRows({"/a.avi", "/b.avi", "/c.avi"});
    list->item(1, 0)->setCheckState(Qt::Unchecked);
    commands.uncheckAllAction->trigger();
    EXPECT_EQ(checks(), (std::vector<Qt::CheckState>{Qt::Unchecked, Qt::Unchecked, Qt::Unchecked}));
    list->item(2, 0)->setCheckState(Qt::Checked);
    commands.checkAllAction->trigger();
    EXPECT_EQ(checks(), (std::vector<Qt::CheckState>{Qt::Checked, Qt::Checked, Qt::Checked}));
}

TEST_F(ListCommandsTest, RemoveDeletesTheSelectedRowOnly)
{
    addRows({"/a.avi", "/b.avi", "/c.avi"});
    select(1);
    commands.removeSelectedAction->trigger();
    EXPECT_EQ(captions(), QStringList({"/a.avi", "/c.avi"}));
    EXPECT_EQ(list->item(1, 6)->text(), "6");
}

TEST_F(ListCommandsTest, RemoveWithoutASelectedRowChangesNothing)
{
    addRows({"/a.avi", "/b.avi"});
    list->clearSelection();
    commands.removeSelectedAction->trigger();
    form.removeButton->click();
    EXPECT_EQ(captions(), QStringList({"/a.avi", "/b.avi"}));
}

TEST_F(ListCommandsTest, TheButtonsShareTheMenusHandlers)
{
    addRows({"/a.avi", "/b.avi", "/c.avi"});
    select(0);
    form.removeButton->click();
    EXPECT_EQ(captions(), QStringList({"/b.avi", "/c.avi"}));
    form.clearAllButton->click();
    EXPECT_EQ(list->rowCount(), 0);
    EXPECT_EQ(list->columnCount(), 7);
}

TEST_F(ListCommandsTest, ClearAllOnAnEmptyListDoesNothing)
{
    commands.clearAllAction->trigger();
    EXPECT_EQ(list->rowCount(), 0);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ListCommandsTest, RemovingIsRefusedWhileFilesAreAnalysed)
{
    addRows({"/a.avi", "/b.avi"});
    select(0);
    app.state.analysisBusy = true;
    commands.removeSelectedAction->trigger();
    commands.clearAllAction->trigger();
    EXPECT_EQ(captions(), QStringList({"/a.avi", "/b.avi"}));
    commands.uncheckAllAction->trigger();
    EXPECT_EQ(checks(), (std::vector<Qt::CheckState>{Qt::Unchecked, Qt::Unchecked}));
    app.state.analysisBusy = false;
    commands.removeSelectedAction->trigger();
    EXPECT_EQ(captions(), QStringList({"/b.avi"}));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ListCommandsTest, ARightClickOpensTheMenuUnlessItsPopupIsOff)
{
    EXPECT_TRUE(commands.autoPopup());
    emit list->customContextMenuRequested(QPoint(10, 10));
    EXPECT_TRUE(commands.contextMenu->isVisible());
    commands.contextMenu->hide();

    commands.setAutoPopup(false);
    EXPECT_FALSE(commands.autoPopup());
    emit list->customContextMenuRequested(QPoint(10, 10));
    EXPECT_FALSE(commands.contextMenu->isVisible());

    commands.setAutoPopup(true);
    emit list->customContextMenuRequested(QPoint(10, 10));
    EXPECT_TRUE(commands.contextMenu->isVisible());
    commands.contextMenu->hide();
}

} // namespace
