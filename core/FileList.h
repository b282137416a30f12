// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The file list as a model of its own: the rows that Add Files appends, the
// list commands check and remove, the format switch tags and the conversion
// walks and writes. Any thread may read it and change cells; rows are
// added and removed only on the thread of its watcher (the window's), so
// that a view shows each change as it happens. A row that no longer exists
// is left alone.
#include "core/FileRow.h"

#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

// Told of every change: rows coming and going on the list's own thread,
// cells changing on any thread (with the list's lock released).
class FileListWatcher {
public:
    virtual ~FileListWatcher() = default;
    virtual void rowsAboutToBeInserted(int first, int last) = 0;
    virtual void rowsInserted() = 0;
    virtual void rowsAboutToBeRemoved(int first, int last) = 0;
    virtual void rowsRemoved() = 0;
    virtual void rowsChanged(int first, int last) = 0;
};

class FileList {
public:
    FileList() = default;
    explicit FileList(std::vector<FileRow> rows);

    void setWatcher(FileListWatcher* watcher) { watcher_ = watcher; }

    int size() const;
    std::vector<FileRow> rows() const;
    std::optional<FileRow> row(int index) const;

    // Appends the row as given, its conversion's values emptied.
    void append(FileRow row);
    // Appends rows kept from an earlier session as they were.
    void restore(std::vector<FileRow> rows);
    void remove(int index);
    void clear();

    void setChecked(int index, bool checked);
    void setAllChecked(bool checked);
    // The Output cell of every row: the tag of the format now chosen.
    void setOutputTags(const std::string& tag);
    // What each row's job should come to ("~24 MB", or empty), told now and
    // for every row added later, until the choices change again.
    void setSizeEstimate(std::function<std::string(const FileRow&)> estimate);

    // The conversion's values; each writes the cell that shows it.
    void setPercent(int index, int percent);
    void setOutcome(int index, RowOutcome outcome);
    // The count of the latest progress report; nothing: the report gave none.
    void setFrames(int index, std::optional<long long> frames);
    void setReason(int index, Reason reason);
    void setOutputPath(int index, const std::string& path);
    // "pass 1 of 2" while a job of two passes runs; empty after it.
    void setStage(int index, const std::string& stage);

    // The part of the row's file its job converts (Trim…), and the part of
    // the picture inside the black borders found (nothing: not measured).
    void setTrim(int index, const TrimRange& trim);
    void setCrop(int index, const std::optional<CropArea>& crop);

private:
    template <typename Change>
    void edit(int first, int last, Change change);

    mutable std::mutex lock_;
    std::vector<FileRow> rows_;
    std::function<std::string(const FileRow&)> estimate_;
    FileListWatcher* watcher_ = nullptr;
};
