// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How today's formats put the piece set together; the format catalogue
// names each row's assembly.
#include "core/cmdline/PieceSet.h"

#include <string>

namespace assembly {
std::string Mp4Video(const PieceSet& pieces);
std::string WebmVideo(const PieceSet& pieces);
std::string Mp4Copy(const PieceSet& pieces);
std::string MkvCopy(const PieceSet& pieces);
std::string Gif(const PieceSet& pieces);
std::string ChapteredAudio(const PieceSet& pieces); // FLAC, Opus, OGG
std::string Wav(const PieceSet& pieces);
} // namespace assembly
