// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/cmdline/FormatAssembly.h"

#include "core/cmdline/CommandPieces.h"

#include <initializer_list>
#include <string_view>

using namespace pieces;

namespace assembly {
namespace {

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

std::string Audio(const PieceSet& p, std::string_view codec, std::initializer_list<std::string_view> tail)
{
    return JoinPieces(p, {codec, p.audioBitrateArg, p.samplingRateArg, p.channelsArg}, tail);
}

} // namespace

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

std::string Ps3Video480(const PieceSet& p)
{
    return Ps3(p, kPs3Rates480);
}

std::string Ps3VideoHd(const PieceSet& p)
{
    return Ps3(p, kPs3RatesHd);
}

std::string Phone3gp(const PieceSet& p)
{
    return Phone(p, kAmrNbCodec, {});
}

// 3G2 offers AAC beside AMR: the selected codec, in the fixed piece's form.
std::string Phone3g2(const PieceSet& p)
{
    return Phone(p, std::string(kAudioCodecHead) + p.audioCodecText + '"', k3gpContainer);
}

std::string Aac(const PieceSet& p)
{
    return Audio(p, kAacCodec, {kNoVideo});
}

std::string M4a(const PieceSet& p)
{
    return Audio(p, kMpeg4AacCodec, {kNoVideo});
}

std::string Mp3(const PieceSet& p)
{
    return Audio(p, kMp3Codec, {});
}

std::string Wma(const PieceSet& p)
{
    return Audio(p, kWmaCodec, {kNoVideoShort, kXwmvContainer});
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

} // namespace assembly

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
