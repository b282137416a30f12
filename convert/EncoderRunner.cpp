// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/EncoderRunner.h"

#include "convert/EncoderOutputParser.h"
#include "convert/JobReporter.h"
#include "convert/OutputPlacement.h"
#include "convert/StallWatch.h"
#include "core/FitPlan.h"
#include "core/OutputVerifier.h"
#include "core/RunRecord.h"
#include "core/SharedState.h"
#include "core/TextRules.h"
#include "core/Texts.h"
#include "core/cmdline/CommandLineBuilder.h"
#include "core/cmdline/OutputNaming.h"
#include "platform/ChildOutputReader.h"
#include "platform/ChildProcess.h"
#include "platform/OutputLines.h"

#include <charconv>
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
// more than 2 seconds and 5 per cent, "holds 00:01:36 of sound from a
// 00:00:08 source" when it runs over the row's measured Duration by as much
// (sound made up for a broken clock; the encoder's figure for a file that
// states no length is only an estimate and is not held against it); empty
// otherwise.
Reason Mismatch(double heldSeconds, int expectedSeconds, bool measured)
{
    const double apart = std::fabs(expectedSeconds - heldSeconds);
    const bool over = heldSeconds > expectedSeconds;
    if (heldSeconds <= 0 || expectedSeconds <= 0 || apart <= 2.0 || apart <= 0.05 * expectedSeconds || (over && !measured))
        return {};
    const std::string held = ClockText(static_cast<long long>(std::floor(heldSeconds)));
    if (over)
        return {ReasonCode::Overlong,
                texts::kReasonHolds + held + texts::kReasonHoldsFrom + ClockText(expectedSeconds) + texts::kReasonSource};
    return {ReasonCode::Incomplete, texts::kReasonHolds + held + texts::kReasonHoldsOf + ClockText(expectedSeconds)};
}

// A count the encoder printed ("1234"); nothing for any other text.
std::optional<long long> CountIn(const std::string& text)
{
    const std::string count = Trim(text);
    long long value = 0;
    const auto [end, error] = std::from_chars(count.data(), count.data() + count.size(), value);
    if (count.empty() || error != std::errc() || end != count.data() + count.size())
        return std::nullopt;
    return value;
}

} // namespace

EncoderRunner::EncoderRunner(SharedState& shared, JobReporter& reporter, StallWatch& stallWatch,
                             OutputVerifier& verifier)
    : shared_(shared)
    , reporter_(reporter)
    , stallWatch_(stallWatch)
    , verifier_(verifier)
{
}

bool EncoderRunner::interrupted() const
{
    return shared_.stopRequested || stallWatch_.fired();
}

RunOutcome EncoderRunner::runEncoder(const EncoderRun& run)
{
    RunOutcome outcome;
    Progress progress;
    progress.partialPath = PartialOutputPath(run.outputPath);
    const auto line = WithOutputPath(run.commandLine, run.outputPath, progress.partialPath);
    platform::ChildProcess child;
    if (!line || !child.start(*line, shared_.appDir, shared_.appDir)) {
        // Nothing ran: no other reader would start it either.
        outcome.reason = {ReasonCode::NotStarted, texts::kReasonNotStarted};
        reporter_.judged(RowOutcome::Failed);
        return outcome;
    }
    stallWatch_.begin();
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
    ProgressNumbers numbers;
    if (values.frames) {
        numbers.framesReported = true;
        numbers.frames = CountIn(*values.frames);
        stallWatch_.noteFrames(*values.frames);
    }
    if (values.size)
        numbers.kilobytes = CountIn(*values.size);
    if (values.durationSeconds)
        progress.durationSeconds = *values.durationSeconds;
    numbers.seconds = values.timeSeconds;
    if (values.timeSeconds && progress.durationSeconds > 0)
        numbers.percent = Percent(*values.timeSeconds, progress.durationSeconds);
    if (numbers.framesReported || numbers.kilobytes || numbers.seconds)
        reporter_.progressed(numbers);
}

