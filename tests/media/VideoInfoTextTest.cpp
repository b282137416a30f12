// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/VideoInfoText.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace {

TEST(FormatSeconds, MinutesAndSecondsUnderAnHourHoursFromThereOn)
{
    EXPECT_EQ(FormatSeconds(75), "01:15");
    EXPECT_EQ(FormatSeconds(3725), "01:02:05");
    EXPECT_EQ(FormatSeconds(0), "00:00");
    EXPECT_EQ(FormatSeconds(3599), "59:59");
    EXPECT_EQ(FormatSeconds(3600), "01:00:00");
    EXPECT_EQ(FormatSeconds(100 * 3600 + 61), "100:01:01");
}

TEST(FormatSeconds, AStreamLengthIsCutToWholeSeconds)
{
    const DurationTexts texts = StreamDurationTexts(59.9);
    EXPECT_EQ(texts.duration, "00:59");
    EXPECT_EQ(texts.durationMs, "59900");
    EXPECT_EQ(StreamDurationTexts(90.04).duration, "01:30");
    EXPECT_EQ(StreamDurationTexts(0.0004).durationMs, "0");
}

TEST(FourCCToText, SmallCodesHaveNamesOthersAreTheirCharacters)
{
    EXPECT_EQ(FourCCToText(0), "RGB");
    EXPECT_EQ(FourCCToText(1), "RLE8");
    EXPECT_EQ(FourCCToText(2), "RLE4");
    EXPECT_EQ(FourCCToText(3), "BITFIELDS");
    EXPECT_EQ(FourCCToText(0x44495658), "XVID");
    EXPECT_EQ(FourCCToText(0x00003859), "Y8");
    EXPECT_EQ(FourCCToText(0x20424944), "DIB ");
    EXPECT_EQ(FourCCToText(0x00000004), "\x04");
}

TEST(AspectByFrameSize, FourToThreeOrTheRatio)
{
    const FrameAspect vga = AspectByFrameSize(640, 480);
    EXPECT_EQ(vga.text, "4:3");
    EXPECT_EQ(vga.x, 4);
    EXPECT_EQ(vga.y, 3);
    EXPECT_DOUBLE_EQ(vga.ratio, 640.0 / 480.0);

    const FrameAspect pal = AspectByFrameSize(720, 576);
    EXPECT_EQ(pal.text, "1.25");
    EXPECT_EQ(pal.x, -1);
    EXPECT_EQ(pal.y, -1);

    const FrameAspect hd = AspectByFrameSize(1280, 720);
    EXPECT_EQ(hd.text, "1.7778");
    EXPECT_EQ(hd.x, -1);
    EXPECT_EQ(hd.y, -1);

    EXPECT_EQ(AspectByFrameSize(640, 352).text, "1.8182");
    EXPECT_EQ(AspectByFrameSize(320, 320).text, "1");
    EXPECT_EQ(AspectByFrameSize(0, 240).text, "0");
}

TEST(AspectByFrameSize, TheBandIsOpenAtBothEnds)
{
    EXPECT_EQ(AspectByFrameSize(133, 100).text, "1.33");
    EXPECT_EQ(AspectByFrameSize(134, 100).text, "1.34");
    EXPECT_EQ(AspectByFrameSize(1335, 1000).text, "4:3");
}

TEST(AspectByFrameSize, AZeroHeightIsAnError)
{
    EXPECT_THROW(AspectByFrameSize(320, 0), std::domain_error);
}

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour)
{
    EXPECT_EQ(RoundHalfEven(29.97), 30);
    EXPECT_EQ(RoundHalfEven(23.976), 24);
    EXPECT_EQ(RoundHalfEven(12.5), 12);
    EXPECT_EQ(RoundHalfEven(13.5), 14);
    EXPECT_EQ(RoundHalfEven(0.0), 0);
}

} // namespace
