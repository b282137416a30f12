#pragma once
// The conversion's host without a window: the job list is a plain list of
// rows, the choices are fixed, messages go to a Messages object, and there
// is nothing to lock.
// Calls from the worker and the stall watch meet under one lock; each
// change is passed to `changed` (called with the lock released), so a
// front end can draw it.
#include "core/ConversionHost.h"

#include <functional>
#include <mutex>
#include <string>
#include <vector>

class Messages;

class HeadlessHost : public ConversionHost {
public:
    HeadlessHost(std::vector<FileRow> rows, ConversionChoices choices, Messages& messages);

    // A row's cell or the progress bar changed (row -1 for the bar alone).
    std::function<void(int row)> changed;
    // A job of this row reaches the encoder.
    std::function<void(int row)> onJobStarted;
    // The job of this row is over.
    std::function<void(int row)> onJobEnded;

    // How many files are converted at the same time: 1 unless set.
    void setJobsAtOnce(int jobs);

    int progressBar() const;
    std::string statusPanel() const;
    // The conversion log's entries so far.
    std::vector<RunRecord> runLog() const;
    // The file the row's conversion wrote last; empty when none was named.
    std::string outputPath(int row) const;

    std::vector<FileRow> rows() override;
    void setCell(int row, FileColumn column, const std::string& text) override;
    void setReason(int row, const std::string& reason) override;
    void logRun(const RunRecord& record) override;
    std::string frameCell(int row) override;
    void scrollToRow(int row) override;
    void setProgressBar(int position) override;
    void resetProgressBarSoon() override;
    void setStatusPanel(const std::string& text) override;
    void information(const std::string& text) override;
    bool checkRequiredFiles() override;
    void lock() override;
    void unlock() override;
    void setStartControlsEnabled(bool enabled) override;
    bool shutdownChecked() override;
    void startCountdown() override;
    ConversionChoices choices() override;
    void resetMuteAudio() override;
    void setOutputPath(int row, const std::string& path) override;
    int jobsAtOnce() override;
    void jobStarted(int row) override;
    void jobEnded(int row) override;

private:
    void notify(int row);

    mutable std::mutex lock_;
    std::vector<FileRow> rows_;
    std::vector<std::string> outputPaths_;
    ConversionChoices choices_;
    Messages& messages_;
    int progressBar_ = 0;
    std::string statusPanel_;
    std::vector<RunRecord> runLog_;
    int jobsAtOnce_ = 1;
};
