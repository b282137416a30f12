#pragma once
// The rows of the main window's file list: one ticked row per added file,
// with its caption and six cells.
#include "core/FileRow.h"

#include <string>

class QTableWidget;

// Appends the row as given, ticked when the row says so.
void AppendFileRow(QTableWidget& list, const FileRow& row);

// The row as the list shows it now, its reason taken from its hint.
FileRow ReadFileRow(const QTableWidget& list, int row);

// Why the row's job did not end "Done": the hint of every cell of the row.
// A row that no longer exists is left alone.
void SetRowReason(QTableWidget& list, int row, const std::string& reason);

// One cell of a row; a row that no longer exists is left alone.
void SetFileCell(QTableWidget& list, int row, FileColumn column, const std::string& text);

// Scrolls the row into view when it exists; a partly visible row is enough.
void ScrollRowIntoView(QTableWidget& list, int row);
