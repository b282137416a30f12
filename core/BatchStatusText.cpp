// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/BatchStatusText.h"

#include "core/Texts.h"

#include <cstdio>

std::string ConvertingText(int current, int total)
{
    return texts::kConvertingPrefix + std::to_string(current) + texts::kConvertingOf + std::to_string(total);
}

std::string TimeLeftText(std::optional<int> seconds)
{
    if (!seconds || *seconds < 0)
        return texts::kNoEstimate;
    const int hours = *seconds / 3600;
    const int minutes = *seconds / 60 % 60;
    const int rest = *seconds % 60;
    char clock[32];
    if (hours > 0)
        std::snprintf(clock, sizeof clock, "%d:%02d:%02d", hours, minutes, rest);
    else
        std::snprintf(clock, sizeof clock, "%d:%02d", minutes, rest);
    return clock + std::string(texts::kTimeLeftSuffix);
}

std::string TitleWithPercent(int percent, const std::string& caption)
{
    return std::to_string(percent) + texts::kTitlePercentSeparator + caption;
}

std::string BatchSummaryText(int converted, int failed, int notConverted)
{
    std::string text = std::to_string(converted) + texts::kConvertedSuffix + ", " + std::to_string(failed)
        + texts::kFailedSuffix;
    if (notConverted > 0)
        text += ", " + std::to_string(notConverted) + texts::kNotConvertedSuffix;
    return text;
}
