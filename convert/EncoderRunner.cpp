#include "convert/EncoderRunner.h"

#include "convert/EncoderOutputParser.h"
#include "convert/FileSizeText.h"
#include "convert/StallWatch.h"
#include "core/ConversionHost.h"
#include "core/SharedState.h"
#include "core/Texts.h"
#include "platform/ChildOutputReader.h"
#include "platform/ChildProcess.h"
#include "platform/OutputLines.h"

#include <filesystem>

struct EncoderRunner::Progress {
    bool encoderError = false;
    int durationSeconds = 0;
    bool firstLineDue = true;
};

namespace {

bool FileExists(const std::string& path)
{
    std::error_code error;
    return std::filesystem::exists(path, error);
}

// Ends our own encoder (and what it started) and reaps it.
void EndEncoder(platform::ChildProcess& child)
{
    child.kill();
    child.wait();
}

} // namespace

EncoderRunner::EncoderRunner(SharedState& shared, ConversionHost& host, StallWatch& stallWatch)
    : shared_(shared)
    , host_(host)
    , stallWatch_(stallWatch)
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
    platform::ChildProcess child;
    if (child.start(run.commandLine, shared_.appDir, shared_.appDir)) {
        stallWatch_.begin(run.row);
        monitor(child, run, progress, outcome);
        stallWatch_.end();
        judge(run, progress, outcome);
    }
    if (!FileExists(run.outputPath)) {
        setProgressCell(run, texts::kFailed);
        outcome.done = false;
    }
    return outcome;
}

void EncoderRunner::monitor(platform::ChildProcess& child, const EncoderRun& run, Progress& progress,
                            RunOutcome& outcome)
{
    OutputLines lines;
    LineVerdict verdict = LineVerdict::Continue;
    const auto onChunk = [&](std::string_view chunk) {
        for (const auto& line : lines.feed(chunk)) {
            verdict = examine(line, run, progress, outcome);
            if (verdict != LineVerdict::Continue)
                return false;
        }
        return true;
    };
    const auto keepGoing = [this] { return !interrupted(); };
    const platform::ReadEnd end = platform::ReadUntilVerdict(child, kReadWaitMs, keepGoing, onChunk);
    if (end == platform::ReadEnd::OutputEnded) {
        if (const auto last = lines.finish())
            verdict = examine(*last, run, progress, outcome);
    }
    if (end == platform::ReadEnd::Interrupted || verdict == LineVerdict::EndAndKill) {
        EndEncoder(child);
        return;
    }
    // The encoder ends by itself after these reports; its last words are
    // read and dropped so that it never waits on a full pipe, and a stop
    // request still ends it.
    if (platform::ReadUntilVerdict(child, kReadWaitMs, keepGoing, [](std::string_view) { return true; })
        == platform::ReadEnd::Interrupted) {
        EndEncoder(child);
        return;
    }
    child.wait();
}

EncoderRunner::LineVerdict EncoderRunner::examine(const std::string& line, const EncoderRun& run, Progress& progress,
                                                  RunOutcome& outcome)
{
    if (!run.thumbnail)
        showProgress(line, run, progress);
    if (progress.firstLineDue) {
        progress.firstLineDue = false;
        if (!IsAcceptedFirstLine(line)) {
            progress.encoderError = true;
            outcome.retryDue = true;
            return LineVerdict::EndWithoutKill;
        }
    }
    const ErrorWords words = FindErrorWords(line);
    if (words.found)
        progress.encoderError = true;
    if (words.unsupportedCodec) {
        outcome.retryDue = true;
        return LineVerdict::EndWithoutKill;
    }
    if (progress.encoderError) {
        if (!run.secondAttempt)
            outcome.retryDue = true;
        return LineVerdict::EndAndKill;
    }
    return LineVerdict::Continue;
}

void EncoderRunner::showProgress(const std::string& line, const EncoderRun& run, Progress& progress)
{
    const ProgressValues values = ReadProgress(WithoutEchoedPaths(line));
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

void EncoderRunner::judge(const EncoderRun& run, const Progress& progress, RunOutcome& outcome)
{
    outcome.stopped = shared_.stopRequested;
    outcome.stalled = stallWatch_.fired();
    if (!progress.encoderError && run.secondAttempt && FileSizeText(run.outputPath) == "0")
        setProgressCell(run, texts::kFailed);
    if (!progress.encoderError && !outcome.retryDue) {
        const std::string size = FileSizeText(run.outputPath);
        if (size == "0" || !FileExists(run.outputPath))
            outcome.retryDue = true;
    }
    if (!outcome.retryDue || progress.encoderError)
        setProgressCell(run, texts::kDone);
    if (outcome.stopped)
        setProgressCell(run, texts::kAborted);
    if (!outcome.stopped && progress.encoderError)
        setProgressCell(run, outcome.retryDue ? std::string() : std::string(texts::kFailed));
    if (outcome.stalled)
        setProgressCell(run, texts::kFailed);
    outcome.done = !progress.encoderError && !outcome.retryDue && !outcome.stopped && !outcome.stalled;
    if (!outcome.stopped)
        host_.setProgressBar(100);
    host_.resetProgressBarSoon();
}

void EncoderRunner::setProgressCell(const EncoderRun& run, const std::string& text)
{
    host_.setCell(run.row, FileColumn::Progress, text);
}
