// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The check of a finished run's output: a run whose encoder ended well is
// good only when its output opens, holds the streams it must and decodes to
// its end. The media layer does the reading; the front ends hand one to the
// conversion.
#include "core/Reason.h"

#include <optional>
#include <string>

// What a format promises to keep of the input beyond picture and sound.
struct OutputPromises {
    bool everyTrack = false; // every sound track, and the subtitles the container holds
    bool shape = false;      // the upright shape: a portrait input stays portrait
    std::optional<int> loudness = std::nullopt; // the integrated loudness (LUFS) the sound was brought to
};

struct OutputCheck {
    std::string outputPath;   // the file the run wrote
    std::string inputPath;    // the file it was made from
    bool still = false;       // a thumbnail: one JPEG picture
    bool videoFormat = false; // video is due when the input has video
    bool audioWanted = false; // audio is due when the input has audio
    OutputPromises promises = {};
};

struct OutputFinding {
    bool good = false;
    Reason problem; // when not good
    double seconds = 0;  // how long the media lasts; 0 when unknown
    // How much longer the input lasts than its header says (an understating
    // header); 0 when it does not, or when unknown.
    double sourceUnstatedSeconds = 0;
};

class OutputVerifier {
public:
    virtual ~OutputVerifier() = default;
    virtual OutputFinding verify(const OutputCheck& check) = 0;
};
