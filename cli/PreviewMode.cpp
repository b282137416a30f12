// SPDX-License-Identifier: GPL-3.0-or-later
// --preview: each file's output picture at a moment, as STEM.png in the
// output directory, made by the encoder through the job's own command line.
#include "cli/CliChoices.h"
#include "cli/CliModes.h"

#include "convert/PreviewMaker.h"
#include "core/AppPlaces.h"
#include "core/RequiredFiles.h"
#include "core/TextRules.h"
#include "core/cmdline/CommandLineBuilder.h"
#include "core/cmdline/JobCuts.h"
#include "core/cmdline/OutputNaming.h"
#include "core/profiles/FormatCatalogue.h"
#include "media/CropProbe.h"
#include "media/MeasureFile.h"

#include <filesystem>
#include <ostream>
#include <set>

namespace {

// STEM.png, numbered past a file that is there (unless overwriting) and
// past the pictures of this run and the file itself.
std::string PictureName(const std::string& dir, const std::string& input, bool overwrite, const std::set<std::string>& made)
{
    const std::string base = BaseNameOf(FileNameOf(input));
    const std::string path = OutputPathFor(dir, base, "png");
    const auto taken = [&](const std::string& candidate) {
        return made.count(candidate) != 0 || SameFile(candidate, input) || (!overwrite && PathExists(candidate));
    };
    return taken(path) ? UniqueOutputName(dir, base, "png", taken) : path;
}

// The job of the file as Add Files would list it, cut as asked.
JobInput JobOf(const std::string& path, const CliOptions& options, const ConversionChoices& choices)
{
    const FileRow measured = options.sourceSize
        ? MakeFileRow(path, *options.sourceSize, "", "", choices.formatIndex)
        : MeasureFile(path, choices.appDir, choices.formatIndex).value_or(MakeFileRow(path, "0 x 0", "", "", choices.formatIndex));
    JobInput job{path, measured.cell(FileColumn::VideoSize), ToLower(FormatTag(choices.formatIndex)), FirstAttemptOptions(path)};
    job.displayAspect = options.sourceSize ? options.displayAspect : measured.displayAspect;
    job.trim = options.trim;
    if (WantsMeasuredCrop(choices, std::nullopt))
        job.measuredCrop = MeasureCrop(path, job.sourceSize, choices.appDir);
    return job;
}

} // namespace

int RunPreview(const CliOptions& options, std::ostream& out, std::ostream& err)
{
    CliChoices resolved = ResolveChoices(options, CurrentAppPlaces().encoderDir);
    if (!resolved.error.empty())
        return UsageError(resolved.error, err);
    const ConversionChoices& choices = resolved.choices;
    const FormatSpec* format = FormatAt(choices.formatIndex);
    if (!format || format->kind == FormatKind::AudioOnly)
        return UsageError("--preview needs a format that holds a picture", err);
    if (const auto missing = MissingRequiredFile(choices.appDir)) {
        err << "vantorel-cli: a required file is missing: " << *missing << '\n';
        return kExitFailure;
    }
    std::error_code error;
    std::filesystem::create_directories(choices.outputDir, error);
    if (error) {
        err << "vantorel-cli: the output folder " << choices.outputDir << " cannot be made: " << error.message() << '\n';
        return kExitFailure;
    }
    int status = kExitOk;
    std::set<std::string> made;
    for (const std::string& file : options.files) {
        const std::string path = FullPath(file);
        if (!std::filesystem::is_regular_file(path, error)) {
            err << "vantorel-cli: " << path << ": no such file\n";
            status = kExitFailure;
            continue;
        }
        const std::string picture = PictureName(choices.outputDir, path, choices.overwrite, made);
        const BuildResult built = BuildPreviewCommandLine(choices, JobOf(path, options, choices), options.previewSeconds, picture);
        const PreviewOutcome outcome = built.ok() ? MakePreview(built.commandLine, picture, choices.appDir)
                                                  : PreviewOutcome{false, built.error};
        if (!outcome.made) {
            err << "vantorel-cli: " << path << ": " << outcome.reason << '\n';
            status = kExitFailure;
            continue;
        }
        made.insert(picture);
        out << path << '\t' << picture << '\n' << std::flush;
    }
    return status;
}
