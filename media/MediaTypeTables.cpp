// SPDX-License-Identifier: GPL-3.0-or-later
// The container, major-type, subtype and format-type tables. The GUIDs are
// the ones the DirectShow SDK defines for the named types.
#include "media/NameTables.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace {

using P = NameProperty;

// The families of GUIDs that differ in their first 32 bits only.
constexpr Guid CoreType(std::uint32_t data1) { return {data1, 0x524F, 0x11CE, {0x9F, 0x53, 0x00, 0x20, 0xAF, 0x0B, 0xA7, 0x70}}; }
constexpr Guid AnalogType(std::uint32_t data1) { return {data1, 0x7817, 0x11CF, {0x8A, 0x03, 0x00, 0xAA, 0x00, 0x6E, 0xCB, 0x65}}; }
constexpr Guid Mpeg2Type(std::uint32_t data1) { return {data1, 0xDB46, 0x11CF, {0xB4, 0xD1, 0x00, 0x80, 0x5F, 0x6C, 0xBB, 0xEA}}; }
constexpr Guid FormatGuid(std::uint32_t data1) { return {data1, 0xC356, 0x11CE, {0xBF, 0x01, 0x00, 0xAA, 0x00, 0x55, 0x59, 0x5A}}; }
constexpr Guid Line21Type(std::uint32_t data1) { return {data1, 0x310C, 0x11D0, {0xB7, 0x9A, 0x00, 0xAA, 0x00, 0x37, 0x67, 0xA7}}; }
constexpr Guid DssType(std::uint32_t data1) { return {data1, 0xE163, 0x11D0, {0xBA, 0xD9, 0x00, 0x60, 0x97, 0x44, 0x11, 0x1A}}; }
constexpr Guid VideoPortType(std::uint32_t data1) { return {data1, 0x1A22, 0x11D1, {0xBA, 0xD9, 0x00, 0x60, 0x97, 0x44, 0x11, 0x1A}}; }

constexpr std::array<ContainerRow, 13> kContainers{{
    {"AVI", "AVI"},
    {"MPG", "MPEG 1/2"},
    {"MPEG", "MPEG 1/2"},
    {"VOB", "DVD VOB"},
    {"MP4", "MPEG 4"},
    {"WMV", "Windows Media Video"},
    {"ASF", "Windows Media Video (ASF)"},
    {"MOV", "QuickTime MOV"},
    {"3GP", "QuickTime 3GP"},
    {"3G2", "QuickTime 3GP2"},
    {"OGM", "OGG Media"},
    {"MKV", "Matroska"},
    {"RM", "RealMedia"},
}};

constexpr std::array<NamedGuidRow, 15> kMajorTypes{{
    {AnalogType(0x0482DEE1), P::AudioMajorType, "AnalogAudio"},
    {AnalogType(0x0482DDE1), P::AudioMajorType, "Analogvideo"},
    {FourCCGuid("auds"), P::AudioMajorType, "Audio"},
    {{0x670AEA80, 0x3A82, 0x11D0, {0xB7, 0x9B, 0x00, 0xAA, 0x00, 0x37, 0x67, 0xA7}}, P::AudioMajorType, "AUXLine21Data"},
    {FourCCGuid("file"), P::OtherMajorType, "File"},
    {FourCCGuid("iavs"), P::OtherMajorType, "Interleaved"},
    {FourCCGuid("mlrt"), P::OtherMajorType, "LMRT"},
    {FourCCGuid("mids"), P::OtherMajorType, "Midi"},
    {Mpeg2Type(0xE06D8020), P::OtherMajorType, "MPEG2_PES"},
    {FourCCGuid("dmcs"), P::OtherMajorType, "ScriptCommand"},
    {CoreType(0xE436EB83), P::OtherMajorType, "Stream"},
    {FourCCGuid("txts"), P::OtherMajorType, "Text"},
    {AnalogType(0x0482DEE3), P::OtherMajorType, "Timecode"},
    {FourCCGuid("urls"), P::OtherMajorType, "URL_STREAM"},
    {FourCCGuid("vids"), P::VideoMajorType, "Video"},
}};

