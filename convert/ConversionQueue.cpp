// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/ConversionQueue.h"

#include "convert/FitToSize.h"
#include "core/ConversionFrontEnd.h"
#include "core/FitChoices.h"
#include "core/FileList.h"
#include "core/JobPlanner.h"
#include "core/SharedState.h"
#include "core/TextRules.h"
#include "core/profiles/FormatCatalogue.h"
#include "core/cmdline/JobCuts.h"
#include "core/Texts.h"
#include "platform/IdleCores.h"
#include "platform/UsableCpus.h"

#include <QDateTime>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <memory>

namespace {

// How often "Auto" looks for an idle core while a job that fills the
// processor runs; the processor must stand idle enough over two looks in a
// row. A job's start-up and its end leave a core idle for about half a
// second, a short file's whole run a good part of one.
constexpr auto kIdleLook = std::chrono::milliseconds(250);

// How long the job's output should last: a copy that starts at a key
// frame before the start may last longer, and is not held to it.
int ExpectedSeconds(const FileRow& row, const ConversionChoices& choices)
{
    const FormatSpec* format = FormatAt(choices.formatIndex);
    if (format && CutsAtKeyFrame(*format, row.trim))
        return 0;
    const auto seconds = static_cast<double>(ClockSeconds(row.cell(FileColumn::Duration)).value_or(0));
    return static_cast<int>(std::lround(TrimmedSeconds(seconds, row.trim)));
}

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
    ConversionChoices choices = {};
    BuildResult built = {}; // the run to make next
    int attempt = 1;
    std::string videoOutput = {}; // where the job's video goes, or lies once placed
    bool videoPlaced = false;
    // The streams the format run's output is to hold, and what more of the input it keeps.
    bool keepsVideo = false;
    bool keepsAudio = false;
    OutputPromises promises = {};
    RunOutcome outcome = {}; // the job's, as its runs make it
};

ConversionQueue::ConversionQueue(SharedState& shared, FileList& files, ConversionFrontEnd& frontEnd,
                                 std::function<JobSlot(int index)> slot)
    : shared_(shared)
    , files_(files)
    , frontEnd_(frontEnd)
    , slot_(std::move(slot))
    , cores_(platform::UsableCpus())
    , idleCores_([meter = std::make_shared<platform::IdleCores>()] { return meter->sinceLast(); })
{
}

bool ConversionQueue::stopped() const
{
    return shared_.stopRequested;
}

void ConversionQueue::run()
{
    frontEnd_.report(events::BarMoved{0});
    shared_.isConverting = false;
    shared_.stopRequested = false;
    anyJobStarted_ = false;
    jobsAtOnce_ = 1;
    display_.reset();
    tally_ = {};
    names_.clear();
    walkEnded_ = false;
    fault_ = nullptr;
    if (!frontEnd_.checkRequiredFiles())
        return;
    try {
        walk();
    } catch (const std::exception&) {
        // A fault ends the walk without a message; the jobs under way end
        // as they would, then the controls are released.
        finishJobs();
    }
    endSteps();
}

void ConversionQueue::walk()
{
    const auto rows = files_.rows();
    if (rows.empty()) {
        frontEnd_.information(texts::kNoFileToConvert);
        return;
    }
    if (std::none_of(rows.begin(), rows.end(), [](const FileRow& row) { return row.checked; })) {
        frontEnd_.information(texts::kNothingChecked);
        return;
    }
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        files_.setOutcome(row, RowOutcome::None);
        files_.setReason(row, {});
        // The last batch's counts would stand until the row's turn came.
        if (rows[row].checked)
            files_.setFrames(row, std::nullopt);
        names_.reserve(rows[row].caption, OutputReservations::kInput);
    }
    frontEnd_.report(events::BatchStarted{JobsOf(rows)});
    jobsAtOnce_ = frontEnd_.jobsAtOnce();
    if (MostJobs(jobsAtOnce_, cores_) > 1)
        display_.emplace(frontEnd_, shared_, JobsOf(rows));
    const int rowCount = static_cast<int>(rows.size());
    bool walkedAll = true;
    for (int row = 0; row < rowCount && walkedAll; ++row)
        walkedAll = convertRow(row);
    finishJobs();
    if (fault_)
        std::rethrow_exception(fault_);
    if (display_ && !stopped())
        frontEnd_.report(events::BarResetSoon{});
    if (!walkedAll || walkEnded_ || frontEnd_.shutdownChecked())
        return;
    frontEnd_.closingMessage(tally_.closingMessage());
}

