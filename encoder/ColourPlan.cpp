// SPDX-License-Identifier: GPL-3.0-or-later
#include "encoder/ColourPlan.h"

extern "C" {
#include <libavutil/pixdesc.h>
}

namespace ridod2e {
namespace {

// The operator ffmpeg's documentation gives for zscale and tonemap: to
// linear light, to BT.709 primaries, Hable's curve, back to BT.709.
constexpr const char* ToneMapping = "zscale=t=linear:npl=100,format=gbrpf32le,zscale=p=bt709,"
                                    "tonemap=tonemap=hable:desat=0,zscale=t=bt709:m=bt709:r=tv,format=yuv420p";
constexpr const char* ToBt709Gamut = "zscale=p=bt709:t=bt709:m=bt709:r=tv,format=yuv420p";

constexpr ColourTags Bt709 {AVCOL_PRI_BT709, AVCOL_TRC_BT709, AVCOL_SPC_BT709, AVCOL_RANGE_MPEG};

bool IsRgb(const AVCodecParameters& source)
{
    const AVPixFmtDescriptor* format = av_pix_fmt_desc_get(static_cast<AVPixelFormat>(source.format));
    return source.color_space == AVCOL_SPC_RGB || (format && (format->flags & AV_PIX_FMT_FLAG_RGB));
}

bool IsHighDefinition(const AVCodecParameters& source)
{
    return source.width > 1024 || source.height > 576;
}

bool KeepsHdr(const AVCodec* codec)
{
    const std::string name = codec->name;
    return name == "libx265" || name == "libsvtav1" || name == "libvpx-vp9";
}

// A source that says nothing is taken as what players take it for: BT.709
// when high-definition, else the standard-definition colours of its lines.
ColourTags Described(const AVCodecParameters& source)
{
    ColourTags tags {source.color_primaries, source.color_trc, source.color_space, source.color_range};
    const bool hd = IsHighDefinition(source);
    const bool pal = source.height == 576 || source.height == 288;
    // RGB becomes the YUV players take for its size (see RgbToYuv).
    if (IsRgb(source)) {
        tags.matrix = AVCOL_SPC_UNSPECIFIED;
        tags.range = AVCOL_RANGE_MPEG;
    }
    if (tags.matrix == AVCOL_SPC_UNSPECIFIED)
        tags.matrix = hd ? AVCOL_SPC_BT709 : pal ? AVCOL_SPC_BT470BG : AVCOL_SPC_SMPTE170M;
    if (tags.primaries == AVCOL_PRI_UNSPECIFIED)
        tags.primaries = hd ? AVCOL_PRI_BT709 : pal ? AVCOL_PRI_BT470BG : AVCOL_PRI_SMPTE170M;
    if (tags.transfer == AVCOL_TRC_UNSPECIFIED)
        tags.transfer = hd ? AVCOL_TRC_BT709 : AVCOL_TRC_SMPTE170M;
    if (tags.range == AVCOL_RANGE_UNSPECIFIED) {
        const auto format = static_cast<AVPixelFormat>(source.format);
        const bool full = format == AV_PIX_FMT_YUVJ420P || format == AV_PIX_FMT_YUVJ422P || format == AV_PIX_FMT_YUVJ444P;
        tags.range = full ? AVCOL_RANGE_JPEG : AVCOL_RANGE_MPEG;
    }
    return tags;
}

} // namespace

bool IsHdr(const AVCodecParameters& source)
{
    return source.color_trc == AVCOL_TRC_SMPTE2084 || source.color_trc == AVCOL_TRC_ARIB_STD_B67;
}

AVPixelFormat HdrPictureFormat(const AVCodec* codec)
{
    if (!KeepsHdr(codec) || !codec->pix_fmts)
        return AV_PIX_FMT_NONE;
    for (const AVPixelFormat* format = codec->pix_fmts; *format != AV_PIX_FMT_NONE; ++format)
        if (*format == AV_PIX_FMT_YUV420P10LE)
            return *format;
    return AV_PIX_FMT_NONE;
}

ColourPlan PlanColour(const AVCodecParameters& source, const AVCodec* codec, const EncodeRequest& request,
                      bool describes)
{
    ColourPlan plan;
    if (IsHdr(source)) {
        if (!request.toneMap && HdrPictureFormat(codec) != AV_PIX_FMT_NONE) {
            plan.keepsHdr = true;
            plan.tags = Described(source);
            return plan;
        }
        plan.filters = ToneMapping;
        plan.tags = Bt709;
        return plan;
    }
    if (source.color_primaries == AVCOL_PRI_BT2020) {
        plan.filters = ToBt709Gamut;
        plan.tags = Bt709;
        return plan;
    }
    // A screen recording's RGB is turned into YUV of limited range by the
    // matrix players take for its size, as the 4:2:0 pictures of every
    // codec here but the palette's and the thumbnail's are.
    if (IsRgb(source) && codec->id != AV_CODEC_ID_GIF && codec->id != AV_CODEC_ID_MJPEG)
        plan.filters = std::string("scale=out_color_matrix=") + (IsHighDefinition(source) ? "bt709" : "bt601")
            + ":out_range=tv,format=yuv444p";
    if (describes)
        plan.tags = Described(source);
    return plan;
}

void ApplyColourTags(AVCodecContext& context, const ColourTags& tags)
{
    context.color_primaries = tags.primaries;
    context.color_trc = tags.transfer;
    context.colorspace = tags.matrix;
    context.color_range = tags.range;
}

} // namespace ridod2e
