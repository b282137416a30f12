// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the media-information component reports: the video stream's
// properties and one entry per audio stream.
#include <cstdint>
#include <string>

struct VideoStreamInfo {
    std::string codec;           // codec description, or the code itself for MPEG formats
    std::string duration;        // stream length by FormatSeconds
    std::string durationMs;      // stream length in milliseconds
    std::string fourCC;          // compression code as text
    std::string formatType;      // name of a format type that is not analysed
    std::string aspectRatioText; // "4:3", "X:Y", a number, or "0"
    double bitRate = 0.0;
    double frameRate = 0.0;
    double aspectRatio = 0.0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::int32_t frameCount = 0;
    std::int32_t aspectX = 0; // -1 when the ratio is not recognised
    std::int32_t aspectY = 0;
    // "16:9": the picture's shape on screen when its pixels are not square;
    // empty when they are or nothing says.
    std::string displayAspect;
    // How a player shows the stored width x height: turned clockwise by 0,
    // 90, 180 or 270 degrees; and whether the stream says it is interlaced.
    std::int32_t rotation = 0;
    bool interlaced = false;
};

struct AudioStreamInfo {
    std::string sampleBitRate; // bits per sample times samples per second, over 100
    std::string channels;
    std::string sampleRate;
    std::string bitsPerSample;
    std::string formatName; // wave-format name
    std::string duration;
    std::string durationMs;
};
