// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How long the rest of a batch will take, from what its jobs report. A job
// takes three stretches: the head until the encoder's first report (its
// start, the reading of the input), the encoding, whose pace the reports
// of its later half give, past the encoder's slower start (each job weighs
// its file's duration, as BatchEstimate weighs it),
// and the tail after it (the end of the output, its check, the thumbnail),
// a share of the job's run that the jobs ended so far teach. Jobs that run
// at the same time share the wait. Times are seconds on any one clock.
#include "core/BatchEstimate.h"

#include <optional>
#include <utility>
#include <vector>

class TimeLeft {
public:
    TimeLeft(const std::vector<double>& durations, double now);

    // A run of the job began: the first attempt starts its clock, a second
    // one starts its work afresh, a thumbnail run means the encoding is over.
    void runStarted(int job, int attempt, bool thumbnail, double now);
    // How far the encoder has got, 0 to 100 (or beyond).
    void progressed(int job, int percent, double now);
    // The job is over, whatever its outcome.
    void jobEnded(int job, double now);

    // The part of the batch's encoding done, 0 to 1: the window title's figure.
    double batchDone() const { return estimate_.batchDone(); }
    int jobCount() const { return estimate_.jobCount(); }
    // Seconds left, or nothing until the work done and the time spent are
    // enough to judge the pace by.
    std::optional<int> secondsLeft(double now) const;

    // A job's tail, as a share of its run before it, until one has ended.
    static constexpr double kFirstTailShare = 0.1;

private:
    struct Job {
        double part = 0; // of the encoding
        std::optional<double> started;
        std::optional<double> reported;              // when the first report came
        std::vector<std::pair<double, double>> reports; // when, and how far the encoding was
        std::optional<double> encoded; // when the encoder reached the end
        bool ended = false;
    };

    double tailShare() const;
    void updateRunning();

    BatchEstimate estimate_;
    std::vector<Job> jobs_;
    std::vector<double> tailShares_; // of the jobs ended so far
    double start_;
    int mostAtOnce_ = 1;
};
