// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ProgressDisplay.h"

#include "core/BatchStatusText.h"
#include "core/TextRules.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cwchar>
#include <locale.h>
#include <ostream>

namespace {

constexpr const char* kPartSeparator = "  |  ";
constexpr const char* kEllipsis = "...";

// A character of the text: where its bytes begin and the columns it takes.
struct Glyph {
    std::size_t start;
    int width;
};

// Widths are told by the C library's tables for UTF-8, whatever the
// process's own locale; without them each byte counts as a column, which
// never underestimates.
locale_t Utf8Ctype()
{
    static const locale_t utf8 = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr));
    return utf8;
}

std::vector<Glyph> Glyphs(const std::string& text)
{
    const locale_t utf8 = Utf8Ctype();
    const locale_t previous = utf8 != nullptr ? uselocale(utf8) : nullptr;
    std::vector<Glyph> glyphs;
    std::mbstate_t state{};
    for (std::size_t at = 0; at < text.size();) {
        wchar_t character = 0;
        std::size_t length = std::mbrtowc(&character, text.data() + at, text.size() - at, &state);
        int width = 1;
        if (length == 0 || length == static_cast<std::size_t>(-1) || length == static_cast<std::size_t>(-2)) {
            // A byte that begins no character (or a NUL) is shown as one column.
            length = 1;
            state = {};
        } else if (const int shown = ::wcwidth(character); shown >= 0) {
            width = shown;
        }
        glyphs.push_back({at, width});
        at += length;
    }
    if (utf8 != nullptr)
        uselocale(previous);
    return glyphs;
}

int WidthOf(const std::vector<Glyph>& glyphs, std::size_t from, std::size_t to)
{
    int width = 0;
    for (std::size_t i = from; i < to; ++i)
        width += glyphs[i].width;
    return width;
}

// The text's beginning that fits in `columns`.
std::string HeadOf(const std::string& text, const std::vector<Glyph>& glyphs, int columns)
{
    int width = 0;
    for (const Glyph& glyph : glyphs) {
        if (width + glyph.width > columns)
            return text.substr(0, glyph.start);
        width += glyph.width;
    }
    return text;
}

} // namespace

ProgressPart ProgressLine(const std::string& fileName, int percent, double elapsedSeconds, int mediaSeconds)
{
    ProgressPart part{fileName, "  " + std::to_string(percent) + "%"};
    if (percent <= 0 || elapsedSeconds <= 0)
        return part;
    char speed[32];
    if (mediaSeconds > 0) {
        std::snprintf(speed, sizeof speed, "  %.1fx", percent / 100.0 * mediaSeconds / elapsedSeconds);
        part.tail += speed;
    }
    if (percent < 100)
        part.tail += "  " + TimeLeftText(static_cast<int>(std::lround(elapsedSeconds * (100 - percent) / percent)));
    return part;
}

int DisplayWidth(const std::string& text)
{
    const std::vector<Glyph> glyphs = Glyphs(text);
    return WidthOf(glyphs, 0, glyphs.size());
}

std::string FitToColumns(const std::string& text, int columns)
{
    const std::vector<Glyph> glyphs = Glyphs(text);
    if (WidthOf(glyphs, 0, glyphs.size()) <= columns)
        return text;
    const int ellipsis = DisplayWidth(kEllipsis);
    if (columns <= ellipsis)
        return HeadOf(text, glyphs, columns);
    const int headRoom = (columns - ellipsis) / 2;
    int tailRoom = columns - ellipsis - headRoom;
    std::size_t tail = glyphs.size();
    while (tail > 0 && glyphs[tail - 1].width <= tailRoom)
        tailRoom -= glyphs[--tail].width;
    return HeadOf(text, glyphs, headRoom) + kEllipsis + text.substr(glyphs[tail].start);
}

std::string FitParts(const std::vector<ProgressPart>& parts, int columns)
{
    const int separators = parts.empty() ? 0 : static_cast<int>(parts.size() - 1) * DisplayWidth(kPartSeparator);
    int room = columns - separators;
    for (const ProgressPart& part : parts)
        room -= DisplayWidth(part.tail);
    std::string line;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const int share = std::max(0, room) / static_cast<int>(parts.size() - i);
        const std::string name = FitToColumns(parts[i].name, share);
        room -= DisplayWidth(name);
        line += (i == 0 ? "" : kPartSeparator) + name + parts[i].tail;
    }
    return HeadOf(line, Glyphs(line), columns);
}

ProgressDisplay::ProgressDisplay(std::ostream& err, ProgressStyle style, int columns)
    : err_(err)
    , style_(style)
    , columns_(columns)
{
}

void ProgressDisplay::progressed(const std::vector<ProgressPart>& parts)
{
    if (style_ == ProgressStyle::Terminal)
        draw(parts);
}

void ProgressDisplay::finished(const RowReport& report)
{
    if (style_ == ProgressStyle::Quiet)
        return;
    if (style_ == ProgressStyle::Terminal) {
        draw({{FileNameOf(report.row.caption), ": " + VerdictOf(report)}});
        err_ << '\n' << std::flush;
        drawn_ = 0;
        return;
    }
    err_ << VerdictLine(report) << '\n' << std::flush;
}

void ProgressDisplay::note(const ProgressPart& line)
{
    if (style_ == ProgressStyle::Quiet)
        return;
    if (style_ == ProgressStyle::Terminal) {
        draw({line});
        err_ << '\n' << std::flush;
        drawn_ = 0;
        return;
    }
    err_ << line.text() << '\n' << std::flush;
}

// Over the line drawn before; the last column stays free so that the
// terminal never wraps.
void ProgressDisplay::draw(const std::vector<ProgressPart>& parts)
{
    std::string line = FitParts(parts, columns_ - 1);
    const int width = DisplayWidth(line);
    if (width < drawn_)
        line.append(static_cast<std::size_t>(drawn_ - width), ' ');
    drawn_ = width;
    err_ << '\r' << line << std::flush;
}
