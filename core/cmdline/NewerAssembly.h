#pragma once
// How today's formats (the rows after the first thirty) put the piece set
// together.
#include "core/cmdline/PieceSet.h"

#include <optional>
#include <string>

// The line for one of today's formats; nothing for any other index.
std::optional<std::string> AssembleNewerFormat(int formatIndex, const PieceSet& pieces);
