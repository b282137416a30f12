#include "cmdline/OptionArgs.h"
#include "cmdline/Volume.h"

#include <gtest/gtest.h>

namespace {

TEST(Volume, EachSliderPositionHasItsPercentageAndFactor)
{
    const struct {
        int position;
        const char* label;
        const char* factor;
    } table[] = {
        {0, "10%", "2"},   {1, "20%", "5"},   {2, "40%", "20"},  {3, "60%", "30"},
        {4, "80%", "40"},  {5, "100%", "50"}, {6, "120%", "60"}, {7, "140%", "70"},
        {8, "160%", "80"}, {9, "180%", "90"}, {10, "200%", "100"},
    };
    for (const auto& row : table) {
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
