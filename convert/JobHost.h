#pragma once
// The host as one job sees it. A job that runs alone reaches the window's
// host as it is. Beside other jobs, its progress bar positions and output
// sizes feed the batch's display instead, so that the bar and the panel
// show the batch, and the bar is not reset after each job.
#include "core/ConversionHost.h"

class BatchDisplay;

class JobHost : public ConversionHost {
public:
    explicit JobHost(ConversionHost& host);

    // The job of `row` begins; `display` shows the batch, or nullptr when the job runs alone.
    void begin(int row, BatchDisplay* display);

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
    void closingMessage(const std::string& text) override;
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
    ConversionHost& host_;
    int row_ = -1;
    BatchDisplay* display_ = nullptr;
};
