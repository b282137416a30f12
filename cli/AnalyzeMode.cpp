// SPDX-License-Identifier: GPL-3.0-or-later
// --analyze: each file measured as Add Files measures it, one row a line.
#include "cli/CliChoices.h"
#include "cli/CliModes.h"

#include "core/RequiredFiles.h"
#include "media/CropProbe.h"
#include "media/MeasureFile.h"
#include "core/AppPlaces.h"
#include "core/Texts.h"
#include "core/profiles/FormatCatalogue.h"

#include <ostream>

int RunAnalyze(const CliOptions& options, std::ostream& out, std::ostream& err)
{
    const std::string appDir = CurrentAppPlaces().encoderDir;
    if (const auto missing = MissingRequiredFile(appDir)) {
        err << "vantorel-cli: a required file is missing: " << *missing << '\n';
        return kExitFailure;
    }
    // A separator row brings back the first format, as in the window.
    const int format = IsSeparatorRow(options.format) ? 0 : options.format;
    int status = kExitOk;
    for (const std::string& file : options.files) {
        const std::string path = FullPath(file);
        const auto row = MeasureFile(path, appDir, format);
        if (!row) {
            err << "vantorel-cli: " << path << ": no row (the file is not there, or the encoder could not be started)\n";
            status = kExitFailure;
            continue;
        }
        out << row->caption << '\t' << row->cell(FileColumn::VideoSize) << '\t' << row->cell(FileColumn::FrameRate)
            << '\t' << row->cell(FileColumn::Duration) << '\t' << row->cell(FileColumn::Output);
        // Pixels that are not square: how the picture is shown.
        if (!row->displayAspect.empty())
            out << '\t' << row->displayAspect;
        // A picture a player turns or deinterlaces: "rotated 90 (stored 1280 x 720)", "interlaced".
        if (!row->storedSize.empty())
            out << '\t' << texts::kAnalyzeRotated << row->rotation << texts::kAnalyzeStored << row->storedSize << ')';
        if (row->interlaced)
            out << '\t' << texts::kAnalyzeInterlaced;
        // With --crop auto: the black borders found, as the tooltip tells them.
        if (options.crop) {
            const auto crop = MeasureCrop(path, row->cell(FileColumn::VideoSize), appDir);
            if (crop && CutsPicture(*crop, row->cell(FileColumn::VideoSize)))
                out << '\t' << CropNote(*crop);
        }
        out << '\n';
    }
    return status;
}
