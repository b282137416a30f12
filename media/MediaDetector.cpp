// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/MediaDetector.h"

#include "media/LibraryLog.h"
#include "media/PictureShape.h"

#include <cmath>
#include <limits>
#include <vector>

extern "C" {
#include <libavformat/avformat.h>
#include <libavutil/rational.h>
}

namespace {

bool IsOutputStream(const AVStream* stream)
{
    switch (stream->codecpar->codec_type) {
    case AVMEDIA_TYPE_VIDEO:
        // A cover picture is not a video stream to a player.
        return (stream->disposition & AV_DISPOSITION_ATTACHED_PIC) == 0;
    case AVMEDIA_TYPE_AUDIO:
    case AVMEDIA_TYPE_SUBTITLE:
        return true;
    default:
        return false;
    }
}

std::uint32_t ClampToUint32(std::int64_t value)
{
    if (value <= 0)
        return 0;
    return value > std::numeric_limits<std::uint32_t>::max() ? std::numeric_limits<std::uint32_t>::max()
                                                             : static_cast<std::uint32_t>(value);
}

std::optional<double> RateOf(AVRational rate)
{
    if (rate.num <= 0 || rate.den <= 0)
        return std::nullopt;
    return av_q2d(rate);
}

// The compression code: the container's own code when it has one, else the
// code the AVI world uses for the codec.
std::uint32_t VideoCompression(const AVCodecParameters* codec)
{
    if (codec->codec_tag != 0)
        return codec->codec_tag;
    const AVCodecTag* const tables[] = {avformat_get_riff_video_tags(), nullptr};
    return av_codec_get_tag(tables, codec->codec_id);
}

// The wave-format tag: the container's tag when it is one, else the tag
// registered for the codec.
std::uint16_t WaveFormatTag(const AVCodecParameters* codec)
{
    const AVCodecTag* const tables[] = {avformat_get_riff_audio_tags(), nullptr};
    if (codec->codec_tag != 0 && codec->codec_tag <= 0xFFFF && av_codec_get_id(tables, codec->codec_tag) == codec->codec_id)
        return static_cast<std::uint16_t>(codec->codec_tag);
    return static_cast<std::uint16_t>(av_codec_get_tag(tables, codec->codec_id) & 0xFFFF);
}

// Uncompressed RGB is told apart by its bit depth.
Guid RgbSubtype(int bitsPerPixel)
{
    const Guid base{0xE436EB7D, 0x524F, 0x11CE, {0x9F, 0x53, 0x00, 0x20, 0xAF, 0x0B, 0xA7, 0x70}};
    Guid subtype = base;
    switch (bitsPerPixel) {
    case 1: subtype.data1 = 0xE436EB78; break;
    case 4: subtype.data1 = 0xE436EB79; break;
    case 8: subtype.data1 = 0xE436EB7A; break;
    case 16: subtype.data1 = 0xE436EB7C; break;
    case 32: subtype.data1 = 0xE436EB7E; break;
    default: break;
    }
    return subtype;
}

bool HasNonSquarePixels(AVRational sampleAspect)
{
    return sampleAspect.num > 0 && sampleAspect.den > 0 && sampleAspect.num != sampleAspect.den;
}

} // namespace

struct MediaDetector::Input {
    AVFormatContext* context = nullptr;
    std::vector<const AVStream*> streams;

    ~Input() { avformat_close_input(&context); }

    const AVStream* stream(int index) const
    {
        return index >= 0 && index < static_cast<int>(streams.size()) ? streams[static_cast<std::size_t>(index)] : nullptr;
    }
};

MediaDetector::MediaDetector() = default;
MediaDetector::~MediaDetector() = default;

bool MediaDetector::setFilename(const std::string& path)
{
    input_.reset();
    QuietLibraryLog();
    auto input = std::make_unique<Input>();
    if (avformat_open_input(&input->context, path.c_str(), nullptr, nullptr) < 0)
        return false;
    // What the headers leave open is read from the first packets; when that
    // fails the streams keep what the headers said.
    avformat_find_stream_info(input->context, nullptr);
    for (unsigned index = 0; index < input->context->nb_streams; ++index) {
        if (IsOutputStream(input->context->streams[index]))
            input->streams.push_back(input->context->streams[index]);
    }
    input_ = std::move(input);
    return true;
}

