#include "cli/RunReporter.h"

#include "convert/HeadlessHost.h"
#include "core/BatchEstimate.h"
#include "core/TextRules.h"
#include "core/Texts.h"


namespace {

double SecondsBetween(std::chrono::steady_clock::time_point from, std::chrono::steady_clock::time_point to)
{
    return std::chrono::duration<double>(to - from).count();
}

} // namespace

RunReporter::RunReporter(HeadlessHost& host, ProgressDisplay& display)
    : host_(host)
    , display_(display)
{
}

void RunReporter::jobStarted(int row)
{
    std::lock_guard guard(lock_);
    const auto now = Clock::now();
    const auto rows = host_.rows();
    for (int before = 0; before < row && before < static_cast<int>(rows.size()); ++before) {
        if (!running_.count(before))
            report(before, rows, now);
    }
    running_[row] = {now, now, -1, {}};
}

void RunReporter::changed(int row)
{
    std::lock_guard guard(lock_);
    const auto job = running_.find(row);
    if (job == running_.end())
        return;
    const auto rows = host_.rows();
    if (row >= static_cast<int>(rows.size()))
        return;
    const FileRow& file = rows[row];
    const std::string& progress = file.cell(FileColumn::Progress);
    const auto now = Clock::now();
    if (progress == texts::kRescan) {
        job->second.attemptStart = now;
        job->second.shownPercent = -1;
    }
    // Redrawn when the percentage moves: its speed is told at the moment it was reached.
    const auto percent = PercentIn(progress);
    if (percent && *percent != job->second.shownPercent) {
        job->second.shownPercent = *percent;
        job->second.line = ProgressLine(FileNameOf(file.caption), *percent,
                                        SecondsBetween(job->second.attemptStart, now),
                                        static_cast<int>(BatchEstimate::DurationCellSeconds(file.cell(FileColumn::Duration))));
        draw();
    }
}

void RunReporter::jobEnded(int row)
{
    std::lock_guard guard(lock_);
    report(row, host_.rows(), Clock::now());
}

std::vector<RowReport> RunReporter::finish()
{
    std::lock_guard guard(lock_);
    const auto rows = host_.rows();
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
    slot = ReportOf(rows[static_cast<std::size_t>(row)], host_.outputPath(row), seconds);
    display_.finished(*slot);
}

// One running file shows as before; several side by side.
void RunReporter::draw()
{
    std::vector<std::string> lines;
    for (const auto& [row, job] : running_) {
        if (!job.line.empty())
            lines.push_back(job.line);
    }
    display_.progressed(lines);
}
