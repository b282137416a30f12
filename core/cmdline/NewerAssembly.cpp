// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/cmdline/NewerAssembly.h"

#include "core/cmdline/CommandPieces.h"

#include <initializer_list>
#include <string_view>

using namespace pieces;

namespace assembly {
namespace {

using Pieces = std::initializer_list<std::string_view>;

// Picture and sound coded anew, then what the container adds; the encoder
// is told to keep every track, the colour description and high rates.
std::string Video(const PieceSet& p, Pieces tail)
{
    const NewerPieces& n = p.newer;
    return JoinPieces(p, {n.videoCodec, n.quality, n.pass, n.preset, n.toneMap, n.frameRate, n.audioCodec, p.audioBitrateArg,
                          n.samplingRate, p.channelsArg, n.size},
                      tail);
}

std::string Audio(const PieceSet& p, Pieces tail)
{
    return JoinPieces(p, {p.newer.audioCodec, p.audioBitrateArg, p.newer.samplingRate, p.channelsArg, kNoVideoShort}, tail);
}

} // namespace

std::string Mp4Video(const PieceSet& p)
{
    return Video(p, {kFastStart, kChapters, kKeepAll});
}

std::string WebmVideo(const PieceSet& p)
{
    return Video(p, {kChapters, kKeepAll});
}

std::string Mp4Copy(const PieceSet& p)
{
    return JoinPieces(p, {kStreamCopy, p.muteArg, kFastStart, kChapters});
}

std::string MkvCopy(const PieceSet& p)
{
    return JoinPieces(p, {kStreamCopy, p.muteArg, kChapters});
}

std::string Gif(const PieceSet& p)
{
    return JoinPieces(p, {p.newer.videoCodec, p.newer.frameRate, p.newer.size, kNoAudioShort});
}

std::string ChapteredAudio(const PieceSet& p)
{
    return Audio(p, {kChapters});
}

// WAV holds no chapters.
std::string Wav(const PieceSet& p)
{
    return Audio(p, {});
}

} // namespace assembly
