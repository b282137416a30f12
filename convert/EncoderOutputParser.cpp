// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/EncoderOutputParser.h"

#include "core/TextRules.h"

#include <array>
#include <charconv>
#include <cmath>

namespace {

constexpr std::string_view kFrameKey = "frame=";
constexpr std::string_view kSizeKey = "size=";
constexpr std::string_view kDurationKey = "Duration: ";
constexpr std::string_view kTimeKey = "time";
constexpr std::string_view kInputMarker = "Input #0,";
constexpr std::string_view kOutputMarker = "Output #0,";
constexpr std::size_t kSizeWindow = 13;
constexpr std::size_t kDurationWindow = 20;

constexpr std::array<std::string_view, 9> kErrorWords = {
    "xpxframe",      "clntcore.dll",           "failed",
    "Unexpected",    "error:",                 "Error while opening file",
    "exception encounter", "Unknown format",   "Unsupported codec",
};

std::optional<int> ReadInteger(std::string_view text)
{
    int value = 0;
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    if (text.empty() || result.ec != std::errc() || result.ptr != end)
        return std::nullopt;
    return value;
}

std::optional<double> ReadDecimal(std::string_view text)
{
    double value = 0;
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value, std::chars_format::fixed);
    if (text.empty() || result.ec != std::errc() || result.ptr != end)
        return std::nullopt;
    return value;
}

std::string FrameValue(std::string_view rest)
{
    const auto blank = rest.find(' ');
    return blank == std::string_view::npos ? std::string() : std::string(rest.substr(0, blank));
}

std::string SizeValue(std::string_view window)
{
    const auto unit = window.find("kB");
    return unit == std::string_view::npos ? std::string() : std::string(window.substr(kSizeKey.size(), unit - kSizeKey.size()));
}

std::optional<double> TimeValue(std::string_view line, std::size_t keyAt)
{
    const std::size_t from = keyAt + kTimeKey.size() + 1;
    if (from > line.size())
        return std::nullopt;
    const std::string_view rest = line.substr(from);
    const auto blank = rest.find(' ');
    if (blank == std::string_view::npos)
        return std::nullopt;
    return ReadDecimal(Trim(rest.substr(0, blank + 1)));
}

// Empties the quoted text after `marker`, up to the line's last quote.
void EmptyQuoted(std::string& line, std::string_view marker)
{
    const auto at = line.find(marker);
    if (at == std::string::npos)
        return;
    const std::size_t from = at + marker.size();
    const auto closing = line.rfind('\'');
    if (closing != std::string::npos && closing >= from)
        line.erase(from, closing - from);
}

} // namespace

std::optional<int> DurationSeconds(std::string_view field)
{
    if (field.substr(0, 3) == "N/A")
        return 1;
    std::string_view text = field.substr(0, kDurationWindow);
    const auto comma = text.find(',');
    if (comma == std::string_view::npos)
        return std::nullopt;
    text = text.substr(0, comma);
    if (const auto point = text.find('.'); point != std::string_view::npos)
        text = text.substr(0, point);
    const auto firstColon = text.find(':');
    if (firstColon == std::string_view::npos)
        return std::nullopt;
    const auto secondColon = text.find(':', firstColon + 1);
    if (secondColon == std::string_view::npos)
        return std::nullopt;
    std::string_view hoursText = text.substr(0, firstColon);
    const std::string_view minutesText = text.substr(firstColon + 1, secondColon - firstColon - 1);
    const std::string_view secondsText = text.substr(secondColon + 1, minutesText.size());
    if (hoursText.size() > 2)
        hoursText = "0";
    const auto hours = ReadInteger(hoursText);
    const auto minutes = ReadInteger(minutesText);
    const auto seconds = ReadInteger(secondsText);
    if (!hours || !minutes || !seconds)
        return std::nullopt;
    const int total = *hours * 3600 + *minutes * 60 + *seconds;
    return total == 0 ? 1 : total;
}

ProgressValues ReadProgress(std::string_view line)
{
    ProgressValues values;
    if (const auto at = line.find(kFrameKey); at != std::string_view::npos)
        values.frames = FrameValue(line.substr(at + kFrameKey.size()));
    if (const auto at = line.find(kSizeKey); at != std::string_view::npos)
        values.size = SizeValue(line.substr(at, kSizeWindow));
    if (const auto at = line.find(kDurationKey); at != std::string_view::npos)
        values.durationSeconds = DurationSeconds(line.substr(at + kDurationKey.size()));
    if (const auto at = line.find(kTimeKey); at != std::string_view::npos)
        values.timeSeconds = TimeValue(line, at);
    return values;
}

int Percent(double timeSeconds, int durationSeconds)
{
    // The default rounding mode takes halves to the even neighbour.
    return static_cast<int>(std::nearbyint(timeSeconds / durationSeconds * 100.0));
}

std::string WithoutEchoedPaths(std::string_view line)
{
    std::string text(line);
    EmptyQuoted(text, "from '");
    EmptyQuoted(text, "to '");
    return text;
}

ErrorWords FindErrorWords(std::string_view line)
{
    ErrorWords words;
    if (line.find(kInputMarker) != std::string_view::npos && line.find(kOutputMarker) != std::string_view::npos)
        return words;
    const std::string searched = WithoutEchoedPaths(line);
    for (const auto word : kErrorWords) {
        if (searched.find(word) != std::string::npos) {
            words.found = true;
            if (word == kErrorWords.back())
                words.unsupportedCodec = true;
        }
    }
    return words;
}

bool IsAcceptedFirstLine(std::string_view line)
{
    return line.substr(0, kInputMarker.size()) == kInputMarker;
}

bool BeginsOutputBlock(std::string_view line)
{
    return line.substr(0, kOutputMarker.size()) == kOutputMarker;
}

std::string ReasonFromLine(std::string_view line, std::initializer_list<EchoedPath> paths)
{
    std::string text(line);
    for (const EchoedPath& echoed : paths) {
        for (auto at = text.find(echoed.path); !echoed.path.empty() && at != std::string::npos;
             at = text.find(echoed.path, at + echoed.shownAs.size()))
            text.replace(at, echoed.path.size(), echoed.shownAs);
    }
    std::string tidy;
    for (const char c : Trim(text)) {
        if (c == ' ' && !tidy.empty() && tidy.back() == ' ')
            continue;
        tidy.push_back(c);
    }
    return tidy;
}
