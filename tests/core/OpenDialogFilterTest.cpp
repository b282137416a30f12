// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/OpenDialogFilter.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

TEST(OpenDialogFilter, HasItsExactLengthAndEndsWithABar)
{
    EXPECT_EQ(kOpenDialogFilter.size(), 1135u);
    EXPECT_EQ(kOpenDialogFilter.back(), '|');
}

TEST(OpenDialogFilter, OffersTheTwentyFourEntriesInOrder)
{
    const std::pair<const char*, const char*> expected[] = {
        {"All Supported Files",
         "*.avi;*.mpeg;*.mpg;*.mpa;*.m1v;*.mv2;*.wma;*.wmv;*.asf;*.asx;*.mov; *.qt;*.3gp;*.3g2;*.mp3;*.mp2;*.ogg;*.aac;"
         "*.mp4;*.m4a;*.rm;*.rmvb;*.ram;*.ra;*.vob; *.dat;*.cda;*.dv; *.dif;*.wav; *.au; *.aiff;*.mjpg; *.mjpeg;*.ac3; "
         "*.gif; *.swf"},
        {"3GPP Files (*.3gp)", "*.3gp"},
        {"3GPP2 Files (*.3g2)", "*.3g2"},
        {"AAC Files (*.aac)", "*.aac"},
        {"AC3 Files (*.ac3)", "*.ac3"},
        {"Audio CD Files (*.cda)", "*.cda"},
        {"AVI Files (*.avi)", "*.avi"},
        {"DV Video Files (*.dv, *.dif)", "*.dv;*.dif"},
        {"DVD VOB Files (*.vob)", "*.vob"},
        {"GIF Animated Files (*.gif)", "*.gif"},
        {"Macromedia Flash Files (*.swf)", "*.swf"},
        {"Monkey Audio Files (*.ape, *.cue)", "*.ape;*.cue"},
        {"MJpeg Video Files (*.mjpg, *.mjpeg)", "*.mjpg; *.mjpeg"},
        {"MP2 Files (*.mp2)", "*.mp2"},
        {"MP3 Files (*.mp3)", "*.mp3"},
        {"MPEG Files (*.mpeg, *.mpg, *.mpa, *.m1v, *.mv2)", "*.mpeg;*.mpg;*.mpa;*.m1v;*.mv2"},
        {"MPEG-4 Files (*.mp4)", "*.mp4"},
        {"MPEG-4 Audio Files (*.m4a, *.mp4)", "*.m4a; *.mp4"},
        {"Ogg Vorbis Files (*.ogg)", "*.ogg"},
        {"RealMedia Files (*.rm, *.rmvb, *.ram, *.ra)", "*.rm; *.rmvb; *.ram; *.ra"},
        {"QuickTime Files (*.mov, *.qt)", "*.mov; *.qt"},
        {"VCD DAT Files (*.dat)", "*.dat"},
        {"WAV Files (*.wav, *.au, *.aiff)", "*.wav; *.au; *.aiff"},
        {"Windows Media Files(*.wma, *.wmv, *.asf, *.asx)", "*.wma;*.wmv;*.asf;*.asx"},
    };
    const auto entries = FilterEntries(kOpenDialogFilter);
    ASSERT_EQ(entries.size(), std::size(expected));
    for (std::size_t index = 0; index < entries.size(); ++index) {
        EXPECT_EQ(entries[index].description, expected[index].first) << index;
        EXPECT_EQ(entries[index].patterns, expected[index].second) << index;
    }
}

TEST(OpenDialogFilter, BecomesQtNameFiltersWithBlankSeparatedPatterns)
{
    const QStringList filters = QtNameFilters(kOpenDialogFilter);
    ASSERT_EQ(filters.size(), 24);
    EXPECT_TRUE(filters[0].startsWith("All Supported Files (*.avi *.mpeg *.mpg "));
    EXPECT_TRUE(filters[0].contains(" *.mov *.qt *.3gp "));
    EXPECT_TRUE(filters[0].endsWith(" *.ac3 *.gif *.swf)"));
    EXPECT_FALSE(filters[0].contains("*.ape"));
    EXPECT_EQ(filters[7], "DV Video Files (*.dv, *.dif) (*.dv *.dif)");
    EXPECT_EQ(filters[17], "MPEG-4 Audio Files (*.m4a, *.mp4) (*.m4a *.mp4)");
    EXPECT_EQ(filters[23], "Windows Media Files(*.wma, *.wmv, *.asf, *.asx) (*.wma *.wmv *.asf *.asx)");
}

} // namespace

namespace {

TEST(OpenDialogFilter, OffersTheReadableExtensionsTheWrittenFormatsAndEveryFileAroundTheFixedEntries)
{
    const auto fixed = FilterEntries(kOpenDialogFilter);
    const auto offered = OfferedFilterEntries({"mkv", "avi", "xyz"});
    // Readable extensions the fixed list lacks join the first entry once; so
    // do the formats we write, each with an entry of its own.
    EXPECT_EQ(offered[0].patterns, fixed[0].patterns + ";*.mkv;*.xyz;*.webm;*.flac;*.opus");
    EXPECT_EQ(QtNameFilters(std::vector<FilterEntry>(offered.begin() + 1, offered.begin() + fixed.size())),
              QtNameFilters(std::vector<FilterEntry>(fixed.begin() + 1, fixed.end())));
    const QStringList written = QtNameFilters(std::vector<FilterEntry>(offered.begin() + fixed.size(), offered.end()));
    EXPECT_EQ(written, QStringList({"WEBM Files (*.webm) (*.webm)", "MKV Files (*.mkv) (*.mkv)",
                                    "FLAC Files (*.flac) (*.flac)", "OPUS Files (*.opus) (*.opus)",
                                    "All Files (*) (*)"}));
    const auto extensions = MediaExtensions({"mkv"});
    for (const char* media : {"avi", "mjpeg", "swf", "mkv", "flac"})
        EXPECT_NE(std::find(extensions.begin(), extensions.end(), media), extensions.end()) << media;
    EXPECT_EQ(std::find(extensions.begin(), extensions.end(), "ape"), extensions.end());
}

} // namespace
