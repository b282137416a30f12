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