constexpr std::array<NamedGuidRow, 97> kSubtypes{{
    {FourCCGuid("CLPL"), P::VideoSubType, "CLPL"},
    {FourCCGuid("YUYV"), P::VideoSubType, "YUYV"},
    {FourCCGuid("IYUV"), P::VideoSubType, "IYUV"},
    {FourCCGuid("YVU9"), P::VideoSubType, "YVU9"},
    {FourCCGuid("Y411"), P::VideoSubType, "Y411"},
    {FourCCGuid("Y41P"), P::VideoSubType, "Y41P"},
    {FourCCGuid("YUY2"), P::VideoSubType, "YUY2"},
    {FourCCGuid("YVYU"), P::VideoSubType, "YVYU"},
    {FourCCGuid("UYVY"), P::VideoSubType, "UYVY"},
    {FourCCGuid("Y211"), P::VideoSubType, "Y211"},
    {FourCCGuid("YV12"), P::VideoSubType, "YV12"},
    {FourCCGuid("CLJR"), P::VideoSubType, "CLJR"},
    {FourCCGuid("IF09"), P::VideoSubType, "IF09"},
    {FourCCGuid("CPLA"), P::VideoSubType, "CPLA"},
    {FourCCGuid("MJPG"), P::VideoSubType, "MJPG"},
    {FourCCGuid("TVMJ"), P::VideoSubType, "TVMJ"},
    {FourCCGuid("WAKE"), P::VideoSubType, "WAKE"},
    {FourCCGuid("CFCC"), P::VideoSubType, "CFCC"},
    {FourCCGuid("IJPG"), P::VideoSubType, "IJPG"},
    {FourCCGuid("Plum"), P::VideoSubType, "Plum"},
    {FourCCGuid("DVCS"), P::VideoSubType, "DVCS"},
    {FourCCGuid("DVSD"), P::VideoSubType, "DVSD"},
    {FourCCGuid("MDVF"), P::VideoSubType, "MDVF"},
    {CoreType(0xE436EB78), P::VideoSubType, "RGB1"},
    {CoreType(0xE436EB79), P::VideoSubType, "RGB4"},
    {CoreType(0xE436EB7A), P::VideoSubType, "RGB8"},
    {CoreType(0xE436EB7B), P::VideoSubType, "RGB565"},
    {CoreType(0xE436EB7C), P::VideoSubType, "RGB555"},
    {CoreType(0xE436EB7D), P::VideoSubType, "RGB24"},
    {CoreType(0xE436EB7E), P::VideoSubType, "RGB32"},
    {{0x773C9AC0, 0x3274, 0x11D0, {0xB7, 0x24, 0x00, 0xAA, 0x00, 0x6C, 0x1A, 0x01}}, P::VideoSubType, "ARGB32"},
    {CoreType(0xE436EB7F), P::VideoSubType, "Overlay"},
    {CoreType(0xE436EB80), P::VideoSubType, "MPEG1Packet"},
    {CoreType(0xE436EB81), P::VideoSubType, "MPEG1Payload"},
    {WaveTagGuid(0x0050), P::AudioSubType, "MPEG1AudioPayload"},
    {CoreType(0xE436EB84), P::VideoSubType, "MPEG1System"},
    {CoreType(0xE436EB85), P::VideoSubType, "MPEG1VideoCD"},
    {CoreType(0xE436EB86), P::VideoSubType, "MPEG1Video"},
    {CoreType(0xE436EB87), P::AudioSubType, "MPEG1Audio"},
    {CoreType(0xE436EB88), P::VideoSubType, "Avi"},
    {{0x3DB80F90, 0x9412, 0x11D1, {0xAD, 0xED, 0x00, 0x00, 0xF8, 0x75, 0x4B, 0x99}}, P::VideoSubType, "Asf"},
    {CoreType(0xE436EB89), P::VideoSubType, "QTMovie"},
    {FourCCGuid("rpza"), P::VideoSubType, "QTRpza"},
    {FourCCGuid("smc "), P::VideoSubType, "QTSmc"},
    {FourCCGuid("rle "), P::VideoSubType, "QTRle"},
    {FourCCGuid("jpeg"), P::VideoSubType, "QTJpeg"},
    {CoreType(0xE436EB8A), P::AudioSubType, "PCMAudio Obsolete"},
    {WaveTagGuid(0x0001), P::AudioSubType, "PCM"},
    {CoreType(0xE436EB8B), P::AudioSubType, "WAVE"},
    {CoreType(0xE436EB8C), P::AudioSubType, "AU"},
    {CoreType(0xE436EB8D), P::AudioSubType, "AIFF"},
    {FourCCGuid("dvsd"), P::VideoSubType, "dvsd_"},
    {FourCCGuid("dvhd"), P::VideoSubType, "dvhd"},
    {FourCCGuid("dvsl"), P::VideoSubType, "dvsl"},
    {Line21Type(0x6E8D4A22), P::OtherSubType, "Line21 BytePair"},
    {Line21Type(0x6E8D4A23), P::OtherSubType, "Line21 GOPPacket"},
    {Line21Type(0x6E8D4A24), P::OtherSubType, "Line21 VBIRawData"},
    {WaveTagGuid(0x0009), P::AudioSubType, "DRM Audio"},
    {WaveTagGuid(0x0003), P::OtherSubType, "IEEE FLOAT"},
    {WaveTagGuid(0x0092), P::AudioSubType, "DOLBY AC3 SPDIF"},
    {WaveTagGuid(0x0240), P::AudioSubType, "RAW SPORT"},
    {WaveTagGuid(0x0241), P::AudioSubType, "SPDIF TAG 241h"},
    {DssType(0xA0AF4F81), P::VideoSubType, "DssVideo"},
    {DssType(0xA0AF4F82), P::AudioSubType, "DssAudio"},
    {VideoPortType(0x5A9B6A40), P::VideoSubType, "VPVideo"},
    {VideoPortType(0x5A9B6A41), P::VideoSubType, "VPVBI"},
    {AnalogType(0x0482DDE2), P::VideoSubType, "AnalogVideo NTSC M"},
    {AnalogType(0x0482DDE5), P::VideoSubType, "AnalogVideo PAL B"},
    {AnalogType(0x0482DDE6), P::VideoSubType, "AnalogVideo PAL D"},
    {AnalogType(0x0482DDE7), P::VideoSubType, "AnalogVideo PAL G"},
    {AnalogType(0x0482DDE8), P::VideoSubType, "AnalogVideo PAL H"},
    {AnalogType(0x0482DDE9), P::VideoSubType, "AnalogVideo PAL I"},
    {AnalogType(0x0482DDEA), P::VideoSubType, "AnalogVideo PAL M"},
    {AnalogType(0x0482DDEB), P::VideoSubType, "AnalogVideo PAL N"},
    {AnalogType(0x0482DDEC), P::VideoSubType, "AnalogVideo PAL N COMBO"},
    {AnalogType(0x0482DDF0), P::VideoSubType, "AnalogVideo SECAM B"},
    {AnalogType(0x0482DDF1), P::VideoSubType, "AnalogVideo SECAM D"},
    {AnalogType(0x0482DDF2), P::VideoSubType, "AnalogVideo SECAM G"},
    {AnalogType(0x0482DDF3), P::VideoSubType, "AnalogVideo SECAM H"},
    {AnalogType(0x0482DDF4), P::VideoSubType, "AnalogVideo SECAM K"},
    {AnalogType(0x0482DDF5), P::VideoSubType, "AnalogVideo SECAM K1"},
    {AnalogType(0x0482DDF6), P::VideoSubType, "AnalogVideo SECAM L"},
    {Mpeg2Type(0xE06D8026), P::VideoSubType, "MPEG2 VIDEO"},
    {Mpeg2Type(0xE06D8022), P::VideoSubType, "MPEG2 PROGRAM"},
    {Mpeg2Type(0xE06D8023), P::VideoSubType, "MPEG2 TRANSPORT"},
    {Mpeg2Type(0xE06D802B), P::AudioSubType, "MPEG2 AUDIO"},
    {Mpeg2Type(0xE06D802C), P::AudioSubType, "DOLBY AC3"},
    {Mpeg2Type(0xE06D802D), P::VideoSubType, "DVD SUBPICTURE"},
    {Mpeg2Type(0xE06D8032), P::AudioSubType, "DVD LPCM AUDIO"},
    {Mpeg2Type(0xE06D8033), P::AudioSubType, "DTS"},
    {Mpeg2Type(0xE06D8034), P::AudioSubType, "SDDS"},
    {Mpeg2Type(0xE06D802F), P::OtherSubType, "PCI"},
    {Mpeg2Type(0xE06D8030), P::OtherSubType, "DSI"},
    {Mpeg2Type(0xE06D8031), P::OtherSubType, "PROVIDER"},
    {WaveTagGuid(0x0075), P::AudioSubType, "VOXWARE MetaSound"},
    {FourCCGuid("MP42"), P::VideoSubType, "MS-MPEG4"},
    {FourCCGuid("DIVX"), P::VideoSubType, "DIVX"},
}};

