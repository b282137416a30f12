// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How far a batch has got and how long the rest will take. Each job weighs
// its file's duration (a job of unknown duration weighs the mean of the
// known ones); the part of a job done is what the encoder reported of its
// file. The rest is estimated from the elapsed time at the pace so far.
#include "core/FileRow.h"

#include <optional>
#include <string>
#include <vector>

// Whether a conversion run makes a job of the row: it is checked and its file exists.
bool IsJob(const FileRow& row);

// The jobs a conversion run of the rows makes, in order.
struct BatchJobs {
    std::vector<int> rows;
    std::vector<double> durations; // seconds, from the Duration cells cut to the rows' trims; 0 when unknown

    // The job of the row; -1 when the row makes none.
    int jobOf(int row) const;
};
BatchJobs JobsOf(const std::vector<FileRow>& rows);

class BatchEstimate {
public:
    // One entry per job, in order: the file's duration in seconds, 0 when unknown.
    explicit BatchEstimate(const std::vector<double>& durations);

    // A Duration cell ("00:01:30", "01:02:03") in seconds; 0 when it is no such time.
    static double DurationCellSeconds(const std::string& cell);

    int jobCount() const { return static_cast<int>(weights_.size()); }
    // What the job weighs: its duration, or the stand-in for an unknown one.
    double weight(int job) const { return weights_[static_cast<std::size_t>(job)]; }

    // The part (0 to 1) of job `job` done so far; it may go back, as a retried job starts again.
    void setJobDone(int job, double part);

    // The part of the whole batch done, 0 to 1.
    double batchDone() const;

    // Seconds left, or nothing until the work done and the time spent are
    // enough to judge the pace by.
    std::optional<int> secondsLeft(double elapsedSeconds) const;

    // The least time and work done before the pace is trusted.
    static constexpr double kMinElapsedSeconds = 3.0;
    static constexpr double kMinBatchDone = 0.01;

private:
    std::vector<double> weights_;
    std::vector<double> done_;
    double totalWeight_ = 0;
};
