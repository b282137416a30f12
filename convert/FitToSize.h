// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The runs of a job that fits to a size. The plan comes first: a clip that
// cannot fit fails at once, before any encoder runs. Then the encoder's
// two passes (one where the codec has no two-pass statistics) with the
// statistics in a private folder that is removed on every path, and the
// output check with the limit: an output over it is never put in place,
// and the encode is made again at a bitrate lowered by what it went over,
// at most twice. The passes count as one run in the percentage.
#include "convert/EncoderRunner.h"
#include "core/FitPlan.h"
#include "core/cmdline/CommandLineBuilder.h"

#include <functional>

class JobReporter;

struct FitJob {
    ConversionChoices choices; // as taken for the job, the fit entry chosen
    JobInput input;            // this attempt's input
    FitSource source;
    long long limitBytes = 0;
    EncoderRun request;        // the format run as the queue built it: its output, checks and attempt
    int attempt = 1;
};

// The command line of `pass` (0: the only one) of the job at `videoKbps`,
// its statistics in `folder`, writing `output`.
std::string FitCommandLine(const FitJob& job, const FitPlan& plan, int videoKbps, int pass, const std::string& folder,
                           const std::string& output);

// Where a first pass in `folder` writes what is thrown away.
std::string FirstPassOutput(const std::string& folder, const std::string& outputPath);

class FitToSize {
public:
    // Every run of the encoder goes to the log, with why another follows.
    using Log = std::function<void(const EncoderRun& request, const RunOutcome& outcome, bool retried)>;

    static constexpr int kExtraAttempts = 2;

    FitToSize(EncoderRunner& runner, JobReporter& reporter, Log log);

    RunOutcome run(const FitJob& job);

private:
    RunOutcome refuse(Reason reason);

    EncoderRunner& runner_;
    JobReporter& reporter_;
    Log log_;
};
