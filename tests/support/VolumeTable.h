// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The volume slider's positions with the label and the factor each shows.
struct VolumeRow {
    int position;
    const char* label;
    const char* factor;
};

inline constexpr VolumeRow kVolumeTable[] = {
    {0, "10%", "2"},   {1, "20%", "5"},   {2, "40%", "20"},  {3, "60%", "30"},
    {4, "80%", "40"},  {5, "100%", "50"}, {6, "120%", "60"}, {7, "140%", "70"},
    {8, "160%", "80"}, {9, "180%", "90"}, {10, "200%", "100"},
};
