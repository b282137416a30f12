#include "core/FileList.h"
#include "core/SharedState.h"
#include "support/WindowControls.h"
#include "ui/FileListModel.h"
#include "ui/ListCommands.h"
#include "ui/MainWindow.h"

#include <QAction>
#include <QMenu>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

class ListCommandsTest : public ::testing::Test {
protected:
    void SetUp() override { form.show(); }

    // Rows as adding files makes them: checked, with four cells.
    void addRows(const QStringList& captions)
    {
        for (const QString& caption : captions)
            files.append({caption.toStdString(), {"1", "2", "3", "4", "", ""}, true});
    }
    QStringList captions() const
    {
        QStringList result;
        for (int row = 0; row < RowCount(form); ++row)
            result << CellText(form, row, 0);
        return result;
    }
    std::vector<Qt::CheckState> checks() const
    {
        std::vector<Qt::CheckState> result;
        for (int row = 0; row < RowCount(form); ++row)
            result.push_back(CheckState(form, row));
        return result;
    }
    void select(int row) { list->selectRow(row); }
    void trigger(const char* entry) { Find<QAction>(form, entry)->trigger(); }

    SharedState state;
    FileList files;
    FileListModel model{files};
    MainWindow form{state, model};
    ListCommands commands{form, files, state};
    QTableView* list = FileView(form);
    QMenu* menu = Find<QMenu>(form, "PopupListView1");
};

TEST_F(ListCommandsTest, MenuHoldsItsEntriesInOrder)
{
    const QList<QAction*> actions = menu->actions();
    ASSERT_EQ(actions.size(), 5);
    EXPECT_EQ(actions[0]->text(), "Check All Items");
    EXPECT_EQ(actions[1]->text(), "Uncheck All Items");
    EXPECT_TRUE(actions[2]->isSeparator());
    EXPECT_EQ(actions[3]->text(), "Remove Selected Item");
    EXPECT_EQ(actions[4]->text(), "Clear All Items");
    EXPECT_EQ(list->contextMenuPolicy(), Qt::CustomContextMenu);
}

TEST_F(ListCommandsTest, UncheckAllAndCheckAllSetEveryRow)
{
    addRows({"/a.avi", "/b.avi", "/c.avi"});
    SetCheckState(form, 1, Qt::Unchecked);
    trigger("UncheckAllItems1");
    EXPECT_EQ(checks(), (std::vector<Qt::CheckState>{Qt::Unchecked, Qt::Unchecked, Qt::Unchecked}));
    SetCheckState(form, 2, Qt::Checked);
    trigger("CheckAllItems1");
    EXPECT_EQ(checks(), (std::vector<Qt::CheckState>{Qt::Checked, Qt::Checked, Qt::Checked}));
}

TEST_F(ListCommandsTest, RemoveDeletesTheSelectedRowOnly)
{
    addRows({"/a.avi", "/b.avi", "/c.avi"});
    select(1);
    trigger("DeleteSelectedItem1");
    EXPECT_EQ(captions(), QStringList({"/a.avi", "/c.avi"}));
    EXPECT_EQ(CellText(form, 1, 4), "4");
}

TEST_F(ListCommandsTest, RemoveWithoutASelectedRowChangesNothing)
{
    addRows({"/a.avi", "/b.avi"});
    list->clearSelection();
    trigger("DeleteSelectedItem1");
    Find<QToolButton>(form, "RemoveButton")->click();
    EXPECT_EQ(captions(), QStringList({"/a.avi", "/b.avi"}));
}

TEST_F(ListCommandsTest, TheButtonsShareTheMenusHandlers)
{
    addRows({"/a.avi", "/b.avi", "/c.avi"});
    select(0);
    Find<QToolButton>(form, "RemoveButton")->click();
    EXPECT_EQ(captions(), QStringList({"/b.avi", "/c.avi"}));
    Find<QToolButton>(form, "ClearAllButton")->click();
    EXPECT_EQ(RowCount(form), 0);
    EXPECT_EQ(list->model()->columnCount(), 7);
}

TEST_F(ListCommandsTest, ClearAllOnAnEmptyListDoesNothing)
{
    trigger("ClearAllItems1");
    EXPECT_EQ(RowCount(form), 0);
}

TEST_F(ListCommandsTest, RemovingIsRefusedWhileFilesAreAnalysed)
{
    addRows({"/a.avi", "/b.avi"});
    select(0);
    state.analysisBusy = true;
    trigger("DeleteSelectedItem1");
    trigger("ClearAllItems1");
    EXPECT_EQ(captions(), QStringList({"/a.avi", "/b.avi"}));
    trigger("UncheckAllItems1");
    EXPECT_EQ(checks(), (std::vector<Qt::CheckState>{Qt::Unchecked, Qt::Unchecked}));
    state.analysisBusy = false;
    trigger("DeleteSelectedItem1");
    EXPECT_EQ(captions(), QStringList({"/b.avi"}));
}

TEST_F(ListCommandsTest, ARightClickOpensTheMenuUnlessItsPopupIsOff)
{
    EXPECT_TRUE(commands.autoPopup());
    emit list->customContextMenuRequested(QPoint(10, 10));
    EXPECT_TRUE(menu->isVisible());
    menu->hide();

    commands.setAutoPopup(false);
    EXPECT_FALSE(commands.autoPopup());
    emit list->customContextMenuRequested(QPoint(10, 10));
    EXPECT_FALSE(menu->isVisible());

    commands.setAutoPopup(true);
    emit list->customContextMenuRequested(QPoint(10, 10));
    EXPECT_TRUE(menu->isVisible());
    menu->hide();
}

} // namespace
