#include "convert/EncoderRunner.h"

#include "core/SharedState.h"
#include "core/ConversionHost.h"
#include "core/ConversionState.h"
#include "core/Texts.h"
#include "convert/EncoderOutputParser.h"
#include "core/EncoderName.h"
#include "convert/FileSizeText.h"
#include "platform/KillProcessesByName.h"
#include "platform/OutputLines.h"
#include "convert/StallWatch.h"
#include "platform/ChildProcess.h"

#include <csignal>
#include <filesystem>

struct EncoderRunner::Run {
    int row = 0;
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

// After the encoder was killed by its image name: make sure our own child is
// gone too before the run is judged.
void EnsureEnded(platform::ChildProcess& child)
{
    if (child.running())
        ::kill(child.pid(), SIGKILL);
    child.wait();
}

} // namespace

EncoderRunner::EncoderRunner(SharedState& shared, ConversionState& state, ConversionHost& host, StallWatch& stallWatch)
    : shared_(shared)
    , state_(state)
    , host_(host)
    , stallWatch_(stallWatch)
{
}

void EncoderRunner::RunEncoder(const std::string& commandLine, int rowIndex)
{
    shared_.stopRequested = false;
    state_.RetryPending = false;
    state_.StallDetected = false;
    Run run;
    run.row = rowIndex;

    platform::ChildProcess child;
    if (child.start(commandLine, shared_.appDir, shared_.appDir)) {
        state_.StallTicks = 0;
        state_.SetSampledFrameText("0");
        state_.SetLastFrameText("2");
        stallWatch_.setEnabled(true);
        monitor(child, run);
        judge(run);
    }
    if (!FileExists(state_.OutputFilePath))
        setProgressCell(run, texts::kFailed);
    stallWatch_.setEnabled(false);
    state_.StallDetected = false;
    state_.ThumbnailRun = false;
}

void EncoderRunner::monitor(platform::ChildProcess& child, Run& run)
{
    OutputLines lines;
    LineVerdict verdict = LineVerdict::Continue;
    while (verdict == LineVerdict::Continue) {
        if (shared_.stopRequested) {
            KillProcessesByName(kEncoderName);
            EnsureEnded(child);
            return;
        }
        std::string chunk;
        const auto status = child.read(chunk, kReadWaitMs);
        if (status == platform::ChildProcess::ReadStatus::Timeout)
            continue;
        if (status == platform::ChildProcess::ReadStatus::Data) {
            for (const auto& line : lines.feed(chunk)) {
                verdict = examine(line, run);
                if (verdict != LineVerdict::Continue)
                    break;
            }
            continue;
        }
        if (const auto last = lines.finish())
            verdict = examine(*last, run);
        break;
    }
    if (verdict == LineVerdict::EndAndKill) {
        KillProcessesByName(kEncoderName);
        EnsureEnded(child);
        return;
    }
    // The encoder ends by itself after these reports; its last words are
    // read and dropped so that it never waits on a full pipe, and a stop
    // request still ends it.
    std::string ignored;
    while (child.read(ignored, kReadWaitMs) != platform::ChildProcess::ReadStatus::End) {
        ignored.clear();
        if (shared_.stopRequested) {
            KillProcessesByName(kEncoderName);
            EnsureEnded(child);
            return;
        }
    }
    child.wait();
}

EncoderRunner::LineVerdict EncoderRunner::examine(const std::string& line, Run& run)
{
    if (!state_.ThumbnailRun)
        showProgress(line, run);
    if (run.firstLineDue) {
        run.firstLineDue = false;
        if (!IsAcceptedFirstLine(line)) {
            run.encoderError = true;
            state_.RetryPending = true;
            return LineVerdict::EndWithoutKill;
        }
    }
    const ErrorWords words = FindErrorWords(line);
    if (words.found)
        run.encoderError = true;
    if (words.unsupportedCodec) {
        state_.RetryPending = true;
        return LineVerdict::EndWithoutKill;
    }
    if (run.encoderError) {
        if (!state_.SecondAttempt)
            state_.RetryPending = true;
        return LineVerdict::EndAndKill;
    }
    return LineVerdict::Continue;
}

void EncoderRunner::showProgress(const std::string& line, Run& run)
{
    const ProgressValues values = ReadProgress(WithoutEchoedPaths(line));
    if (values.frames) {
        host_.setCell(run.row, FileColumn::Frames, *values.frames);
        state_.SetLastFrameText(TrimControls(*values.frames));
    }
    if (values.size)
        host_.setStatusPanel(std::string(texts::kOutputSizePrefix) + *values.size + texts::kOutputSizeSuffix);
    if (values.durationSeconds)
        run.durationSeconds = *values.durationSeconds;
    if (values.timeSeconds && run.durationSeconds > 0) {
        const int percent = Percent(*values.timeSeconds, run.durationSeconds);
        host_.setProgressBar(percent);
        setProgressCell(run, PercentText(percent));
    }
}

void EncoderRunner::judge(Run& run)
{
    const bool stopped = shared_.stopRequested;
    if (!run.encoderError && state_.SecondAttempt && FileSizeText(state_.OutputFilePath) == "0")
        setProgressCell(run, texts::kFailed);
    if (!run.encoderError && !state_.RetryPending) {
        const std::string size = FileSizeText(state_.OutputFilePath);
        if (size == "0" || !FileExists(state_.OutputFilePath))
            state_.RetryPending = true;
    }
    if (!state_.RetryPending || run.encoderError)
        setProgressCell(run, texts::kDone);
    if (stopped)
        setProgressCell(run, texts::kAborted);
    if (!stopped && run.encoderError)
        setProgressCell(run, state_.RetryPending ? std::string() : std::string(texts::kFailed));
    if (state_.StallDetected)
        setProgressCell(run, texts::kFailed);
    if (!stopped)
        host_.setProgressBar(100);
    host_.resetProgressBarSoon();
}

void EncoderRunner::setProgressCell(const Run& run, const std::string& text)
{
    host_.setCell(run.row, FileColumn::Progress, text);
}
