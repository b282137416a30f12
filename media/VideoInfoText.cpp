// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/VideoInfoText.h"

#include <QLocale>
#include <cmath>
#include <cstdio>
#include <stdexcept>

namespace {

std::string TwoDigits(std::int64_t value)
{
    char text[24];
    std::snprintf(text, sizeof text, "%02lld", static_cast<long long>(value));
    return text;
}

} // namespace

std::string FormatSeconds(std::int64_t seconds)
{
    const std::int64_t minutes = seconds / 60 % 60;
    const std::int64_t rest = seconds % 60;
    if (seconds < 3600)
        return TwoDigits(seconds / 60) + ":" + TwoDigits(rest);
    return TwoDigits(seconds / 3600) + ":" + TwoDigits(minutes) + ":" + TwoDigits(rest);
}

std::string FourCCToText(std::uint32_t code)
{
    switch (code) {
    case 0: return "RGB";
    case 1: return "RLE8";
    case 2: return "RLE4";
    case 3: return "BITFIELDS";
    default: break;
    }
    std::string text;
    for (int shift = 0; shift < 32; shift += 8) {
        const char c = static_cast<char>((code >> shift) & 0xFF);
        if (c == '\0')
            break;
        text += c;
    }
    return text;
}

std::int64_t RoundHalfEven(double value)
{
    // The default rounding mode sends an exact half to the even neighbour.
    return static_cast<std::int64_t>(std::nearbyint(value));
}

DurationTexts StreamDurationTexts(double lengthSeconds)
{
    return {FormatSeconds(static_cast<std::int64_t>(lengthSeconds)), std::to_string(RoundHalfEven(lengthSeconds * 1000.0))};
}

FrameAspect AspectByFrameSize(std::int32_t width, std::int32_t height)
{
    if (height == 0)
        throw std::domain_error("the frame height is zero");
    FrameAspect aspect;
    aspect.ratio = static_cast<double>(width) / height;
    if (aspect.ratio > 1.33 && aspect.ratio < 1.34) {
        aspect.text = "4:3";
        aspect.x = 4;
        aspect.y = 3;
        return aspect;
    }
    QLocale locale = QLocale::system();
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    aspect.text = locale.toString(aspect.ratio, 'g', 5).toStdString();
    return aspect;
}
