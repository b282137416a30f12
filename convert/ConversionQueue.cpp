#include "convert/ConversionQueue.h"

#include "core/SharedState.h"
#include "core/cmdline/TextRules.h"
#include "core/ConversionHost.h"
#include "core/ConversionState.h"
#include "core/Texts.h"
#include "convert/EncoderRunner.h"

#include <algorithm>
#include <filesystem>
#include <stdexcept>

namespace {

bool FileExists(const std::string& path)
{
    std::error_code error;
    return !path.empty() && std::filesystem::exists(path, error);
}

// The output folder could not be created: the walk ends here.
class BuildFault : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace

ConversionQueue::ConversionQueue(SharedState& shared, ConversionState& state, ConversionHost& host,
                                 EncoderRunner& runner)
    : shared_(shared)
    , state_(state)
    , host_(host)
    , runner_(runner)
    , builder_(state.ThumbnailPending, state.RetryPending)
{
}

void ConversionQueue::Run()
{
    host_.setProgressBar(0);
    shared_.isConverting = false;
    shared_.stoppedByUser = false;
    shared_.stopRequested = false;
    state_.RetryPending = false;
    state_.AnyJobStarted = false;
    if (!host_.checkRequiredFiles())
        return;
    try {
        walk();
    } catch (const std::exception&) {
        // A fault ends the walk without a message; the controls are released.
        host_.unlock();
    }
    endSteps();
}

void ConversionQueue::walk()
{
    const auto rows = host_.rows();
    if (rows.empty()) {
        host_.information(texts::kNoFileToConvert);
        state_.AnyJobStarted = false;
        return;
    }
    if (std::none_of(rows.begin(), rows.end(), [](const FileRow& row) { return row.checked; })) {
        host_.information(texts::kNothingChecked);
        return;
    }
    for (int row = 0; row < static_cast<int>(rows.size()); ++row)
        host_.setCell(row, FileColumn::Progress, std::string());
    host_.setStartControlsEnabled(false);
    const int rowCount = static_cast<int>(rows.size());
    for (int row = 0; row < rowCount; ++row) {
        if (!convertRow(row))
            return;
    }
    if (host_.shutdownChecked())
        return;
    host_.information(texts::kAllJobsDone);
}

bool ConversionQueue::convertRow(int rowIndex)
{
    const auto rows = host_.rows();
    if (rowIndex >= static_cast<int>(rows.size()))
        return true;
    const FileRow& row = rows[rowIndex];
    state_.OutputExt = ToLower(Trim(row.cell(FileColumn::Output)));
    shared_.stopRequested = false;
    JobInput job{Trim(row.caption), row.cell(FileColumn::VideoSize), state_.OutputExt, {}};
    host_.setProgressBar(0);
    state_.SecondAttempt = false;
    state_.CurrentRowIndex = rowIndex;
    state_.ThumbnailPending = false;
    state_.ThumbnailRun = false;
    if (shared_.stoppedByUser) {
        shared_.isConverting = false;
        return false;
    }
    job.options = FirstAttemptOptions(job.inputPath);
    const BuildResult first = build(job);
    if (!row.checked || !FileExists(job.inputPath))
        return true;
    if (first.status == BuildResult::Status::UnsafePath) {
        host_.setCell(rowIndex, FileColumn::Progress, texts::kFailed);
        return true;
    }

    shared_.isConverting = true;
    host_.lock();
    host_.scrollToRow(rowIndex);
    if (shared_.stoppedByUser)
        return false;
    state_.SecondAttempt = false;
    state_.AnyJobStarted = true;
    runner_.RunEncoder(first.commandLine, rowIndex);
    if (state_.ThumbnailPending && !state_.RetryPending)
        runThumbnail(job, rowIndex);
    if (shared_.stoppedByUser)
        return false;

    if (state_.RetryPending) {
        if (FileExists(state_.OutputFilePath)) {
            std::error_code error;
            std::filesystem::remove(state_.OutputFilePath, error);
        }
        if (shared_.stoppedByUser)
            return false;
        job.options = SecondAttemptOptions(job.inputPath, job.options);
        const BuildResult second = build(job);
        host_.setCell(rowIndex, FileColumn::Progress, texts::kRescan);
        state_.SecondAttempt = true;
        runner_.RunEncoder(second.commandLine, rowIndex);
        state_.RetryPending = false;
        if (state_.ThumbnailPending)
            runThumbnail(job, rowIndex);
    }
    return true;
}

void ConversionQueue::runThumbnail(const JobInput& job, int rowIndex)
{
    const BuildResult thumbnail = build(job);
    state_.ThumbnailRun = true;
    runner_.RunEncoder(thumbnail.commandLine, rowIndex);
    state_.ThumbnailPending = false;
}

BuildResult ConversionQueue::build(const JobInput& job)
{
    BuildResult result = builder_.BuildCommandLine(host_.choices(), job);
    if (result.status == BuildResult::Status::DirectoryError)
        throw BuildFault(result.error);
    if (result.resetMute)
        host_.resetMuteAudio();
    state_.OutputFilePath = builder_.OutputFilePath();
    return result;
}

void ConversionQueue::endSteps()
{
    host_.setStartControlsEnabled(true);
    shared_.isConverting = false;
    state_.SecondAttempt = false;
    state_.RetryPending = false;
    host_.unlock();
    if (host_.shutdownChecked() && !shared_.stoppedByUser && state_.AnyJobStarted)
        host_.startCountdown();
    shared_.stoppedByUser = false;
}
