#include "core/cmdline/NewerAssembly.h"

#include "core/cmdline/CommandPieces.h"
#include "core/profiles/FormatCatalogue.h"

#include <initializer_list>
#include <string_view>

namespace {

using namespace pieces;

using Pieces = std::initializer_list<std::string_view>;

// Picture and sound coded anew, then what the container adds.
std::string Video(const PieceSet& p, Pieces tail)
{
    const NewerPieces& n = p.newer;
    return JoinPieces(p, {n.videoCodec, n.quality, n.preset, n.frameRate, n.audioCodec, p.audioBitrateArg, n.samplingRate,
                    p.channelsArg, n.size},
                tail);
}

std::string Audio(const PieceSet& p, Pieces tail)
{
    return JoinPieces(p, {p.newer.audioCodec, p.audioBitrateArg, p.newer.samplingRate, p.channelsArg, kNoVideoShort}, tail);
}

} // namespace

std::optional<std::string> AssembleNewerFormat(int formatIndex, const PieceSet& p)
{
    switch (formatIndex) {
    case formats::kMp4Video:
        return Video(p, {kFastStart, kChapters});
    case formats::kWebm:
        return Video(p, {kChapters});
    case formats::kMp4Copy:
        return JoinPieces(p, {kStreamCopy, p.muteArg, kFastStart, kChapters});
    case formats::kMkvCopy:
        return JoinPieces(p, {kStreamCopy, p.muteArg, kChapters});
    case formats::kGif:
        return JoinPieces(p, {p.newer.videoCodec, p.newer.frameRate, p.newer.size, kNoAudioShort});
    case formats::kFlac:
    case formats::kOpus:
    case formats::kOgg:
        return Audio(p, {kChapters});
    case formats::kWav: // WAV holds no chapters
        return Audio(p, {});
    default:
        return std::nullopt;
    }
}
