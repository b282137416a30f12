#include "convert/ConversionQueue.h"

#include "core/ConversionHost.h"
#include "core/JobPlanner.h"
#include "core/SharedState.h"
#include "core/TextRules.h"
#include "core/Texts.h"
#include "core/cmdline/OutputNaming.h"
#include "platform/UsableCpus.h"

#include <QDateTime>

#include <algorithm>

namespace {

std::string Now()
{
    return QDateTime::currentDateTime().toString("yyyy-MM-dd hh:mm:ss").toStdString();
}

} // namespace

// One row's job from its first command line on.
struct ConversionQueue::Job {
    int row;
    FileRow file;
    JobInput input;
    JobPlanner plan;
    ConversionChoices choices;
    BuildResult built; // the run to make next
};

ConversionQueue::ConversionQueue(SharedState& shared, ConversionHost& host, std::function<JobSlot(int index)> slot)
    : cores(platform::UsableCpus())
    , shared_(shared)
    , host_(host)
    , slot_(std::move(slot))
{
}

bool ConversionQueue::stopped() const
{
    return shared_.stopRequested;
}

bool ConversionQueue::reserved(const std::string& path, int row) const
{
    return std::any_of(reserved_.begin(), reserved_.end(), [&](const Reservation& taken) {
        return taken.row != row && SameFile(path, taken.path);
    });
}

void ConversionQueue::Run()
{
    host_.setProgressBar(0);
    shared_.isConverting = false;
    shared_.stopRequested = false;
    anyJobStarted_ = false;
    jobsAtOnce_ = 1;
    display_.reset();
    tally_ = {};
    reserved_.clear();
    walkEnded_ = false;
    fault_ = nullptr;
    if (!host_.checkRequiredFiles())
        return;
    try {
        walk();
    } catch (const std::exception&) {
        // A fault ends the walk without a message; the jobs under way end
        // as they would, then the controls are released.
        finishJobs();
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
        reserved_.push_back({rows[row].caption, -1});
    }
    host_.setStartControlsEnabled(false);
    jobsAtOnce_ = host_.jobsAtOnce();
    if (MostJobs(jobsAtOnce_, cores) > 1)
        display_.emplace(host_, shared_, JobsOf(rows));
    const int rowCount = static_cast<int>(rows.size());
    bool walkedAll = true;
    for (int row = 0; row < rowCount && walkedAll; ++row)
        walkedAll = convertRow(row);
    finishJobs();
    if (fault_)
        std::rethrow_exception(fault_);
    if (display_ && !stopped())
        host_.resetProgressBarSoon();
    if (!walkedAll || walkEnded_ || host_.shutdownChecked())
        return;
    host_.closingMessage(tally_.closingMessage());
}

bool ConversionQueue::convertRow(int rowIndex)
{
    const auto rows = host_.rows();
    if (rowIndex >= static_cast<int>(rows.size()))
        return true;
    const FileRow& row = rows[rowIndex];
    if (!display_)
        host_.setProgressBar(0);
    if (stopped()) {
        shared_.isConverting = false;
        return false;
    }
    JobInput input{row.caption, row.cell(FileColumn::VideoSize), ToLower(Trim(row.cell(FileColumn::Output))), {}};
    input.displayAspect = row.displayAspect;
    Job job{rowIndex, row, input, JobPlanner(input.inputPath), {}, {}};
    job.input.options = job.plan.next()->options;
    // One snapshot of the choices per job. Every row is built, checked or
    // not: a missing output folder is made (or its failure ends the walk)
    // before any file is looked at.
    job.choices = host_.choices();
    const bool runs = IsJob(row);
    job.built = noteMuteReset(buildFor(rowIndex, job.choices, job.input, runs));
    if (job.built.status == BuildResult::Status::DirectoryError) {
        folderFailed(host_, rowIndex, row.checked, job.built);
        return false;
    }
    if (!row.checked)
        return true;
    if (!runs) {
        host_.setReason(rowIndex, texts::kReasonInputGone);
        if (display_)
            display_->ended(rowIndex);
        return true;
    }
    if (job.built.status == BuildResult::Status::UnsafePath) {
        host_.setCell(rowIndex, FileColumn::Progress, texts::kFailed);
        host_.setReason(rowIndex, job.built.error);
        count(RunVerdict::Failed);
        if (display_)
            display_->ended(rowIndex);
        return true;
    }
    if (display_)
        return startBeside(job);
    const JobSlot slot = beginJob(rowIndex, 0);
    return runJob(job, *slot.host, *slot.runner);
}