constexpr std::array<FormatTypeRow, 10> kFormatTypes{{
    {FormatGuid(0x05589F80), FormatAnalysis::VideoInfo, "VideoInfo"},
    {{0xF72A76A0, 0xEB0A, 0x11D0, {0xAC, 0xE4, 0x00, 0x00, 0xC0, 0xCC, 0x16, 0xBA}}, FormatAnalysis::VideoInfo2, "VideoInfo2"},
    {FormatGuid(0x05589F81), FormatAnalysis::WaveFormatEx, "WaveFormatEx"},
    {FormatGuid(0x05589F82), FormatAnalysis::MpegVideo, "MPEGVideo"},
    {Mpeg2Type(0xE06D80E3), FormatAnalysis::Mpeg2Video, "MPEG2Video"},
    {FormatGuid(0x05589F84), FormatAnalysis::NameOnly, "DvInfo"},
    {FormatGuid(0x05589F83), FormatAnalysis::NameOnly, "MPEGStreams"},
    {Mpeg2Type(0xE06D80E4), FormatAnalysis::NameOnly, "DolbyAC3"},
    {Mpeg2Type(0xE06D80E5), FormatAnalysis::NameOnly, "MPEG2Audio"},
    {Mpeg2Type(0xE06D80E6), FormatAnalysis::NameOnly, "DVD_LPCMAudio"},
}};

