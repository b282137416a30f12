#include "cli/RunReporter.h"

#include "convert/HeadlessHost.h"
#include "core/TextRules.h"
#include "core/Texts.h"

#include <charconv>
#include <cstdio>
#include <optional>

namespace {

double SecondsBetween(std::chrono::steady_clock::time_point from, std::chrono::steady_clock::time_point to)
{
    return std::chrono::duration<double>(to - from).count();
}

// A Progress cell that shows a percentage ("45%").
std::optional<int> PercentIn(const std::string& cell)
{
    if (cell.empty() || cell.back() != '%')
        return std::nullopt;
    int percent = 0;
    const char* end = cell.data() + cell.size() - 1;
    if (std::from_chars(cell.data(), end, percent).ptr != end)
        return std::nullopt;
    return percent;
}

// The Duration cell ("00:01:30") in seconds; 0 when it holds none.
int DurationSeconds(const std::string& cell)
{
    int hours = 0;
    int minutes = 0;
    int seconds = 0;
    if (std::sscanf(cell.c_str(), "%d:%d:%d", &hours, &minutes, &seconds) != 3)
        return 0;
    return hours * 3600 + minutes * 60 + seconds;
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
    finishRowsBefore(row, now);
    current_ = row;
    jobStart_ = attemptStart_ = now;
    shownPercent_ = -1;
}

void RunReporter::changed(int row)
{
    std::lock_guard guard(lock_);
    if (current_ < 0 || row != current_)
        return;
    const auto rows = host_.rows();
    if (current_ >= static_cast<int>(rows.size()))
        return;
    const FileRow& file = rows[current_];
    const std::string& progress = file.cell(FileColumn::Progress);
    const auto now = Clock::now();
    if (progress == texts::kRescan) {
        attemptStart_ = now;
        shownPercent_ = -1;
    }
    // Redrawn when the percentage moves: its speed is told at the moment it was reached.
    const auto percent = PercentIn(progress);
    if (percent && *percent != shownPercent_) {
        shownPercent_ = *percent;
        display_.progressed(FileNameOf(file.caption), *percent, SecondsBetween(attemptStart_, now),
                            DurationSeconds(file.cell(FileColumn::Duration)));
    }
}

std::vector<RowReport> RunReporter::finish()
{
    std::lock_guard guard(lock_);
    finishRowsBefore(static_cast<int>(host_.rows().size()), Clock::now());
    current_ = -1;
    return reports_;
}

void RunReporter::finishRowsBefore(int row, Clock::time_point now)
{
    const auto rows = host_.rows();
    for (int done = static_cast<int>(reports_.size()); done < row && done < static_cast<int>(rows.size()); ++done) {
        const double seconds = done == current_ ? SecondsBetween(jobStart_, now) : 0;
        reports_.push_back(ReportOf(rows[done], host_.outputPath(done), seconds));
        display_.finished(reports_.back());
    }
}
