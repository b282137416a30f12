#include "ui/FileListRows.h"

#include <QTableWidget>

namespace {

// The Video Size cell keeps the display aspect of non-square pixels beside
// the size it shows.
constexpr int kDisplayAspectRole = Qt::UserRole;

} // namespace

void AppendFileRow(QTableWidget& list, const FileRow& row)
{
    list.setUpdatesEnabled(false);
    const int index = list.rowCount();
    list.insertRow(index);
    auto* caption = new QTableWidgetItem(QString::fromStdString(row.caption));
    caption->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    caption->setCheckState(row.checked ? Qt::Checked : Qt::Unchecked);
    list.setItem(index, 0, caption);
    for (std::size_t cell = 0; cell < row.cells.size(); ++cell) {
        auto* item = new QTableWidgetItem(QString::fromStdString(row.cells[cell]));
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        item->setTextAlignment(Qt::AlignCenter);
        list.setItem(index, TableColumn(static_cast<FileColumn>(cell)), item);
    }
    QTableWidgetItem* size = list.item(index, TableColumn(FileColumn::VideoSize));
    size->setData(kDisplayAspectRole, QString::fromStdString(row.displayAspect));
    // The stored size and the turn, or the interlacing, of the size shown.
    size->setToolTip(QString::fromStdString(row.pictureNote()));
    list.setUpdatesEnabled(true);
}

namespace {

QString CellText(const QTableWidget& list, int row, int column)
{
    const QTableWidgetItem* item = list.item(row, column);
    return item != nullptr ? item->text() : QString();
}

} // namespace

FileRow ReadFileRow(const QTableWidget& list, int row)
{
    FileRow out;
    out.caption = CellText(list, row, 0).toStdString();
    const QTableWidgetItem* first = list.item(row, 0);
    out.checked = first != nullptr && first->checkState() == Qt::Checked;
    out.reason = first != nullptr ? first->toolTip().toStdString() : std::string();
    for (std::size_t cell = 0; cell < out.cells.size(); ++cell)
        out.cells[cell] = CellText(list, row, TableColumn(static_cast<FileColumn>(cell))).toStdString();
    if (const QTableWidgetItem* size = list.item(row, TableColumn(FileColumn::VideoSize)))
        out.displayAspect = size->data(kDisplayAspectRole).toString().toStdString();
    return out;
}

void SetFileCell(QTableWidget& list, int row, FileColumn column, const std::string& text)
{
    if (row < 0 || row >= list.rowCount())
        return;
    QTableWidgetItem* item = list.item(row, TableColumn(column));
    if (item == nullptr) {
        item = new QTableWidgetItem;
        item->setTextAlignment(Qt::AlignCenter);
        list.setItem(row, TableColumn(column), item);
    }
    item->setText(QString::fromStdString(text));
}

void SetRowReason(QTableWidget& list, int row, const std::string& reason)
{
    if (row < 0 || row >= list.rowCount())
        return;
    for (int column = 0; column < list.columnCount(); ++column) {
        if (QTableWidgetItem* item = list.item(row, column))
            item->setToolTip(QString::fromStdString(reason));
    }
}

void ScrollRowIntoView(QTableWidget& list, int row)
{
    if (row >= 0 && row < list.rowCount())
        list.scrollToItem(list.item(row, 0), QAbstractItemView::EnsureVisible);
}
