// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The texts the media-information component writes: durations, compression
// codes and aspect ratios.
#include <cstdint>
#include <string>

// Under an hour "MM:SS", from an hour on "HH:MM:SS"; every part has at least
// two digits, the hours may have more.
std::string FormatSeconds(std::int64_t seconds);

// 0 to 3 are "RGB", "RLE8", "RLE4" and "BITFIELDS"; any other code gives its
// four bytes as characters, lowest byte first, ending early at a zero byte.
std::string FourCCToText(std::uint32_t code);

struct DurationTexts {
    std::string duration;   // FormatSeconds of the whole seconds
    std::string durationMs; // milliseconds to the nearest integer
};

// The two duration texts of a stream length in seconds.
DurationTexts StreamDurationTexts(double lengthSeconds);

struct FrameAspect {
    std::string text;
    double ratio = 0.0;
    std::int32_t x = -1;
    std::int32_t y = -1;
};

// The aspect by frame size: "4:3" with 4 and 3 when width over height lies
// strictly between 1.33 and 1.34, otherwise the ratio with at most five
// significant digits (in the user's number format) and -1, -1. A zero height
// has no ratio and throws std::domain_error.
FrameAspect AspectByFrameSize(std::int32_t width, std::int32_t height);

// Rounds to the nearest integer, an exact half to the even neighbour.
std::int64_t RoundHalfEven(double value);
