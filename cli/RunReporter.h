#pragma once
// Follows a conversion for the tool through its reports: times each row's
// job, feeds the progress display and makes each row's report once the row
// is over. A job that starts ends the rows before it that never started; a
// job's own row ends with it, and the end of the conversion ends the rest.
// Jobs that run at the same time may end in any order; the reports come
// back in row order. Called from the conversion's threads.
#include "cli/ProgressDisplay.h"
#include "cli/RowReport.h"
#include "core/ConversionEvent.h"

#include <chrono>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

class FileList;

class RunReporter {
public:
    RunReporter(const FileList& files, ProgressDisplay& display);

    void report(const ConversionEvent& event);
    // Once the conversion has ended: the reports of all rows, in order.
    std::vector<RowReport> finish();

private:
    using Clock = std::chrono::steady_clock;
    struct Job {
        Clock::time_point start;
        Clock::time_point attemptStart; // a second attempt starts its percentages again
        int shownPercent = -1;
        std::string line; // its progress line as last drawn
    };

    void jobStarted(int row);
    void runStarted(const events::RunStarted& run);
    void progressed(const events::Progressed& progress);
    void report(int row, const std::vector<FileRow>& rows, Clock::time_point now);
    void draw();

    const FileList& files_;
    ProgressDisplay& display_;
    std::mutex lock_;
    std::map<int, Job> running_; // by row
    std::vector<std::optional<RowReport>> reports_; // by row, once over
};