std::optional<int> MediaDetector::outputStreams() const
{
    if (!input_)
        return std::nullopt;
    return static_cast<int>(input_->streams.size());
}

std::optional<StreamMediaType> MediaDetector::streamMediaType(int index) const
{
    const AVStream* stream = input_ ? input_->stream(index) : nullptr;
    if (stream == nullptr)
        return std::nullopt;
    const AVCodecParameters* codec = stream->codecpar;
    StreamMediaType type;
    if (codec->codec_type == AVMEDIA_TYPE_VIDEO) {
        VideoFormatBlock block;
        // The container's pixel shape where it states one, else the stream's.
        const AVRational sampleAspect =
            av_guess_sample_aspect_ratio(input_->context, const_cast<AVStream*>(stream), nullptr);
        if (HasNonSquarePixels(sampleAspect) && codec->width > 0 && codec->height > 0) {
            int x = 0;
            int y = 0;
            av_reduce(&x, &y, std::int64_t{codec->width} * sampleAspect.num, std::int64_t{codec->height} * sampleAspect.den,
                      std::numeric_limits<int>::max());
            block.pictureAspectX = static_cast<std::uint32_t>(x);
            block.pictureAspectY = static_cast<std::uint32_t>(y);
        }
        block.width = codec->width;
        block.height = codec->height;
        block.clockwiseTurn = ClockwiseTurn(stream);
        block.interlaced = IsInterlaced(stream);
        block.compression = VideoCompression(codec);
        block.bitRate = ClampToUint32(codec->bit_rate);
        if (const auto rate = frameRate(index))
            block.timePerFrame = std::llround(1e7 / *rate);
        type.majorType = media_guid::kMajorVideo;
        if (codec->codec_id == AV_CODEC_ID_MPEG1VIDEO) {
            type.subtype = media_guid::kSubtypeMpeg1Payload;
            type.formatType = media_guid::kFormatMpegVideo;
        } else if (codec->codec_id == AV_CODEC_ID_MPEG2VIDEO) {
            type.subtype = media_guid::kSubtypeMpeg2Video;
            type.formatType = media_guid::kFormatMpeg2Video;
        } else {
            type.subtype = block.compression == 0 ? RgbSubtype(codec->bits_per_coded_sample) : FourCCGuid(block.compression);
            // Non-square pixels travel in the header that carries the picture aspect.
            type.formatType = block.pictureAspectY != 0 ? media_guid::kFormatVideoInfo2 : media_guid::kFormatVideoInfo;
        }
        type.video = block;
    } else if (codec->codec_type == AVMEDIA_TYPE_AUDIO) {
        type.majorType = media_guid::kMajorAudio;
        const std::uint16_t tag = WaveFormatTag(codec);
        type.subtype = WaveTagGuid(tag);
        type.formatType = media_guid::kFormatWaveFormatEx;
        if (codec->sample_rate > 0) {
            WaveFormatBlock block;
            block.formatTag = tag;
            block.channels = static_cast<std::uint16_t>(codec->ch_layout.nb_channels);
            block.samplesPerSecond = static_cast<std::uint32_t>(codec->sample_rate);
            const int bits = codec->bits_per_coded_sample > 0 ? codec->bits_per_coded_sample : av_get_bits_per_sample(codec->codec_id);
            block.bitsPerSample = static_cast<std::uint16_t>(bits);
            type.wave = block;
        }
    } else {
        type.majorType = media_guid::kMajorText;
    }
    return type;
}

std::optional<double> MediaDetector::streamLength(int index) const
{
    const AVStream* stream = input_ ? input_->stream(index) : nullptr;
    if (stream == nullptr)
        return std::nullopt;
    if (stream->duration != AV_NOPTS_VALUE && stream->duration > 0)
        return static_cast<double>(stream->duration) * av_q2d(stream->time_base);
    if (input_->context->duration != AV_NOPTS_VALUE && input_->context->duration > 0)
        return static_cast<double>(input_->context->duration) / AV_TIME_BASE;
    return std::nullopt;
}

std::optional<double> MediaDetector::frameRate(int index) const
{
    const AVStream* stream = input_ ? input_->stream(index) : nullptr;
    if (stream == nullptr || stream->codecpar->codec_type != AVMEDIA_TYPE_VIDEO)
        return std::nullopt;
    if (const auto rate = RateOf(stream->avg_frame_rate))
        return rate;
    return RateOf(stream->r_frame_rate);
}
