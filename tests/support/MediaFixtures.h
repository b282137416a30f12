// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Media fixtures for tests: small clips made on the spot with FFmpeg's
// libraries (a moving test pattern and a sine tone), and a reader that says
// what a player would see in a media file. Both throw std::runtime_error,
// naming the step that went wrong.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

extern "C" {
#include <libavutil/rational.h>
}

namespace fixtures {

struct ClipSettings {
    std::string container;   // muxer name: "avi", "mp4", "mov", "matroska", "mpeg", "asf", "flv", "rm", "3gp", "wav", "mp3"
    std::string videoCodec;  // encoder name ("mpeg4", "libx264", "wmv2", ...); empty: no video
    int width = 320;
    int height = 240;
    AVRational pixelAspect {1, 1};  // the shape of a pixel: 32:27 is a 16:9 picture at 720x480
    AVRational frameRate {25, 1};
    double seconds = 2.0;
    std::string audioCodec;  // encoder name ("aac", "libmp3lame", "ac3", ...); empty: no audio
    int sampleRate = 44100;
    int channels = 2;        // 6: 5.1
    double toneLevel = 0.5;  // peak of each channel's tone, 1 being full scale
    bool seekIndex = true;   // false: written as to a pipe, without an index at the end (Matroska cues)
    int chapters = 0;        // chapters of equal length, titled "Chapter 1", "Chapter 2", ...
    bool subtitles = false;  // a SubRip subtitle stream with one line a second
    int rotation = 0;        // degrees clockwise a player turns the picture of an MP4 (its display matrix)
    bool mirrored = false;   // the display matrix also flips it left to right
    bool hdr = false;        // 10-bit PQ with BT.2020 primaries and mastering metadata (libx265)
    bool interlaced = false; // two fields half a frame apart, top field first, flagged so
    // One sound track per language ("eng", "fra"), each half as loud as the
    // one before it; the last is the default track.
    std::vector<std::string> audioLanguages = {};
    double clockLeap = 0;    // seconds the pictures' clock jumps ahead at the clip's middle (a flipped bit)
    int bars = 0;            // black rows above and below the picture: a wide film in a taller frame
    double fadeIn = 0;       // seconds the picture takes to come up from black
};

// A clip of the given container with codecs that the container commonly
// holds and that the libraries can write: "avi", "mp4", "mov", "matroska",
// "mpeg", "asf", "flv", "rm", "3gp", "wav", "mp3", "ogg".
ClipSettings ClipFor(const std::string& container);

// Writes the clip; an existing file is replaced.
void MakeClip(const std::filesystem::path& out, const ClipSettings& clipSettings);

// Writes an AVI clip with sound of the given length and size; returns its path.
std::string MakeAviClip(const std::filesystem::path& out, double seconds, int width, int height);

struct StreamInfo {
    std::string type;    // "video", "audio", "subtitle", "data", "attachment" or "unknown"
    std::string codec;   // libavcodec's codec name: "mpeg4", "h264", "aac", "amr_nb", ...
    int width = 0;
    int height = 0;
    AVRational pixelAspect {0, 1};  // the stream's or the container's; 0/1 when unknown
    double frameRate = 0;  // frames per second; 0 when unknown
    int sampleRate = 0;
    int channels = 0;
    int64_t packets = 0;   // packets read from the whole file
    int64_t keyPackets = 0;
    int64_t bytes = 0;     // the packets' payload
    double duration = 0;   // seconds from the first packet's start to the last packet's end
};

struct MediaInfo {
    std::string container;  // demuxer name, as libavformat gives it ("avi", "mov,mp4,m4a,3gp,3g2,mj2")
    std::string brand;      // the ISO file's major brand ("isom", "3gp5", "qt  ", "MSNV"), else empty
    std::string title;      // the "title" tag, else empty
    double duration = 0;    // seconds: the container's own figure, else the longest stream's
    int chapters = 0;
    std::vector<StreamInfo> streams;

    // The first stream of the type, or nullptr.
    const StreamInfo* video() const;
    const StreamInfo* audio() const;
};

MediaInfo ReadMedia(const std::filesystem::path& path);

// The RMS level of the first audio stream's decoded sound, over all its
// channels, in dB of full scale.
double SoundLevel(const std::filesystem::path& path);

// The first audio stream, decoded whole: its samples interleaved, in the
// decoder's own sample format ("s16", "s32", "flt", ...).
struct DecodedSound {
    std::string sampleFormat;
    int channels = 0;
    std::vector<uint8_t> samples;
};

DecodedSound DecodeSound(const std::filesystem::path& path);

// The part of the first decoded picture inside black bars: the rows and
// columns at its edges that hold nothing brighter than black count as bars.
struct PictureArea {
    int width = 0;
    int height = 0;
    int frameWidth = 0;
    int frameHeight = 0;
};

PictureArea FirstPictureArea(const std::filesystem::path& path);

// The brightness of the first picture at or after the second (the last one
// when none is), at 64 x 48 whatever its size, to compare pictures by.
using Thumbnail = std::vector<uint8_t>;
Thumbnail PictureAt(const std::filesystem::path& path, double seconds);

// The structural similarity of two thumbnails: 1 for the same picture.
double Similarity(const Thumbnail& a, const Thumbnail& b);

} // namespace fixtures
