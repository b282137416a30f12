#include "convert/ConversionQueue.h"

#include "core/ConversionHost.h"
#include "core/JobPlanner.h"
#include "core/SharedState.h"
#include "core/TextRules.h"
#include "core/Texts.h"
#include "core/cmdline/OutputNaming.h"

#include <QDateTime>

#include <algorithm>
#include <filesystem>

namespace {

bool FileExists(const std::string& path)
{
    std::error_code error;
    return !path.empty() && std::filesystem::exists(path, error);
}

std::string Now()
{
    return QDateTime::currentDateTime().toString("yyyy-MM-dd hh:mm:ss").toStdString();
}

} // namespace

ConversionQueue::ConversionQueue(SharedState& shared, ConversionHost& host, EncoderRunner& runner)
    : shared_(shared)
    , host_(host)
    , runner_(runner)
    , builder_(BuilderDisk{true, {}, [this](const std::string& path) { return reserved(path); }})
{
}

bool ConversionQueue::stopped() const
{
    return shared_.stopRequested;
}

bool ConversionQueue::reserved(const std::string& path) const
{
    return std::any_of(reserved_.begin(), reserved_.end(),
                       [&path](const std::string& taken) { return SameFile(path, taken); });
}

void ConversionQueue::Run()
{
    host_.setProgressBar(0);
    shared_.isConverting = false;
    shared_.stopRequested = false;
    anyJobStarted_ = false;
    tally_ = {};
    reserved_.clear();
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
        return;
    }
    if (std::none_of(rows.begin(), rows.end(), [](const FileRow& row) { return row.checked; })) {
        host_.information(texts::kNothingChecked);
        return;
    }
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        host_.setCell(row, FileColumn::Progress, std::string());
        host_.setReason(row, std::string());
        reserved_.push_back(Trim(rows[row].caption));
    }
    host_.setStartControlsEnabled(false);
    const int rowCount = static_cast<int>(rows.size());
    for (int row = 0; row < rowCount; ++row) {
        if (!convertRow(row))
            return;
    }
    if (host_.shutdownChecked())
        return;
    host_.information(tally_.closingMessage());
}

