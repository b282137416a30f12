#pragma once
// How each output format (and the PSP thumbnail run) concatenates the piece
// set into the encoder's command line.
#include "core/cmdline/PieceSet.h"

#include <optional>
#include <string>

// The format's command line; nothing for a separator or an index outside the list.
std::optional<std::string> AssembleFormat(int formatIndex, const PieceSet& pieces);

// Whether the format's video run is followed by a thumbnail run (PSP and PSP AVC).
bool HasThumbnailRun(int formatIndex);

// The video's output piece with its last five characters (".mp4" and the
// closing quote) replaced by ".THM" and the quote.
std::string ThumbnailOutputArg(const std::string& outputArg);

// One still picture 3 seconds in, at the video's size; outputArg already
// names the ".THM" file.
std::string AssembleThumbnail(const PieceSet& pieces);