Reason EncoderRunner::failure(const EncoderRun& run, platform::ChildProcess& child, const Progress& progress,
                              const RunOutcome& outcome) const
{
    if (outcome.stalled)
        return {ReasonCode::Stalled, texts::kReasonStalled};
    if (progress.encoderError) {
        // The partial name is shown as the output's own.
        const std::string output = FileNameOf(run.outputPath);
        std::string reason = ReasonFromLine(
            progress.errorLine,
            {{progress.partialPath, output}, {run.outputPath, output}, {run.inputPath, FileNameOf(run.inputPath)}});
        if (reason.empty())
            return {ReasonCode::EncoderSilent, texts::kReasonSilent};
        return {ReasonCode::EncoderError, std::move(reason)};
    }
    if (child.endSignal() != 0)
        return {ReasonCode::EncoderSignal, texts::kReasonSignal + std::to_string(child.endSignal())};
    // The encoder has been reaped already; this only reads its status.
    const int status = child.wait();
    if (status == 0)
        return {};
    return {ReasonCode::EncoderStatus, texts::kReasonStatus + std::to_string(status)};
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
        outcome.verdict = hadOutput ? RowOutcome::Aborted : RowOutcome::Failed;
        outcome.reason = {ReasonCode::Stopped, texts::kReasonStopped};
        outcome.retryDue = false;
        reporter_.judged(outcome.verdict);
        reporter_.runEnded(true);
        return;
    }
    Reason reason = failure(run, child, progress, outcome);
    if (reason.empty())
        accept(run, progress, outcome);
    else
        fail(run, progress, std::move(reason), outcome);
    reporter_.runEnded(false);
}

void EncoderRunner::accept(const EncoderRun& run, const Progress& progress, RunOutcome& outcome)
{
    if (run.statisticsOnly) {
        Remove(progress.partialPath);
        outcome.verdict = RowOutcome::Done;
        return;
    }
    const OutputFinding finding
        = verifier_.verify({progress.partialPath, run.inputPath, run.thumbnail, run.videoFormat, run.audioWanted,
                            run.promises});
    if (!finding.good) {
        fail(run, progress, finding.problem, outcome);
        return;
    }
    std::error_code error;
    outcome.outputBytes = static_cast<long long>(std::filesystem::file_size(progress.partialPath, error));
    if (!error && run.sizeLimit > 0 && outcome.outputBytes > run.sizeLimit) {
        fail(run, progress, {ReasonCode::OverLimit, OverLimitText(outcome.outputBytes, run.sizeLimit)}, outcome);
        return;
    }
    error.clear();
    outcome.placedPath = PlaceOutput(progress.partialPath, run.outputPath, run.replaceExisting, error);
    if (error) {
        fail(run, progress, {ReasonCode::NotPlaced, texts::kReasonNotPlaced + error.message()}, outcome);
        return;
    }
    if (outcome.placedPath != run.outputPath)
        reporter_.outputNamed(outcome.placedPath);
    outcome.retryDue = false;
    if (run.thumbnail) {
        // The row keeps the video's outcome.
        outcome.verdict = RowOutcome::Done;
        return;
    }
    // The source's header may understate what it holds, and the output
    // rightly holds it all.
    const int stated = run.expectedSeconds > 0 ? run.expectedSeconds : progress.durationSeconds;
    const int expected = stated + static_cast<int>(std::lround(finding.sourceUnstatedSeconds));
    outcome.reason = Mismatch(finding.seconds, expected, run.expectedSeconds > 0);
    outcome.verdict = outcome.reason.empty() ? RowOutcome::Done : RowOutcome::Incomplete;
    reporter_.judged(outcome.verdict);
}

void EncoderRunner::fail(const EncoderRun& run, const Progress& progress, Reason reason, RunOutcome& outcome)
{
    Remove(progress.partialPath);
    outcome.verdict = RowOutcome::Failed;
    outcome.reason = std::move(reason);
    outcome.retryDue = !run.finalAttempt;
    // A job that is tried again shows "Re-scan" next.
    reporter_.judged(outcome.retryDue ? RowOutcome::None : RowOutcome::Failed);
}
