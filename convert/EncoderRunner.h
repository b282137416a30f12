// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One run of the encoder for one job: starts it, reads its console output as
// it comes, reports the progress through the job's reporter, ends the run on
// the encoder's error reports, a stop request or the stall watch, and judges
// the outcome into the row's Progress cell.
// Returns the outcome only when the run is over and the encoder has ended.
// Only the encoder this runner started is ever killed.
//
// The encoder leaves its finished file beside the output under a hidden
// name no one can guess; the file takes the output's name only when the
// run is judged good (or incomplete), so a failed or stopped run leaves
// nothing under that name and never harms a file that was there before.
// What the run wrote is deleted otherwise. The encoder is asked to end
// (so that it removes what it began) before it is killed.
#include "core/FileRow.h"
#include "core/OutputVerifier.h"

#include <string>
#include <vector>

class JobReporter;
class OutputVerifier;
class StallWatch;
struct SharedState;
namespace platform {
class ChildProcess;
}

struct EncoderRun {
    std::string commandLine; // as built: its last argument is outputPath
    std::string outputPath;  // the file the run makes: the video, or the thumbnail
    std::string inputPath;
    bool finalAttempt = false; // a failure of this run is not tried again
    bool thumbnail = false;    // the thumbnail run shows no progress
    bool videoFormat = true;   // the format holds video
    bool audioWanted = true;   // the job is not muted
    OutputPromises promises = {}; // what more of the input the output keeps
    int expectedSeconds = 0;   // the row's Duration (cut to its trim); 0 when unknown
    TrimRange trim = {};       // the part of the input converted: the progress runs over its length
    // Overwrite on: the output replaces a file of its name. Off: a file that
    // took the name while the run went on (another program's) is kept, and
    // the output takes the next free numbered name.
    bool replaceExisting = true;
    // The first of two passes: only the encoder's statistics count; what it
    // wrote is thrown away unchecked.
    bool statisticsOnly = false;
    // The most bytes the output may hold (0: no limit); a larger one is
    // never put in place.
    long long sizeLimit = 0;
};

struct RunOutcome {
    RowOutcome verdict = RowOutcome::Failed; // Done, Incomplete, Failed or Aborted
    bool retryDue = false; // the job needs another attempt
    bool stalled = false;  // the stall watch ended the encoder
    bool stopped = false;  // a stop request ended it
    Reason reason;         // empty for Done
    std::vector<std::string> lastLines; // the encoder's last lines
    std::string placedPath; // where a kept output lies: outputPath or the numbered name it had to take
    long long outputBytes = 0; // the size of the checked output, kept or over the limit
};

class EncoderRunner {
public:
    EncoderRunner(SharedState& shared, JobReporter& reporter, StallWatch& stallWatch, OutputVerifier& verifier);

    // Longest wait for output before the stop request and the stall watch
    // are looked at again.
    static constexpr int kReadWaitMs = 360;

    RunOutcome runEncoder(const EncoderRun& run);

private:
    struct Progress;
    enum class LineVerdict { Continue, EndAndKill, EndWithoutKill };

    void monitor(platform::ChildProcess& child, const EncoderRun& run, Progress& progress);
    LineVerdict examine(const std::string& line, const EncoderRun& run, Progress& progress);
    void showProgress(const std::string& line, const EncoderRun& run, Progress& progress);
    // Why the run failed; empty when the encoder ended well.
    Reason failure(const EncoderRun& run, platform::ChildProcess& child, const Progress& progress,
                        const RunOutcome& outcome) const;
    void judge(const EncoderRun& run, const Progress& progress, platform::ChildProcess& child, RunOutcome& outcome);
    // The verdict on an output the encoder ended well with, put in place.
    void accept(const EncoderRun& run, const Progress& progress, RunOutcome& outcome);
    void fail(const EncoderRun& run, const Progress& progress, Reason reason, RunOutcome& outcome);
    bool interrupted() const;

    SharedState& shared_;
    JobReporter& reporter_;
    StallWatch& stallWatch_;
    OutputVerifier& verifier_;
};
