// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/cmdline/PieceSet.h"

std::string JoinPieces(const PieceSet& pieces, std::initializer_list<std::string_view> middle,
                       std::initializer_list<std::string_view> tail)
{
    std::string line = pieces.encoderPrefix + pieces.inputArg;
    for (const auto part : {middle, tail}) {
        for (std::string_view piece : part)
            line += piece;
    }
    return line + pieces.outputArg;
}
