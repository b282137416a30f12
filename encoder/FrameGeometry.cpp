// SPDX-License-Identifier: GPL-3.0-or-later
#include "encoder/FrameGeometry.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace ridod2e {
namespace {

constexpr std::array<FrameDimensions, 5> H263Sizes = {{{128, 96}, {176, 144}, {352, 288}, {704, 576}, {1408, 1152}}};

// Makes picture + bars even along one axis: the odd pixel comes off the far
// bar when there is one, else off the picture; then an odd picture gives a
// pixel to the far bar and an odd near bar gives one to the far bar, so
// every edge falls on a chroma sample.
void EvenAxis(int& picture, int& nearBar, int& farBar)
{
    if ((picture + nearBar + farBar) % 2) {
        if (farBar > 0)
            --farBar;
        else if (picture > 2)
            --picture;
        else
            ++picture;
    }
    if (picture % 2) {
        --picture;
        ++farBar;
    }
    if (nearBar % 2) {
        --nearBar;
        ++farBar;
    }
}

} // namespace

FrameGeometry PlanGeometry(FrameDimensions source, const std::optional<FrameDimensions>& size, const Padding& bars,
                           bool evenSizes)
{
    FrameGeometry geometry;
    const FrameDimensions picture = size.value_or(source);
    geometry.pictureWidth = std::max(1, picture.width);
    geometry.pictureHeight = std::max(1, picture.height);
    geometry.bars = bars;
    if (evenSizes) {
        EvenAxis(geometry.pictureWidth, geometry.bars.left, geometry.bars.right);
        EvenAxis(geometry.pictureHeight, geometry.bars.top, geometry.bars.bottom);
    }
    return geometry;
}

AVRational OutputPixelAspect(FrameDimensions source, AVRational sourceAspect, const FrameGeometry& geometry,
                             bool resized)
{
    constexpr AVRational square {1, 1};
    if (geometry.hasBars())
        return square;
    if (!resized)
        return {0, 1};
    const bool known = sourceAspect.num > 0 && sourceAspect.den > 0 && source.width > 0 && source.height > 0;
    if (!known || av_cmp_q(sourceAspect, square) == 0)
        return square;
    // Containers and codecs store the shape in bytes: at most 255:255.
    AVRational aspect {};
    av_reduce(&aspect.num, &aspect.den, int64_t {sourceAspect.num} * source.width * geometry.frameHeight(),
              int64_t {sourceAspect.den} * source.height * geometry.frameWidth(), 255);
    return aspect;
}

AVRational KeptThroughEvenSize(AVRational aspect, AVRational sourceAspect, FrameDimensions asked,
                               const FrameGeometry& geometry)
{
    const bool same = asked.width == geometry.pictureWidth && asked.height == geometry.pictureHeight;
    if (same || geometry.hasBars() || asked.width <= 0 || asked.height <= 0)
        return aspect;
    AVRational base = aspect.num > 0 ? aspect : sourceAspect;
    if (base.num <= 0 || base.den <= 0)
        base = {1, 1};
    AVRational kept {};
    av_reduce(&kept.num, &kept.den, int64_t {base.num} * asked.width * geometry.pictureHeight,
              int64_t {base.den} * asked.height * geometry.pictureWidth, 255);
    return kept;
}

FrameDimensions FitInside(FrameDimensions source, AVRational pixelAspect, FrameDimensions box)
{
    const double aspect = pixelAspect.num > 0 && pixelAspect.den > 0 ? av_q2d(pixelAspect) : 1.0;
    const double shownWidth = std::max(1, source.width) * aspect;
    const double shownHeight = std::max(1, source.height);
    double scale = HUGE_VAL;
    if (box.width > 0)
        scale = box.width / shownWidth;
    if (box.height > 0)
        scale = std::min(scale, box.height / shownHeight);
    const auto even = [](double side, int bound) {
        const int rounded = std::max(2, 2 * static_cast<int>(std::lround(side / 2)));
        return bound > 0 ? std::min(rounded, std::max(2, bound - bound % 2)) : rounded;
    };
    return {even(shownWidth * scale, box.width), even(shownHeight * scale, box.height)};
}

bool IsStandardH263Size(int width, int height)
{
    return std::any_of(H263Sizes.begin(), H263Sizes.end(),
                       [&](const FrameDimensions& s) { return s.width == width && s.height == height; });
}

bool FitsH263CustomFormat(int width, int height)
{
    return width % 4 == 0 && height % 4 == 0 && width >= 4 && height >= 4 && width <= 2048 && height <= 1152;
}

std::string StandardH263Sizes()
{
    std::string text;
    for (const FrameDimensions& s : H263Sizes)
        text += (text.empty() ? "" : ", ") + std::to_string(s.width) + "x" + std::to_string(s.height);
    return text;
}

} // namespace ridod2e
