// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A snapshot of everything the command line reads from the window, taken on
// the user-interface thread before each job, so the builder never touches a
// widget.
#include "core/profiles/ProfileState.h"

#include <string>

struct ConversionChoices {
    int formatIndex = 0; // formatCombo's selection: chooses the assembly
    std::string videoCodec;
    std::string videoSize;
    std::string videoBitrate;
    std::string frameRate;
    std::string hdr;        // "Keep HDR" or "Tone-map to SDR" (today's video rows)
    std::string crop;       // "None", "Auto", or an area given as W:H:X:Y (vantorel-cli --crop)
    std::string audioCodec;
    std::string audioBitrate;
    std::string samplingRate;
    int channelIndex = 0;   // 0 "Stereo", 1 "Mono", -1 none or "Auto"
    int letterBoxIndex = 1; // 1 "LetterBox" turns the bars on
    int muteIndex = 0;      // 1 "True" mutes video outputs
    std::string volumeFactor = "50";
    std::string loudness;   // the Loudness entry; empty where the format offers none
    bool folderCover = true; // a sound output without a picture takes the folder's cover image
    std::string outputDir;  // the text of outputDirEdit
    bool overwrite = false; // overwriteCheck
    std::string profileFamily;
    std::string appDir;     // where the encoder lies, ends in "/"
    std::string audioLanguage; // [General] AudioLanguage: the sound track one-track outputs prefer ("fra")
    long long fitCustomBytes = 0; // the size "Fit in custom size…" asks for; 0: none set
};

// The selected texts and indexes of the model's lists plus the values that
// live outside it.
ConversionChoices TakeChoices(const ProfileState& state, const std::string& volumeFactor,
                              const std::string& outputDir, bool overwrite, const std::string& appDir);
