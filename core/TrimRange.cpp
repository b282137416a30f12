// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/TrimRange.h"

#include "core/TextRules.h"
#include "core/profiles/FormatCatalogue.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace {

// Digits only, as a clock's hours and minutes are written.
std::optional<long long> WholeField(std::string_view field)
{
    long long value = 0;
    const auto [stop, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    if (field.empty() || error != std::errc() || stop != field.data() + field.size())
        return std::nullopt;
    return value;
}

// Digits with an optional fraction: "05", "05.250".
std::optional<double> SecondsField(std::string_view field)
{
    if (field.empty() || field.find_first_not_of("0123456789.") != std::string_view::npos
        || std::count(field.begin(), field.end(), '.') > 1 || field.front() == '.' || field.back() == '.')
        return std::nullopt;
    return ParseNumber(field);
}

} // namespace

std::optional<double> ParseTimeText(std::string_view text)
{
    const std::string time = Trim(text);
    const auto colon = time.rfind(':');
    if (colon == std::string::npos)
        return SecondsField(time);
    const auto seconds = SecondsField(std::string_view(time).substr(colon + 1));
    const std::string_view clock = std::string_view(time).substr(0, colon);
    const auto hoursEnd = clock.find(':');
    const auto minutes = WholeField(hoursEnd == std::string_view::npos ? clock : clock.substr(hoursEnd + 1));
    const auto hours = hoursEnd == std::string_view::npos ? std::optional<long long>(0) : WholeField(clock.substr(0, hoursEnd));
    if (!seconds || !minutes || !hours || *seconds >= 60 || *minutes >= 60)
        return std::nullopt;
    return static_cast<double>(*hours * 3600 + *minutes * 60) + *seconds;
}

double TrimmedSeconds(double fileSeconds, const TrimRange& trim)
{
    const bool known = fileSeconds > 0;
    if (!known && !trim.end)
        return 0;
    const double end = known ? std::min(fileSeconds, trim.end.value_or(fileSeconds)) : *trim.end;
    return std::max(0.0, end - trim.start);
}

std::string TimeArg(double seconds)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", std::max(0.0, seconds));
    std::string arg = text;
    arg.erase(arg.find_last_not_of('0') + 1);
    if (arg.back() == '.')
        arg.pop_back();
    return arg;
}

bool CutsAtKeyFrame(const FormatSpec& format, const TrimRange& trim)
{
    return format.kind == FormatKind::StreamCopy && trim.start > 0;
}