JobSlot ConversionQueue::beginJob(int row, int index)
{
    shared_.isConverting = true;
    host_.lock();
    host_.scrollToRow(row);
    host_.jobStarted(row);
    anyJobStarted_ = true;
    const JobSlot slot = slot_(index);
    slot.host->begin(row, display_ ? &*display_ : nullptr);
    return slot;
}

bool ConversionQueue::startBeside(Job& job)
{
    const JobLoad load = LoadOf(job.choices, job.input.outputExt, job.input.sourceSize);
    int index = 0;
    {
        std::unique_lock lock(lock_);
        for (;;) {
            reap();
            if (walkEnded_ || stopped())
                return false;
            std::vector<JobLoad> loads;
            for (const Running& running : running_)
                loads.push_back(running.load);
            if (MayStartJob(jobsAtOnce_, cores, loads, load))
                break;
            jobEnded_.wait(lock);
        }
        while (std::any_of(running_.begin(), running_.end(),
                           [index](const Running& running) { return running.slot == index; }))
            ++index;
    }
    const JobSlot slot = beginJob(job.row, index);
    std::lock_guard guard(lock_);
    running_.push_back({index, load, std::thread([this, job = std::move(job), slot, index]() mutable {
                            bool goOn = false;
                            try {
                                goOn = runJob(job, *slot.host, *slot.runner);
                            } catch (const std::exception&) {
                                std::lock_guard guard(lock_);
                                if (!fault_)
                                    fault_ = std::current_exception();
                            }
                            {
                                std::lock_guard guard(lock_);
                                walkEnded_ = walkEnded_ || !goOn;
                                for (Running& running : running_) {
                                    if (running.slot == index)
                                        running.over = true;
                                }
                            }
                            jobEnded_.notify_all();
                        })});
    return true;
}

void ConversionQueue::reap()
{
    for (auto running = running_.begin(); running != running_.end();) {
        if (!running->over) {
            ++running;
            continue;
        }
        running->thread.join();
        running = running_.erase(running);
    }
}

void ConversionQueue::finishJobs()
{
    std::unique_lock lock(lock_);
    jobEnded_.wait(lock, [this] {
        return std::all_of(running_.begin(), running_.end(), [](const Running& running) { return running.over; });
    });
    reap();
}

