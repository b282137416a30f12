#include "convert/FitToSize.h"

#include "convert/JobReporter.h"
#include "convert/StatisticsFolder.h"
#include "core/FitChoices.h"
#include "core/TextRules.h"
#include "core/Texts.h"

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

std::string FitToSize::commandLine(const FitJob& job, const FitPlan& plan, int videoKbps, int pass,
                                   const StatisticsFolder& folder, const std::string& output) const
{
    JobInput input = job.input;
    input.pass = pass;
    input.passStatistics = folder.path() + kStatisticsName;
    // The output folder and the output's name were settled when the job was built.
    const BuildResult built = BuildCommandLine(WithPlan(job.choices, plan, videoKbps), input, {false, {}});
    return WithOutputPath(built.commandLine, built.outputPath, output).value_or(built.commandLine);
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
        first.outputPath = folder.path() + kFirstPassName + ExtensionOf(job.request.outputPath);
        first.commandLine = commandLine(job, plan, plan.videoKbps, 1, folder, first.outputPath);
        first.statisticsOnly = true;
        first.replaceExisting = true;
        reporter_.passStarted(1, passes);
        reporter_.runStarted(job.attempt, false);
        outcome = runner_.runEncoder(first);
        log_(first, outcome);
        if (outcome.verdict != RowOutcome::Done) {
            reporter_.passStarted(0, 0);
            return outcome;
        }
    }
    int videoKbps = plan.videoKbps;
    for (int extra = 0;; ++extra) {
        EncoderRun last = job.request;
        last.commandLine = commandLine(job, plan, videoKbps, passes == 2 ? 2 : 0, folder, job.request.outputPath);
        last.sizeLimit = job.limitBytes;
        reporter_.passStarted(passes, passes);
        reporter_.runStarted(job.attempt, false);
        outcome = runner_.runEncoder(last);
        const bool over = outcome.reason.code == ReasonCode::OverLimit;
        if (over && extra < kExtraAttempts) {
            videoKbps = LoweredVideoKbps(videoKbps, job.source.seconds, outcome.outputBytes, job.limitBytes);
            outcome.reason.text = OvershootText(outcome.outputBytes, job.limitBytes, videoKbps);
            log_(last, outcome);
            continue;
        }
        log_(last, outcome);
        break;
    }
    reporter_.passStarted(0, 0);
    if (outcome.reason.code == ReasonCode::OverLimit) {
        // Another reader would make the same file.
        outcome.retryDue = false;
        reporter_.judged(RowOutcome::Failed);
    }
    return outcome;
}
