// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ListCommands.h"

#include "core/FileList.h"
#include "core/SharedState.h"
#include "core/Texts.h"
#include "ui/Translation.h"
#include "ui/MainWindow.h"
#include "ui/StatusBarPanels.h"

#include <QAction>
#include <QMenu>
#include <QTableView>

#include <algorithm>
#include <vector>

ListCommands::ListCommands(MainWindow& window, FileList& files, const SharedState& state, QObject* parent)
    : QObject(parent)
    , window_(window)
    , files_(files)
    , state_(state)
    , contextMenu_(new QMenu(&window.fileView()))
{
    contextMenu_->setObjectName("PopupListView1");
    const auto add = [this](const char* name, const QString& text, void (ListCommands::*handler)()) {
        QAction* action = contextMenu_->addAction(text);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this, handler);
    };
    add("CheckAllItems1", Tr(texts::kCheckAllItems), &ListCommands::checkAll);
    add("UncheckAllItems1", Tr(texts::kUncheckAllItems), &ListCommands::uncheckAll);
    contextMenu_->addSeparator();
    add("DeleteSelectedItem1", Tr(texts::kRemoveSelectedItem), &ListCommands::removeSelected);
    add("ClearAllItems1", Tr(texts::kClearAllItems), &ListCommands::clearAll);

    connect(&window.fileView(), &QWidget::customContextMenuRequested, this, &ListCommands::showContextMenu);
    connect(&window, &MainWindow::removeRequested, this, &ListCommands::removeSelected);
    connect(&window, &MainWindow::clearAllRequested, this, &ListCommands::clearAll);
}

void ListCommands::checkAll()
{
    files_.setAllChecked(true);
}

void ListCommands::uncheckAll()
{
    files_.setAllChecked(false);
}

void ListCommands::removeSelected()
{
    if (state_.analysisBusy)
        return;
    std::vector<int> rows;
    for (const QModelIndex& index : window_.fileView().selectionModel()->selectedRows())
        rows.push_back(index.row());
    if (rows.empty())
        return;
    // From the bottom up, so that the rows still to go keep their places.
    std::sort(rows.rbegin(), rows.rend());
    for (const int row : rows)
        files_.remove(row);
    window_.statusPanels().reset();
}

void ListCommands::clearAll()
{
    if (state_.analysisBusy)
        return;
    files_.clear();
    window_.statusPanels().reset();
}

void ListCommands::showContextMenu(const QPoint& position)
{
    if (autoPopup_)
        contextMenu_->popup(window_.fileView().viewport()->mapToGlobal(position));
}
