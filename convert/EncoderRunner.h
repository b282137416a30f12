#pragma once
// One run of the encoder for one job: starts it, reads its console output as
// it comes, shows the progress in the job's row, the progress bar and the
// status bar, ends the run on the encoder's error reports, a stop request or
// the stall watch, and judges the outcome into the row's Progress cell.
// Returns the outcome only when the run is over and the encoder has ended.
// Only the encoder this runner started is ever killed.
#include <string>

class ConversionHost;
class StallWatch;
struct SharedState;
namespace platform {
class ChildProcess;
}

struct EncoderRun {
    std::string commandLine;
    int row = 0;
    // The job's video output: a run that leaves it missing or empty failed
    // (for the thumbnail run too).
    std::string outputPath;
    bool secondAttempt = false;
    bool thumbnail = false; // the thumbnail run shows no progress
};

struct RunOutcome {
    bool retryDue = false; // the job needs another attempt
    bool stalled = false;  // the stall watch ended the encoder
    bool stopped = false;  // a stop request ended it
    bool done = false;     // the run ended "Done"
};

class EncoderRunner {
public:
    EncoderRunner(SharedState& shared, ConversionHost& host, StallWatch& stallWatch);

    // Longest wait for output before the stop request and the stall watch
    // are looked at again.
    static constexpr int kReadWaitMs = 360;

    RunOutcome RunEncoder(const EncoderRun& run);

private:
    struct Progress;
    enum class LineVerdict { Continue, EndAndKill, EndWithoutKill };

    void monitor(platform::ChildProcess& child, const EncoderRun& run, Progress& progress, RunOutcome& outcome);
    LineVerdict examine(const std::string& line, const EncoderRun& run, Progress& progress, RunOutcome& outcome);
    void showProgress(const std::string& line, const EncoderRun& run, Progress& progress);
    void judge(const EncoderRun& run, const Progress& progress, RunOutcome& outcome);
    void setProgressCell(const EncoderRun& run, const std::string& text);
    bool interrupted() const;

    SharedState& shared_;
    ConversionHost& host_;
    StallWatch& stallWatch_;
};
