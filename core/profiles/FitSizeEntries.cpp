// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/profiles/FitSizeEntries.h"

#include "core/TextRules.h"

namespace {

constexpr const char* kEntryHead = "Fit in ";
constexpr const char* kEntryTail = " MB";
constexpr int kLimits[] = {8, 10, 25, 50, 100, 500};

} // namespace

const std::string& CustomFitEntry()
{
    static const std::string entry = "Fit in custom size\u2026";
    return entry;
}

const std::vector<std::string>& FitSizeEntries()
{
    static const std::vector<std::string> entries = [] {
        std::vector<std::string> made;
        for (const int megabytes : kLimits)
            made.push_back(kEntryHead + std::to_string(megabytes) + kEntryTail);
        made.push_back(CustomFitEntry());
        return made;
    }();
    return entries;
}

std::optional<long long> ParseSizeLimit(const std::string& text)
{
    struct Unit {
        const char* name;
        double bytes;
    };
    static constexpr Unit kUnits[] = {{"kib", 1024.0},       {"mib", 1048576.0}, {"gib", 1073741824.0},
                                      {"kb", 1e3},           {"mb", 1e6},        {"gb", 1e9}};
    const std::string plain = ToLower(RemoveBlanks(text));
    for (const Unit& unit : kUnits) {
        const std::string name = unit.name;
        if (plain.size() <= name.size() || plain.compare(plain.size() - name.size(), name.size(), name) != 0)
            continue;
        const auto number = ParseNumber(plain.substr(0, plain.size() - name.size()));
        if (!number || *number * unit.bytes < 1000 || *number * unit.bytes > 1e15)
            return std::nullopt;
        return static_cast<long long>(*number * unit.bytes);
    }
    return std::nullopt;
}

long long MegabytesToBytes(const std::string& text)
{
    const auto megabytes = ParseNumber(text);
    if (!megabytes || *megabytes <= 0 || *megabytes > 1e9)
        return 0;
    return static_cast<long long>(*megabytes * kBytesPerMegabyte);
}

std::optional<long long> FitLimitOf(const std::string& entry, long long customBytes)
{
    const std::string text = Trim(entry);
    if (text == CustomFitEntry())
        return customBytes > 0 ? std::optional<long long>(customBytes) : std::nullopt;
    for (const int megabytes : kLimits) {
        if (text == kEntryHead + std::to_string(megabytes) + kEntryTail)
            return megabytes * kBytesPerMegabyte;
    }
    return std::nullopt;
}
