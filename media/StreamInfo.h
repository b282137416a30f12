#pragma once
// What the media-information component reports: the video stream's
// properties, one entry per audio stream, and the DVD information that
// nothing fills.
#include <cstdint>
#include <string>
#include <vector>

struct VideoStreamInfo {
    std::string Codec;           // codec description, or the code itself for MPEG formats
    std::string Duration;        // stream length by FormatSeconds
    std::string DurationMs;      // stream length in milliseconds
    std::string FourCC;          // compression code as text
    std::string FormatType;      // name of a format type that is not analysed
    std::string AspectRatioText; // "4:3", "X:Y", a number, or "0"
    double BitRate = 0.0;
    double FrameRate = 0.0;
    double AspectRatio = 0.0;
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    std::int32_t FrameCount = 0;
    std::int32_t AspectX = 0; // -1 when the ratio is not recognised
    std::int32_t AspectY = 0;
    // "16:9": the picture's shape on screen when its pixels are not square;
    // empty when they are or nothing says.
    std::string DisplayAspect;
    // How a player shows the stored Width x Height: turned clockwise by 0,
    // 90, 180 or 270 degrees; and whether the stream says it is interlaced.
    std::int32_t Rotation = 0;
    bool Interlaced = false;
};

struct AudioStreamInfo {
    std::string SampleBitRate; // bits per sample times samples per second, over 100
    std::string Channels;
    std::string SampleRate;
    std::string BitsPerSample;
    std::string FormatName; // wave-format name
    std::string Duration;
    std::string DurationMs;
};

using DvdTitles = std::vector<std::string>;

struct DvdInfo {
    DvdTitles Titles;
};
