// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/cmdline/JobCuts.h"

#include "core/TextRules.h"
#include "core/cmdline/CommandPieces.h"
#include "core/cmdline/ConversionChoices.h"
#include "core/profiles/FormatCatalogue.h"

#include <numeric>

namespace {

// The area the choice keeps; empty for none.
std::string CropChoice(const ConversionChoices& choices, const FormatSpec& format,
                       const std::optional<CropArea>& measured, const std::string& sourceSize)
{
    if ((OffersOf(format) & offer::kCrop) == 0)
        return {};
    const std::string choice = Trim(choices.crop);
    const std::optional<CropArea> area = choice == kCropAutoEntry ? measured : ParseCropArea(choice);
    return area && CutsPicture(*area, sourceSize) ? CropAreaText(*area) : std::string();
}

// The display aspect of the part of a picture whose pixels are not square:
// "16:9" of 720 x 576 is "16:7" for 720 x 448 of it.
std::string CroppedAspect(const std::string& aspect, const std::string& sourceSize, const CropArea& area)
{
    const auto colon = aspect.find(':');
    const auto by = sourceSize.find(" x ");
    if (colon == std::string::npos || by == std::string::npos)
        return aspect;
    const auto across = ParseNumber(aspect.substr(0, colon));
    const auto down = ParseNumber(aspect.substr(colon + 1));
    const auto width = ParseNumber(sourceSize.substr(0, by));
    const auto height = ParseNumber(sourceSize.substr(by + 3));
    if (!across || !down || !width || !height)
        return aspect;
    const auto wide = static_cast<long long>(*across * area.width * *height);
    const auto high = static_cast<long long>(*down * area.height * *width);
    const long long common = std::gcd(wide, high);
    return common > 0 ? std::to_string(wide / common) + ":" + std::to_string(high / common) : aspect;
}

} // namespace

bool WantsMeasuredCrop(const ConversionChoices& choices, const std::optional<CropArea>& measured)
{
    const FormatSpec* format = FormatAt(choices.formatIndex);
    return !measured && format && (OffersOf(*format) & offer::kCrop) != 0 && Trim(choices.crop) == kCropAutoEntry;
}

JobCuts CutsFor(const ConversionChoices& choices, const FormatSpec& format, const TrimRange& trim,
                const std::optional<CropArea>& measured, const std::string& sourceSize,
                const std::string& displayAspect, bool thumbnail)
{
    JobCuts cuts{{}, sourceSize, displayAspect};
    if (trim.start > 0)
        cuts.pieces += Quoted(pieces::kStartHead, TimeArg(trim.start));
    if (trim.end && !thumbnail)
        cuts.pieces += Quoted(pieces::kEndHead, TimeArg(*trim.end));
    const std::string crop = CropChoice(choices, format, measured, sourceSize);
    if (crop.empty())
        return cuts;
    cuts.pieces += Quoted(pieces::kCropHead, crop);
    if (const auto area = ParseCropArea(crop)) {
        cuts.sourceSize = std::to_string(area->width) + " x " + std::to_string(area->height);
        if (!displayAspect.empty())
            cuts.displayAspect = CroppedAspect(displayAspect, sourceSize, *area);
    }
    return cuts;
}
