// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/NameTables.h"

#include <gtest/gtest.h>
#include <map>
#include <set>

namespace {

TEST(NameTables, TheTablesHaveTheirRowCounts)
{
    EXPECT_EQ(ContainerRows().size(), 13u);
    EXPECT_EQ(MajorTypeRows().size(), 15u);
    EXPECT_EQ(SubtypeRows().size(), 97u);
    EXPECT_EQ(FormatTypeRows().size(), 10u);
    EXPECT_EQ(WaveFormatRows().size(), 182u);
    EXPECT_EQ(CodecRows().size(), 385u);
}

TEST(NameTables, WaveFormatTagsAreDistinctAndCoverTheWholeRange)
{
    std::set<std::uint16_t> tags;
    for (const auto& row : WaveFormatRows()) {
        EXPECT_TRUE(tags.insert(row.tag).second) << std::hex << row.tag;
        EXPECT_NE(std::string(row.name), "");
    }
    EXPECT_EQ(*tags.begin(), 0x0000);
    EXPECT_EQ(*tags.rbegin(), 0xFFFF);
}

TEST(NameTables, WaveFormatTellingRows)
{
    const std::pair<std::uint16_t, const char*> rows[] = {
        {0x0000, "Microsoft Unknown Wave Format"},
        {0x0001, "Microsoft PCM Format"},
        {0x0002, "Microsoft ADPCM Format"},
        {0x0003, "IEEE FLOAT"},
        {0x0011, "Intel DVI ADPCM (IMA ADPCM)"},
        {0x0050, "MPEG-1 layer 1, 2"},
        {0x0055, "MPEG-1 Layer 3 (MP3)"},
        {0x00FF, "AAC"},
        {0x0160, "Windows Media Audio V1"},
        {0x0161, "Windows Media Audio 7/8/9"},
        {0x0162, "Windows Media Audio Professional V9"},
        {0x0163, "Windows Media Audio Lossless V9"},
        {0x2000, "Dolby AC3 / FAST Multimedia AG DVM"},
        {0x2001, "Dolby DTS (Digital Theater System)"},
        {0x674F, "Ogg Vorbis (mode 1)"},
        {0xF1AC, "Free Lossless Audio Codec FLAC"},
        {0xFFFE, "Extensible wave format"},
        {0xFFFF, "In Development / Unregistered"},
    };
    for (const auto& [tag, name] : rows)
        EXPECT_EQ(WaveFormatName(tag), name) << std::hex << tag;
    EXPECT_EQ(WaveFormatName(0x1234), "Unknown");
}

TEST(NameTables, CodecKeysHaveTheirLengthsAndRepeats)
{
    std::map<std::string, int> occurrences;
    std::map<std::size_t, int> lengths;
    for (const auto& row : CodecRows()) {
        const std::string key = row.key;
        ++occurrences[key];
        ++lengths[key.size()];
        for (char c : key)
            EXPECT_FALSE(c >= 'A' && c <= 'Z') << key;
    }
    EXPECT_EQ(occurrences.size(), 381u);
    EXPECT_EQ(lengths[4], 379);
    EXPECT_EQ(lengths[3], 5);
    EXPECT_EQ(lengths[2], 1);
    std::set<std::string> threeCharacterKeys;
    std::map<std::string, int> repeated;
    for (const auto& [key, count] : occurrences) {
        if (key.size() == 3)
            threeCharacterKeys.insert(key);
        if (count > 1)
            repeated[key] = count;
    }
    EXPECT_EQ(threeCharacterKeys, (std::set<std::string>{"dib", "dvc", "ian", "raw", "rgb"}));
    EXPECT_EQ(occurrences.count("y8"), 1u);
    EXPECT_EQ(repeated, (std::map<std::string, int>{{"ilvr", 2}, {"sv10", 2}, {"y411", 3}}));
}

TEST(NameTables, TheFirstOfARepeatedCodecKeyWins)
{
    std::vector<std::string> y411;
    for (const auto& row : CodecRows()) {
        if (std::string(row.key) == "y411")
            y411.push_back(row.description);
    }
    EXPECT_EQ(y411, (std::vector<std::string>{"YUV 2:1:1", "YUV 4:1:1", "YUV 4:1:1"}));
    EXPECT_EQ(CodecDescription("Y411"), "YUV 2:1:1");
    std::vector<std::string> ilvr;
    for (const auto& row : CodecRows()) {
        if (std::string(row.key) == "ilvr")
            ilvr.push_back(row.description);
    }
    ASSERT_EQ(ilvr.size(), 2u);
    EXPECT_EQ(CodecDescription("ilvr"), ilvr.front());
}

TEST(NameTables, SharedCodecDescriptions)
{
    std::map<std::string, int> keys;
    for (const auto& row : CodecRows())
        ++keys[row.description];
    EXPECT_EQ(keys["Nvidia Texture Compression Format"], 11);
    EXPECT_EQ(keys["XiWave Video"], 10);
    EXPECT_EQ(keys["Matrox MJPEG Codec"], 9);
}

TEST(NameTables, CodecTellingRows)
{
    const std::pair<const char*, const char*> rows[] = {
        {"3iv1", "MPEG4-based codec 3ivx V1"},
        {"3ivd", "FFmpeg DivX ;-) (MS MPEG-4 v3)"},
        {"cvid", "Cinepak by Radius YUV 4:2:2"},
        {"div3", "DivX Low Motion"},
        {"divx", "DivX"},
        {"dx50", "DivX 5.0 codec"},
        {"h264", "Intel ITU H.264"},
        {"mjpg", "Motion JPEG"},
        {"mp42", "MS MPEG-4"},
        {"mp43", "MS MPEG-4"},
        {"mpg4", "MS MPEG-4"},
        {"mp4v", "MPEG4 Video"},
        {"rgb", "Full Frames (Uncompressed)"},
        {"raw", "Full Frames (Uncompressed)"},
        {"dib", "Full Frames (Uncompressed)"},
        {"rle8", "Run Length Encoded 8bpp"},
        {"wmv1", "Windows Media Video 7"},
        {"wmv3", "Windows Media Video 9"},
        {"xvid", "XVID MPEG-4"},
        {"yuy2", "RAW YUV 4:2:2"},
        {"yv12", "ATI YVU12 4:2:0 Planar"},
        {"zygo", "ZyGo Video Codec"},
    };
    for (const auto& [key, description] : rows)
        EXPECT_EQ(CodecDescription(key), description) << key;
}

TEST(NameTables, CodecLookupFoldsCaseAndComparesWholeKeys)
{
    EXPECT_EQ(CodecDescription("XVID"), "XVID MPEG-4");
    EXPECT_EQ(CodecDescription("RGB"), "Full Frames (Uncompressed)");
    EXPECT_EQ(CodecDescription("RLE4"), "Run Length Encoded 4bpp");
    EXPECT_EQ(CodecDescription("BITFIELDS"), "Unknown Codec");
    EXPECT_EQ(CodecDescription("dib "), "Unknown Codec");
    EXPECT_EQ(CodecDescription(""), "Unknown Codec");
}

TEST(NameTables, ContainerByExtension)
{
    EXPECT_EQ(ContainerName("mpeg"), "MPEG 1/2");
    EXPECT_EQ(ContainerName("Mkv"), "Matroska");
    EXPECT_EQ(ContainerName("AVI"), "AVI");
    EXPECT_EQ(ContainerName("3g2"), "QuickTime 3GP2");
    EXPECT_EQ(ContainerName("rm"), "RealMedia");
    EXPECT_EQ(ContainerName("flv"), std::nullopt);
    EXPECT_EQ(ContainerName(""), std::nullopt);
}

TEST(NameTables, MajorTypesByGuid)
{
    EXPECT_EQ(GuidText(MajorTypeRows()[0].key), "{0482DEE1-7817-11CF-8A03-00AA006ECB65}");
    const auto video = MajorTypeName(FourCCGuid("vids"));
    EXPECT_EQ(video.property, NameProperty::VideoMajorType);
    EXPECT_EQ(video.name, "Video");
    const auto audio = MajorTypeName(FourCCGuid("auds"));
    EXPECT_EQ(audio.property, NameProperty::AudioMajorType);
    EXPECT_EQ(audio.name, "Audio");
    EXPECT_EQ(GuidText(FourCCGuid("auds")), "{73647561-0000-0010-8000-00AA00389B71}");
    const auto analogVideo = MajorTypeName({0x0482DDE1, 0x7817, 0x11CF, {0x8A, 0x03, 0x00, 0xAA, 0x00, 0x6E, 0xCB, 0x65}});
    EXPECT_EQ(analogVideo.property, NameProperty::AudioMajorType);
    EXPECT_EQ(analogVideo.name, "Analogvideo");
    const auto stream = MajorTypeName({0xE436EB83, 0x524F, 0x11CE, {0x9F, 0x53, 0x00, 0x20, 0xAF, 0x0B, 0xA7, 0x70}});
    EXPECT_EQ(stream.property, NameProperty::OtherMajorType);
    EXPECT_EQ(stream.name, "Stream");
    const auto unknown = MajorTypeName(FourCCGuid("zzzz"));
    EXPECT_EQ(unknown.property, NameProperty::OtherMajorType);
    EXPECT_EQ(unknown.name, "Unknown");
}

TEST(NameTables, SubtypesSplitIntoTheirProperties)
{
    std::map<NameProperty, int> perProperty;
    std::set<std::string> keys;
    for (const auto& row : SubtypeRows()) {
        ++perProperty[row.property];
        EXPECT_TRUE(keys.insert(GuidText(row.key)).second) << row.name;
    }
    EXPECT_EQ(perProperty[NameProperty::VideoSubType], 72);
    EXPECT_EQ(perProperty[NameProperty::AudioSubType], 18);
    EXPECT_EQ(perProperty[NameProperty::OtherSubType], 7);
    EXPECT_EQ(SubtypeRows().front().name, std::string("CLPL"));
    EXPECT_EQ(SubtypeRows().back().name, std::string("DIVX"));
}

TEST(NameTables, SubtypeKeysInFourCCAndWaveTagForm)
{
    const std::pair<Guid, const char*> rows[] = {
        {FourCCGuid("YUY2"), "YUY2"},
        {FourCCGuid("MP42"), "MS-MPEG4"},
        {FourCCGuid("dvsd"), "dvsd_"},
        {FourCCGuid("DVSD"), "DVSD"},
        {FourCCGuid("smc "), "QTSmc"},
        {WaveTagGuid(0x0050), "MPEG1AudioPayload"},
        {WaveTagGuid(0x0001), "PCM"},
        {WaveTagGuid(0x0075), "VOXWARE MetaSound"},
        {WaveTagGuid(0x0003), "IEEE FLOAT"},
    };
    for (const auto& [key, name] : rows)
        EXPECT_EQ(SubtypeName(key).name, name);
    EXPECT_EQ(SubtypeName(FourCCGuid("YUY2")).property, NameProperty::VideoSubType);
    EXPECT_EQ(SubtypeName(WaveTagGuid(0x0001)).property, NameProperty::AudioSubType);
    EXPECT_EQ(SubtypeName(WaveTagGuid(0x0003)).property, NameProperty::OtherSubType);
    EXPECT_EQ(GuidText(FourCCGuid("MP42")), "{3234504D-0000-0010-8000-00AA00389B71}");
    EXPECT_EQ(GuidText(WaveTagGuid(0x0050)), "{00000050-0000-0010-8000-00AA00389B71}");
}

TEST(NameTables, AnUnknownSubtypeNamesTheOtherSubtypeWithATrailingBlank)
{
    const auto unknown = SubtypeName(WaveTagGuid(0x0055));
    EXPECT_EQ(unknown.property, NameProperty::OtherSubType);
    EXPECT_EQ(unknown.name, "UnKnown ");
}

TEST(NameTables, FormatTypesChooseTheAnalysis)
{
    const Guid videoInfo{0x05589F80, 0xC356, 0x11CE, {0xBF, 0x01, 0x00, 0xAA, 0x00, 0x55, 0x59, 0x5A}};
    EXPECT_EQ(FormatTypeLookup(videoInfo).analysis, FormatAnalysis::VideoInfo);
    const Guid videoInfo2{0xF72A76A0, 0xEB0A, 0x11D0, {0xAC, 0xE4, 0x00, 0x00, 0xC0, 0xCC, 0x16, 0xBA}};
    EXPECT_EQ(FormatTypeLookup(videoInfo2).analysis, FormatAnalysis::VideoInfo2);
    const Guid mpeg2Video{0xE06D80E3, 0xDB46, 0x11CF, {0xB4, 0xD1, 0x00, 0x80, 0x5F, 0x6C, 0xBB, 0xEA}};
    EXPECT_EQ(FormatTypeLookup(mpeg2Video).analysis, FormatAnalysis::Mpeg2Video);
    const Guid dvInfo{0x05589F84, 0xC356, 0x11CE, {0xBF, 0x01, 0x00, 0xAA, 0x00, 0x55, 0x59, 0x5A}};
    const auto named = FormatTypeLookup(dvInfo);
    EXPECT_EQ(named.analysis, FormatAnalysis::NameOnly);
    EXPECT_EQ(named.name, "DvInfo");
    const Guid lpcm{0xE06D80E6, 0xDB46, 0x11CF, {0xB4, 0xD1, 0x00, 0x80, 0x5F, 0x6C, 0xBB, 0xEA}};
    EXPECT_EQ(FormatTypeLookup(lpcm).name, "DVD_LPCMAudio");
    const auto other = FormatTypeLookup(Guid{});
    EXPECT_EQ(other.analysis, FormatAnalysis::NameOnly);
    EXPECT_EQ(other.name, "Unknown");
}

} // namespace
