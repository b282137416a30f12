// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a job's trim and crop add to its command line, after every other
// piece so that a line without them stays as it was: " -start", " -end"
// (a thumbnail takes only the start), " -crop" with the area kept. A crop
// also changes the picture the sizes and letterbox bars are worked out on:
// the area's, with its own display aspect.
#include "core/CropArea.h"
#include "core/TrimRange.h"

#include <optional>
#include <string>

struct ConversionChoices;
struct FormatSpec;

struct JobCuts {
    std::string pieces;        // empty when nothing is asked
    std::string sourceSize;    // "1280 x 536": the picture the sizes are for
    std::string displayAspect; // its display aspect when its pixels are not square
};

// Whether the choices ask for the borders a row's analysis measures (Crop
// "Auto") and the row has none measured.
bool WantsMeasuredCrop(const ConversionChoices& choices, const std::optional<CropArea>& measured);

// sourceSize and displayAspect are the row's; measured is the part inside
// the borders the analysis found. Crop "Auto" is that area, so the bars are
// worked out for it; without a measurement (the encoder could not read the
// file) nothing is cropped.
JobCuts CutsFor(const ConversionChoices& choices, const FormatSpec& format, const TrimRange& trim,
                const std::optional<CropArea>& measured, const std::string& sourceSize,
                const std::string& displayAspect, bool thumbnail = false);
