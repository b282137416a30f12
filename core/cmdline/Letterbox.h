// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Letterbox arithmetic: fit the source picture into the target frame with
// its own aspect ratio and fill the rest with bars. The source is the row's
// "Video Size" cell ("640 x 352"); the target is the plain size piece
// (" -s 320x240"). Results are size pieces or the text "error".
//
// A picture of non-square pixels comes with its display aspect ("16:9"): it
// is fitted as it is shown, at its stored height (720 x 480 at 16:9 as
// 853.3 x 480), since the encoder fills bars with square pixels. Without a
// display aspect, or into a frame of its own stored size, the stored size
// is used.
#include <optional>
#include <string>

inline constexpr const char* kLetterboxError = "error";

enum class LetterboxMode {
    None = 0,      // same ratio, or a size that cannot be read
    TopBottom = 1, // the source is wider than the target
    LeftRight = 2, // the source is narrower than the target
};

LetterboxMode OrientationTest(const std::string& sourceSize, const std::string& sizeArg,
                              const std::string& displayAspect = {});

// " -s 320x176 -padtop 32 -padbottom 32" for 640 x 352 into 320x240.
std::string TopBottomPads(const std::string& sourceSize, const std::string& sizeArg,
                          const std::string& displayAspect = {});

// " -s 292x240 -padleft 14 -padright 14" for 352 x 288 into 320x240.
std::string LeftRightPads(const std::string& sourceSize, const std::string& sizeArg,
                          const std::string& displayAspect = {});

// The size piece with bars when the source's shape differs from the
// target's, else (same shape, unknown source, or the arithmetic failing)
// the plain piece as it came.
std::string LetterboxedSize(const std::string& sourceSize, const std::string& sizeArg,
                            const std::string& displayAspect = {});

// A picture dimension made even: cut at the decimal point (15 significant
// digits), then an odd number ending in 1 goes up by one, any other odd
// number down by one. Nothing when the number has no plain decimal form.
std::optional<long long> MakeEven(double dimension);
