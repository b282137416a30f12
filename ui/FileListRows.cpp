#include "ui/FileListRows.h"

#include "ui/MainWindow.h"
#include "media/MeasureFile.h"

#include <QComboBox>
#include <QTableWidget>

void AddFileRow(MainWindow& form, const std::string& path, const std::string& size, const std::string& frameRate,
                const std::string& duration)
{
    AppendFileRow(*form.fileList, MakeFileRow(path, size, frameRate, duration, form.formatCombo->currentIndex()));
}

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
        list.setItem(index, static_cast<int>(cell) + 1, item);
    }
    list.setUpdatesEnabled(true);
}

void ScrollRowIntoView(QTableWidget& list, int row)
{
    if (row >= 0 && row < list.rowCount())
        list.scrollToItem(list.item(row, 0), QAbstractItemView::EnsureVisible);
}
