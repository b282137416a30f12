#include "convert/ConversionQueue.h"

#include "convert/EncoderRunner.h"
#include "core/ConversionHost.h"
#include "core/JobPlanner.h"
#include "core/SharedState.h"
#include "core/TextRules.h"
#include "core/Texts.h"

#include <algorithm>
#include <filesystem>
#include <stdexcept>

namespace {

bool FileExists(const std::string& path)
{
    std::error_code error;
    return !path.empty() && std::filesystem::exists(path, error);
}

// A file with something in it.
bool FileHolds(const std::string& path)
{
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    return !error && size > 0;
}

// The output folder could not be created: the walk ends here.
class BuildFault : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace

ConversionQueue::ConversionQueue(SharedState& shared, ConversionHost& host, EncoderRunner& runner)
    : shared_(shared)
    , host_(host)
    , runner_(runner)
{
}

bool ConversionQueue::stopped() const
{
    return shared_.stopRequested;
}

void ConversionQueue::Run()
{
    host_.setProgressBar(0);
    shared_.isConverting = false;
    shared_.stopRequested = false;
    anyJobStarted_ = false;
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
    host_.setProgressBar(0);
    if (stopped()) {
        shared_.isConverting = false;
        return false;
    }
    JobInput job{Trim(row.caption), row.cell(FileColumn::VideoSize), ToLower(Trim(row.cell(FileColumn::Output))), {}};
    job.displayAspect = row.displayAspect;
    JobPlanner plan(job.inputPath);
    job.options = plan.next()->options;
    // Every row is built, checked or not: a missing output folder is made
    // (or its failure ends the walk) before any file is looked at.
    BuildResult built = build(job);
    if (!row.checked || !FileExists(job.inputPath))
        return true;
    if (built.status == BuildResult::Status::UnsafePath) {
        host_.setCell(rowIndex, FileColumn::Progress, texts::kFailed);
        return true;
    }

    shared_.isConverting = true;
    host_.lock();
    host_.scrollToRow(rowIndex);
    anyJobStarted_ = true;
    std::string videoOutput = built.outputPath;
    host_.setOutputPath(rowIndex, videoOutput);
    bool videoDone = false;
    for (auto run = plan.next(); run; run = plan.next()) {
        if (stopped())
            return false;
        job.options = run->options;
        if (run->kind == RunKind::SecondAttempt) {
            // The first attempt's partial output goes before the retry.
            if (FileExists(videoOutput)) {
                std::error_code error;
                std::filesystem::remove(videoOutput, error);
            }
            built = build(job);
            videoOutput = built.outputPath;
            host_.setOutputPath(rowIndex, videoOutput);
            host_.setCell(rowIndex, FileColumn::Progress, texts::kRescan);
        } else if (run->kind == RunKind::Thumbnail) {
            built = buildThumbnail(job, videoOutput);
        }
        const RunOutcome outcome = runner_.RunEncoder({built.commandLine, rowIndex, videoOutput,
                                                       run->kind == RunKind::SecondAttempt,
                                                       run->kind == RunKind::Thumbnail});
        if (run->kind != RunKind::Thumbnail)
            videoDone = outcome.done;
        else if (videoDone && !outcome.stopped && !(outcome.done && FileHolds(built.outputPath)))
            thumbnailMissing(rowIndex);
        plan.finished(outcome.retryDue, built.thumbnailDue);
    }
    return !stopped();
}

// The video is there, so the job is: the row stays "Done" and says why
// the picture is missing.
void ConversionQueue::thumbnailMissing(int rowIndex)
{
    host_.setCell(rowIndex, FileColumn::Progress, texts::kDone);
    host_.setReason(rowIndex, texts::kReasonNoThumbnail);
}

BuildResult ConversionQueue::build(const JobInput& job)
{
    return checked(builder_.BuildCommandLine(host_.choices(), job));
}

BuildResult ConversionQueue::buildThumbnail(const JobInput& job, const std::string& videoOutputPath)
{
    return checked(builder_.BuildThumbnailCommandLine(host_.choices(), job, videoOutputPath));
}

BuildResult ConversionQueue::checked(BuildResult result)
{
    if (result.status == BuildResult::Status::DirectoryError)
        throw BuildFault(result.error);
    if (result.resetMute)
        host_.resetMuteAudio();
    return result;
}

void ConversionQueue::endSteps()
{
    host_.setStartControlsEnabled(true);
    shared_.isConverting = false;
    host_.unlock();
    if (host_.shutdownChecked() && !stopped() && anyJobStarted_)
        host_.startCountdown();
}
