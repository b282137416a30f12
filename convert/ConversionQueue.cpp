#include "convert/ConversionQueue.h"

#include "app/SharedState.h"
#include "convert/ConversionHost.h"
#include "convert/ConversionState.h"
#include "convert/ConvertTexts.h"
#include "convert/EncoderGrammar.h"
#include "convert/RunEncoder.h"

#include <algorithm>
#include <array>
#include <filesystem>

namespace {

std::string LowerAscii(std::string text)
{
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

std::string LowerExtension(const std::string& path)
{
    return LowerAscii(std::filesystem::path(path).extension().string());
}

bool FileExists(const std::string& path)
{
    std::error_code error;
    return !path.empty() && std::filesystem::exists(path, error);
}

} // namespace

bool IsRealMediaPath(const std::string& path)
{
    static const std::array<std::string, 4> kRealMedia = {".rm", ".rmvb", ".ram", ".ra"};
    const std::string extension = LowerExtension(path);
    return std::find(kRealMedia.begin(), kRealMedia.end(), extension) != kRealMedia.end();
}

ConversionQueue::ConversionQueue(SharedState& shared, ConversionState& state, ConversionHost& host,
                                 RowCommandBuilder& builder, EncoderRunner& runner)
    : shared_(shared)
    , state_(state)
    , host_(host)
    , builder_(builder)
    , runner_(runner)
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
    BuildRequest job;
    job.row = rows[rowIndex];
    job.rowIndex = rowIndex;
    state_.OutputExt = LowerAscii(TrimControls(job.row.cell(FileColumn::Output)));
    shared_.stopRequested = false;
    job.inputPath = TrimControls(job.row.caption);
    host_.setProgressBar(0);
    state_.SecondAttempt = false;
    state_.CurrentRowIndex = rowIndex;
    state_.ThumbnailPending = false;
    state_.ThumbnailRun = false;
    if (shared_.stoppedByUser) {
        shared_.isConverting = false;
        return false;
    }
    if (IsRealMediaPath(job.inputPath))
        job.UseAltReader = true;
    const BuiltCommand first = builder_.build(job, state_);
    if (!job.row.checked || !FileExists(job.inputPath))
        return true;
    if (first.refusedPath) {
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
        runThumbnail(job);
    if (shared_.stoppedByUser)
        return false;

    if (state_.RetryPending) {
        if (FileExists(state_.OutputFilePath)) {
            std::error_code error;
            std::filesystem::remove(state_.OutputFilePath, error);
        }
        if (shared_.stoppedByUser)
            return false;
        if (LowerExtension(job.inputPath) == ".mov")
            job.ForceQuickTimeInput = true;
        if (job.ForceQuickTimeInput)
            job.UseAltReader = false;
        else
            job.UseAltReader = !job.UseAltReader;
        const std::string second = build(job);
        host_.setCell(rowIndex, FileColumn::Progress, texts::kRescan);
        state_.SecondAttempt = true;
        runner_.RunEncoder(second, rowIndex);
        state_.RetryPending = false;
        if (state_.ThumbnailPending)
            runThumbnail(job);
    }
    return true;
}

void ConversionQueue::runThumbnail(const BuildRequest& job)
{
    const std::string commandLine = build(job);
    state_.ThumbnailRun = true;
    runner_.RunEncoder(commandLine, job.rowIndex);
    state_.ThumbnailPending = false;
}

std::string ConversionQueue::build(const BuildRequest& job)
{
    return builder_.build(job, state_).commandLine;
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
