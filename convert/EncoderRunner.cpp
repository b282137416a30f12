#include "convert/EncoderRunner.h"

#include "convert/EncoderOutputParser.h"
#include "convert/OutputPlacement.h"
#include "convert/StallWatch.h"
#include "core/ConversionHost.h"
#include "core/OutputVerifier.h"
#include "core/SharedState.h"
#include "core/TextRules.h"
#include "core/Texts.h"
#include "core/cmdline/CommandLineBuilder.h"
#include "core/cmdline/OutputNaming.h"
#include "platform/ChildOutputReader.h"
#include "platform/ChildProcess.h"
#include "platform/OutputLines.h"

#include <cmath>
#include <cstdio>
#include <deque>
#include <filesystem>

struct EncoderRunner::Progress {
    bool encoderError = false;
    std::string errorLine; // the encoder's report that ended the run
    int durationSeconds = 0;
    bool firstLineDue = true;
    bool outputBegun = false; // the encoder said it began the output file
    std::string partialPath; // where the encoder puts the finished file
    std::deque<std::string> lastLines;

    // Keeps the encoder's last lines for the log.
    void keep(std::string line)
    {
        lastLines.push_back(std::move(line));
        if (lastLines.size() > kLoggedLines)
            lastLines.pop_front();
    }
};

namespace {

void Remove(const std::string& path)
{
    std::error_code error;
    std::filesystem::remove(path, error);
}

// How long our own encoder has to end by itself after being asked to,
// removing the file it began, before it is killed.
constexpr int kEndGraceMs = 3000;

// Ends our own encoder (and what it started) and reaps it.
void EndEncoder(platform::ChildProcess& child)
{
    child.end(kEndGraceMs);
}

// "holds 00:00:20 of 00:01:00" when the output falls short of the input by
// more than 2 seconds and 5 per cent; empty otherwise.
std::string Shortfall(double heldSeconds, int expectedSeconds)
{
    const double missing = expectedSeconds - heldSeconds;
    if (heldSeconds <= 0 || expectedSeconds <= 0 || missing <= 2.0 || missing <= 0.05 * expectedSeconds)
        return {};
    return texts::kReasonHolds + ClockText(static_cast<long long>(std::floor(heldSeconds))) + texts::kReasonHoldsOf
        + ClockText(expectedSeconds);
}

} // namespace

const char* VerdictText(RunVerdict verdict)
{
    switch (verdict) {
    case RunVerdict::Done:
        return texts::kDone;
    case RunVerdict::Incomplete:
        return texts::kIncomplete;
    case RunVerdict::Aborted:
        return texts::kAborted;
    case RunVerdict::Failed:
        break;
    }
    return texts::kFailed;
}

EncoderRunner::EncoderRunner(SharedState& shared, ConversionHost& host, StallWatch& stallWatch,
                             OutputVerifier& verifier)
    : shared_(shared)
    , host_(host)
    , stallWatch_(stallWatch)
    , verifier_(verifier)
{
}

bool EncoderRunner::interrupted() const
{
    return shared_.stopRequested || stallWatch_.fired();
}

RunOutcome EncoderRunner::RunEncoder(const EncoderRun& run)
{
    RunOutcome outcome;
    Progress progress;
    progress.partialPath = PartialOutputPath(run.outputPath);
    const auto line = WithOutputPath(run.commandLine, run.outputPath, progress.partialPath);
    platform::ChildProcess child;
    if (!line || !child.start(*line, shared_.appDir, shared_.appDir)) {
        // Nothing ran: no other reader would start it either.
        outcome.reason = texts::kReasonNotStarted;
        setProgressCell(run, texts::kFailed);
        return outcome;
    }
    stallWatch_.begin(run.row);
    monitor(child, run, progress);
    stallWatch_.end();
    judge(run, progress, child, outcome);
    return outcome;
}

void EncoderRunner::monitor(platform::ChildProcess& child, const EncoderRun& run, Progress& progress)
{
    OutputLines lines;
    LineVerdict verdict = LineVerdict::Continue;
    const auto onChunk = [&](std::string_view chunk) {
        for (const auto& line : lines.feed(chunk)) {
            verdict = examine(line, run, progress);
            if (verdict != LineVerdict::Continue)
                return false;
        }
        return true;
    };
    const auto keepGoing = [this] { return !interrupted(); };
    const platform::ReadEnd end = platform::ReadUntilVerdict(child, kReadWaitMs, keepGoing, onChunk);
    if (end == platform::ReadEnd::OutputEnded) {
        if (const auto last = lines.finish())
            verdict = examine(*last, run, progress);
    }
    if (end == platform::ReadEnd::Interrupted || verdict == LineVerdict::EndAndKill) {
        EndEncoder(child);
        return;
    }
    // The encoder ends by itself after these reports; its last words are
    // kept for the log so that it never waits on a full pipe, and a stop
    // request still ends it.
    const auto keepLines = [&](std::string_view chunk) {
        for (const auto& line : lines.feed(chunk))
            progress.keep(line);
        return true;
    };
    if (platform::ReadUntilVerdict(child, kReadWaitMs, keepGoing, keepLines) == platform::ReadEnd::Interrupted) {
        EndEncoder(child);
        return;
    }
    child.wait();
}

