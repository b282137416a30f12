#include "core/profiles/FormatCatalogue.h"

#include <gtest/gtest.h>
#include <string>

namespace {

const std::string kSeparatorText = "              -----------------------------------------------------";

struct CatalogueRow {
    int index;
    std::string text;
    std::string tag;
};

const CatalogueRow kRows[] = {
    {0, "iPod (320 x 240) Good Quality (*.mp4)", "MP4"},
    {1, "iPod (320 x 240) Normal Quality (*.mp4)", "MP4"},
    {2, "iPod (320 x 240) iPod Mini (*.mp4)", "MP4"},
    {3, "iPod Video2 (640 x 480) Good Quality (*.mp4)", "MP4"},
    {4, "iPod Video2 (640 x 480) Normal Quality (*.mp4)", "MP4"},
    {5, "iPod Video2 (640 x 480) iPod Mini (*.mp4)", "MP4"},
    {6, "iPod Video For TV (*.mp4)", "MP4"},
    {7, kSeparatorText, ""},
    {8, "Zune Mpeg4 Video (*.mp4)", "MP4"},
    {9, "Zune Mpeg4 AVC Video (*.mp4)", "MP4"},
    {10, "Zune WMV Windows Media Video (*.wmv)", "WMV"},
    {11, kSeparatorText, ""},
    {12, "PSP Video  (*.mp4)", "MP4"},
    {13, "PSP AVC Video (*.mp4)", "MP4"},
    {14, "PS3 Video(480P) (*.mp4)", "MP4"},
    {15, "PS3 Video(720P) (*.mp4)", "MP4"},
    {16, "PS3 Video(1080P) (*.mp4)", "MP4"},
    {17, kSeparatorText, ""},
    {18, "3GP - 3rd Generation Partnership Project (*.3gp)", "3GP"},
    {19, "3G2 - 3rd Generation Partnership Project 2 (*.3g2)", "3G2"},
    {20, kSeparatorText, ""},
    {21, "AAC - Advance Audio Coding (*.aac)", "AAC"},
    {22, "M4A - Mpeg4 Audio File (*.m4a)", "M4A"},
    {23, "MP3 - Mpeg Layer3 Audio File (*.mp3)", "MP3"},
    {24, "WMA - Windows Media Audio (*.wma)", "WMA"},
    {25, kSeparatorText, ""},
    {26, "AVI - Audio Video Interleave (*.avi)", "AVI"},
    {27, "MPEG - Mpeg Movie File (*.mpg)", "MPG"},
    {28, "MOV - QuickTime Video (*.mov)", "MOV"},
    {29, "WMV - Windows Media Video (*.wmv)", "WMV"},
    {30, kSeparatorText, ""},
    {31, "MP4 Video - H.264, H.265 or AV1 (*.mp4)", "MP4"},
    {32, "WebM Video - VP9 and Opus (*.webm)", "WEBM"},
    {33, "MP4 - Same Streams, No Re-encoding (*.mp4)", "MP4"},
    {34, "MKV - Same Streams, No Re-encoding (*.mkv)", "MKV"},
    {35, "GIF Animation (*.gif)", "GIF"},
    {36, kSeparatorText, ""},
    {37, "FLAC - Lossless Audio (*.flac)", "FLAC"},
    {38, "Opus Audio (*.opus)", "OPUS"},
    {39, "OGG Vorbis Audio (*.ogg)", "OGG"},
    {40, "WAV - Uncompressed Audio (*.wav)", "WAV"},
};

TEST(FormatCatalogue, HasTheThirtyRowsThenTodaysFormatsInTheirFixedOrder)
{
    ASSERT_EQ(kFormatCount, 41);
    for (const CatalogueRow& row : kRows) {
        EXPECT_EQ(FormatText(row.index), row.text) << row.index;
        EXPECT_EQ(FormatTag(row.index), row.tag) << row.index;
        EXPECT_EQ(IsSeparatorRow(row.index), row.tag.empty()) << row.index;
    }
}

TEST(FormatCatalogue, SeparatorIsFourteenBlanksAndFiftyThreeHyphens)
{
    EXPECT_EQ(kSeparatorText.size(), 67u);
    EXPECT_EQ(FormatText(7), std::string(14, ' ') + std::string(53, '-'));
}

TEST(FormatCatalogue, IndexesOutsideTheListHaveNoTextOrTag)
{
    EXPECT_EQ(FormatText(-1), "");
    EXPECT_EQ(FormatTag(41), "");
    EXPECT_FALSE(IsSeparatorRow(-1));
    EXPECT_FALSE(IsSeparatorRow(41));
}

} // namespace
