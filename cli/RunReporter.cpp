// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/RunReporter.h"

#include "core/FileList.h"
#include "core/TextRules.h"

#include <algorithm>

namespace {

double SecondsBetween(std::chrono::steady_clock::time_point from, std::chrono::steady_clock::time_point to)
{
    return std::chrono::duration<double>(to - from).count();
}

} // namespace

RunReporter::RunReporter(const FileList& files, std::vector<int> indexes, ProgressDisplay& display,
                         OnRowReport onRowReport)
    : files_(files)
    , indexes_(std::move(indexes))
    , display_(display)
    , onRowReport_(std::move(onRowReport))
{
}

void RunReporter::report(const ConversionEvent& event)
{
    std::lock_guard guard(lock_);
    if (const auto* started = std::get_if<events::JobStarted>(&event))
        jobStarted(started->row);
    else if (const auto* run = std::get_if<events::RunStarted>(&event))
        runStarted(*run);
    else if (const auto* progress = std::get_if<events::Progressed>(&event))
        progressed(*progress);
    else if (const auto* logged = std::get_if<events::RunLogged>(&event); logged && logged->record.retried)
        display_.note({FileNameOf(logged->record.file), ": " + logged->record.reason});
    else if (const auto* ended = std::get_if<events::JobEnded>(&event))
        report(ended->row, files_.rows(), Clock::now());
}

void RunReporter::jobStarted(int row)
{
    const auto now = Clock::now();
    const auto rows = files_.rows();
    for (int before = 0; before < row && before < static_cast<int>(rows.size()); ++before) {
        if (!running_.count(before))
            report(before, rows, now);
    }
    running_[row] = {now, now, -1, std::nullopt};
}

void RunReporter::runStarted(const events::RunStarted& run)
{
    const auto job = running_.find(run.row);
    if (job == running_.end() || run.attempt == 1 || run.thumbnail)
        return;
    job->second.attemptStart = Clock::now();
    job->second.shownPercent = -1;
}

// Redrawn when the percentage moves: its speed is told at the moment it was reached.
void RunReporter::progressed(const events::Progressed& progress)
{
    const auto job = running_.find(progress.row);
    const auto file = files_.row(progress.row);
    if (job == running_.end() || !file || !progress.percent)
        return;
    // As the Progress cell shows it.
    const int percent = std::min(*progress.percent, 100);
    if (percent == job->second.shownPercent)
        return;
    job->second.shownPercent = percent;
    job->second.line = ProgressLine(FileNameOf(file->caption), percent, SecondsBetween(job->second.attemptStart, Clock::now()),
                                    static_cast<int>(BatchEstimate::DurationCellSeconds(file->cell(FileColumn::Duration))));
    if (!file->stage.empty())
        job->second.line->tail += "  " + file->stage;
    draw();
}

std::vector<RowReport> RunReporter::finish()
{
    std::lock_guard guard(lock_);
    const auto rows = files_.rows();
    const auto now = Clock::now();
    std::vector<RowReport> reports;
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        report(row, rows, now);
        reports.push_back(*reports_[static_cast<std::size_t>(row)]);
    }
    return reports;
}

// The row's report, once: timed when its job ran.
void RunReporter::report(int row, const std::vector<FileRow>& rows, Clock::time_point now)
{
    if (row < 0 || row >= static_cast<int>(rows.size()))
        return;
    if (reports_.size() < rows.size())
        reports_.resize(rows.size());
    auto& slot = reports_[static_cast<std::size_t>(row)];
    if (slot)
        return;
    const auto job = running_.find(row);
    const double seconds = job != running_.end() ? SecondsBetween(job->second.start, now) : 0;
    if (job != running_.end())
        running_.erase(job);
    const int index = row < static_cast<int>(indexes_.size()) ? indexes_[static_cast<std::size_t>(row)] : row;
    slot = ReportOf(rows[static_cast<std::size_t>(row)], index, seconds);
    display_.finished(*slot);
    onRowReport_(*slot);
}

// One running file shows as before; several side by side.
void RunReporter::draw()
{
    std::vector<ProgressPart> parts;
    for (const auto& [row, job] : running_) {
        if (job.line)
            parts.push_back(*job.line);
    }
    display_.progressed(parts);
}
