// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A media detector on libavformat that answers what the media-information
// component asks of the system's detector: the number of streams, and per
// stream its media type (major type, subtype, format type and the header
// fields the component reads), its length and its frame rate.
#include "media/Guid.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

// The fields of a video format block (VIDEOINFOHEADER and its relatives).
struct VideoFormatBlock {
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::uint32_t compression = 0; // FourCC, or 0 for uncompressed RGB
    std::uint32_t bitRate = 0;
    std::int64_t timePerFrame = 0; // in units of 100 ns
    // The picture's display aspect when its pixels are not square, else 0.
    std::uint32_t pictureAspectX = 0;
    std::uint32_t pictureAspectY = 0;
    // How a player shows the stored picture: turned clockwise by 0, 90, 180
    // or 270 degrees, and whether the stream says it is interlaced.
    int clockwiseTurn = 0;
    bool interlaced = false;
};

// The fields of a WAVEFORMATEX block.
struct WaveFormatBlock {
    std::uint16_t formatTag = 0;
    std::uint16_t channels = 0;
    std::uint32_t samplesPerSecond = 0;
    std::uint16_t bitsPerSample = 0;
};

struct StreamMediaType {
    Guid majorType;
    Guid subtype;
    Guid formatType;
    // The format block, when the type carries one.
    std::optional<VideoFormatBlock> video;
    std::optional<WaveFormatBlock> wave;
};

class MediaDetector {
public:
    MediaDetector();
    ~MediaDetector();
    MediaDetector(const MediaDetector&) = delete;
    MediaDetector& operator=(const MediaDetector&) = delete;

    // Opens the file; false when the libraries cannot open it.
    bool setFilename(const std::string& path);
    std::optional<int> outputStreams() const;
    std::optional<StreamMediaType> streamMediaType(int stream) const;
    // Seconds.
    std::optional<double> streamLength(int stream) const;
    // Frames per second; video streams only.
    std::optional<double> frameRate(int stream) const;

private:
    struct Input;
    std::unique_ptr<Input> input_;
};

// The well-known GUIDs the detector answers with.
namespace media_guid {
inline constexpr Guid kMajorVideo = FourCCGuid("vids");
inline constexpr Guid kMajorAudio = FourCCGuid("auds");
inline constexpr Guid kMajorText = FourCCGuid("txts");
inline constexpr Guid kFormatVideoInfo{0x05589F80, 0xC356, 0x11CE, {0xBF, 0x01, 0x00, 0xAA, 0x00, 0x55, 0x59, 0x5A}};
inline constexpr Guid kFormatWaveFormatEx{0x05589F81, 0xC356, 0x11CE, {0xBF, 0x01, 0x00, 0xAA, 0x00, 0x55, 0x59, 0x5A}};
inline constexpr Guid kFormatMpegVideo{0x05589F82, 0xC356, 0x11CE, {0xBF, 0x01, 0x00, 0xAA, 0x00, 0x55, 0x59, 0x5A}};
inline constexpr Guid kFormatVideoInfo2{0xF72A76A0, 0xEB0A, 0x11D0, {0xAC, 0xE4, 0x00, 0x00, 0xC0, 0xCC, 0x16, 0xBA}};
inline constexpr Guid kFormatMpeg2Video{0xE06D80E3, 0xDB46, 0x11CF, {0xB4, 0xD1, 0x00, 0x80, 0x5F, 0x6C, 0xBB, 0xEA}};
inline constexpr Guid kSubtypeMpeg1Payload{0xE436EB81, 0x524F, 0x11CE, {0x9F, 0x53, 0x00, 0x20, 0xAF, 0x0B, 0xA7, 0x70}};
inline constexpr Guid kSubtypeMpeg2Video{0xE06D8026, 0xDB46, 0x11CF, {0xB4, 0xD1, 0x00, 0x80, 0x5F, 0x6C, 0xBB, 0xEA}};
} // namespace media_guid