bool ConversionQueue::convertRow(int rowIndex)
{
    const auto found = files_.row(rowIndex);
    if (!found)
        return true;
    const FileRow& row = *found;
    if (!display_)
        frontEnd_.report(events::BarMoved{0});
    if (stopped()) {
        shared_.isConverting = false;
        return false;
    }
    JobInput input{row.caption, row.cell(FileColumn::VideoSize), ToLower(Trim(row.cell(FileColumn::Output))), {}};
    input.displayAspect = row.displayAspect;
    input.trim = row.trim;
    input.measuredCrop = row.crop;
    Job job{.row = rowIndex, .file = row, .input = input, .plan = JobPlanner(input.inputPath)};
    job.input.options = job.plan.next()->options;
    // One snapshot of the choices per job. Every row is built, checked or
    // not: a missing output folder is made (or its failure ends the walk)
    // before any file is looked at.
    job.choices = frontEnd_.choices();
    const bool runs = IsJob(row);
    if (runs && findCrop_ && WantsMeasuredCrop(job.choices, job.input.measuredCrop)) {
        job.input.measuredCrop = findCrop_(row.caption, row.cell(FileColumn::VideoSize));
        files_.setCrop(rowIndex, job.input.measuredCrop);
    }
    job.built = noteMuteReset(buildFor(rowIndex, job.choices, job.input, runs));
    if (job.built.status == BuildResult::Status::DirectoryError) {
        folderFailed(rowIndex, row.checked, job.built);
        return false;
    }
    if (!row.checked)
        return true;
    if (!runs) {
        files_.setReason(rowIndex, {ReasonCode::NoSuchFile, texts::kReasonInputGone});
        if (display_)
            display_->ended(rowIndex);
        return true;
    }
    if (job.built.status == BuildResult::Status::UnsafePath) {
        failRow(rowIndex, {ReasonCode::UnsafePath, job.built.error});
        count(RowOutcome::Failed);
        if (display_)
            display_->ended(rowIndex);
        return true;
    }
    if (display_)
        return startBeside(job);
    return runJob(job, beginJob(rowIndex, 0));
}

JobSlot ConversionQueue::beginJob(int row, int index)
{
    shared_.isConverting = true;
    frontEnd_.report(events::JobStarted{row});
    anyJobStarted_ = true;
    const JobSlot slot = slot_(index);
    slot.reporter->begin(row, display_ ? &*display_ : nullptr);
    return slot;
}

