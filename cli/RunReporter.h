#pragma once
// Follows a conversion for the tool: times each row's job, feeds the
// progress display and makes each row's report once the row is over. Rows
// end in order: a job that starts ends the rows before it, and the end of
// the conversion ends the rest. Called from the conversion's threads.
#include "cli/ProgressDisplay.h"
#include "cli/RowReport.h"

#include <chrono>
#include <mutex>
#include <vector>

class HeadlessHost;

class RunReporter {
public:
    RunReporter(HeadlessHost& host, ProgressDisplay& display);

    // A job of this row reaches the encoder.
    void jobStarted(int row);
    // A cell of the row changed (-1: the progress bar alone).
    void changed(int row);
    // Once the conversion has ended: the reports of all rows, in order.
    std::vector<RowReport> finish();

private:
    using Clock = std::chrono::steady_clock;

    void finishRowsBefore(int row, Clock::time_point now);

    HeadlessHost& host_;
    ProgressDisplay& display_;
    std::mutex lock_;
    int current_ = -1;
    Clock::time_point jobStart_;
    Clock::time_point attemptStart_; // a second attempt starts its percentages again
    int shownPercent_ = -1;
    std::vector<RowReport> reports_;
};
