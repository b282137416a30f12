// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/cmdline/Volume.h"

#include <array>

namespace {

constexpr std::array<VolumeLevel, 11> kLevels{{
    {10, 2}, {20, 5}, {40, 20}, {60, 30}, {80, 40}, {100, 50},
    {120, 60}, {140, 70}, {160, 80}, {180, 90}, {200, 100},
}};

} // namespace

VolumeLevel VolumeForPosition(int position)
{
    if (position < 0 || position >= static_cast<int>(kLevels.size()))
        position = kDefaultVolumePosition;
    return kLevels[static_cast<std::size_t>(position)];
}

std::string VolumeLabelText(int position)
{
    return std::to_string(VolumeForPosition(position).percent) + "%";
}

std::string VolumeFactorText(int position)
{
    return std::to_string(VolumeForPosition(position).factor);
}
