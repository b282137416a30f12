// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the device, phone, audio and general video formats (and the PSP
// thumbnail run) concatenate the piece set into the encoder's command line.
// The format catalogue names each row's assembly.
#include "core/cmdline/PieceSet.h"

#include <string>

namespace assembly {
std::string IPod(const PieceSet& pieces);
std::string ZuneMpeg4(const PieceSet& pieces);
std::string ZuneAvc(const PieceSet& pieces);
std::string Wmv(const PieceSet& pieces); // the Zune WMV format and WMV
std::string Psp(const PieceSet& pieces);
std::string PspAvc(const PieceSet& pieces);
std::string Ps3Video480(const PieceSet& pieces);
std::string Ps3VideoHd(const PieceSet& pieces); // 720P and 1080P
std::string Phone3gp(const PieceSet& pieces);
std::string Phone3g2(const PieceSet& pieces);
std::string Aac(const PieceSet& pieces);
std::string M4a(const PieceSet& pieces);
std::string Mp3(const PieceSet& pieces);
std::string Wma(const PieceSet& pieces);
std::string Avi(const PieceSet& pieces);
std::string Mpeg(const PieceSet& pieces);
std::string Mov(const PieceSet& pieces);
} // namespace assembly

// The video's output path with its last four characters (".mp4") replaced
// by ".THM".
std::string ThumbnailPathOf(const std::string& videoPath);

// One still picture 3 seconds in, at the video's size; outputArg already
// names the ".THM" file.
std::string AssembleThumbnail(const PieceSet& pieces);
