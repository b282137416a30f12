#include "ui/ListCommands.h"

#include "core/AppTexts.h"
#include "core/SharedState.h"
#include "ui/TForm1.h"

#include <QAction>
#include <QMenu>
#include <QTableWidget>
#include <QToolButton>

ListCommands::ListCommands(TForm1& form, SharedState& state)
    : form_(form)
    , state_(state)
{
    PopupListView1 = new QMenu(form.ListView1);
    PopupListView1->setObjectName("PopupListView1");
    const auto add = [this](const char* name, const char* text, void (ListCommands::*handler)()) {
        QAction* action = PopupListView1->addAction(text);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    CheckAllItems1 = add("CheckAllItems1", texts::kCheckAllItems, &ListCommands::CheckAllItems1Click);
    UncheckAllItems1 = add("UncheckAllItems1", texts::kUncheckAllItems, &ListCommands::UncheckAllItems1Click);
    PopupListView1->addSeparator();
    DeleteSelectedItem1 = add("DeleteSelectedItem1", texts::kRemoveSelectedItem, &ListCommands::DeleteSelectedItem1Click);
    ClearAllItems1 = add("ClearAllItems1", texts::kClearAllItems, &ListCommands::ClearAllItems1Click);

    connect(form.ListView1, &QWidget::customContextMenuRequested, this, &ListCommands::ListView1ContextPopup);
    connect(form.RemoveButton, &QToolButton::clicked, this, &ListCommands::DeleteSelectedItem1Click);
    connect(form.ClearAllButton, &QToolButton::clicked, this, &ListCommands::ClearAllItems1Click);
}

void ListCommands::setAllChecked(bool checked)
{
    QTableWidget* list = form_.ListView1;
    for (int row = 0; row < list->rowCount(); ++row) {
        if (QTableWidgetItem* caption = list->item(row, 0))
            caption->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    }
}

void ListCommands::CheckAllItems1Click()
{
    setAllChecked(true);
}

void ListCommands::UncheckAllItems1Click()
{
    setAllChecked(false);
}

void ListCommands::DeleteSelectedItem1Click()
{
    if (state_.analysisBusy)
        return;
    const QModelIndexList selected = form_.ListView1->selectionModel()->selectedRows();
    if (!selected.isEmpty())
        form_.ListView1->removeRow(selected.first().row());
}

void ListCommands::ClearAllItems1Click()
{
    if (state_.analysisBusy)
        return;
    form_.ListView1->setRowCount(0);
}

void ListCommands::ListView1ContextPopup(const QPoint& position)
{
    if (autoPopup_)
        PopupListView1->popup(form_.ListView1->viewport()->mapToGlobal(position));
}