template <typename Row>
const Row* FindGuid(std::span<const Row> rows, const Guid& key)
{
    const auto found = std::find_if(rows.begin(), rows.end(), [&](const Row& row) { return row.key == key; });
    return found == rows.end() ? nullptr : &*found;
}

} // namespace

std::span<const ContainerRow> ContainerRows() { return kContainers; }
std::span<const NamedGuidRow> MajorTypeRows() { return kMajorTypes; }
std::span<const NamedGuidRow> SubtypeRows() { return kSubtypes; }
std::span<const FormatTypeRow> FormatTypeRows() { return kFormatTypes; }

std::optional<std::string> ContainerName(const std::string& extension)
{
    std::string upper = extension;
    std::transform(upper.begin(), upper.end(), upper.begin(), [](unsigned char c) { return std::toupper(c); });
    for (const auto& row : kContainers) {
        if (upper == row.extension)
            return std::string(row.name);
    }
    return std::nullopt;
}

NamedProperty MajorTypeName(const Guid& majorType)
{
    if (const auto* row = FindGuid(MajorTypeRows(), majorType))
        return {row->property, row->name};
    return {P::OtherMajorType, "Unknown"};
}

NamedProperty SubtypeName(const Guid& subtype)
{
    if (const auto* row = FindGuid(SubtypeRows(), subtype))
        return {row->property, row->name};
    return {P::OtherSubType, "UnKnown "};
}

FormatTypeResult FormatTypeLookup(const Guid& formatType)
{
    if (const auto* row = FindGuid(FormatTypeRows(), formatType))
        return {row->analysis, row->name};
    return {FormatAnalysis::NameOnly, "Unknown"};
}
