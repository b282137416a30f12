// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/cmdline/OptionArgs.h"
#include "core/cmdline/Volume.h"

#include "support/VolumeTable.h"

#include <gtest/gtest.h>

namespace {

TEST(Volume, EachSliderPositionHasItsPercentageAndFactor)
{
    for (const auto& row : kVolumeTable) {
        EXPECT_EQ(VolumeLabelText(row.position), row.label) << row.position;
        EXPECT_EQ(VolumeFactorText(row.position), row.factor) << row.position;
    }
}

TEST(Volume, OtherPositionsCountAsTheStartPosition)
{
    for (int position : {-1, 11, 1000}) {
        EXPECT_EQ(VolumeLabelText(position), "100%");
        EXPECT_EQ(VolumeFactorText(position), "50");
    }
}

TEST(Volume, OnlyTheStartPositionLeavesTheVolumeAlone)
{
    EXPECT_EQ(VolumeArg(VolumeFactorText(0)), " -vol_factor \"2\"");
    EXPECT_EQ(VolumeArg(VolumeFactorText(1)), " -vol_factor \"5\"");
    EXPECT_EQ(VolumeArg(VolumeFactorText(5)), "");
    EXPECT_EQ(VolumeArg(VolumeFactorText(10)), " -vol_factor \"100\"");
}

} // namespace
