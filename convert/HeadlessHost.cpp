#include "convert/HeadlessHost.h"

#include "core/Messages.h"
#include "core/RequiredFiles.h"

#include <algorithm>

HeadlessHost::HeadlessHost(std::vector<FileRow> rows, ConversionChoices choices, Messages& messages)
    : rows_(std::move(rows))
    , outputPaths_(rows_.size())
    , choices_(std::move(choices))
    , messages_(messages)
{
}

int HeadlessHost::progressBar() const
{
    std::lock_guard guard(lock_);
    return progressBar_;
}

std::string HeadlessHost::statusPanel() const
{
    std::lock_guard guard(lock_);
    return statusPanel_;
}

std::vector<RunRecord> HeadlessHost::runLog() const
{
    std::lock_guard guard(lock_);
    return runLog_;
}

std::vector<FileRow> HeadlessHost::rows()
{
    std::lock_guard guard(lock_);
    return rows_;
}

void HeadlessHost::setCell(int row, FileColumn column, const std::string& text)
{
    {
        std::lock_guard guard(lock_);
        if (row < 0 || row >= static_cast<int>(rows_.size()))
            return;
        rows_[row].cell(column) = text;
    }
    notify(row);
}

void HeadlessHost::setReason(int row, const std::string& reason)
{
    {
        std::lock_guard guard(lock_);
        if (row < 0 || row >= static_cast<int>(rows_.size()))
            return;
        rows_[row].reason = reason;
    }
    notify(row);
}

void HeadlessHost::logRun(const RunRecord& record)
{
    std::lock_guard guard(lock_);
    runLog_.push_back(record);
}

std::string HeadlessHost::frameCell(int row)
{
    std::lock_guard guard(lock_);
    return row >= 0 && row < static_cast<int>(rows_.size()) ? rows_[row].cell(FileColumn::Frames) : std::string();
}

void HeadlessHost::scrollToRow(int /*row*/) {}

void HeadlessHost::jobStarted(int row)
{
    if (onJobStarted)
        onJobStarted(row);
}

void HeadlessHost::setProgressBar(int position)
{
    {
        std::lock_guard guard(lock_);
        progressBar_ = std::clamp(position, 0, 100);
    }
    notify(-1);
}

// Nobody watches this bar for a moment: it goes back at once.
void HeadlessHost::resetProgressBarSoon()
{
    setProgressBar(0);
}

void HeadlessHost::setStatusPanel(const std::string& text)
{
    std::lock_guard guard(lock_);
    statusPanel_ = text;
}

void HeadlessHost::information(const std::string& text)
{
    messages_.information(text);
}

bool HeadlessHost::checkRequiredFiles()
{
    return CheckRequiredFiles(HeadlessHost::choices().appDir, messages_);
}

// No controls to lock or enable without a window.
void HeadlessHost::lock() {}
void HeadlessHost::unlock() {}
void HeadlessHost::setStartControlsEnabled(bool) {}

// Without a window there is no power-off option.
bool HeadlessHost::shutdownChecked()
{
    return false;
}

void HeadlessHost::startCountdown() {}

ConversionChoices HeadlessHost::choices()
{
    std::lock_guard guard(lock_);
    return choices_;
}

void HeadlessHost::resetMuteAudio()
{
    std::lock_guard guard(lock_);
    choices_.muteIndex = 0;
}

std::string HeadlessHost::outputPath(int row) const
{
    std::lock_guard guard(lock_);
    return row >= 0 && row < static_cast<int>(outputPaths_.size()) ? outputPaths_[row] : std::string();
}

void HeadlessHost::setOutputPath(int row, const std::string& path)
{
    std::lock_guard guard(lock_);
    if (row >= 0 && row < static_cast<int>(outputPaths_.size()))
        outputPaths_[row] = path;
}

void HeadlessHost::setJobsAtOnce(int jobs)
{
    std::lock_guard guard(lock_);
    jobsAtOnce_ = jobs;
}

int HeadlessHost::jobsAtOnce()
{
    std::lock_guard guard(lock_);
    return jobsAtOnce_;
}

void HeadlessHost::jobEnded(int row)
{
    if (onJobEnded)
        onJobEnded(row);
}

void HeadlessHost::notify(int row)
{
    if (changed)
        changed(row);
}
