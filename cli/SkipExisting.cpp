// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/SkipExisting.h"

#include "core/JobPlanner.h"
#include "core/TextRules.h"
#include "core/cmdline/CommandLineBuilder.h"

#include <filesystem>

std::optional<std::string> MadeOutputOf(const ConversionChoices& choices, const FileRow& row, OutputVerifier& verifier)
{
    // The exact name: the one a conversion that may overwrite would write.
    ConversionChoices exact = choices;
    exact.overwrite = true;
    JobInput job{row.caption, row.cell(FileColumn::VideoSize), ToLower(Trim(row.cell(FileColumn::Output))), {}};
    job.displayAspect = row.displayAspect;
    job.options = JobPlanner(job.inputPath).next()->options;
    const BuildResult built = BuildCommandLine(exact, job, BuilderDisk{false, {}});
    std::error_code error;
    if (!built.ok() || !std::filesystem::is_regular_file(built.outputPath, error))
        return std::nullopt;
    const OutputFinding finding = verifier.verify(
        {built.outputPath, job.inputPath, false, built.keepsVideo, built.keepsAudio, built.promises});
    return finding.good ? std::optional(built.outputPath) : std::nullopt;
}
