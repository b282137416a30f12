#include "cli/ProgressDisplay.h"

#include "core/BatchStatusText.h"

#include <cmath>
#include <cstdio>
#include <ostream>
#include <vector>

namespace {

// The byte offsets where UTF-8 characters begin, so a cut never splits one.
std::vector<std::size_t> CharacterStarts(const std::string& text)
{
    std::vector<std::size_t> starts;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80)
            starts.push_back(i);
    }
    return starts;
}

} // namespace

std::string ProgressLine(const std::string& fileName, int percent, double elapsedSeconds, int mediaSeconds)
{
    std::string line = fileName + "  " + std::to_string(percent) + "%";
    if (percent <= 0 || elapsedSeconds <= 0)
        return line;
    char speed[32];
    if (mediaSeconds > 0) {
        std::snprintf(speed, sizeof speed, "  %.1fx", percent / 100.0 * mediaSeconds / elapsedSeconds);
        line += speed;
    }
    if (percent < 100)
        line += "  " + TimeLeftText(static_cast<int>(std::lround(elapsedSeconds * (100 - percent) / percent)));
    return line;
}

std::string FitToColumns(const std::string& text, int columns)
{
    const std::vector<std::size_t> starts = CharacterStarts(text);
    const int length = static_cast<int>(starts.size());
    if (length <= columns)
        return text;
    constexpr int kEllipsis = 3;
    if (columns <= kEllipsis)
        return text.substr(0, columns > 0 ? starts[columns] : 0);
    const int head = (columns - kEllipsis) / 2;
    const int tail = columns - kEllipsis - head;
    return text.substr(0, starts[head]) + "..." + text.substr(starts[length - tail]);
}

ProgressDisplay::ProgressDisplay(std::ostream& err, ProgressStyle style, int columns)
    : err_(err)
    , style_(style)
    , columns_(columns)
{
}

void ProgressDisplay::progressed(const std::vector<std::string>& progressLines)
{
    if (style_ != ProgressStyle::Terminal)
        return;
    std::string line;
    for (const std::string& part : progressLines)
        line += (line.empty() ? "" : "  |  ") + part;
    draw(line);
}

void ProgressDisplay::finished(const RowReport& report)
{
    if (style_ == ProgressStyle::Quiet)
        return;
    if (style_ == ProgressStyle::Terminal) {
        draw(VerdictLine(report));
        err_ << '\n' << std::flush;
        drawn_ = 0;
        return;
    }
    err_ << VerdictLine(report) << '\n' << std::flush;
}

void ProgressDisplay::note(const std::string& line)
{
    if (style_ == ProgressStyle::Quiet)
        return;
    if (style_ == ProgressStyle::Terminal) {
        draw(line);
        err_ << '\n' << std::flush;
        drawn_ = 0;
        return;
    }
    err_ << line << '\n' << std::flush;
}

// Over the line drawn before; the last column stays free so that the
// terminal never wraps.
void ProgressDisplay::draw(std::string line)
{
    line = FitToColumns(line, columns_ - 1);
    const std::size_t length = CharacterStarts(line).size();
    if (length < drawn_)
        line.append(drawn_ - length, ' ');
    drawn_ = length;
    err_ << '\r' << line << std::flush;
}
