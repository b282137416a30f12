#include "core/cmdline/FormatAssembly.h"

#include "core/cmdline/CommandPieces.h"
#include "core/cmdline/NewerAssembly.h"

#include <initializer_list>
#include <string_view>

namespace {

using namespace pieces;

std::string IPod(const PieceSet& p)
{
    return JoinPieces(p, {p.videoCodecArg, p.videoBitrateArg, p.frameRateArg, kMpeg4AacCodec, p.audioBitrateArg,
                    p.samplingRateArg, p.channelsArg, p.sizeArg});
}

std::string ZuneMpeg4(const PieceSet& p)
{
    return JoinPieces(p, {kMpeg4Codec, p.videoBitrateArg, p.frameRateArg, kMpeg4AacCodec, p.audioBitrateArg,
                    p.samplingRateArg, p.channelsArg, p.sizeArg});
}

std::string ZuneAvc(const PieceSet& p)
{
    return JoinPieces(p, {kBitexactH264, p.videoBitrateArg, kZuneAvcRates, kMpeg4AacCodec, p.audioBitrateArg,
                    p.samplingRateArg, p.channelsArg, kGopWide, p.sizeArg});
}

std::string Wmv(const PieceSet& p)
{
    const std::string codec = '"' + p.videoCodecText + '"';
    return JoinPieces(p, {kWmvCodecHead, codec, p.videoBitrateArg, p.frameRateArg, p.audioCodecArg, p.audioBitrateArg,
                    p.samplingRateArg, p.channelsArg, p.sizeArg, kXwmvTail});
}

std::string Psp(const PieceSet& p)
{
    return JoinPieces(p, {kXvidCodec, p.videoBitrateArg, p.frameRateArg, kMpeg4AacCodec, p.audioBitrateArg,
                    p.samplingRateArg, p.channelsArg, p.sizeArg, kPspContainer});
}

std::string PspAvc(const PieceSet& p)
{
    return JoinPieces(p, {kTitleHead, p.title, kH264Codec, kPspAvcBitrate, kPspAvcMaxrate, kPspAvcBufsize,
                    kPspAvcRate, kMpeg4AacCodec, p.audioBitrateArg, p.samplingRateArg, p.channelsArg, kGopNarrow,
                    p.sizeArg, kPspContainer});
}

std::string Ps3(const PieceSet& p, std::string_view rates)
{
    return JoinPieces(p, {kBitexactH264, rates, kMpeg4AacCodec, p.audioBitrateArg, p.samplingRateArg, p.channelsArg,
                    kGopWide, p.sizeArg});
}

std::string Phone(const PieceSet& p, std::string_view audioCodec, std::string_view container)
{
    return JoinPieces(p, {p.videoCodecArg, p.videoBitrateArg, p.frameRateArg, kPhoneBt, audioCodec, p.audioBitrateArg,
                    p.samplingRateArg, p.channelsArg, p.sizeArg, container});
}

// 3G2 offers AAC beside AMR: the selected codec, in the fixed piece's form.
std::string PhoneAudioCodec(const PieceSet& p)
{
    return std::string(kAudioCodecHead) + p.audioCodecText + '"';
}

std::string Audio(const PieceSet& p, std::string_view codec, std::initializer_list<std::string_view> tail)
{
    std::string line = p.encoderPrefix + p.inputArg;
    for (std::string_view piece : {codec, std::string_view(p.audioBitrateArg), std::string_view(p.samplingRateArg),
                                   std::string_view(p.channelsArg)})
        line += piece;
    for (std::string_view piece : tail)
        line += piece;
    return line + p.outputArg;
}

std::string Avi(const PieceSet& p)
{
    return JoinPieces(p, {p.videoCodecArg, p.videoBitrateArg, p.frameRateArg, p.audioCodecArg, p.audioBitrateArg,
                    p.samplingRateArg, p.channelsArg, p.sizeArg});
}

std::string Mpeg(const PieceSet& p)
{
    return JoinPieces(p, {kMpeg1Codec, kMpegBitrate, kMpegRate, p.audioCodecArg, p.audioBitrateArg, p.samplingRateArg,
                    p.channelsArg, p.sizeArg});
}

std::string Mov(const PieceSet& p)
{
    return JoinPieces(p, {kMovVideoCodec, p.videoBitrateArg, p.frameRateArg, kMovAudioCodec, p.audioBitrateArg,
                    p.samplingRateArg, p.channelsArg, p.sizeArg, kQtContainer});
}

} // namespace

std::optional<std::string> AssembleFormat(int formatIndex, const PieceSet& p)
{
    switch (formatIndex) {
    case 0: case 1: case 2: case 3: case 4: case 5: case 6:
        return IPod(p);
    case 8:
        return ZuneMpeg4(p);
    case 9:
        return ZuneAvc(p);
    case 10: case 29:
        return Wmv(p);
    case 12:
        return Psp(p);
    case 13:
        return PspAvc(p);
    case 14:
        return Ps3(p, kPs3Rates480);
    case 15: case 16:
        return Ps3(p, kPs3RatesHd);
    case 18:
        return Phone(p, kAmrNbCodec, {});
    case 19:
        return Phone(p, PhoneAudioCodec(p), k3gpContainer);
    case 21:
        return Audio(p, kAacCodec, {kNoVideo});
    case 22:
        return Audio(p, kMpeg4AacCodec, {kNoVideo});
    case 23:
        return Audio(p, kMp3Codec, {});
    case 24:
        return Audio(p, kWmaCodec, {kNoVideoShort, kXwmvContainer});
    case 26:
        return Avi(p);
    case 27:
        return Mpeg(p);
    case 28:
        return Mov(p);
    default:
        return AssembleNewerFormat(formatIndex, p);
    }
}

bool HasThumbnailRun(int formatIndex)
{
    return formatIndex == 12 || formatIndex == 13;
}

std::string ThumbnailPathOf(const std::string& videoPath)
{
    const std::size_t cut = kThumbnailExtension.size();
    return videoPath.substr(0, videoPath.size() >= cut ? videoPath.size() - cut : 0) + std::string(kThumbnailExtension);
}

std::string AssembleThumbnail(const PieceSet& p)
{
    return p.encoderPrefix + p.inputArg + std::string(kThumbnailHead) + " " + p.sizeArg + std::string(kMute)
        + p.outputArg;
}

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
