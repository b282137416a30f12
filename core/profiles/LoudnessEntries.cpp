// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/profiles/LoudnessEntries.h"

#include "core/TextRules.h"

#include <charconv>
#include <string_view>

namespace {

struct LoudnessLevel {
    const char* entry;
    int lufs;
};

constexpr LoudnessLevel kLevels[] = {
    {"\u221214 LUFS (streaming)", -14},
    {"\u221216 LUFS (podcast)", -16},
    {"\u221223 LUFS (broadcast)", -23},
};

constexpr std::string_view kTypographicMinus = "\u2212";
constexpr std::string_view kUnit = "lufs";

// "-16" from "−16 LUFS" or "-16"; nothing for other texts.
std::optional<int> TypedLevel(std::string text)
{
    if (text.compare(0, kTypographicMinus.size(), kTypographicMinus) == 0)
        text.replace(0, kTypographicMinus.size(), "-");
    text = ToLower(text);
    if (text.size() > kUnit.size() && text.compare(text.size() - kUnit.size(), kUnit.size(), kUnit) == 0)
        text = Trim(text.substr(0, text.size() - kUnit.size()));
    int level = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, level);
    if (text.empty() || error != std::errc() || stop != end)
        return std::nullopt;
    return level;
}

} // namespace

const std::vector<std::string>& LoudnessEntries()
{
    static const std::vector<std::string> entries = [] {
        std::vector<std::string> list{kLoudnessOffEntry};
        for (const LoudnessLevel& level : kLevels)
            list.emplace_back(level.entry);
        return list;
    }();
    return entries;
}

std::optional<int> LoudnessTarget(const std::string& entry)
{
    for (const LoudnessLevel& level : kLevels)
        if (entry == level.entry)
            return level.lufs;
    return std::nullopt;
}

std::string LoudnessEntryFor(const std::string& text)
{
    const std::string trimmed = Trim(text);
    if (ToLower(trimmed) == ToLower(kLoudnessOffEntry))
        return kLoudnessOffEntry;
    const std::optional<int> typed = TypedLevel(trimmed);
    for (const LoudnessLevel& level : kLevels)
        if (trimmed == level.entry || (typed && *typed == level.lufs))
            return level.entry;
    return {};
}
