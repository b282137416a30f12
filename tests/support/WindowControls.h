// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The controls of a window as a user finds them: by their names. A control
// that is not there fails the test.
#include "core/FileRow.h"

#include <QComboBox>
#include <QTableView>

#include <stdexcept>
#include <string>

template <typename Control = QWidget>
Control* Find(const QObject& window, const char* name)
{
    if (auto* control = window.findChild<Control*>(name))
        return control;
    throw std::runtime_error(std::string("no control named ") + name);
}

// The file list (ListView1) and what its rows show; column 0 is the caption.
inline QTableView* FileView(const QObject& form) { return Find<QTableView>(form, "ListView1"); }
inline int RowCount(const QObject& form) { return FileView(form)->model()->rowCount(); }
inline QModelIndex CellIndex(const QObject& form, int row, int column) { return FileView(form)->model()->index(row, column); }
inline QString CellText(const QObject& form, int row, int column) { return CellIndex(form, row, column).data().toString(); }
inline QString CellText(const QObject& form, int row, FileColumn column) { return CellText(form, row, TableColumn(column)); }
inline QString Hint(const QObject& form, int row, int column) { return CellIndex(form, row, column).data(Qt::ToolTipRole).toString(); }
inline Qt::CheckState CheckState(const QObject& form, int row)
{
    return static_cast<Qt::CheckState>(CellIndex(form, row, 0).data(Qt::CheckStateRole).toInt());
}
// A tick set or cleared by a click in the caption's check box.
inline void SetCheckState(const QObject& form, int row, Qt::CheckState state)
{
    FileView(form)->model()->setData(CellIndex(form, row, 0), state, Qt::CheckStateRole);
}

// A user's pick in a drop-down list: the selection moves, then the list reports the activation.
inline void Pick(QComboBox* combo, int index)
{
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}
