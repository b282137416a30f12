// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/cmdline/Letterbox.h"

#include "core/cmdline/CommandPieces.h"
#include "core/TextRules.h"

#include <charconv>

namespace {

struct Size {
    double width;
    double height;
};

// "640 x 352": the width before the first blank, the height from three characters after it.
std::optional<Size> ParseSource(const std::string& sourceSize)
{
    const std::string text = ToLower(sourceSize);
    const auto blank = text.find(' ');
    if (blank == std::string::npos)
        return std::nullopt;
    const auto width = ParseNumber(text.substr(0, blank));
    const auto height = ParseNumber(blank + 3 <= text.size() ? text.substr(blank + 3) : std::string());
    if (!width || !height)
        return std::nullopt;
    return Size{*width, *height};
}

// " -s 320x240": the text from two characters after the first "s", split at its "x".
std::optional<Size> ParseTarget(const std::string& sizeArg)
{
    const std::string text = ToLower(sizeArg);
    const auto s = text.find('s');
    if (s == std::string::npos)
        return std::nullopt;
    const std::string size = s + 2 <= text.size() ? text.substr(s + 2) : std::string();
    const auto x = size.find('x');
    if (x == std::string::npos)
        return std::nullopt;
    const auto width = ParseNumber(size.substr(0, x));
    const auto height = ParseNumber(size.substr(x + 1));
    if (!width || !height || *width == 0 || *height == 0)
        return std::nullopt;
    return Size{*width, *height};
}

// "16:9": two positive whole numbers around a colon.
std::optional<double> AspectOf(const std::string& displayAspect)
{
    const auto colon = displayAspect.find(':');
    if (colon == std::string::npos)
        return std::nullopt;
    const auto x = ParseNumber(displayAspect.substr(0, colon));
    const auto y = ParseNumber(displayAspect.substr(colon + 1));
    if (!x || !y || *x <= 0 || *y <= 0)
        return std::nullopt;
    return *x / *y;
}

// The source as it is shown: widened or narrowed to its display aspect at
// its stored height, unless the frame is the stored size itself.
Size ShownSource(Size stored, const Size& target, const std::string& displayAspect)
{
    const auto aspect = AspectOf(displayAspect);
    if (aspect && (stored.width != target.width || stored.height != target.height))
        stored.width = stored.height * *aspect;
    return stored;
}

std::optional<long long> WholeNumber(const std::string& text)
{
    long long value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end)
        return std::nullopt;
    return value;
}

// The bar thickness for a picture dimension inside a frame dimension: half
// the difference, a whole number, made even downwards.
std::optional<long long> Bar(double frame, long long picture)
{
    const double difference = frame > picture ? frame - picture : picture - frame;
    auto bar = WholeNumber(NumberText(difference / 2));
    if (bar && *bar % 2 != 0)
        --*bar;
    return bar;
}

enum class Bars { TopBottom, LeftRight };

std::string Pads(const std::string& sourceSize, const std::string& sizeArg, const std::string& displayAspect, Bars bars)
{
    const auto stored = ParseSource(sourceSize);
    if (!stored || stored->width == 0 || stored->height == 0)
        return kLetterboxError;
    const auto target = ParseTarget(sizeArg);
    if (!target)
        return kLetterboxError;
    const Size source = ShownSource(*stored, *target, displayAspect);
    const double sourceRatio = source.width / source.height;
    const bool topBottom = bars == Bars::TopBottom;
    const auto picture = topBottom ? MakeEven(target->width / sourceRatio) : MakeEven(sourceRatio * target->height);
    if (!picture)
        return kLetterboxError;
    const double frame = topBottom ? target->height : target->width;
    const auto bar = Bar(frame, *picture);
    if (!bar)
        return kLetterboxError;
    std::string result(pieces::kSizeHead);
    if (*bar == 0)
        return result + NumberText(target->width) + "x" + NumberText(target->height);
    const std::string sent = NumberText(frame - 2.0 * static_cast<double>(*bar));
    const std::string thickness = std::to_string(*bar);
    if (topBottom)
        return result + NumberText(target->width) + "x" + sent + std::string(pieces::kPadTop) + thickness
            + std::string(pieces::kPadBottom) + thickness;
    return result + sent + "x" + NumberText(target->height) + std::string(pieces::kPadLeft) + thickness
        + std::string(pieces::kPadRight) + thickness;
}

} // namespace

std::optional<long long> MakeEven(double dimension)
{
    std::string text = NumberText(dimension);
    const auto point = text.find('.');
    if (point != std::string::npos)
        text.resize(point);
    auto whole = WholeNumber(text);
    if (whole && *whole % 2 != 0)
        *whole += text.back() == '1' ? 1 : -1;
    return whole;
}

LetterboxMode OrientationTest(const std::string& sourceSize, const std::string& sizeArg, const std::string& displayAspect)
{
    const auto stored = ParseSource(sourceSize);
    if (!stored || stored->width == 0 || stored->height == 0)
        return LetterboxMode::None;
    const auto target = ParseTarget(sizeArg);
    if (!target)
        return LetterboxMode::None;
    const Size source = ShownSource(*stored, *target, displayAspect);
    const double sourceRatio = source.width / source.height;
    const double targetRatio = target->width / target->height;
    if (sourceRatio > targetRatio)
        return LetterboxMode::TopBottom;
    if (sourceRatio < targetRatio)
        return LetterboxMode::LeftRight;
    return LetterboxMode::None;
}

std::string TopBottomPads(const std::string& sourceSize, const std::string& sizeArg, const std::string& displayAspect)
{
    return Pads(sourceSize, sizeArg, displayAspect, Bars::TopBottom);
}

std::string LeftRightPads(const std::string& sourceSize, const std::string& sizeArg, const std::string& displayAspect)
{
    return Pads(sourceSize, sizeArg, displayAspect, Bars::LeftRight);
}

std::string LetterboxedSize(const std::string& sourceSize, const std::string& sizeArg, const std::string& displayAspect)
{
    std::string barred = sizeArg;
    switch (OrientationTest(sourceSize, sizeArg, displayAspect)) {
    case LetterboxMode::TopBottom:
        barred = TopBottomPads(sourceSize, sizeArg, displayAspect);
        break;
    case LetterboxMode::LeftRight:
        barred = LeftRightPads(sourceSize, sizeArg, displayAspect);
        break;
    case LetterboxMode::None:
        break;
    }
    return barred == kLetterboxError ? sizeArg : barred;
}
