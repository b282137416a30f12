// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/FileList.h"

#include "core/TextRules.h"

#include <algorithm>

FileList::FileList(std::vector<FileRow> rows)
    : rows_(std::move(rows))
{
}

int FileList::size() const
{
    std::lock_guard guard(lock_);
    return static_cast<int>(rows_.size());
}

std::vector<FileRow> FileList::rows() const
{
    std::lock_guard guard(lock_);
    return rows_;
}

std::optional<FileRow> FileList::row(int index) const
{
    std::lock_guard guard(lock_);
    if (index < 0 || index >= static_cast<int>(rows_.size()))
        return std::nullopt;
    return rows_[static_cast<std::size_t>(index)];
}

void FileList::append(FileRow row)
{
    row.cell(FileColumn::Progress).clear();
    row.cell(FileColumn::Frames).clear();
    row.outcome = RowOutcome::None;
    row.frames.reset();
    row.reason = {};
    row.outputPath.clear();
    row.stage.clear();
    {
        std::lock_guard guard(lock_);
        row.expectedSize = estimate_ ? estimate_(row) : std::string();
    }
    const int index = size();
    if (watcher_ != nullptr)
        watcher_->rowsAboutToBeInserted(index, index);
    {
        std::lock_guard guard(lock_);
        rows_.push_back(std::move(row));
    }
    if (watcher_ != nullptr)
        watcher_->rowsInserted();
}

void FileList::restore(std::vector<FileRow> rows)
{
    if (rows.empty())
        return;
    const int first = size();
    if (watcher_ != nullptr)
        watcher_->rowsAboutToBeInserted(first, first + static_cast<int>(rows.size()) - 1);
    {
        std::lock_guard guard(lock_);
        rows_.insert(rows_.end(), std::make_move_iterator(rows.begin()), std::make_move_iterator(rows.end()));
    }
    if (watcher_ != nullptr)
        watcher_->rowsInserted();
}

void FileList::remove(int index)
{
    if (index < 0 || index >= size())
        return;
    if (watcher_ != nullptr)
        watcher_->rowsAboutToBeRemoved(index, index);
    {
        std::lock_guard guard(lock_);
        rows_.erase(rows_.begin() + index);
    }
    if (watcher_ != nullptr)
        watcher_->rowsRemoved();
}

void FileList::clear()
{
    const int count = size();
    if (count == 0)
        return;
    if (watcher_ != nullptr)
        watcher_->rowsAboutToBeRemoved(0, count - 1);
    {
        std::lock_guard guard(lock_);
        rows_.clear();
    }
    if (watcher_ != nullptr)
        watcher_->rowsRemoved();
}

template <typename Change>
void FileList::edit(int first, int last, Change change)
{
    {
        std::lock_guard guard(lock_);
        last = std::min(last, static_cast<int>(rows_.size()) - 1);
        if (first < 0 || first > last)
            return;
        for (int index = first; index <= last; ++index)
            change(rows_[static_cast<std::size_t>(index)]);
    }
    if (watcher_ != nullptr)
        watcher_->rowsChanged(first, last);
}

void FileList::setChecked(int index, bool checked)
{
    edit(index, index, [checked](FileRow& row) { row.checked = checked; });
}

void FileList::setAllChecked(bool checked)
{
    edit(0, size() - 1, [checked](FileRow& row) { row.checked = checked; });
}

void FileList::setOutputTags(const std::string& tag)
{
    edit(0, size() - 1, [&tag](FileRow& row) { row.cell(FileColumn::Output) = tag; });
}

void FileList::setSizeEstimate(std::function<std::string(const FileRow&)> estimate)
{
    {
        std::lock_guard guard(lock_);
        estimate_ = std::move(estimate);
    }
    edit(0, size() - 1, [this](FileRow& row) { row.expectedSize = estimate_ ? estimate_(row) : std::string(); });
}

void FileList::setStage(int index, const std::string& stage)
{
    edit(index, index, [&stage](FileRow& row) { row.stage = stage; });
}

void FileList::setTrim(int index, const TrimRange& trim)
{
    edit(index, index, [this, &trim](FileRow& row) {
        row.trim = trim;
        row.expectedSize = estimate_ ? estimate_(row) : std::string();
    });
}

void FileList::setCrop(int index, const std::optional<CropArea>& crop)
{
    edit(index, index, [&crop](FileRow& row) { row.crop = crop; });
}

void FileList::setPercent(int index, int percent)
{
    edit(index, index, [percent](FileRow& row) {
        row.outcome = RowOutcome::None;
        row.cell(FileColumn::Progress) = PercentText(percent);
    });
}

void FileList::setOutcome(int index, RowOutcome outcome)
{
    edit(index, index, [outcome](FileRow& row) {
        row.outcome = outcome;
        row.cell(FileColumn::Progress) = OutcomeText(outcome);
    });
}

void FileList::setFrames(int index, std::optional<long long> frames)
{
    edit(index, index, [frames](FileRow& row) {
        row.frames = frames;
        row.cell(FileColumn::Frames) = frames ? std::to_string(*frames) : std::string();
    });
}

void FileList::setReason(int index, Reason reason)
{
    edit(index, index, [&reason](FileRow& row) { row.reason = std::move(reason); });
}

void FileList::setOutputPath(int index, const std::string& path)
{
    edit(index, index, [&path](FileRow& row) { row.outputPath = path; });
}
