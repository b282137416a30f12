// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The file list as the main window's list view shows it: the caption with
// its check box and the six cells after it, all centred but the caption,
// and a row's reason as the hint of each of its cells. Rows come and go as
// the list adds and removes them; cells changed on the window's thread show
// at once, cells the conversion changes from its threads at most once a
// frame, coalesced.
#include "core/FileList.h"

#include <QAbstractTableModel>
#include <QTimer>

#include <mutex>

class FileListModel : public QAbstractTableModel, public FileListWatcher {
    Q_OBJECT
public:
    explicit FileListModel(FileList& files, QObject* parent = nullptr);
    ~FileListModel() override;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // A tick set or cleared in the caption's check box.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    void rowsAboutToBeInserted(int first, int last) override;
    void rowsInserted() override;
    void rowsAboutToBeRemoved(int first, int last) override;
    void rowsRemoved() override;
    void rowsChanged(int first, int last) override;

private:
    void showChanged();

    FileList& files_;
    std::mutex changedLock_;
    int firstChanged_ = -1; // the rows changed since the last frame; -1: none
    int lastChanged_ = -1;
    QTimer frame_;
};
