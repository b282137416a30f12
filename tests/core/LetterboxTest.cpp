// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/cmdline/Letterbox.h"

#include <gtest/gtest.h>

namespace {

struct WorkedResult {
    const char* source;
    const char* target;
    LetterboxMode mode;
    const char* piece;
    const char* displayAspect = ""; // of a picture whose pixels are not square
};

const WorkedResult kWorkedResults[] = {
    {"640 x 352", " -s 320x240", LetterboxMode::TopBottom, " -s 320x176 -padtop 32 -padbottom 32"},
    {"720 x 400", " -s 320x240", LetterboxMode::TopBottom, " -s 320x176 -padtop 32 -padbottom 32"},
    {"704 x 384", " -s 320x240", LetterboxMode::TopBottom, " -s 320x176 -padtop 32 -padbottom 32"},
    {"1280 x 720", " -s 320x240", LetterboxMode::TopBottom, " -s 320x180 -padtop 30 -padbottom 30"},
    {"720 x 480", " -s 320x240", LetterboxMode::TopBottom, " -s 320x212 -padtop 14 -padbottom 14"},
    {"480 x 480", " -s 320x240", LetterboxMode::LeftRight, " -s 240x240 -padleft 40 -padright 40"},
    {"720 x 576", " -s 320x240", LetterboxMode::LeftRight, " -s 300x240 -padleft 10 -padright 10"},
    {"352 x 288", " -s 320x240", LetterboxMode::LeftRight, " -s 292x240 -padleft 14 -padright 14"},
    {"640 x 480", " -s 320x240", LetterboxMode::None, " -s 320x240"},
    {"1920 x 1080", " -s 640x480", LetterboxMode::TopBottom, " -s 640x360 -padtop 60 -padbottom 60"},
    // Non-square pixels: fitted as shown, at the stored height.
    {"720 x 480", " -s 320x240", LetterboxMode::TopBottom, " -s 320x180 -padtop 30 -padbottom 30", "16:9"},
    {"720 x 576", " -s 640x480", LetterboxMode::TopBottom, " -s 640x360 -padtop 60 -padbottom 60", "16:9"},
    {"720 x 480", " -s 320x240", LetterboxMode::TopBottom, " -s 320x236 -padtop 2 -padbottom 2", "15:11"},
    {"720 x 480", " -s 320x240", LetterboxMode::None, " -s 320x240", "4:3"},
    {"480 x 576", " -s 320x240", LetterboxMode::None, " -s 320x240", "4:3"},
    {"480 x 576", " -s 368x208", LetterboxMode::LeftRight, " -s 276x208 -padleft 46 -padright 46", "4:3"},
    {"720 x 480", " -s 368x208", LetterboxMode::TopBottom, " -s 368x208", "16:9"}, // a bar of 1 is none
    {"720 x 480", " -s 720x480", LetterboxMode::None, " -s 720x480", "16:9"},      // the stored size itself
    {"720 x 480", " -s 320x240", LetterboxMode::TopBottom, " -s 320x212 -padtop 14 -padbottom 14", "16-9"},
};

TEST(Letterbox, WorkedResults)
{
    for (const WorkedResult& row : kWorkedResults) {
        const LetterboxMode mode = OrientationTest(row.source, row.target, row.displayAspect);
        EXPECT_EQ(mode, row.mode) << row.source << " " << row.displayAspect;
        std::string piece = row.target;
        if (mode == LetterboxMode::TopBottom)
            piece = TopBottomPads(row.source, row.target, row.displayAspect);
        else if (mode == LetterboxMode::LeftRight)
            piece = LeftRightPads(row.source, row.target, row.displayAspect);
        EXPECT_EQ(piece, row.piece) << row.source << " " << row.displayAspect;
    }
}

TEST(Letterbox, MakeEvenCutsAtTheDecimalPointThenEvensOut)
{
    const struct {
        double dimension;
        long long even;
    } table[] = {
        {177.78, 176}, {175.99999999999997, 176}, {181, 182}, {191, 192}, {1, 2}, {183, 182},
        {185, 184},    {187, 186},                {189, 188}, {174.545, 174}, {180.00000000000003, 180}, {0.4, 0},
    };
    for (const auto& row : table)
        EXPECT_EQ(MakeEven(row.dimension), row.even) << row.dimension;
    EXPECT_FALSE(MakeEven(1e20).has_value());
}

TEST(Letterbox, ZeroSourceMeansNoBarsAndThePadsReportError)
{
    EXPECT_EQ(OrientationTest("0 x 0", " -s 320x240"), LetterboxMode::None);
    EXPECT_EQ(TopBottomPads("0 x 0", " -s 320x240"), "error");
    EXPECT_EQ(LeftRightPads("0 x 0", " -s 320x240"), "error");
    EXPECT_EQ(TopBottomPads("640 x 0", " -s 320x240"), "error");
}

TEST(Letterbox, UnreadableSizesMeanNoBars)
{
    EXPECT_EQ(OrientationTest("Unknown", " -s 320x240"), LetterboxMode::None);
    EXPECT_EQ(OrientationTest("640x352", " -s 320x240"), LetterboxMode::None);
    EXPECT_EQ(OrientationTest("640 x 352", ""), LetterboxMode::None);
    EXPECT_EQ(OrientationTest("640 x 352", " -s 320"), LetterboxMode::None);
    EXPECT_EQ(TopBottomPads("640 x 352", ""), "error");
    EXPECT_EQ(LeftRightPads("Unknown", " -s 320x240"), "error");
}

TEST(Letterbox, OriginalSizeHasTheSourceRatioSoNoBars)
{
    EXPECT_EQ(OrientationTest("640 x 352", " -s 640x352"), LetterboxMode::None);
}

TEST(Letterbox, ABarOfOnePixelBecomesNoBar)
{
    // 320 / (640 / 478) = 239.0 -> 238, bar (240 - 238) / 2 = 1 -> 0.
    EXPECT_EQ(OrientationTest("640 x 478", " -s 320x240"), LetterboxMode::TopBottom);
    EXPECT_EQ(TopBottomPads("640 x 478", " -s 320x240"), " -s 320x240");
}

TEST(Letterbox, AnOddTargetHeightCanGiveAHalfBar)
{
    // Picture height 176 in a frame 241 high: (241 - 176) / 2 = 32.5.
    EXPECT_EQ(TopBottomPads("640 x 352", " -s 320x241"), "error");
}

TEST(Letterbox, UpperCaseSourceAndTargetAreRead)
{
    EXPECT_EQ(TopBottomPads("640 X 352", " -S 320X240"), " -s 320x176 -padtop 32 -padbottom 32");
}

} // namespace
