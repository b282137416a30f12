// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/FitToSize.h"

#include "convert/JobReporter.h"
#include "convert/StatisticsFolder.h"
#include "core/FitChoices.h"
#include "core/TextRules.h"
#include "core/Texts.h"

#include <optional>
#include <utility>

namespace {

constexpr const char* kStatisticsName = "/stats";
constexpr const char* kFirstPassName = "/pass1";

} // namespace

FitToSize::FitToSize(EncoderRunner& runner, JobReporter& reporter, Log log)
    : runner_(runner)
    , reporter_(reporter)
    , log_(std::move(log))
{
}

RunOutcome FitToSize::refuse(Reason reason)
{
    RunOutcome outcome;
    outcome.reason = std::move(reason);
    reporter_.judged(RowOutcome::Failed);
    return outcome;
}

std::string FitCommandLine(const FitJob& job, const FitPlan& plan, int videoKbps, int pass, const std::string& folder,
                           const std::string& output)
{
    JobInput input = job.input;
    input.pass = pass;
    input.passStatistics = folder + kStatisticsName;
    // The output folder and the output's name were settled when the job was built.
    const BuildResult built = BuildCommandLine(WithPlan(job.choices, plan, videoKbps), input, BuilderDisk{false, {}});
    return WithOutputPath(built.commandLine, built.outputPath, output).value_or(built.commandLine);
}

std::string FirstPassOutput(const std::string& folder, const std::string& outputPath)
{
    return folder + kFirstPassName + ExtensionOf(outputPath);
}

RunOutcome FitToSize::run(const FitJob& job)
{
    const FitPlan plan = PlanFitFor(job.choices, job.source, job.limitBytes);
    if (!plan.fits)
        return refuse({ReasonCode::CannotFit, FitFailureText(job.source.seconds, job.limitBytes, plan.neededBytes)});
    const StatisticsFolder folder;
    if (!folder.made())
        return refuse({ReasonCode::NotStarted, texts::kFitStatsFolder + folder.error()});
    const int passes = RunsTwoPasses(job.choices) ? 2 : 1;
    RunOutcome outcome;
    if (passes == 2) {
        EncoderRun first = job.request;
        first.outputPath = FirstPassOutput(folder.path(), job.request.outputPath);
        first.commandLine = FitCommandLine(job, plan, plan.videoKbps, 1, folder.path(), first.outputPath);
        first.statisticsOnly = true;
        first.replaceExisting = true;
        reporter_.passStarted(1, passes);
        reporter_.runStarted(job.attempt, false);
        outcome = runner_.runEncoder(first);
        log_(first, outcome, false);
        if (outcome.verdict != RowOutcome::Done) {
            reporter_.passStarted(0, 0);
            return outcome;
        }
    }
    int videoKbps = plan.videoKbps;
    std::optional<RunOutcome> kept; // the last output put in place, which a later attempt replaces
    // The latest attempts that went over and that fell short: bitrate and bytes.
    std::optional<std::pair<int, long long>> overAt;
    std::optional<std::pair<int, long long>> shortAt;
    for (int extra = 0;; ++extra) {
        EncoderRun last = job.request;
        last.commandLine = FitCommandLine(job, plan, videoKbps, passes == 2 ? 2 : 0, folder.path(), job.request.outputPath);
        last.sizeLimit = job.limitBytes;
        // Another attempt after a kept output replaces it, and only it.
        if (kept) {
            last.outputPath = kept->placedPath;
            last.commandLine = WithOutputPath(last.commandLine, job.request.outputPath, last.outputPath).value_or(last.commandLine);
            last.replaceExisting = true;
        }
        reporter_.passStarted(passes, passes);
        reporter_.runStarted(job.attempt, false);
        outcome = runner_.runEncoder(last);
        const bool over = outcome.reason.code == ReasonCode::OverLimit;
        if (outcome.verdict == RowOutcome::Done)
            kept = outcome;
        const bool short_ = outcome.verdict == RowOutcome::Done && plan.fills
            && WorthRaising(outcome.outputBytes, job.limitBytes);
        if (over)
            overAt = {videoKbps, outcome.outputBytes};
        if (short_)
            shortAt = {videoKbps, outcome.outputBytes};
        if ((over || short_) && extra < kExtraAttempts && !outcome.stopped) {
            const int next = overAt && shortAt
                ? BetweenKbps(shortAt->first, shortAt->second, overAt->first, overAt->second, job.limitBytes)
                : RetargetedVideoKbps(videoKbps, job.source.seconds, outcome.outputBytes, job.limitBytes);
            outcome.reason.text = OvershootText(outcome.outputBytes, job.limitBytes, next);
            log_(last, outcome, true);
            videoKbps = next;
            continue;
        }
        log_(last, outcome, false);
        break;
    }
    reporter_.passStarted(0, 0);
    if (kept && outcome.verdict != RowOutcome::Done && !outcome.stopped) {
        // A raised attempt went over or failed: the output before it stands.
        reporter_.judged(kept->verdict);
        kept->reason = {};
        return *kept;
    }
    if (outcome.reason.code == ReasonCode::OverLimit) {
        // Another reader would make the same file.
        outcome.retryDue = false;
        reporter_.judged(RowOutcome::Failed);
    }
    return outcome;
}
