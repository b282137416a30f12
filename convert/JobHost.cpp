#include "convert/JobHost.h"

#include "convert/BatchDisplay.h"

JobHost::JobHost(ConversionHost& host)
    : host_(host)
{
}

void JobHost::begin(int row, BatchDisplay* display)
{
    row_ = row;
    display_ = display;
}

void JobHost::setProgressBar(int position)
{
    if (display_ != nullptr)
        display_->percent(row_, position);
    else
        host_.setProgressBar(position);
}

// The batch's bar goes on from where it is.
void JobHost::resetProgressBarSoon()
{
    if (display_ == nullptr)
        host_.resetProgressBarSoon();
}

void JobHost::setStatusPanel(const std::string& text)
{
    if (display_ != nullptr)
        display_->sizeText(row_, text);
    else
        host_.setStatusPanel(text);
}

void JobHost::jobEnded(int row)
{
    if (display_ != nullptr)
        display_->ended(row);
    host_.jobEnded(row);
}

std::vector<FileRow> JobHost::rows() { return host_.rows(); }
void JobHost::setCell(int row, FileColumn column, const std::string& text) { host_.setCell(row, column, text); }
void JobHost::setReason(int row, const std::string& reason) { host_.setReason(row, reason); }
void JobHost::logRun(const RunRecord& record) { host_.logRun(record); }
std::string JobHost::frameCell(int row) { return host_.frameCell(row); }
void JobHost::scrollToRow(int row) { host_.scrollToRow(row); }
void JobHost::information(const std::string& text) { host_.information(text); }
void JobHost::closingMessage(const std::string& text) { host_.closingMessage(text); }
bool JobHost::checkRequiredFiles() { return host_.checkRequiredFiles(); }
void JobHost::lock() { host_.lock(); }
void JobHost::unlock() { host_.unlock(); }
void JobHost::setStartControlsEnabled(bool enabled) { host_.setStartControlsEnabled(enabled); }
bool JobHost::shutdownChecked() { return host_.shutdownChecked(); }
void JobHost::startCountdown() { host_.startCountdown(); }
ConversionChoices JobHost::choices() { return host_.choices(); }
void JobHost::resetMuteAudio() { host_.resetMuteAudio(); }
void JobHost::setOutputPath(int row, const std::string& path) { host_.setOutputPath(row, path); }
int JobHost::jobsAtOnce() { return host_.jobsAtOnce(); }
void JobHost::jobStarted(int row) { host_.jobStarted(row); }
