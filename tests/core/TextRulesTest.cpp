// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/TextRules.h"

#include <gtest/gtest.h>

namespace {

TEST(TextRules, ReadAndMakeTheTextsOfCellsAndPieces)
{
    EXPECT_EQ(Trim(" \t12\r\n"), "12");
    EXPECT_EQ(Trim(" \x01\x1f"), "");
    EXPECT_EQ(ToLower(" MP4 "), " mp4 ");
    EXPECT_EQ(RemoveBlanks(" 320 x 240 "), "320x240");
    EXPECT_EQ(NumberBeforeUnit("512 Kbps", 'K'), "512");
    EXPECT_EQ(NumberBeforeUnit("K", 'K'), "");
    EXPECT_EQ(FileNameOf("/v/a.b.avi"), "a.b.avi");
    EXPECT_EQ(ExtensionOf("/v/a.b.AVI"), ".AVI");
    EXPECT_EQ(ExtensionOf("/v/plain"), "");
    EXPECT_EQ(ParseNumber(" 29.97 "), 29.97);
    EXPECT_EQ(ParseNumber("29.97 fps"), std::nullopt);
    EXPECT_EQ(NumberText(177.7777777777777), "177.777777777778");
    EXPECT_EQ(ClockText(20), "00:00:20");
    EXPECT_EQ(ClockText(3723), "01:02:03");
    EXPECT_EQ(ClockSeconds("00:01:00"), 60);
    EXPECT_EQ(ClockSeconds("01:30"), 90);
    EXPECT_EQ(ClockSeconds(""), std::nullopt);
    EXPECT_EQ(ClockSeconds("Unknown"), std::nullopt);
    EXPECT_EQ(ClockSeconds("00:-1:00"), std::nullopt);
    EXPECT_EQ(PercentText(8), "8%");
    EXPECT_EQ(PercentText(300), "100%");
    EXPECT_EQ(PercentText(-4), "-4%");
}

} // namespace