bool ConversionQueue::runJob(Job& job, JobHost& host, EncoderRunner& runner)
{
    const int rowIndex = job.row;
    BuildResult& built = job.built;
    const int expectedSeconds = static_cast<int>(ClockSeconds(job.file.cell(FileColumn::Duration)).value_or(0));
    std::string videoOutput = built.outputPath;
    // The streams the format run's output is to hold.
    bool keepsVideo = built.keepsVideo;
    bool keepsAudio = built.keepsAudio;
    bool videoPlaced = false; // this job's video lies under videoOutput
    RunOutcome jobOutcome;
    jobOutcome.reason = texts::kReasonStopped; // unless a run says otherwise
    host.setOutputPath(rowIndex, videoOutput);
    for (auto run = job.plan.next(); run; run = job.plan.next()) {
        if (stopped())
            break;
        job.input.options = run->options;
        if (run->kind == RunKind::SecondAttempt) {
            // The failed first attempt left nothing under the output's name:
            // a file there is not this job's and stays.
            built = noteMuteReset(buildFor(rowIndex, job.choices, job.input, true));
            keepsVideo = built.keepsVideo;
            keepsAudio = built.keepsAudio;
            videoOutput = built.outputPath;
            host.setOutputPath(rowIndex, videoOutput);
            host.setCell(rowIndex, FileColumn::Progress, texts::kRescan);
        } else if (run->kind == RunKind::Thumbnail) {
            built = noteMuteReset(CommandLineBuilder().BuildThumbnailCommandLine(job.choices, job.input, videoOutput));
        }
        if (built.status == BuildResult::Status::DirectoryError) {
            folderFailed(host, rowIndex, true, built);
            host.jobEnded(rowIndex);
            return false;
        }
        const bool thumbnail = run->kind == RunKind::Thumbnail;
        if (!thumbnail) {
            host.setCell(rowIndex, FileColumn::Frames, std::string());
            host.setStatusPanel(std::string());
        }
        const EncoderRun request{.commandLine = built.commandLine,
                                 .row = rowIndex,
                                 .outputPath = built.outputPath,
                                 .inputPath = job.input.inputPath,
                                 .finalAttempt = !job.plan.retryLeft(),
                                 .thumbnail = thumbnail,
                                 .videoFormat = keepsVideo,
                                 .audioWanted = keepsAudio,
                                 .expectedSeconds = expectedSeconds,
                                 // A thumbnail always follows its video's name.
                                 .replaceExisting = thumbnail || job.choices.overwrite};
        const RunOutcome outcome = runner.RunEncoder(request);
        log(host, rowIndex, request, outcome);
        if (!thumbnail) {
            videoPlaced = outcome.verdict == RunVerdict::Done || outcome.verdict == RunVerdict::Incomplete;
            if (videoPlaced)
                videoOutput = outcome.placedPath;
            jobOutcome = outcome;
        } else if (outcome.stopped) {
            jobOutcome = outcome;
        } else if (videoPlaced && outcome.verdict != RunVerdict::Done) {
            // The video is made, so the job is: it keeps its outcome and
            // says why the picture is missing.
            host.setCell(rowIndex, FileColumn::Progress, VerdictText(jobOutcome.verdict));
            jobOutcome.reason += (jobOutcome.reason.empty() ? "" : "; ") + std::string(texts::kReasonNoThumbnail);
        }
        job.plan.finished(outcome.retryDue, built.thumbnailDue);
    }
    host.setReason(rowIndex, jobOutcome.reason);
    count(jobOutcome.verdict);
    host.jobEnded(rowIndex);
    return !stopped();
}

void ConversionQueue::count(RunVerdict verdict)
{
    std::lock_guard guard(lock_);
    switch (verdict) {
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
}

BuildResult ConversionQueue::buildFor(int rowIndex, const ConversionChoices& choices, const JobInput& job,
                                      bool takesName)
{
    std::lock_guard guard(namesLock_);
    const CommandLineBuilder builder(
        BuilderDisk{true, [this, rowIndex](const std::string& path) { return reserved(path, rowIndex); }});
    BuildResult built = builder.BuildCommandLine(choices, job);
    if (takesName && !built.outputPath.empty()) {
        std::erase_if(reserved_, [rowIndex](const Reservation& taken) { return taken.row == rowIndex; });
        reserved_.push_back({built.outputPath, rowIndex});
    }
    return built;
}

BuildResult ConversionQueue::noteMuteReset(BuildResult result)
{
    if (result.resetMute)
        host_.resetMuteAudio();
    return result;
}

void ConversionQueue::folderFailed(ConversionHost& host, int rowIndex, bool checked, const BuildResult& result)
{
    if (checked) {
        host.setCell(rowIndex, FileColumn::Progress, texts::kFailed);
        host.setReason(rowIndex, texts::kReasonFolder + result.cause);
    }
    host.information(result.error);
}

void ConversionQueue::log(ConversionHost& host, int rowIndex, const EncoderRun& request, const RunOutcome& outcome)
{
    host.logRun({rowIndex, Now(), request.inputPath, request.commandLine, VerdictText(outcome.verdict), outcome.reason,
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
