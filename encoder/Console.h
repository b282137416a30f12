// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Everything the encoder prints, and the one place that prints it. The
// application reads these lines from a pipe: the first line of a run that
// understood its input begins with "Input #0,", durations read
// "Duration: HH:MM:SS.hh", stream lines "Video: codec, WxH, R fps" (then
// " [SAR x:y DAR x:y]" for pixels that are not square,
// then " [turned 90, stored 1280x720]" and " [interlaced]" where they apply),
// the borders -crop auto found "Crop: 1280x536 at 0,92" ("Crop: none"), progress
// reports "frame=N ... time=S " on lines of their own, and the error words
// appear on failure lines only.
#include "encoder/EncodeRequest.h"
#include "encoder/Fault.h"

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

extern "C" {
#include <libavutil/avutil.h>
#include <libavutil/rational.h>
}

namespace ridod2e {

struct StreamSummary {
    AVMediaType type = AVMEDIA_TYPE_UNKNOWN;
    std::string codec;
    bool coverArt = false;      // a still picture attached to an audio file
    int width = 0;
    int height = 0;
    double frameRate = 0;
    AVRational pixelAspect {0, 1}; // the sample aspect ratio; 0: unknown
    // A picture a player turns: width and height are the upright ones.
    int turned = 0;             // degrees clockwise
    bool mirrored = false;
    bool interlaced = false;    // the stream says its pictures are
    int sampleRate = 0;
    std::string channels;       // "mono", "stereo", "5.1", ...
    int64_t bitRate = 0;        // bits per second; 0 when unknown
};

struct MediaSummary {
    std::string format;
    std::string path;
    std::optional<double> duration;  // seconds
    double start = 0;                // seconds
    int64_t bitRate = 0;
    std::vector<StreamSummary> streams;
};

struct ProgressSnapshot {
    bool video = false;         // audio-only outputs report no frames
    int64_t frames = 0;
    double framesPerSecond = 0;
    double quality = 0;
    int64_t bytes = 0;
    double seconds = 0;
};

std::string InputBlock(const MediaSummary& input);
std::string OutputBlock(const MediaSummary& output);
std::string ProgressLine(const ProgressSnapshot& progress);
std::string FaultLine(FaultKind kind, const std::string& reason);
// The part of the picture -crop auto keeps; "none" when it keeps all of it.
std::string CropLine(const std::optional<CropArea>& area);
// A note, not a failure: streams of the input the output does not carry,
// and why ("Subtitle stream #0.2 is left out: the output carries picture
// and sound only").
std::string LeftOutLine(const std::string& kind, const std::vector<int>& streams, const std::string& why);

// Writes whole lines to standard output and flushes after each, since the
// reader is a pipe; a reader that is gone asks the conversion to stop. Without
// machine output a progress report overwrites the previous one on a terminal
// and a banner comes first.
class Console {
public:
    explicit Console(bool machineOutput);

    void banner();
    void print(const std::string& lines);
    void progress(const std::string& line, bool last);

private:
    void flush();

    bool machineOutput_;
};

} // namespace ridod2e
