// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the progress bar and the output size panel show while several jobs
// may run at once: the part of the whole batch done, each job weighing its
// file's duration, and the output size of the jobs running now added up.
// Called from the jobs' threads; each change reaches the front end in the
// order it was made. After a stop request the bar is left to Stop Convert.
#include "core/BatchEstimate.h"

#include <map>
#include <mutex>
#include <optional>

class ConversionFrontEnd;
struct SharedState;

class BatchDisplay {
public:
    BatchDisplay(ConversionFrontEnd& frontEnd, const SharedState& shared, BatchJobs jobs);

    // The job of the row reports how far it is (0 to 100).
    void percent(int row, int percent);
    // The job of the row reports its output's size; nothing: none yet.
    void sized(int row, std::optional<long long> kilobytes);
    // The job of the row is over, or will not run after all.
    void ended(int row);

private:
    void showBar();
    void showSize();

    ConversionFrontEnd& frontEnd_;
    const SharedState& shared_;
    std::mutex lock_;
    BatchJobs jobs_;
    BatchEstimate estimate_;
    int shownPercent_ = -1;
    std::map<int, long long> sizes_; // KB, by row, of the jobs that reported one
};
