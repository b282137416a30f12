// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/ProbeOutput.h"

namespace {

constexpr std::string_view kAcceptedStart = "Input #0,";

// The piece of `text` that starts at `start` and runs `length` characters,
// cut short at the end; empty when it starts past the end.
std::string Piece(const std::string& text, std::size_t start, std::size_t length = std::string::npos)
{
    return start >= text.size() ? std::string() : text.substr(start, length);
}

// One field step: the text before the first comma, and the remaining text
// after the comma and the blank that follows it. Without a comma the field is
// empty and the remaining text loses its first character.
std::string CutField(std::string& text)
{
    const auto comma = text.find(',');
    if (comma == std::string::npos) {
        text = Piece(text, 1);
        return {};
    }
    std::string field = text.substr(0, comma);
    text = Piece(text, comma + 2);
    return field;
}

std::string SizeFromField(const std::string& field)
{
    const auto x = field.find('x');
    if (x == std::string::npos || x == 0 || x + 1 >= field.size())
        return "0 x 0";
    return field.substr(0, x) + " x " + field.substr(x + 1);
}

std::string FrameRateFromText(const std::string& text)
{
    const auto fps = text.find("fps");
    std::string rate = fps == std::string::npos || fps == 0 ? std::string() : text.substr(0, fps - 1);
    // "25.00" shows as "25"; without a point the first two characters decide.
    const auto point = rate.find('.');
    const std::size_t cut = point == std::string::npos ? 0 : point;
    if (Piece(rate, point == std::string::npos ? 0 : point + 1, 2) == "00")
        rate.resize(cut);
    return rate;
}

// The "DAR" of " [SAR x:y DAR x:y]", unless the pixels are square.
std::string DisplayAspectOf(const std::string& line)
{
    const auto sar = line.find("[SAR ");
    const auto dar = sar == std::string::npos ? sar : line.find(" DAR ", sar);
    const auto end = dar == std::string::npos ? dar : line.find(']', dar);
    if (end == std::string::npos)
        return {};
    const std::string pixel = line.substr(sar + 5, dar - sar - 5);
    const std::string display = line.substr(dar + 5, end - dar - 5);
    const auto colon = pixel.find(':');
    if (colon == std::string::npos || pixel.substr(0, colon) == pixel.substr(colon + 1)
        || display.find(':') == std::string::npos)
        return {};
    return display;
}

void ReadVideoLine(const std::string& line, ProbeValues& values)
{
    // The text after "Video: "; a line with "Video:" but no blank after it is
    // read from a fixed position, as the grammar has always done.
    const auto found = line.find("Video: ");
    std::string rest = Piece(line, (found == std::string::npos ? 0 : found + 1) + 6);
    CutField(rest);
    const std::string size = CutField(rest);
    values.sizeText = SizeFromField(size);
    values.frameRateText = FrameRateFromText(rest);
    values.displayAspect = DisplayAspectOf(line);
    // " [turned 90, stored 1280x720]": the size above is the upright one.
    values.rotation = 0;
    values.storedSize.clear();
    const auto turned = line.find(" [turned ");
    const auto stored = line.find(", stored ", turned);
    const auto end = line.find(']', stored);
    if (turned != std::string::npos && stored != std::string::npos && end != std::string::npos) {
        values.rotation = std::atoi(line.c_str() + turned + 9);
        values.storedSize = SizeFromField(line.substr(stored + 9, end - stored - 9));
    }
    values.interlaced = line.find(" [interlaced]") != std::string::npos;
}

} // namespace

bool ProbeRejected(const std::vector<std::string>& lines, std::string_view partial)
{
    const std::string_view first = lines.empty() ? partial : std::string_view(lines.front());
    if (lines.empty() && partial.empty())
        return false;
    if (!lines.empty() || first.size() >= kAcceptedStart.size())
        return first.substr(0, kAcceptedStart.size()) != kAcceptedStart;
    return first != kAcceptedStart.substr(0, first.size());
}

ProbeValues ParseProbeOutput(const std::vector<std::string>& lines)
{
    ProbeValues values;
    for (const auto& line : lines) {
        const auto duration = line.find("Duration: ");
        if (duration != std::string::npos) {
            if (Piece(line, duration + 10, 3) == "N/A") {
                values.durationText = "00:00:00";
                return values;
            }
            values.durationText = Piece(line, duration + 10, 2) + ":" + Piece(line, duration + 13, 2) + ":"
                + Piece(line, duration + 16, 2);
        }
        if (line.find("Video:") != std::string::npos)
            ReadVideoLine(line, values);
    }
    return values;
}
