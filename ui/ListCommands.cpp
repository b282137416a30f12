#include "ui/ListCommands.h"

#include "core/FileList.h"
#include "core/SharedState.h"
#include "core/Texts.h"
#include "ui/MainWindow.h"

#include <QAction>
#include <QMenu>
#include <QTableView>

ListCommands::ListCommands(MainWindow& window, FileList& files, const SharedState& state, QObject* parent)
    : QObject(parent)
    , window_(window)
    , files_(files)
    , state_(state)
    , contextMenu_(new QMenu(&window.fileView()))
{
    contextMenu_->setObjectName("PopupListView1");
    const auto add = [this](const char* name, const char* text, void (ListCommands::*handler)()) {
        QAction* action = contextMenu_->addAction(text);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this, handler);
    };
    add("CheckAllItems1", texts::kCheckAllItems, &ListCommands::checkAll);
    add("UncheckAllItems1", texts::kUncheckAllItems, &ListCommands::uncheckAll);
    contextMenu_->addSeparator();
    add("DeleteSelectedItem1", texts::kRemoveSelectedItem, &ListCommands::removeSelected);
    add("ClearAllItems1", texts::kClearAllItems, &ListCommands::clearAll);

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
    const QModelIndexList selected = window_.fileView().selectionModel()->selectedRows();
    if (!selected.isEmpty())
        files_.remove(selected.first().row());
}

void ListCommands::clearAll()
{
    if (!state_.analysisBusy)
        files_.clear();
}

void ListCommands::showContextMenu(const QPoint& position)
{
    if (autoPopup_)
        contextMenu_->popup(window_.fileView().viewport()->mapToGlobal(position));
}
