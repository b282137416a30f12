// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/FitChoices.h"

#include "core/TextRules.h"
#include "core/profiles/FitSizeEntries.h"
#include "core/profiles/FormatCatalogue.h"
#include "core/profiles/NewerCodecs.h"

namespace {

constexpr const char* kKbpsEntryTail = " Kbps";

// "160 Kbps" as 160; nothing for any other text.
std::optional<int> KbpsIn(const std::string& entry)
{
    const auto number = ParseNumber(NumberBeforeUnit(Trim(entry), 'K'));
    if (!number || *number <= 0)
        return std::nullopt;
    return static_cast<int>(*number);
}

bool FitsToSize(const ConversionChoices& choices)
{
    const FormatSpec* format = FormatAt(choices.formatIndex);
    return format && format->fitsToSize;
}

int AudioKbps(const ConversionChoices& choices)
{
    return choices.muteIndex == 1 ? 0 : KbpsIn(choices.audioBitrate).value_or(0);
}

} // namespace

std::optional<long long> FitLimitFor(const ConversionChoices& choices)
{
    if (!FitsToSize(choices))
        return std::nullopt;
    return FitLimitOf(choices.videoBitrate, choices.fitCustomBytes);
}

FitPlan PlanFitFor(const ConversionChoices& choices, const FitSource& source, long long limitBytes)
{
    return PlanFit(source, limitBytes, AudioKbps(choices), choices.videoSize);
}

ConversionChoices WithPlan(ConversionChoices choices, const FitPlan& plan, int videoKbps)
{
    choices.videoBitrate = std::to_string(videoKbps) + kKbpsEntryTail;
    if (plan.audioKbps > 0)
        choices.audioBitrate = std::to_string(plan.audioKbps) + kKbpsEntryTail;
    choices.videoSize = plan.videoSize;
    return choices;
}

bool RunsTwoPasses(const ConversionChoices& choices)
{
    const NewerCodec* codec = NewerCodecFor(choices.videoCodec);
    return codec && codec->twoPass;
}

std::optional<long long> ExpectedBytes(const ConversionChoices& choices, const FileRow& row)
{
    if (!FitsToSize(choices))
        return std::nullopt;
    const FitSource source = FitSourceOf(row);
    if (source.seconds <= 0)
        return std::nullopt;
    if (const auto limit = FitLimitFor(choices)) {
        const FitPlan plan = PlanFitFor(choices, source, *limit);
        return plan.fits ? std::optional<long long>(plan.expectedBytes) : std::nullopt;
    }
    const auto video = KbpsIn(choices.videoBitrate);
    if (!video)
        return std::nullopt;
    return BytesAt(*video + AudioKbps(choices), source.seconds);
}
