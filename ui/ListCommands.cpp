#include "ui/ListCommands.h"

#include "core/Texts.h"
#include "core/SharedState.h"
#include "ui/MainWindow.h"

#include <QAction>
#include <QMenu>
#include <QTableWidget>
#include <QToolButton>

ListCommands::ListCommands(MainWindow& window, SharedState& state)
    : window_(window)
    , state_(state)
{
    contextMenu = new QMenu(window.fileList);
    contextMenu->setObjectName("PopupListView1");
    const auto add = [this](const char* name, const char* text, void (ListCommands::*handler)()) {
        QAction* action = contextMenu->addAction(text);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    checkAllAction = add("CheckAllItems1", texts::kCheckAllItems, &ListCommands::checkAll);
    uncheckAllAction = add("UncheckAllItems1", texts::kUncheckAllItems, &ListCommands::uncheckAll);
    contextMenu->addSeparator();
    removeSelectedAction = add("DeleteSelectedItem1", texts::kRemoveSelectedItem, &ListCommands::removeSelected);
    clearAllAction = add("ClearAllItems1", texts::kClearAllItems, &ListCommands::clearAll);

    connect(window.fileList, &QWidget::customContextMenuRequested, this, &ListCommands::showContextMenu);
    connect(window.removeButton, &QToolButton::clicked, this, &ListCommands::removeSelected);
    connect(window.clearAllButton, &QToolButton::clicked, this, &ListCommands::clearAll);
}

void ListCommands::setAllChecked(bool checked)
{
    QTableWidget* list = window_.fileList;
    for (int row = 0; row < list->rowCount(); ++row) {
        if (QTableWidgetItem* caption = list->item(row, 0))
            caption->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    }
}

void ListCommands::checkAll()
{
    setAllChecked(true);
}

void ListCommands::uncheckAll()
{
    setAllChecked(false);
}

void ListCommands::removeSelected()
{
    if (state_.analysisBusy)
        return;
    const QModelIndexList selected = window_.fileList->selectionModel()->selectedRows();
    if (!selected.isEmpty())
        window_.fileList->removeRow(selected.first().row());
}

void ListCommands::clearAll()
{
    if (state_.analysisBusy)
        return;
    window_.fileList->setRowCount(0);
}

void ListCommands::showContextMenu(const QPoint& position)
{
    if (autoPopup_)
        contextMenu->popup(window_.fileList->viewport()->mapToGlobal(position));
}
