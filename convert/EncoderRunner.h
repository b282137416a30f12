#pragma once
// One run of the encoder for one job: starts it, reads its console output as
// it comes, shows the progress in the job's row, the progress bar and the
// status bar, ends the run on the encoder's error reports or a stop request,
// and judges the outcome into the row's Progress cell and RetryPending.
// Returns only when the run is over and the encoder has ended.
#include <string>

class ConversionHost;
class StallWatch;
struct ConversionState;
struct SharedState;
namespace platform {
class ChildProcess;
}

class EncoderRunner {
public:
    EncoderRunner(SharedState& shared, ConversionState& state, ConversionHost& host, StallWatch& stallWatch);

    // Longest wait for output before the stop request is looked at again.
    static constexpr int kReadWaitMs = 360;

    void RunEncoder(const std::string& commandLine, int rowIndex);

private:
    struct Run;
    enum class LineVerdict { Continue, EndAndKill, EndWithoutKill };

    void monitor(platform::ChildProcess& child, Run& run);
    LineVerdict examine(const std::string& line, Run& run);
    void showProgress(const std::string& line, Run& run);
    void judge(Run& run);
    void setProgressCell(const Run& run, const std::string& text);

    SharedState& shared_;
    ConversionState& state_;
    ConversionHost& host_;
    StallWatch& stallWatch_;
};
