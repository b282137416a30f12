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
class StatisticsFolder;

struct FitJob {
    ConversionChoices choices; // as taken for the job, the fit entry chosen
    JobInput input;            // this attempt's input
    FitSource source;
    long long limitBytes = 0;
    EncoderRun request;        // the format run as the queue built it: its output, checks and attempt
    int attempt = 1;
};

class FitToSize {
public:
    // Every run of the encoder goes to the log, with why another follows.
    using Log = std::function<void(const EncoderRun& request, const RunOutcome& outcome)>;

    static constexpr int kExtraAttempts = 2;

    FitToSize(EncoderRunner& runner, JobReporter& reporter, Log log);

    RunOutcome run(const FitJob& job);

private:
    RunOutcome refuse(Reason reason);
    // The command line for `pass` (0: the only one) at `videoKbps`, writing `output`.
    std::string commandLine(const FitJob& job, const FitPlan& plan, int videoKbps, int pass,
                            const StatisticsFolder& folder, const std::string& output) const;

    EncoderRunner& runner_;
    JobReporter& reporter_;
    Log log_;
};
