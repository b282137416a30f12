// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The fixed tables that turn what the media detector reports into readable
// names: containers by file extension, major types, subtypes and format
// types by GUID, audio formats by wave-format tag, and video codecs by their
// compression code. Every lookup compares whole keys and the first equal
// row wins; a key in no row gives the table's default.
#include "media/Guid.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>

// Which property of the media-information component a name goes into.
enum class NameProperty { VideoMajorType, AudioMajorType, OtherMajorType, VideoSubType, AudioSubType, OtherSubType };

struct ContainerRow {
    const char* extension; // upper case, without the point
    const char* name;
};

struct NamedGuidRow {
    Guid key;
    NameProperty property;
    const char* name;
};

struct NamedProperty {
    NameProperty property;
    std::string name;
};

// How the component reads a stream's format block.
enum class FormatAnalysis { VideoInfo, VideoInfo2, WaveFormatEx, MpegVideo, Mpeg2Video, NameOnly };

struct FormatTypeRow {
    Guid key;
    FormatAnalysis analysis;
    const char* name; // the name given to FormatType when the block is not read
};

struct FormatTypeResult {
    FormatAnalysis analysis;
    std::string name;
};

struct WaveFormatRow {
    std::uint16_t tag;
    const char* name;
};

struct CodecRow {
    const char* key; // lower case
    const char* description;
};

std::span<const ContainerRow> ContainerRows();
std::span<const NamedGuidRow> MajorTypeRows();
std::span<const NamedGuidRow> SubtypeRows();
std::span<const FormatTypeRow> FormatTypeRows();
std::span<const WaveFormatRow> WaveFormatRows();
std::span<const CodecRow> CodecRows();

// The extension is upper-cased here; no row means no change to FileFormat.
std::optional<std::string> ContainerName(const std::string& extension);
// Default: OtherMajorType "Unknown".
NamedProperty MajorTypeName(const Guid& majorType);
// Default: OtherSubType "UnKnown " (with its trailing blank).
NamedProperty SubtypeName(const Guid& subtype);
// Default: no analysis, name "Unknown".
FormatTypeResult FormatTypeLookup(const Guid& formatType);
// Default: "Unknown".
std::string WaveFormatName(std::uint16_t tag);
// The code is lower-cased here. Default: "Unknown Codec".
std::string CodecDescription(const std::string& code);
