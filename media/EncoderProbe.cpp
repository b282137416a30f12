#include "media/EncoderProbe.h"

#include "core/EncoderName.h"
#include "platform/ChildProcess.h"
#include "platform/PumpMessages.h"

#include <csignal>

namespace {

constexpr const char* kAltReaderPrefix = "DS:\\\\";
// Longest wait for output before the window's events are processed again.
constexpr int kOutputWaitSliceMs = 20;
constexpr std::size_t kReadBytes = 4096;

bool IsBlankOrControl(char c) { return static_cast<unsigned char>(c) <= ' '; }

// The text between a pair of double quotes under the Windows command-line
// rules: quotes inside are escaped, and backslashes that end up before a
// quote are doubled. An ordinary path comes out unchanged.
std::string QuotedArgument(const std::string& text)
{
    std::string quoted = "\"";
    std::size_t backslashes = 0;
    for (const char c : text) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        if (c == '"') {
            quoted.append(backslashes * 2 + 1, '\\');
        } else {
            quoted.append(backslashes, '\\');
        }
        backslashes = 0;
        quoted += c;
    }
    quoted.append(backslashes * 2, '\\');
    return quoted + "\"";
}

} // namespace

std::string TrimBlanks(const std::string& text)
{
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsBlankOrControl(text[begin]))
        ++begin;
    while (end > begin && IsBlankOrControl(text[end - 1]))
        --end;
    return text.substr(begin, end - begin);
}

std::string ProbeCommandLine(const std::string& path, bool altReaderPrefix)
{
    const std::string input = (altReaderPrefix ? kAltReaderPrefix : "") + TrimBlanks(path);
    return std::string("\"") + kEncoderName + "\" -@ -y  -i " + QuotedArgument(input);
}

EncoderProbe::EncoderProbe(std::string appDir, WaitStyle wait, AddFileRow addFileRow)
    : appDir_(std::move(appDir))
    , wait_(wait)
    , addFileRow_(std::move(addFileRow))
{
}

void EncoderProbe::ProbeWithEncoder(const std::string& path)
{
    probeFilePath_ = path;
    RunProbe(ProbeCommandLine(path, false), false);
}

void EncoderProbe::ProbeWithDsPrefix(const std::string& path)
{
    probeFilePath_ = path;
    RunProbe(ProbeCommandLine(path, true), true);
}

void EncoderProbe::RunProbe(const std::string& commandLine, bool lastAttempt)
{
    probeFailed_ = false;
    probeRetryNeeded_ = false;
    if (wait_ == WaitStyle::KeepWindowAlive)
        platform::PumpMessagesFor(0);

    platform::ChildProcess encoder;
    if (!encoder.start(commandLine, "", appDir_))
        return;
    probeFailed_ = ReadUntilVerdict(encoder);
    probeRetryNeeded_ = probeFailed_;

    if (!probeFailed_) {
        values_ = ParseProbeOutput(lines_.lines());
        addFileRow_(probeFilePath_, values_.sizeText, values_.frameRateText, values_.durationText);
    } else if (lastAttempt) {
        addFileRow_(probeFilePath_, "Unknown", "", "");
    }
}

bool EncoderProbe::ReadUntilVerdict(platform::ChildProcess& encoder)
{
    using Status = platform::ChildProcess::ReadStatus;
    const bool keepWindowAlive = wait_ == WaitStyle::KeepWindowAlive;
    lines_.clear();
    while (true) {
        std::string chunk;
        const Status status = encoder.read(chunk, keepWindowAlive ? kOutputWaitSliceMs : -1, kReadBytes);
        if (status == Status::Timeout) {
            platform::PumpMessagesFor(0);
            continue;
        }
        if (status == Status::End)
            lines_.finish();
        else
            lines_.append(chunk);
        // An encoder that ends without a word (it crashed, or was killed) has
        // not described the input either.
        const bool silent = status == Status::End && lines_.empty();
        if (silent || ProbeRejected(lines_)) {
            // Only this probe's own encoder is ended; others may be converting.
            if (status != Status::End)
                ::kill(encoder.pid(), SIGKILL);
            encoder.wait();
            return true;
        }
        if (status == Status::End)
            return false;
    }
}
