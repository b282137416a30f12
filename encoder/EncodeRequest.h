// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What one command line asks of the encoder, with every value already
// turned into its unit (bits per second, hertz, frames per second). A value
// the command line left out, or gave as an empty text, is not set.
#include <cstdint>
#include <optional>
#include <string>

extern "C" {
#include <libavutil/rational.h>
}

namespace ridod2e {

// The prefix of an input token that asks for the alternative reader.
inline constexpr const char* AlternativeReaderPrefix = "DS:\\\\";

struct FrameDimensions {
    int width = 0;
    int height = 0;
};

struct Padding {
    int top = 0;
    int bottom = 0;
    int left = 0;
    int right = 0;
};

// -start and -end: the part of the input the output holds, in seconds from
// the input's beginning. Pictures and sound are cut exactly; a copy starts
// at the key frame at or before the start. An end past the input's is its end.
struct TrimRange {
    double start = 0;
    std::optional<double> end;
};

// The part of the upright picture kept, before any scaling or bars.
struct CropArea {
    int width = 0;
    int height = 0;
    int left = 0;
    int top = 0;
};

// -crop: an area, or "auto": the black borders found all through the input.
struct CropRequest {
    bool automatic = false;
    CropArea area;
};

struct EncodeRequest {
    bool machineOutput = false;       // -@: no banner, one progress report per line
    bool overwrite = false;           // -y
    std::string input;                // the input path, without the alternative-reader prefix
    bool alternativeReader = false;   // the input token began with DS:\\ .
    bool allowProtocols = false;      // -allow-protocols: the input may be an address, not only a local file
    std::string inputFormat;          // -f before -i: the reader to use
    std::string output;               // empty: describe the input and stop
    std::string outputFormat;         // -f after -i

    // The codec name "copy": that stream's packets go over unchanged.
    std::string videoCodec;           // command-line codec names; empty: the container's default
    std::string audioCodec;
    bool noVideo = false;             // -vn
    bool noAudio = false;             // -an

    std::optional<int64_t> videoBitrate;      // bits per second
    std::optional<int64_t> maxRate;
    std::optional<int64_t> bufferSize;        // bits
    std::optional<int64_t> bitrateTolerance;  // bits
    std::optional<AVRational> frameRate;
    std::optional<FrameDimensions> size;      // "-s keep" leaves it unset: the source's size
    bool fitInside = false;                   // -fit: the picture fits inside size, aspect kept; 0 is no bound
    Padding padding;
    std::optional<int> gopSize;
    std::optional<double> qscale;
    std::optional<int> coder;                 // 0: CAVLC, 1: CABAC
    bool bitexact = false;
    std::optional<double> qualityFactor;      // -crf
    std::string speedPreset;                  // -preset; empty: the encoder's own
    int pass = 0;                             // -pass 1 or 2 of a two-pass encode; 0: one pass
    std::string passLogFile;                  // -passlogfile: where the statistics files' names start

    std::optional<int64_t> audioBitrate;      // bits per second
    std::optional<int> sampleRate;
    std::optional<int> channels;
    std::optional<int> volumeFactor;          // 50 keeps the volume
    std::string audioLanguage;                // -alang: the sound track a one-track output prefers
    std::optional<double> loudness;           // -loudness: LUFS one gain brings the sound to
    bool folderCover = true;                  // a sound output without a picture takes the folder's cover image
    bool toneMap = false;                     // -tonemap: HDR becomes SDR whatever the codec
    // -keepall: one of today's formats. Every sound track with its language
    // and title, the text subtitles, the colour description, and frame rates
    // above 120 fps; the device formats take one track and keep their bytes.
    bool keepAll = false;

    std::optional<double> startSeconds;       // -ss: the start of a still picture; with -start, counted from it
    std::optional<TrimRange> trim;            // -start, -end; nothing: the whole input
    std::optional<CropRequest> crop;
    std::optional<double> previewSeconds;     // -preview: one PNG of the output picture at this second of the output
    std::optional<int64_t> maxVideoFrames;    // -vframes
    std::optional<std::string> title;
    bool id3v1 = false;
    bool id3v2 = false;
    bool fastStart = false;                   // -movflags +faststart
    bool keepChapters = false;                // -chapters
};

// How far into the input the output's timeline starts: -start, then -ss.
inline double StartSeconds(const EncodeRequest& request)
{
    return (request.trim ? request.trim->start : 0) + request.startSeconds.value_or(0);
}

} // namespace ridod2e
