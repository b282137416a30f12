// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The piece set one build fills, and the way every assembly joins it.
#include <initializer_list>
#include <string>
#include <string_view>

// The pieces of today's formats: no blank at their end, and an "Auto"
// entry sends nothing, so the encoder chooses.
struct NewerPieces {
    std::string videoCodec;   // " -vcodec \"h264\""
    std::string quality;      // " -crf \"23\"", or " -b \"2000\"" for a fixed bitrate
    std::string pass;         // " -pass \"1\" -passlogfile \"/tmp/…/stats\" -an": a pass of two
    std::string preset;       // " -preset \"medium\""
    std::string toneMap;      // " -tonemap" for "Tone-map to SDR"
    std::string frameRate;    // " -r \"25\""
    std::string audioCodec;   // " -acodec \"aac\""
    std::string samplingRate; // " -ar \"48000\""
    std::string size;         // " -s keep", " -s 1280x720 -fit", or with letterbox pads
};

struct PieceSet {
    std::string encoderPrefix;   // quoted encoder path, switches, the opening quote of the input
    std::string inputArg;        // the input token (DS:\\ and the path) quoted for its place, and the closing quote
    std::string outputArg;       // blank, quoted output path
    std::string videoCodecArg;
    std::string audioCodecArg;
    std::string sizeArg;         // plain size, or size with letterbox pads
    std::string videoBitrateArg;
    std::string frameRateArg;
    std::string audioBitrateArg;
    std::string channelsArg;     // channels + mute + volume, as the assemblies use it
    std::string samplingRateArg;
    std::string volumeArg;
    std::string muteArg;
    std::string videoCodecText;  // the video codec entry trimmed, case kept (WMV)
    std::string audioCodecText;  // the audio codec entry trimmed (3G2)
    std::string title;           // the PSP title, quoted for its place, and its closing quote
    NewerPieces newer;
};

// A command line: the encoder prefix and the input, the pieces in order, then the output.
std::string JoinPieces(const PieceSet& pieces, std::initializer_list<std::string_view> middle,
                       std::initializer_list<std::string_view> tail = {});
