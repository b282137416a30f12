// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/TextRules.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace {

bool IsBlankOrControl(char c)
{
    return static_cast<unsigned char>(c) <= ' ';
}

} // namespace

std::string Trim(std::string_view text)
{
    while (!text.empty() && IsBlankOrControl(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlankOrControl(text.back()))
        text.remove_suffix(1);
    return std::string(text);
}

std::string ToLower(std::string_view text)
{
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return lower;
}

std::string RemoveBlanks(std::string_view text)
{
    std::string result;
    std::copy_if(text.begin(), text.end(), std::back_inserter(result), [](char c) { return c != ' '; });
    return result;
}

std::string NumberBeforeUnit(std::string_view text, char mark)
{
    const auto position = text.find(mark);
    if (position == std::string_view::npos || position < 1)
        return {};
    return std::string(text.substr(0, position - 1));
}

std::string FileNameOf(std::string_view path)
{
    const auto slash = path.rfind('/');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string ExtensionOf(std::string_view path)
{
    const std::string name = FileNameOf(path);
    const auto dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : name.substr(dot);
}

std::optional<double> ParseNumber(std::string_view text)
{
    const std::string trimmed = Trim(text);
    if (trimmed.empty())
        return std::nullopt;
    double value = 0;
    const char* end = trimmed.data() + trimmed.size();
    const auto [stop, error] = std::from_chars(trimmed.data(), end, value);
    if (error != std::errc() || stop != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::string NumberText(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.15g", value);
    return text;
}

std::string ClockText(long long seconds)
{
    if (seconds < 0)
        seconds = 0;
    char text[48];
    std::snprintf(text, sizeof text, "%02lld:%02lld:%02lld", seconds / 3600, seconds / 60 % 60, seconds % 60);
    return text;
}

std::optional<long long> ClockSeconds(std::string_view text)
{
    long long total = 0;
    int fields = 0;
    std::string_view rest = text;
    while (true) {
        const auto colon = rest.find(':');
        const std::string_view field = rest.substr(0, colon);
        long long value = 0;
        const auto [stop, error] = std::from_chars(field.data(), field.data() + field.size(), value);
        if (field.empty() || error != std::errc() || stop != field.data() + field.size() || value < 0)
            return std::nullopt;
        total = total * 60 + value;
        ++fields;
        if (colon == std::string_view::npos)
            break;
        rest.remove_prefix(colon + 1);
    }
    if (fields < 2 || fields > 3)
        return std::nullopt;
    return total;
}

std::string PercentText(int percent)
{
    return std::to_string(percent > 100 ? 100 : percent) + "%";
}
