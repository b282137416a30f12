// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The loudness of a finished output as a listener meets it: the first sound
// track decoded whole and measured after EBU R128 (integrated loudness and
// true peak) with libebur128, the measure the encoder levels with.
#include <optional>
#include <string>

struct LoudnessReading {
    double integrated = 0; // LUFS; minus infinity for silence
    double truePeak = 0;   // dBTP
};

// Nothing when the file has no sound track that decodes.
std::optional<LoudnessReading> ReadLoudness(const std::string& path);

// The output meets its target: within 1 LU of it, or below it with its true
// peak at the -1 dBTP ceiling that held the one gain back (a sound of loud
// peaks, which no gain can bring up without clipping or compressing them).
bool MeetsLoudnessTarget(const LoudnessReading& reading, double target);
