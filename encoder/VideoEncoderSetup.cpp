// SPDX-License-Identifier: GPL-3.0-or-later
#include "encoder/VideoEncoderSetup.h"

#include "encoder/CodecChoice.h"
#include "encoder/ColourPlan.h"
#include "encoder/Fault.h"
#include "encoder/Orientation.h"
#include "encoder/VideoCodecTuning.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

extern "C" {
#include <libavutil/imgutils.h>
#include <libavutil/pixdesc.h>
}

namespace ridod2e {
namespace {

// Quantiser for encoders told no bitrate: good quality, moderate size.
constexpr double DefaultQuantiser = 4;
constexpr double DefaultJpegQuantiser = 2;

// The most a rate of an ordinary clip can be; more is a high-speed one.
constexpr double UsualHighestRate = 120;

const AVCodec* FindVideoEncoder(const EncodeRequest& request, const AVOutputFormat* muxer)
{
    const AVCodec* codec = request.videoCodec.empty()
        ? avcodec_find_encoder(muxer->video_codec)
        : avcodec_find_encoder_by_name(EncoderNameFor(request.videoCodec).c_str());
    if (!codec || codec->type != AVMEDIA_TYPE_VIDEO)
        Fail(FaultKind::UnsupportedCodec, "no video encoder for '"
                                              + (request.videoCodec.empty() ? std::string(muxer->name) + " files"
                                                                            : request.videoCodec)
                                              + "'");
    return codec;
}

AVPixelFormat PictureFormatFor(const AVCodec* codec)
{
    if (!codec->pix_fmts)
        return AV_PIX_FMT_YUV420P;
    // GIF pictures take the palette the filters make for the whole clip.
    if (codec->id == AV_CODEC_ID_GIF)
        return AV_PIX_FMT_PAL8;
    for (const AVPixelFormat* format = codec->pix_fmts; *format != AV_PIX_FMT_NONE; ++format)
        if (*format == AV_PIX_FMT_YUV420P || *format == AV_PIX_FMT_YUVJ420P)
            return *format;
    return codec->pix_fmts[0];
}

bool NeedsEvenSizes(AVPixelFormat format)
{
    const AVPixFmtDescriptor* descriptor = av_pix_fmt_desc_get(format);
    return descriptor && (descriptor->log2_chroma_w > 0 || descriptor->log2_chroma_h > 0);
}

AVRational RateFor(const AVCodec* codec, AVRational wanted)
{
    if (codec->supported_framerates)
        wanted = codec->supported_framerates[av_find_nearest_q_idx(wanted, codec->supported_framerates)];
    AVRational reduced {};
    // MPEG-4 and others write the time base with 16-bit numbers.
    av_reduce(&reduced.num, &reduced.den, wanted.num, wanted.den, 65535);
    return reduced;
}

std::string SizeText(int width, int height)
{
    return std::to_string(width) + "x" + std::to_string(height);
}

// H.263 codes five picture sizes; H.263 version 2 codes others as a custom
// format and is still H.263 to the container and the player.
const AVCodec* H263ForSize(const AVCodec* codec, const FrameGeometry& geometry, ContainerOverride& override)
{
    const int width = geometry.frameWidth();
    const int height = geometry.frameHeight();
    if (codec->id != AV_CODEC_ID_H263 || IsStandardH263Size(width, height))
        return codec;
    if (!FitsH263CustomFormat(width, height))
        Fail("H.263 cannot code a " + SizeText(width, height) + " picture; the valid sizes are " + StandardH263Sizes());
    override.codecId = AV_CODEC_ID_H263;
    return avcodec_find_encoder(AV_CODEC_ID_H263P);
}

void SetRateControl(AVCodecContext& context, const AVCodec* codec, const EncodeRequest& request, Dictionary& options)
{
    const bool x264 = codec->id == AV_CODEC_ID_H264;
    if (request.videoBitrate) {
        // With a bitrate given, -qscale would override it: the bitrate wins.
        context.bit_rate = *request.videoBitrate;
    } else if (HasQualityFactor(codec)) {
        SetQualityFactor(context, codec, request, options);
    } else {
        const double fallback = codec->id == AV_CODEC_ID_MJPEG ? DefaultJpegQuantiser : DefaultQuantiser;
        context.flags |= AV_CODEC_FLAG_QSCALE;
        context.global_quality = static_cast<int>(std::lround(std::clamp(request.qscale.value_or(fallback), 1.0, 31.0)
                                                              * FF_QP2LAMBDA));
    }
    if (request.maxRate && request.bufferSize) {
        context.rc_max_rate = *request.maxRate;
        context.rc_buffer_size = static_cast<int>(*request.bufferSize);
    }
    if (request.bitrateTolerance)
        context.bit_rate_tolerance = static_cast<int>(*request.bitrateTolerance);
    if (request.gopSize)
        context.gop_size = std::max(1, *request.gopSize);
    if (x264 && request.coder)
        options.set("coder", std::to_string(*request.coder).c_str());
}

[[noreturn]] void FailToOpen(const AVCodecContext& context, int reason)
{
    char rate[32];
    std::snprintf(rate, sizeof rate, "%.2f", av_q2d(context.framerate));
    Fail("cannot open the " + std::string(context.codec->name) + " encoder for a "
         + SizeText(context.width, context.height) + " picture at " + rate + " fps (" + LibraryReason(reason) + ")");
}

// Where the picture goes in the frame and the shape of its pixels, sized as
// the picture a player shows: turned upright, its colour mapped before the
// scaling. Returns the source's own pixel shape.
AVRational PlanPicture(const EncodeRequest& request, AVFormatContext* input, AVStream* source, const ColourPlan& colour,
                       VideoEncoding& encoding)
{
    const Orientation orientation = OrientationOf(source);
    encoding.sourceSteps = orientation.filters;
    if (!colour.filters.empty())
        encoding.sourceSteps += (encoding.sourceSteps.empty() ? "" : ",") + colour.filters;
    const FrameDimensions sourceSize = Upright(FrameDimensions {source->codecpar->width, source->codecpar->height}, orientation);
    if ((!request.size || request.fitInside) && (sourceSize.width <= 0 || sourceSize.height <= 0))
        Fail("the picture size of stream #0." + std::to_string(source->index) + " is unknown; give -s");
    const AVRational sourceAspect = Upright(av_guess_sample_aspect_ratio(input, source, nullptr), orientation);
    const std::optional<FrameDimensions> picture =
        request.fitInside ? FitInside(sourceSize, sourceAspect, *request.size) : request.size;
    encoding.geometry = PlanGeometry(sourceSize, picture, request.padding, NeedsEvenSizes(encoding.format));
    // A fitted picture was sized for its display shape already: square pixels.
    const AVRational planned = request.fitInside
        ? AVRational {1, 1}
        : OutputPixelAspect(sourceSize, sourceAspect, encoding.geometry, request.size.has_value());
    encoding.pixelAspect = KeptThroughEvenSize(planned, sourceAspect, picture.value_or(sourceSize), encoding.geometry);
    return sourceAspect;
}

} // namespace

AVRational InputFrameRate(AVFormatContext* input, AVStream* source, double highest)
{
    const auto within = [](AVRational rate, double most) {
        return rate.num > 0 && rate.den > 0 && av_q2d(rate) >= 1 && av_q2d(rate) <= most;
    };
    const AVRational guessed = av_guess_frame_rate(input, source, nullptr);
    AVRational rate = source->avg_frame_rate;
    if (within(guessed, UsualHighestRate))
        rate = guessed;
    else if (within(source->avg_frame_rate, UsualHighestRate))
        rate = source->avg_frame_rate;
    // Only a clip whose every figure says more is a high-speed one; a
    // millisecond clock (ASF, FLV) without an average rate is no rate at all.
    else if (!within(source->avg_frame_rate, HighestRate))
        return {25, 1};
    else if (within(guessed, HighestRate))
        rate = guessed;
    if (av_q2d(rate) <= highest)
        return rate;
    const int every = static_cast<int>(std::ceil(av_q2d(rate) / highest));
    const AVRational part = av_mul_q(rate, {1, every});
    return av_q2d(part) >= highest * 2 / 3 ? part : av_d2q(highest, 1000);
}

VideoEncoding OpenVideoEncoder(const EncodeRequest& request, AVFormatContext* input, AVStream* source,
                               const AVOutputFormat* muxer)
{
    const AVCodec* codec = FindVideoEncoder(request, muxer);
    VideoEncoding encoding;
    const bool palette = codec->id == AV_CODEC_ID_GIF;
    const ColourPlan colour = PlanColour(*source->codecpar, codec, request, request.keepAll && !palette);
    encoding.format = colour.keepsHdr ? HdrPictureFormat(codec) : PictureFormatFor(codec);
    encoding.keepsHdr = colour.keepsHdr;
    if (colour.keepsHdr)
        encoding.hdr = ReadHdrMetadata(input, source);
    const AVRational sourceAspect = PlanPicture(request, input, source, colour, encoding);
    const int width = encoding.geometry.frameWidth();
    const int height = encoding.geometry.frameHeight();
    if (av_image_check_size(width, height, 0, nullptr) < 0)
        Fail("a " + SizeText(width, height) + " picture cannot be encoded");

    ContainerOverride override;
    codec = H263ForSize(codec, encoding.geometry, override);
    if (codec->id == AV_CODEC_ID_MPEG4 && std::string(codec->name) == "libxvid" && std::string(muxer->name) == "avi")
        override.codecTag = MKTAG('X', 'V', 'I', 'D');
    const double highestRate = request.keepAll ? HighestRate : DeviceHighestRate;
    encoding.frameRate = RateFor(codec, request.frameRate.value_or(InputFrameRate(input, source, highestRate)));

    CodecContextPtr context(avcodec_alloc_context3(codec));
    if (!context)
        throw std::bad_alloc();
    context->width = width;
    context->height = height;
    context->pix_fmt = encoding.format;
    context->framerate = encoding.frameRate;
    context->time_base = av_inv_q(encoding.frameRate);
    context->sample_aspect_ratio = encoding.pixelAspect.num > 0 ? encoding.pixelAspect : sourceAspect;
    if (muxer->flags & AVFMT_GLOBALHEADER)
        context->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    if (request.bitexact)
        context->flags |= AV_CODEC_FLAG_BITEXACT;
    if (colour.tags && !palette)
        ApplyColourTags(*context, *colour.tags);
    Dictionary options;
    options.set("threads", "auto");
    SetRateControl(*context, codec, request, options);
    TuneVideoCodec(codec, request, muxer, options, override);
    if (colour.keepsHdr && codec->id == AV_CODEC_ID_HEVC)
        options.set("x265-params", ("log-level=none:" + X265HdrParameters(encoding.hdr)).c_str());
    if (codec->id == AV_CODEC_ID_H264 && std::string(muxer->name) == "psp")
        options.set("profile", "main");
    auto statistics = std::make_unique<PassStatistics>(SetUpPass(*context, codec, request, options));
    if (!statistics->read.empty())
        context->stats_in = statistics->read.data();

    if (const int opened = avcodec_open2(context.get(), codec, options.address()); opened < 0)
        FailToOpen(*context, opened);
    encoding.encoder = std::make_unique<LibavEncoder>(std::move(context), override, std::move(statistics));
    return encoding;
}

} // namespace ridod2e
