// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Measures a file by running the encoder with nothing but an input: the
// encoder describes the input on its console and ends. An output whose first
// line does not begin with "Input #0," is rejected, and so is an encoder that
// ends without any output; the plain probe is then
// followed by a second one through the alternative reader, and a file that
// both reject still gets a row with the size "Unknown".
#include "media/ProbeOutput.h"

#include <functional>
#include <string>
#include <vector>

namespace platform {
class ChildProcess;
}

// How a probe waits for the encoder's output: on the window's thread the
// window keeps processing its events; elsewhere the wait simply blocks.
enum class WaitStyle { KeepWindowAlive, Block };

// `"ridod2e" -@ -y  -i "<path>"`, the path trimmed of blanks and control
// characters at both ends; with the prefix, "DS:\\" goes before the path.
std::string ProbeCommandLine(const std::string& path, bool altReaderPrefix);

class EncoderProbe {
public:
    // Receives each row the probe produces: path, size, frame rate, duration.
    using AddFileRow = std::function<void(const std::string& path, const std::string& size,
                                          const std::string& frameRate, const std::string& duration)>;

    EncoderProbe(std::string appDir, WaitStyle wait, AddFileRow addFileRow);

    void probeWithEncoder(const std::string& path);
    void probeWithDsPrefix(const std::string& path);
    // Runs the encoder and produces at most one row. An encoder that cannot
    // be started produces none and asks for no second probe.
    void runProbe(const std::string& commandLine, bool lastAttempt);

    bool probeFailed() const { return probeFailed_; }
    bool probeRetryNeeded() const { return probeRetryNeeded_; }
    const std::string& probeFilePath() const { return probeFilePath_; }
    const ProbeValues& values() const { return values_; }
    // The complete lines of the last probe's output.
    const std::vector<std::string>& lines() const { return lines_; }

private:
    // Reads the output until it ends or is rejected; true when rejected.
    bool readUntilVerdict(platform::ChildProcess& encoder);

    std::string appDir_;
    WaitStyle wait_;
    AddFileRow addFileRow_;
    std::string probeFilePath_;
    ProbeValues values_;
    std::vector<std::string> lines_;
    bool probeFailed_ = false;
    bool probeRetryNeeded_ = false;
};
