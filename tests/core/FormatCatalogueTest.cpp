// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/profiles/FormatCatalogue.h"
#include "support/TextFile.h"

#include <gtest/gtest.h>
#include <regex>
#include <set>
#include <string>

namespace {

using enum FormatKind;

const std::string kSeparatorText = "              -----------------------------------------------------";

struct CatalogueRow {
    std::string id;
    std::string text;
    std::string tag;
    FormatKind kind;
};

const CatalogueRow kRows[] = {
    {"ipod-320-good", "iPod (320 x 240) Good Quality (*.mp4)", "MP4", Video},
    {"ipod-320-normal", "iPod (320 x 240) Normal Quality (*.mp4)", "MP4", Video},
    {"ipod-320-mini", "iPod (320 x 240) iPod Mini (*.mp4)", "MP4", Video},
    {"ipod-640-good", "iPod Video2 (640 x 480) Good Quality (*.mp4)", "MP4", Video},
    {"ipod-640-normal", "iPod Video2 (640 x 480) Normal Quality (*.mp4)", "MP4", Video},
    {"ipod-640-mini", "iPod Video2 (640 x 480) iPod Mini (*.mp4)", "MP4", Video},
    {"ipod-tv", "iPod Video For TV (*.mp4)", "MP4", Video},
    {"divider-zune", kSeparatorText, "", Separator},
    {"zune-mpeg4", "Zune Mpeg4 Video (*.mp4)", "MP4", Video},
    {"zune-avc", "Zune Mpeg4 AVC Video (*.mp4)", "MP4", Video},
    {"zune-wmv", "Zune WMV Windows Media Video (*.wmv)", "WMV", Video},
    {"divider-playstation", kSeparatorText, "", Separator},
    {"psp", "PSP Video  (*.mp4)", "MP4", Video},
    {"psp-avc", "PSP AVC Video (*.mp4)", "MP4", Video},
    {"ps3-480p", "PS3 Video(480P) (*.mp4)", "MP4", Video},
    {"ps3-720p", "PS3 Video(720P) (*.mp4)", "MP4", Video},
    {"ps3-1080p", "PS3 Video(1080P) (*.mp4)", "MP4", Video},
    {"divider-phone", kSeparatorText, "", Separator},
    {"3gp", "3GP - 3rd Generation Partnership Project (*.3gp)", "3GP", Video},
    {"3g2", "3G2 - 3rd Generation Partnership Project 2 (*.3g2)", "3G2", Video},
    {"divider-audio", kSeparatorText, "", Separator},
    {"aac", "AAC - Advance Audio Coding (*.aac)", "AAC", AudioOnly},
    {"m4a", "M4A - Mpeg4 Audio File (*.m4a)", "M4A", AudioOnly},
    {"mp3", "MP3 - Mpeg Layer3 Audio File (*.mp3)", "MP3", AudioOnly},
    {"wma", "WMA - Windows Media Audio (*.wma)", "WMA", AudioOnly},
    {"divider-video", kSeparatorText, "", Separator},
    {"avi", "AVI - Audio Video Interleave (*.avi)", "AVI", Video},
    {"mpeg", "MPEG - Mpeg Movie File (*.mpg)", "MPG", Video},
    {"mov", "MOV - QuickTime Video (*.mov)", "MOV", Video},
    {"wmv", "WMV - Windows Media Video (*.wmv)", "WMV", Video},
    {"divider-todays-video", kSeparatorText, "", Separator},
    {"mp4-video", "MP4 Video - H.264, H.265 or AV1 (*.mp4)", "MP4", Video},
    {"webm", "WebM Video - VP9 and Opus (*.webm)", "WEBM", Video},
    {"mp4-copy", "MP4 - Same Streams, No Re-encoding (*.mp4)", "MP4", StreamCopy},
    {"mkv-copy", "MKV - Same Streams, No Re-encoding (*.mkv)", "MKV", StreamCopy},
    {"gif", "GIF Animation (*.gif)", "GIF", Animation},
    {"divider-todays-audio", kSeparatorText, "", Separator},
    {"flac", "FLAC - Lossless Audio (*.flac)", "FLAC", AudioOnly},
    {"opus", "Opus Audio (*.opus)", "OPUS", AudioOnly},
    {"ogg-vorbis", "OGG Vorbis Audio (*.ogg)", "OGG", AudioOnly},
    {"wav", "WAV - Uncompressed Audio (*.wav)", "WAV", AudioOnly},
};

// The ids of the rows for which `has` holds.
std::set<std::string> IdsWhere(bool (*has)(const FormatSpec&))
{
    std::set<std::string> ids;
    for (const FormatSpec& format : Formats()) {
        if (has(format))
            ids.emplace(format.id);
    }
    return ids;
}

TEST(FormatCatalogue, HasTheThirtyRowsThenTodaysFormatsInTheirFixedOrder)
{
    ASSERT_EQ(FormatCount(), static_cast<int>(std::size(kRows)));
    for (int index = 0; index < FormatCount(); ++index) {
        const CatalogueRow& row = kRows[index];
        const FormatSpec& format = *FormatAt(index);
        EXPECT_EQ(format.id, row.id) << index;
        EXPECT_EQ(FormatText(index), row.text) << index;
        EXPECT_EQ(FormatTag(index), row.tag) << index;
        EXPECT_EQ(format.kind, row.kind) << index;
        EXPECT_EQ(IsSeparatorRow(index), row.kind == Separator) << index;
        // A separator has nothing to apply or assemble; a format always assembles.
        EXPECT_EQ(format.assemble == nullptr, row.kind == Separator) << index;
        if (format.applyProfile == nullptr)
            EXPECT_TRUE(row.kind == Separator || row.kind == StreamCopy) << index;
    }
    EXPECT_EQ(kSeparatorText, std::string(14, ' ') + std::string(53, '-'));
}

TEST(FormatCatalogue, TheFlagsOfTheRowsThatHaveThem)
{
    EXPECT_EQ(IdsWhere([](const FormatSpec& f) { return f.thumbnailRun; }), (std::set<std::string>{"psp", "psp-avc"}));
    EXPECT_EQ(IdsWhere([](const FormatSpec& f) { return f.family == "psp"; }),
              (std::set<std::string>{"psp", "psp-avc", "ps3-480p", "ps3-720p", "ps3-1080p"}));
    EXPECT_EQ(IdsWhere([](const FormatSpec& f) { return f.settingsReset; }),
              (std::set<std::string>{"divider-zune", "divider-todays-video", "divider-todays-audio"}));
}

TEST(FormatCatalogue, IndexesOutsideTheListHaveNoRow)
{
    EXPECT_EQ(FormatAt(-1), nullptr);
    EXPECT_EQ(FormatAt(FormatCount()), nullptr);
    EXPECT_EQ(FormatText(-1), "");
    EXPECT_EQ(FormatTag(FormatCount()), "");
    EXPECT_FALSE(IsSeparatorRow(-1));
    EXPECT_FALSE(IsSeparatorRow(FormatCount()));
}

// Every figure the pattern finds in the file, which must hold at least one.
std::vector<int> Figures(const std::string& file, const std::string& pattern)
{
    const std::string text = ReadText(std::string(VANTOREL_SOURCE_DIR) + "/" + file);
    std::vector<int> figures;
    const std::regex expression(pattern);
    for (auto match = std::sregex_iterator(text.begin(), text.end(), expression); match != std::sregex_iterator(); ++match)
        figures.push_back(std::stoi((*match)[1]));
    EXPECT_FALSE(figures.empty()) << pattern << " in " << file;
    return figures;
}

TEST(FormatCatalogue, TheManualPagesAndTheReadmeCountItsRows)
{
    const int rows = FormatCount();
    const int formats = rows - static_cast<int>(IdsWhere([](const FormatSpec& f) { return f.kind == Separator; }).size());
    for (int figure : Figures("packaging/vantorel-cli.1", R"((\d+) rows)"))
        EXPECT_EQ(figure, rows);
    for (int figure : Figures("packaging/vantorel-cli.1", R"(index, 0 to (\d+))"))
        EXPECT_EQ(figure, rows - 1);
    for (const char* file : {"README.md", "packaging/vantorel.1"}) {
        for (int figure : Figures(file, R"(one of (\d+) output formats)"))
            EXPECT_EQ(figure, formats) << file;
    }
}

} // namespace
