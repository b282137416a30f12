// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The volume slider: a position 0 to 10 becomes the percentage the label
// shows and the factor the encoder receives ("50" leaves the volume as it is).
#include <string>

inline constexpr const char* kUnchangedVolumeFactor = "50";
inline constexpr int kDefaultVolumePosition = 5;

struct VolumeLevel {
    int percent; // shown as "<percent>%"
    int factor;  // sent as -vol_factor, in fiftieths
};

// Positions outside 0 to 10 count as the default position.
VolumeLevel VolumeForPosition(int position);

// "100%" for position 5.
std::string VolumeLabelText(int position);

// "50" for position 5: the factor as decimal text.
std::string VolumeFactorText(int position);
