// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/BatchEstimate.h"

#include "core/TextRules.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <numeric>

bool IsJob(const FileRow& row)
{
    std::error_code error;
    const std::string& path = row.caption;
    return row.checked && !path.empty() && std::filesystem::exists(path, error);
}

int BatchJobs::jobOf(int row) const
{
    // The rows are in the list's order.
    const auto found = std::lower_bound(rows.begin(), rows.end(), row);
    return found == rows.end() || *found != row ? -1 : static_cast<int>(found - rows.begin());
}

BatchJobs JobsOf(const std::vector<FileRow>& rows)
{
    BatchJobs jobs;
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        if (!IsJob(rows[static_cast<std::size_t>(row)]))
            continue;
        jobs.rows.push_back(row);
        const FileRow& file = rows[static_cast<std::size_t>(row)];
        jobs.durations.push_back(
            TrimmedSeconds(BatchEstimate::DurationCellSeconds(file.cell(FileColumn::Duration)), file.trim));
    }
    return jobs;
}

BatchEstimate::BatchEstimate(const std::vector<double>& durations)
    : weights_(durations)
    , done_(durations.size(), 0.0)
{
    double known = 0;
    int knownCount = 0;
    for (double duration : durations) {
        if (duration > 0) {
            known += duration;
            ++knownCount;
        }
    }
    const double standIn = knownCount > 0 ? known / knownCount : 1.0;
    for (double& weight : weights_)
        weight = weight > 0 ? weight : standIn;
    totalWeight_ = std::accumulate(weights_.begin(), weights_.end(), 0.0);
}

double BatchEstimate::DurationCellSeconds(const std::string& cell)
{
    // A Duration cell always names the hours.
    if (std::count(cell.begin(), cell.end(), ':') != 2)
        return 0;
    return static_cast<double>(ClockSeconds(cell).value_or(0));
}

void BatchEstimate::setJobDone(int job, double part)
{
    if (job < 0 || job >= jobCount() || std::isnan(part))
        return;
    done_[static_cast<std::size_t>(job)] = std::clamp(part, 0.0, 1.0);
}

double BatchEstimate::batchDone() const
{
    if (totalWeight_ <= 0)
        return 0;
    double done = 0;
    for (std::size_t job = 0; job < weights_.size(); ++job)
        done += weights_[job] * done_[job];
    return std::clamp(done / totalWeight_, 0.0, 1.0);
}

std::optional<int> BatchEstimate::secondsLeft(double elapsedSeconds) const
{
    const double done = batchDone();
    if (elapsedSeconds < kMinElapsedSeconds || done < kMinBatchDone)
        return std::nullopt;
    return static_cast<int>(std::lround(elapsedSeconds * (1.0 - done) / done));
}
