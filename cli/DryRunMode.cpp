#include "cli/CliChoices.h"
#include "cli/CliModes.h"

#include "core/JobPlanner.h"
#include "core/cmdline/CommandLineBuilder.h"
#include "core/cmdline/OutputReservations.h"
#include "core/TextRules.h"
#include "core/AppPlaces.h"
#include "core/profiles/FormatCatalogue.h"

#include <filesystem>
#include <ostream>
#include <vector>

namespace {

// One job's runs as a conversion makes them, without running the encoder:
// the first attempt's (or, with --attempt 2, the retry's) and the thumbnail
// run's that follows.
class DryRun {
public:
    DryRun(ConversionChoices choices, const CliOptions& options)
        : choices_(std::move(choices))
        , options_(options)
        , disk_({false, [this](const std::string& path) { return names_.takenFor(path, job_); }})
    {
        for (const std::string& file : options.files)
            names_.reserve(FullPath(file), OutputReservations::kInput);
    }

    // The job's command lines, or the builder's refusal in `error`.
    std::vector<std::string> Lines(const std::string& inputPath, std::string& error)
    {
        JobInput job{inputPath, options_.sourceSize.value_or("0 x 0"), ToLower(FormatTag(choices_.formatIndex)), {}};
        job.displayAspect = options_.displayAspect;
        JobPlanner plan(inputPath);
        std::vector<std::string> lines;
        std::string videoOutput;
        for (auto run = plan.next(); run; run = plan.next()) {
            job.options = run->options;
            const BuildResult result = run->kind == RunKind::Thumbnail
                ? BuildThumbnailCommandLine(choices_, job, videoOutput, disk_)
                : BuildCommandLine(choices_, job, disk_);
            if (result.resetMute)
                choices_.muteIndex = 0;
            if (!result.ok()) {
                error = result.error;
                return {};
            }
            if (run->kind != RunKind::Thumbnail)
                videoOutput = result.outputPath;
            // The second attempt is shown as if the first had failed.
            const bool skipped = options_.attempt == 2 && run->kind == RunKind::FirstAttempt;
            if (!skipped)
                lines.push_back(result.commandLine);
            plan.finished(skipped, result.thumbnailDue);
        }
        names_.reserve(videoOutput, job_++);
        return lines;
    }

private:
    ConversionChoices choices_;
    const CliOptions& options_;
    // As in a conversion: no job writes over an input of the list or over
    // an earlier job's output; later jobs are numbered past them.
    OutputReservations names_;
    int job_ = 0;
    BuilderDisk disk_;
};

} // namespace

int RunDryRun(const CliOptions& options, std::ostream& out, std::ostream& err)
{
    CliChoices resolved = ResolveChoices(options, CurrentAppPlaces().encoderDir);
    if (!resolved.error.empty())
        return UsageError(resolved.error, err);
    DryRun dryRun(std::move(resolved.choices), options);
    int status = kExitOk;
    for (const std::string& file : options.files) {
        const std::string inputPath = FullPath(file);
        std::error_code error;
        if (!std::filesystem::is_regular_file(inputPath, error)) {
            err << "vantorel-cli: " << inputPath << ": no such file; a conversion skips it\n";
            status = kExitFailure;
            continue;
        }
        std::string refusal;
        const std::vector<std::string> lines = dryRun.Lines(inputPath, refusal);
        if (!refusal.empty()) {
            err << "vantorel-cli: " << refusal << '\n';
            status = kExitFailure;
            continue;
        }
        for (const std::string& line : lines)
            out << line << '\n';
    }
    return status;
}
