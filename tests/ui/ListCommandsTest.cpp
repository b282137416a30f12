// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/FileList.h"
#include "core/SharedState.h"
#include "support/WindowControls.h"
#include "ui/FileListModel.h"
#include "ui/ListCommands.h"
#include "ui/MainWindow.h"

#include <QAction>
#include <QMenu>
#include <QTest>
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
    EXPECT_EQ(actions[0]->text().remove('&'), "Check All Items");
    EXPECT_EQ(actions[1]->text().remove('&'), "Uncheck All Items");
    EXPECT_TRUE(actions[2]->isSeparator());
    EXPECT_EQ(actions[3]->text().remove('&'), "Remove Selected Item");
    EXPECT_EQ(actions[4]->text().remove('&'), "Clear All Items");
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

TEST_F(ListCommandsTest, SeveralRowsGoAtOnceAndTheStatusPanelsStartAfresh)
{
    addRows({"/a.avi", "/b.avi", "/c.avi", "/d.avi", "/e.avi"});
    const auto stale = [this] {
        form.setStatusPanelText(0, "0 converted, 0 failed, 1 not converted");
        form.setStatusPanelText(1, "Output File Size : 200 KB");
        form.setStatusPanelText(2, "0:12 left");
    };
    const auto panels = [this] {
        return QStringList{form.statusPanelText(0), form.statusPanelText(1), form.statusPanelText(2)};
    };
    stale();
    // A click, then a Shift+click and a Ctrl+click.
    const auto click = [this](int row, Qt::KeyboardModifiers keys) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, keys, list->visualRect(list->model()->index(row, 1)).center());
    };
    click(0, {});
    click(2, Qt::ShiftModifier);
    click(4, Qt::ControlModifier);
    Find<QToolButton>(form, "RemoveButton")->click();
    EXPECT_EQ(captions(), QStringList({"/d.avi"}));
    EXPECT_EQ(panels(), QStringList({"Ready", "", ""}));

    addRows({"/f.avi", "/g.avi"});
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    list->setFocus();
    QTest::keyClick(list, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(list, Qt::Key_Delete);
    EXPECT_EQ(RowCount(form), 0);

    addRows({"/h.avi"});
    stale();
    trigger("ClearAllItems1");
    EXPECT_EQ(RowCount(form), 0);
    EXPECT_EQ(panels(), QStringList({"Ready", "", ""}));
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
