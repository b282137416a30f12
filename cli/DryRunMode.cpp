// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliChoices.h"
#include "cli/CliModes.h"

#include "convert/FitToSize.h"
#include "convert/StatisticsFolder.h"
#include "core/FitChoices.h"
#include "core/JobPlanner.h"
#include "core/profiles/NewerEntries.h"
#include "core/cmdline/JobCuts.h"
#include "media/CropProbe.h"
#include "media/MeasureFile.h"
#include "core/cmdline/CommandLineBuilder.h"
#include "core/cmdline/OutputReservations.h"
#include "core/TextRules.h"
#include "core/AppPlaces.h"
#include "core/profiles/FormatCatalogue.h"

#include <filesystem>
#include <ostream>
#include <vector>

namespace {

// Before the size a job is expected to make: "# clip.mp4: ~24 MB".
constexpr const char* kExpectedMark = "# ";

// One job's runs as a conversion makes them, without running the encoder:
// the first attempt's (or, with --attempt 2, the retry's) and the thumbnail
// run's that follows.
class DryRun {
public:
    DryRun(ConversionChoices choices, const CliOptions& options, std::string appDir)
        : choices_(std::move(choices))
        , appDir_(std::move(appDir))
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
        job.trim = options_.trim;
        if (WantsMeasuredCrop(choices_, job.measuredCrop))
            job.measuredCrop = MeasureCrop(inputPath, job.sourceSize, appDir_);
        JobPlanner plan(inputPath);
        std::vector<std::string> lines;
        const auto limit = FitLimitFor(choices_);
        // A size is told from the file's length, measured as Add Files would.
        const std::optional<FileRow> measured = sizeTold() ? MeasureFile(inputPath, appDir_, choices_.formatIndex)
                                                            : std::nullopt;
        if (limit && !measured) {
            error = FitFailureText(0, *limit, 0);
            return {};
        }
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
            if (!skipped && run->kind != RunKind::Thumbnail && limit) {
                if (!fitLines(job, *limit, result.outputPath, *measured, lines, error))
                    return {};
            } else if (!skipped) {
                lines.push_back(result.commandLine);
            }
            plan.finished(skipped, result.thumbnailDue);
        }
        names_.reserve(videoOutput, job_++);
        if (const auto bytes = measured ? ExpectedBytes(choices_, *measured) : std::nullopt)
            lines.push_back(kExpectedMark + FileNameOf(videoOutput) + ": " + ExpectedSizeText(*bytes));
        return lines;
    }

private:
    // Whether the format and the bitrate make a size worth telling.
    bool sizeTold() const
    {
        const FormatSpec* format = FormatAt(choices_.formatIndex);
        return format && format->fitsToSize && Trim(choices_.videoBitrate) != kAutoQualityEntry;
    }

    // The lines of a fit to a size: its passes, their statistics in a
    // folder whose name is made when it runs.
    bool fitLines(const JobInput& job, long long limit, const std::string& outputPath, const FileRow& measured,
                  std::vector<std::string>& lines, std::string& error) const
    {
        EncoderRun request;
        request.outputPath = outputPath;
        const FitJob fit{choices_, job, FitSourceOf(measured), limit, request, 1};
        const FitPlan plan = PlanFitFor(choices_, fit.source, limit);
        if (!plan.fits) {
            error = FitFailureText(fit.source.seconds, limit, plan.neededBytes);
            return false;
        }
        const std::string folder = StatisticsFolder::Pattern();
        const bool twoPasses = RunsTwoPasses(choices_);
        if (twoPasses)
            lines.push_back(FitCommandLine(fit, plan, plan.videoKbps, 1, folder, FirstPassOutput(folder, outputPath)));
        lines.push_back(FitCommandLine(fit, plan, plan.videoKbps, twoPasses ? 2 : 0, folder, outputPath));
        return true;
    }

    ConversionChoices choices_;
    std::string appDir_;
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
    DryRun dryRun(std::move(resolved.choices), options, CurrentAppPlaces().encoderDir);
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