EncoderRunner::LineVerdict EncoderRunner::examine(const std::string& line, const EncoderRun& run, Progress& progress)
{
    progress.keep(line);
    if (BeginsOutputBlock(line))
        progress.outputBegun = true;
    showProgress(line, run, progress);
    if (progress.firstLineDue) {
        progress.firstLineDue = false;
        if (!IsAcceptedFirstLine(line)) {
            progress.encoderError = true;
            progress.errorLine = line;
            return LineVerdict::EndWithoutKill;
        }
    }
    const ErrorWords words = FindErrorWords(line);
    if (words.found) {
        progress.encoderError = true;
        progress.errorLine = line;
    }
    if (words.unsupportedCodec)
        return LineVerdict::EndWithoutKill;
    return progress.encoderError ? LineVerdict::EndAndKill : LineVerdict::Continue;
}

void EncoderRunner::showProgress(const std::string& line, const EncoderRun& run, Progress& progress)
{
    const ProgressValues values = ReadProgress(WithoutEchoedPaths(line));
    // The watch sees the thumbnail run's size and time too; it shows nothing.
    if (values.size)
        stallWatch_.noteSize(*values.size);
    if (values.timeSeconds)
        stallWatch_.noteTime(*values.timeSeconds);
    if (run.thumbnail)
        return;
    if (values.frames) {
        host_.setCell(run.row, FileColumn::Frames, *values.frames);
        stallWatch_.noteFrames(*values.frames);
    }
    if (values.size)
        host_.setStatusPanel(std::string(texts::kOutputSizePrefix) + *values.size + texts::kOutputSizeSuffix);
    if (values.durationSeconds)
        progress.durationSeconds = *values.durationSeconds;
    if (values.timeSeconds && progress.durationSeconds > 0) {
        const int percent = Percent(*values.timeSeconds, progress.durationSeconds);
        host_.setProgressBar(percent);
        setProgressCell(run, PercentText(percent));
    }
}

std::string EncoderRunner::failure(const EncoderRun& run, platform::ChildProcess& child, const Progress& progress,
                                   const RunOutcome& outcome) const
{
    if (outcome.stalled)
        return texts::kReasonStalled;
    if (progress.encoderError) {
        // The partial name is shown as the output's own.
        const std::string output = FileNameOf(run.outputPath);
        const std::string reason = ReasonFromLine(
            progress.errorLine,
            {{progress.partialPath, output}, {run.outputPath, output}, {run.inputPath, FileNameOf(run.inputPath)}});
        return reason.empty() ? std::string(texts::kReasonSilent) : reason;
    }
    if (child.endSignal() != 0)
        return texts::kReasonSignal + std::to_string(child.endSignal());
    // The encoder has been reaped already; this only reads its status.
    const int status = child.wait();
    return status == 0 ? std::string() : texts::kReasonStatus + std::to_string(status);
}

void EncoderRunner::judge(const EncoderRun& run, const Progress& progress, platform::ChildProcess& child,
                          RunOutcome& outcome)
{
    outcome.stopped = shared_.stopRequested;
    outcome.stalled = stallWatch_.fired();
    outcome.lastLines.assign(progress.lastLines.begin(), progress.lastLines.end());
    if (outcome.stopped) {
        // Stopped before it wrote anything, the job shows as failed.
        const bool hadOutput = progress.outputBegun || PathExists(progress.partialPath);
        Remove(progress.partialPath);
        outcome.verdict = hadOutput ? RunVerdict::Aborted : RunVerdict::Failed;
        outcome.reason = texts::kReasonStopped;
        outcome.retryDue = false;
        setProgressCell(run, VerdictText(outcome.verdict));
        host_.resetProgressBarSoon();
        return;
    }
    const std::string reason = failure(run, child, progress, outcome);
    if (reason.empty())
        accept(run, progress, outcome);
    else
        fail(run, progress, reason, outcome);
    host_.setProgressBar(100);
    host_.resetProgressBarSoon();
}

void EncoderRunner::accept(const EncoderRun& run, const Progress& progress, RunOutcome& outcome)
{
    const OutputFinding finding
        = verifier_.verify({progress.partialPath, run.inputPath, run.thumbnail, run.videoFormat, run.audioWanted});
    if (!finding.good) {
        fail(run, progress, finding.problem, outcome);
        return;
    }
    std::error_code error;
    outcome.placedPath = PlaceOutput(progress.partialPath, run.outputPath, run.replaceExisting, error);
    if (error) {
        fail(run, progress, texts::kReasonNotPlaced + error.message(), outcome);
        return;
    }
    if (outcome.placedPath != run.outputPath)
        host_.setOutputPath(run.row, outcome.placedPath);
    outcome.retryDue = false;
    if (run.thumbnail) {
        // The row keeps the video's outcome.
        outcome.verdict = RunVerdict::Done;
        return;
    }
    const int expected = run.expectedSeconds > 0 ? run.expectedSeconds : progress.durationSeconds;
    outcome.reason = Shortfall(finding.seconds, expected);
    outcome.verdict = outcome.reason.empty() ? RunVerdict::Done : RunVerdict::Incomplete;
    setProgressCell(run, VerdictText(outcome.verdict));
}

void EncoderRunner::fail(const EncoderRun& run, const Progress& progress, const std::string& reason,
                         RunOutcome& outcome)
{
    Remove(progress.partialPath);
    outcome.verdict = RunVerdict::Failed;
    outcome.reason = reason;
    outcome.retryDue = !run.finalAttempt;
    // A job that is tried again shows "Re-scan" next.
    setProgressCell(run, outcome.retryDue ? std::string() : std::string(texts::kFailed));
}

void EncoderRunner::setProgressCell(const EncoderRun& run, const std::string& text)
{
    host_.setCell(run.row, FileColumn::Progress, text);
}
