// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pieces of today's formats from the selected entries' texts. Numbers
// are taken from the texts as for the other formats ("2000 Kbps", "25 fps",
// "48000 Hz"); codec texts go through the codec table.
#include "core/cmdline/ConversionChoices.h"
#include "core/cmdline/PieceSet.h"

#include <string>
#include <string_view>

// `head` (" -vcodec \"" or " -acodec \"") with the codec's encoder name and
// a closing quote; a text the table lacks goes in lower case; empty for no entry.
std::string NewerCodecArg(std::string_view head, const std::string& codecText);

// " -crf \"23\"" (the codec's factor) for "Auto (constant quality)";
// " -b \"2000\"" for "2000 Kbps"; empty without a codec factor or an entry.
std::string QualityArg(const std::string& codecText, const std::string& bitrateText);

// " -preset \"medium\"": the codec's speed preset; empty when it has none.
std::string PresetArg(const std::string& codecText);

// " -tonemap" for "Tone-map to SDR"; empty for "Keep HDR" or no entry.
std::string ToneMapArg(const std::string& hdrText);

// " -r \"25\"" for "25 fps"; empty for "Auto" or no entry.
std::string NewerFrameRateArg(const std::string& text);

// " -ar \"48000\"" for "48000 Hz"; empty for "Auto" or no entry.
std::string NewerSamplingRateArg(const std::string& text);

// "Original" gives " -s keep"; "480 wide" gives " -s 480x0 -fit"; "1280 x 720"
// gives " -s 1280x720 -fit", or with `letterBox` the letterbox pads for the
// row's "Video Size" cell (and display aspect) when the shapes differ.
std::string NewerSizeArg(const std::string& sizeText, const std::string& sourceSize, bool letterBox,
                         const std::string& displayAspect = {});

// " -pass \"1\" -passlogfile \"PREFIX\" -an" (the first pass keeps no
// sound), " -pass \"2\" -passlogfile \"PREFIX\""; empty for pass 0.
std::string PassArg(int pass, const std::string& statistics);

// All of the above for one job.
NewerPieces NewerPiecesFor(const ConversionChoices& choices, const std::string& sourceSize,
                           const std::string& displayAspect);
