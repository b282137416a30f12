// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How long the rest of a batch will take, from what its jobs report.
//
// The jobs under way share the machine: each has an equal part of every
// second, its machine time. A job is its encoding (the file's duration, as
// BatchEstimate weighs it), from the start of its run on, and a tail after
// the encoder's end (it empties what it read ahead, the output is closed
// and checked, the thumbnail made). The pace is the work the encoders did
// per second of their machine time over the later half of the batch so
// far; a tail is as long as the tails so far, and until a job has ended as
// long as the wait for an encoder's first report, as the encoder empties at
// its end what it read ahead at its start. The time left is the machine
// time the unfinished jobs still need: while any job runs, every second of
// the machine goes to the batch, whether one job or several take it. Times
// are seconds on any one clock.
#include "core/BatchEstimate.h"

#include <optional>
#include <vector>

class TimeLeft {
public:
    TimeLeft(const std::vector<double>& durations, double now);

    // A run of the job began: the first attempt starts its clock (a second
    // pass of the same attempt goes on with it), a second attempt starts its
    // work afresh, a thumbnail run means the encoding is over.
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

private:
    struct Job {
        double part = 0;    // of the encoding
        double machine = 0; // machine time since the attempt began
        double reportedMachine = 0; // at the latest report
        bool started = false;
        bool reported = false;
        std::optional<double> encoded; // machine time when the encoder reached the end
        bool ended = false;
    };
    // The work of one job between two of its reports, added up over the batch.
    struct Stretch {
        double until;   // when it ended
        double work;    // so far, this one included
        double machine; // so far, this one included
    };
    struct Mean {
        double sum = 0;
        int count = 0;
        void add(double value);
        std::optional<double> value() const;
    };

    Job* job(int index);
    void advance(double now);
    int underWay() const;
    std::optional<double> pace(double now) const;

    BatchEstimate estimate_;
    std::vector<Job> jobs_;
    std::vector<Stretch> stretches_;
    double start_;
    double last_;                      // when the machine time was last shared out
    std::optional<double> firstReport_; // when the batch's first report came
    Mean heads_;                       // machine time to a run's first report
    Mean tails_;                       // machine time after the encoder's end
};
