// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The encoder's description of an input file: the verdict on its first
// line, and the duration, frame size and frame rate read from its lines.
#include <string>
#include <string_view>
#include <vector>

// True when output has arrived and its first line does not begin with
// "Input #0," (case-sensitive). A first line still arriving (`partial`, with
// no complete line yet) is judged as soon as it can no longer begin so.
bool ProbeRejected(const std::vector<std::string>& lines, std::string_view partial);

struct ProbeValues {
    std::string sizeText = "0 x 0";
    std::string frameRateText = "0";
    std::string durationText = "00:00:00";
    // From " [SAR 32:27 DAR 16:9]" on the video line: the display aspect of
    // a picture whose pixels are not square; empty otherwise.
    std::string displayAspect;
    // From " [turned 90, stored 1280x720]" and " [interlaced]": how the
    // stored picture is shown (sizeText is the upright size).
    int rotation = 0;
    std::string storedSize; // "1280 x 720"; empty when not turned
    bool interlaced = false;
};

// Reads the lines in order; a later line overwrites what an earlier one set,
// and a "Duration: N/A" ends the reading. Output without a duration line
// gives "00:00:00".
ProbeValues ParseProbeOutput(const std::vector<std::string>& lines);
