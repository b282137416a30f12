// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/FileListModel.h"

#include "core/Texts.h"
#include "ui/Translation.h"

#include <QThread>

#include <algorithm>

namespace {

constexpr int kFrameMs = 16;

// Why the row's job did not end "Done" on every cell; else on the Video Size
// cell the stored size and the turn, or the interlacing, of the size shown.
QVariant ToolTip(const FileRow& row, int column)
{
    if (!row.reason.empty())
        return QString::fromStdString(row.reason.text);
    if (column == TableColumn(FileColumn::VideoSize) && !row.pictureNote().empty())
        return QString::fromStdString(row.pictureNote());
    if (column == TableColumn(FileColumn::Progress) && !row.stage.empty())
        return QString::fromStdString(row.stage);
    return {};
}

} // namespace

FileListModel::FileListModel(FileList& files, QObject* parent)
    : QAbstractTableModel(parent)
    , files_(files)
{
    frame_.setSingleShot(true);
    frame_.setInterval(kFrameMs);
    connect(&frame_, &QTimer::timeout, this, &FileListModel::showChanged);
    files_.setWatcher(this);
}

FileListModel::~FileListModel()
{
    files_.setWatcher(nullptr);
}

int FileListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : files_.size();
}

int FileListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(texts::kColumnCaptions.size());
}

QVariant FileListModel::data(const QModelIndex& index, int role) const
{
    const auto row = files_.row(index.row());
    if (!row || !index.isValid())
        return {};
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
        if (column == TableColumn(FileColumn::Output))
            return QString::fromStdString(row->outputText());
        return QString::fromStdString(column == 0 ? row->caption : row->cells[static_cast<std::size_t>(column - 1)]);
    case Qt::CheckStateRole:
        return column == 0 ? QVariant(row->checked ? Qt::Checked : Qt::Unchecked) : QVariant();
    case Qt::TextAlignmentRole:
        return column == 0 ? QVariant() : QVariant(Qt::AlignCenter);
    case Qt::ToolTipRole:
        return ToolTip(*row, column);
    default:
        return {};
    }
}

QVariant FileListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return {};
    if (role == Qt::DisplayRole)
        return Tr(texts::kColumnCaptions[static_cast<std::size_t>(section)]);
    if (role == Qt::TextAlignmentRole && section == 0)
        return QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    return {};
}

Qt::ItemFlags FileListModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    const Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return index.column() == 0 ? flags | Qt::ItemIsUserCheckable : flags;
}

bool FileListModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || index.column() != 0 || role != Qt::CheckStateRole)
        return false;
    files_.setChecked(index.row(), value.toInt() == Qt::Checked);
    return true;
}

void FileListModel::rowsAboutToBeInserted(int first, int last)
{
    beginInsertRows({}, first, last);
}

void FileListModel::rowsInserted()
{
    endInsertRows();
}

void FileListModel::rowsAboutToBeRemoved(int first, int last)
{
    beginRemoveRows({}, first, last);
}

void FileListModel::rowsRemoved()
{
    endRemoveRows();
}

void FileListModel::rowsChanged(int first, int last)
{
    if (QThread::currentThread() == thread()) {
        emit dataChanged(index(first, 0), index(last, columnCount() - 1));
        return;
    }
    std::lock_guard guard(changedLock_);
    const bool due = firstChanged_ < 0;
    firstChanged_ = due ? first : std::min(firstChanged_, first);
    lastChanged_ = std::max(lastChanged_, last);
    if (due)
        QMetaObject::invokeMethod(&frame_, qOverload<>(&QTimer::start), Qt::QueuedConnection);
}

void FileListModel::showChanged()
{
    int first;
    int last;
    {
        std::lock_guard guard(changedLock_);
        first = firstChanged_;
        last = std::min(lastChanged_, rowCount() - 1);
        firstChanged_ = lastChanged_ = -1;
    }
    if (first >= 0 && first <= last)
        emit dataChanged(index(first, 0), index(last, columnCount() - 1));
}
