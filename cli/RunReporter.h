// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Follows a conversion for the tool through its reports: times each row's
// job, feeds the progress display and makes each row's report once the row
// is over. A job that starts ends the rows before it that never started; a
// job's own row ends with it, and the end of the conversion ends the rest.
// Each report is handed on as its row ends, so jobs that run at the same
// time hand theirs on in the order they end. Called from the conversion's
// threads; the reports are handed on one at a time.
#include "cli/ProgressDisplay.h"
#include "cli/RowReport.h"
#include "core/ConversionEvent.h"

#include <chrono>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

class FileList;

class RunReporter {
public:
    using OnRowReport = std::function<void(const RowReport& report)>;

    // `indexes`: the place in the tool's list of each row of `files`.
    RunReporter(const FileList& files, std::vector<int> indexes, ProgressDisplay& display, OnRowReport onRowReport);

    void report(const ConversionEvent& event);
    // Once the conversion has ended: ends the rows still open, then gives
    // the reports of all rows, in row order.
    std::vector<RowReport> finish();

private:
    using Clock = std::chrono::steady_clock;
    struct Job {
        Clock::time_point start;
        Clock::time_point attemptStart; // a second attempt starts its percentages again
        int shownPercent = -1;
        std::optional<ProgressPart> line; // its part of the progress line as last drawn
    };

    void jobStarted(int row);
    void runStarted(const events::RunStarted& run);
    void progressed(const events::Progressed& progress);
    void report(int row, const std::vector<FileRow>& rows, Clock::time_point now);
    void draw();

    const FileList& files_;
    std::vector<int> indexes_;
    ProgressDisplay& display_;
    OnRowReport onRowReport_;
    std::mutex lock_;
    std::map<int, Job> running_; // by row
    std::vector<std::optional<RowReport>> reports_; // by row, once over
};
