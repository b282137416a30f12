// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/EncoderProbe.h"

#include "core/EncoderName.h"
#include "platform/ChildOutputReader.h"
#include "platform/ChildProcess.h"
#include "platform/CommandLineSplit.h"
#include "platform/OutputLines.h"
#include "platform/PumpMessages.h"

namespace {

constexpr const char* kAltReaderPrefix = "DS:\\\\";
// Longest wait for output before the window's events are processed again.
constexpr int kOutputWaitSliceMs = 20;

} // namespace

std::string ProbeCommandLine(const std::string& path, bool altReaderPrefix)
{
    const std::string input = (altReaderPrefix ? kAltReaderPrefix : "") + path;
    return std::string("\"") + kEncoderName + "\" -@ -y  -i " + platform::QuoteArgument(input);
}

EncoderProbe::EncoderProbe(std::string appDir, WaitStyle wait, AddFileRow addFileRow)
    : appDir_(std::move(appDir))
    , wait_(wait)
    , addFileRow_(std::move(addFileRow))
{
}

void EncoderProbe::probeWithEncoder(const std::string& path)
{
    probeFilePath_ = path;
    runProbe(ProbeCommandLine(path, false), false);
}

void EncoderProbe::probeWithDsPrefix(const std::string& path)
{
    probeFilePath_ = path;
    runProbe(ProbeCommandLine(path, true), true);
}

void EncoderProbe::runProbe(const std::string& commandLine, bool lastAttempt)
{
    probeFailed_ = false;
    probeRetryNeeded_ = false;
    if (wait_ == WaitStyle::KeepWindowAlive)
        platform::PumpMessagesFor(0);

    platform::ChildProcess encoder;
    if (!encoder.start(commandLine, "", appDir_))
        return;
    probeFailed_ = readUntilVerdict(encoder);
    probeRetryNeeded_ = probeFailed_;

    if (!probeFailed_) {
        values_ = ParseProbeOutput(lines_);
        addFileRow_(probeFilePath_, values_.sizeText, values_.frameRateText, values_.durationText);
    } else if (lastAttempt) {
        addFileRow_(probeFilePath_, "Unknown", "", "");
    }
}

bool EncoderProbe::readUntilVerdict(platform::ChildProcess& encoder)
{
    const bool keepWindowAlive = wait_ == WaitStyle::KeepWindowAlive;
    OutputLines splitter;
    bool anyOutput = false;
    lines_.clear();
    const auto keepGoing = [keepWindowAlive] {
        if (keepWindowAlive)
            platform::PumpMessagesFor(0);
        return true;
    };
    const auto onChunk = [&](std::string_view chunk) {
        anyOutput = true;
        for (std::string& line : splitter.feed(chunk))
            lines_.push_back(std::move(line));
        return !ProbeRejected(lines_, splitter.partial());
    };
    const platform::ReadEnd end =
        platform::ReadUntilVerdict(encoder, keepWindowAlive ? kOutputWaitSliceMs : -1, keepGoing, onChunk);
    if (end == platform::ReadEnd::Verdict) {
        // Only this probe's own encoder is ended; others may be converting.
        encoder.kill();
        encoder.wait();
        return true;
    }
    if (auto last = splitter.finish())
        lines_.push_back(std::move(*last));
    // An encoder that ends without a word (it crashed, or was killed) has
    // not described the input either.
    return !anyOutput || ProbeRejected(lines_, {});
}