bool ConversionQueue::convertRow(int rowIndex)
{
    const auto rows = host_.rows();
    if (rowIndex >= static_cast<int>(rows.size()))
        return true;
    const FileRow& row = rows[rowIndex];
    host_.setProgressBar(0);
    if (stopped()) {
        shared_.isConverting = false;
        return false;
    }
    JobInput job{Trim(row.caption), row.cell(FileColumn::VideoSize), ToLower(Trim(row.cell(FileColumn::Output))), {}};
    job.displayAspect = row.displayAspect;
    JobPlanner plan(job.inputPath);
    job.options = plan.next()->options;
    // One snapshot of the choices per job. Every row is built, checked or
    // not: a missing output folder is made (or its failure ends the walk)
    // before any file is looked at.
    const ConversionChoices choices = host_.choices();
    BuildResult built = noteMuteReset(builder_.BuildCommandLine(choices, job));
    if (built.status == BuildResult::Status::DirectoryError) {
        folderFailed(rowIndex, row.checked, built);
        return false;
    }
    if (!row.checked)
        return true;
    if (!FileExists(job.inputPath)) {
        host_.setReason(rowIndex, texts::kReasonInputGone);
        return true;
    }
    if (built.status == BuildResult::Status::UnsafePath) {
        host_.setCell(rowIndex, FileColumn::Progress, texts::kFailed);
        host_.setReason(rowIndex, built.error);
        ++tally_.failed;
        return true;
    }

    shared_.isConverting = true;
    host_.lock();
    host_.scrollToRow(rowIndex);
    anyJobStarted_ = true;
    const int expectedSeconds = static_cast<int>(ClockSeconds(row.cell(FileColumn::Duration)).value_or(0));
    std::string videoOutput = built.outputPath;
    // The streams the format run's output is to hold.
    bool keepsVideo = built.keepsVideo;
    bool keepsAudio = built.keepsAudio;
    bool videoPlaced = false; // this job's video lies under videoOutput
    RunOutcome jobOutcome;
    jobOutcome.reason = texts::kReasonStopped; // unless a run says otherwise
    host_.setOutputPath(rowIndex, videoOutput);
    for (auto run = plan.next(); run; run = plan.next()) {
        if (stopped())
            break;
        job.options = run->options;
        if (run->kind == RunKind::SecondAttempt) {
            // The failed first attempt left nothing under the output's name:
            // a file there is not this job's and stays.
            built = noteMuteReset(builder_.BuildCommandLine(choices, job));
            keepsVideo = built.keepsVideo;
            keepsAudio = built.keepsAudio;
            videoOutput = built.outputPath;
            host_.setOutputPath(rowIndex, videoOutput);
            host_.setCell(rowIndex, FileColumn::Progress, texts::kRescan);
        } else if (run->kind == RunKind::Thumbnail) {
            built = noteMuteReset(builder_.BuildThumbnailCommandLine(choices, job, videoOutput));
        }
        if (built.status == BuildResult::Status::DirectoryError) {
            folderFailed(rowIndex, true, built);
            return false;
        }
        const bool thumbnail = run->kind == RunKind::Thumbnail;
        if (!thumbnail) {
            host_.setCell(rowIndex, FileColumn::Frames, std::string());
            host_.setStatusPanel(std::string());
        }
        const EncoderRun request{.commandLine = built.commandLine,
                                 .row = rowIndex,
                                 .outputPath = built.outputPath,
                                 .inputPath = job.inputPath,
                                 .finalAttempt = !plan.retryLeft(),
                                 .thumbnail = thumbnail,
                                 .videoFormat = keepsVideo,
                                 .audioWanted = keepsAudio,
                                 .expectedSeconds = expectedSeconds};
        const RunOutcome outcome = runner_.RunEncoder(request);
        log(rowIndex, request, outcome);
        if (!thumbnail) {
            videoPlaced = outcome.verdict == RunVerdict::Done || outcome.verdict == RunVerdict::Incomplete;
            jobOutcome = outcome;
        } else if (outcome.stopped) {
            jobOutcome = outcome;
        } else if (videoPlaced && outcome.verdict != RunVerdict::Done) {
            // The video is made, so the job is: it keeps its outcome and
            // says why the picture is missing.
            host_.setCell(rowIndex, FileColumn::Progress, VerdictText(jobOutcome.verdict));
            jobOutcome.reason += (jobOutcome.reason.empty() ? "" : "; ") + std::string(texts::kReasonNoThumbnail);
        }
        plan.finished(outcome.retryDue, built.thumbnailDue);
    }
    reserved_.push_back(videoOutput);
    host_.setReason(rowIndex, jobOutcome.reason);
    switch (jobOutcome.verdict) {
    case RunVerdict::Done:
        ++tally_.done;
        break;
    case RunVerdict::Incomplete:
        ++tally_.incomplete;
        break;
    case RunVerdict::Failed:
    case RunVerdict::Aborted:
        ++tally_.failed;
        break;
    }
    return !stopped();
}

BuildResult ConversionQueue::noteMuteReset(BuildResult result)
{
    if (result.resetMute)
        host_.resetMuteAudio();
    return result;
}

void ConversionQueue::folderFailed(int rowIndex, bool checked, const BuildResult& result)
{
    if (checked) {
        host_.setCell(rowIndex, FileColumn::Progress, texts::kFailed);
        host_.setReason(rowIndex, texts::kReasonFolder + result.cause);
    }
    host_.information(result.error);
}

void ConversionQueue::log(int rowIndex, const EncoderRun& request, const RunOutcome& outcome)
{
    host_.logRun({rowIndex, Now(), request.inputPath, request.commandLine, VerdictText(outcome.verdict), outcome.reason,
                  outcome.lastLines});
}

void ConversionQueue::endSteps()
{
    host_.setStartControlsEnabled(true);
    shared_.isConverting = false;
    host_.unlock();
    if (host_.shutdownChecked() && !stopped() && anyJobStarted_)
        host_.startCountdown();
}
