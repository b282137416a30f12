// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>

// The list entries of today's formats that the command line reads by their
// text rather than by a number in them.
inline constexpr const char* kOriginalSizeEntry = "Original";          // the source's size, never scaled up
inline constexpr const char* kAutoQualityEntry = "Auto (constant quality)"; // the codec's quality factor
inline constexpr const char* kAutoEntry = "Auto";                      // frame rate and sampling rate: the source's
inline constexpr const char* kKeepHdrEntry = "Keep HDR";              // H.265, AV1, VP9: HDR stays HDR
inline constexpr const char* kToneMapEntry = "Tone-map to SDR";       // HDR becomes SDR BT.709 whatever the codec
inline constexpr const char* kWideSuffix = " wide";                    // "480 wide": the width alone bounds the picture

// The boxes of the MP4 and WebM size list, largest first; a fit to a size
// steps down them when the picture must shrink.
inline constexpr std::array<const char*, 4> kNewerPictureBoxes{"1920 x 1080", "1280 x 720", "854 x 480", "640 x 360"};
