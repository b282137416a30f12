// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One command-line piece per option list, from the selected entry's text
// (empty when nothing is selected) or index. Blanks in the results are exact.
#include <string>

// " -vcodec \"mpeg4\" " for "MPEG4": trimmed, lower case.
std::string VideoCodecArg(const std::string& text);

// " -acodec \"pcm_s16le\" ": trimmed, case kept.
std::string AudioCodecArg(const std::string& text);

// " -b \"512\"" for "512 Kbps"; empty for an empty text; " -b \"\"" without a "K".
std::string VideoBitrateArg(const std::string& text);

// " -r \"29.97\" " for "29.97 fps"; one blank for "Auto"; empty without a number.
std::string FrameRateArg(const std::string& text);

// " -ab \"128\"" for "128 Kbps" (not trimmed); empty for an empty text.
std::string AudioBitrateArg(const std::string& text);

// Index 0 " -ac \"2 (stereo)\"", 1 " -ac \"1 (mono)\"", anything else empty.
std::string ChannelsArg(int index);

// " -ar \"44100\"" for "44100 Hz"; built even for an empty text (" -ar \"\"").
std::string SamplingRateArg(const std::string& text);

// The plain frame size " -s 320x240" from the size list's text and the
// row's "Video Size" cell (e.g. "640 x 480", "0 x 0", "Unknown").
std::string SizeArg(const std::string& sizeListText, const std::string& sourceSize);

// Empty for the unchanged factor "50", else " -vol_factor \"<factor>\"".
std::string VolumeArg(const std::string& volumeFactor);