bool ConversionQueue::startBeside(Job& job)
{
    const JobLoad load = LoadOf(job.choices, job.input.outputExt, job.input.sourceSize);
    int index = 0;
    {
        std::unique_lock lock(lock_);
        idleCores_(); // the looks measure from now on, not from an earlier job
        double idleBefore = 0;
        double idle = 0; // the least of the last two looks
        for (;;) {
            reap();
            if (walkEnded_ || stopped())
                return false;
            std::vector<JobLoad> loads;
            for (const Running& running : running_)
                loads.push_back(running.load);
            if (MayStartJob(jobsAtOnce_, cores_, loads, load, idle))
                break;
            const bool fillsAll = std::any_of(loads.begin(), loads.end(), [](JobLoad l) { return l == JobLoad::AllCores; });
            if (jobsAtOnce_ != kAutoJobs || !(fillsAll || load == JobLoad::AllCores)
                || static_cast<int>(loads.size()) >= MostJobs(jobsAtOnce_, cores_)) {
                jobEnded_.wait(lock);
                continue;
            }
            jobEnded_.wait_for(lock, kIdleLook);
            const double now = std::min(idleCores_(), static_cast<double>(cores_));
            idle = std::min(idleBefore, now);
            idleBefore = now;
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
                                goOn = runJob(job, slot);
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

bool ConversionQueue::runJob(Job& job, JobSlot slot)
{
    job.videoOutput = job.built.outputPath;
    job.keepsVideo = job.built.keepsVideo;
    job.keepsAudio = job.built.keepsAudio;
    job.promises = job.built.promises;
    job.outcome.reason = {ReasonCode::Stopped, texts::kReasonStopped}; // unless a run says otherwise
    slot.reporter->outputNamed(job.videoOutput);
    for (auto run = job.plan.next(); run && !stopped(); run = job.plan.next()) {
        const auto outcome = runOnce(job, *run, slot);
        if (!outcome) {
            folderFailed(job.row, true, job.built);
            if (display_)
                display_->ended(job.row);
            return false;
        }
        fold(job, run->kind == RunKind::Thumbnail, *outcome, *slot.reporter);
        job.plan.finished(outcome->retryDue, job.built.thumbnailDue);
    }
    count(job.outcome.verdict);
    slot.reporter->ended(job.outcome.verdict, job.outcome.reason);
    return !stopped();
}

std::optional<RunOutcome> ConversionQueue::runOnce(Job& job, const PlannedRun& run, JobSlot slot)
{
    JobReporter& reporter = *slot.reporter;
    const bool thumbnail = run.kind == RunKind::Thumbnail;
    job.input.options = run.options;
    if (run.kind == RunKind::SecondAttempt) {
        // The failed first attempt left nothing under the output's name:
        // a file there is not this job's and stays.
        job.built = noteMuteReset(buildFor(job.row, job.choices, job.input, true));
        job.attempt = 2;
        job.keepsVideo = job.built.keepsVideo;
        job.keepsAudio = job.built.keepsAudio;
        job.promises = job.built.promises;
        job.videoOutput = job.built.outputPath;
        reporter.outputNamed(job.videoOutput);
        reporter.judged(RowOutcome::Rescan);
    } else if (thumbnail) {
        job.built = noteMuteReset(BuildThumbnailCommandLine(job.choices, job.input, job.videoOutput));
    }
    if (job.built.status == BuildResult::Status::DirectoryError)
        return std::nullopt;
    const EncoderRun request{.commandLine = job.built.commandLine,
                             .outputPath = job.built.outputPath,
                             .inputPath = job.input.inputPath,
                             .finalAttempt = !job.plan.retryLeft(),
                             .thumbnail = thumbnail,
                             .videoFormat = job.keepsVideo,
                             .audioWanted = job.keepsAudio,
                             .promises = thumbnail ? OutputPromises() : job.promises,
                             .expectedSeconds = ExpectedSeconds(job.file, job.choices),
                             .trim = job.input.trim,
                             // A thumbnail always follows its video's name.
                             .replaceExisting = thumbnail || job.choices.overwrite};
    if (const auto limit = thumbnail ? std::nullopt : FitLimitFor(job.choices)) {
        FitToSize fit(*slot.runner, reporter,
                      [this, &job](const EncoderRun& run, const RunOutcome& outcome, bool retried) {
                          log(job.row, run, outcome, retried);
                      });
        return fit.run({job.choices, job.input, FitSourceOf(job.file), *limit, request, job.attempt});
    }
    reporter.runStarted(job.attempt, thumbnail);
    const RunOutcome outcome = slot.runner->runEncoder(request);
    log(job.row, request, outcome);
    return outcome;
}

void ConversionQueue::fold(Job& job, bool thumbnail, const RunOutcome& outcome, JobReporter& reporter)
{
    if (!thumbnail) {
        job.videoPlaced = outcome.verdict == RowOutcome::Done || outcome.verdict == RowOutcome::Incomplete;
        if (job.videoPlaced)
            job.videoOutput = outcome.placedPath;
        job.outcome = outcome;
    } else if (outcome.stopped) {
        job.outcome = outcome;
    } else if (job.videoPlaced && outcome.verdict != RowOutcome::Done) {
        // The video is made, so the job is: it keeps its outcome and says
        // why the picture is missing.
        reporter.judged(job.outcome.verdict);
        Reason& reason = job.outcome.reason;
        if (reason.empty())
            reason = {ReasonCode::NoThumbnail, texts::kReasonNoThumbnail};
        else
            reason.text += std::string("; ") + texts::kReasonNoThumbnail;
    }
}

void ConversionQueue::count(RowOutcome verdict)
{
    std::lock_guard guard(lock_);
    switch (verdict) {
    case RowOutcome::Done:
        ++tally_.done;
        break;
    case RowOutcome::Incomplete:
        ++tally_.incomplete;
        break;
    default:
        ++tally_.failed;
        break;
    }
}

BuildResult ConversionQueue::buildFor(int rowIndex, const ConversionChoices& choices, const JobInput& job,
                                      bool takesName)
{
    std::lock_guard guard(namesLock_);
    const BuilderDisk disk{true, [this, rowIndex](const std::string& path) { return names_.takenFor(path, rowIndex); }};
    BuildResult built = BuildCommandLine(choices, job, disk);
    if (takesName && !built.outputPath.empty()) {
        names_.release(rowIndex);
        names_.reserve(built.outputPath, rowIndex);
    }
    return built;
}

BuildResult ConversionQueue::noteMuteReset(BuildResult result)
{
    if (result.resetMute)
        frontEnd_.report(events::MuteReset{});
    return result;
}

void ConversionQueue::failRow(int rowIndex, Reason reason)
{
    files_.setOutcome(rowIndex, RowOutcome::Failed);
    files_.setReason(rowIndex, reason);
    frontEnd_.report(events::JobEnded{rowIndex, RowOutcome::Failed, std::move(reason)});
}

void ConversionQueue::folderFailed(int rowIndex, bool checked, const BuildResult& result)
{
    if (checked)
        failRow(rowIndex, {ReasonCode::FolderNotMade, texts::kReasonFolder + result.cause});
    frontEnd_.information(result.error);
}

void ConversionQueue::log(int rowIndex, const EncoderRun& request, const RunOutcome& outcome, bool retried)
{
    frontEnd_.report(events::RunLogged{{rowIndex, Now(), request.inputPath, request.commandLine,
                                        OutcomeText(outcome.verdict), outcome.reason.text, outcome.lastLines, retried}});
}

void ConversionQueue::endSteps()
{
    shared_.isConverting = false;
    const bool countdown = frontEnd_.shutdownChecked() && !stopped() && anyJobStarted_;
    frontEnd_.report(events::BatchEnded{countdown});
}
