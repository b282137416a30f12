// SPDX-License-Identifier: GPL-3.0-or-later
#include "encoder/Preview.h"

#include "encoder/CodecChoice.h"
#include "encoder/Decoder.h"
#include "encoder/Fault.h"
#include "encoder/FieldCheck.h"
#include "encoder/Orientation.h"
#include "encoder/OutputFile.h"
#include "encoder/Trim.h"
#include "encoder/VideoEncoderSetup.h"
#include "encoder/VideoFilter.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <unistd.h>

namespace ridod2e {
namespace {

void CheckMomentWithin(const EncodeRequest& request, const InputMedia& input)
{
    std::optional<double> length = TrimmedLength(request);
    if (const auto duration = input.summary().duration; duration && *duration > 0)
        length = std::min(length.value_or(*duration), *duration - StartSeconds(request));
    if (length && *request.previewSeconds >= *length)
        Fail("the moment to show (" + SecondsText(*request.previewSeconds) + ") lies at or past the end of the output ("
             + SecondsText(std::max(0.0, *length)) + ")");
}

// The conversion's picture; a copy's is the source's, upright.
VideoFilter::Target TargetFor(const EncodeRequest& request, InputMedia& input, AVStream* source)
{
    VideoFilter::Target target;
    if (IsStreamCopy(request.videoCodec)) {
        const Orientation orientation = OrientationOf(source);
        target.geometry = PlanGeometry(
            Upright(FrameDimensions {source->codecpar->width, source->codecpar->height}, orientation), std::nullopt, {},
            false);
        target.sourceSteps = orientation.filters;
        return target;
    }
    const VideoEncoding encoding =
        OpenVideoEncoder(request, input.context(), source, ChooseMuxer(request.outputFormat, request.output));
    target = {encoding.geometry, encoding.format, encoding.pixelAspect, {0, 1}, encoding.sourceSteps};
    if (target.format == AV_PIX_FMT_PAL8)
        target.format = AV_PIX_FMT_RGB24;
    return target;
}

// The filtered picture at the moment, or the last one before the input ends.
FramePtr PictureAt(const EncodeRequest& request, InputMedia& input, int stream)
{
    AVStream* source = input.context()->streams[stream];
    VideoFilter filter(TargetFor(request, input, source));
    Decoder decoder(source, input.alternativeReader());
    FieldCheck fields(*source->codecpar, [&filter](const std::string& steps) { filter.deinterlaceFirst(steps); });
    const double moment = TimelineStart(input, request) + *request.previewSeconds;
    const double halfFrame = 0.5 / av_q2d(InputFrameRate(input.context(), source, HighestRate));
    const AVRational timeBase = decoder.timeBase();
    FramePtr shown = NewFrame();
    bool reached = false;
    const FilterChain::Sink keep = [&](AVFrame* picture) {
        if (reached)
            return;
        av_frame_unref(shown.get());
        Check(av_frame_ref(shown.get(), picture), "cannot keep a picture");
        reached = picture->pts == AV_NOPTS_VALUE || picture->pts * av_q2d(timeBase) >= moment - halfFrame;
    };
    const FilterChain::Sink filtered = [&](AVFrame* frame) { filter.filter(frame, timeBase, keep); };
    const Decoder::FrameSink decoded = [&](AVFrame* frame) { fields.take(frame, timeBase, filtered); };
    input.keepOnly({stream});
    input.seek(moment - input.start());
    PacketPtr packet = NewPacket();
    while (!reached && input.read(packet.get())) {
        if (packet->stream_index == stream)
            decoder.decode(packet.get(), decoded);
        av_packet_unref(packet.get());
    }
    if (!reached) {
        decoder.decode(nullptr, decoded);
        fields.take(nullptr, timeBase, filtered);
        filter.filter(nullptr, timeBase, keep);
    }
    if (!shown->buf[0])
        Fail("no picture of stream #0." + std::to_string(stream) + " could be decoded");
    return shown;
}

// In RGB, its pixels square: as wide as a player shows it.
FramePtr AsShown(const AVFrame& picture)
{
    const AVRational aspect = picture.sample_aspect_ratio;
    const double stretch = aspect.num > 0 && aspect.den > 0 ? av_q2d(aspect) : 1.0;
    const int width = std::max(1, static_cast<int>(std::lround(picture.width * stretch)));
    FilterChain chain("buffer", PictureSourceArguments(picture, {1, 1}), "buffersink",
                      "scale=" + std::to_string(width) + ":" + std::to_string(picture.height)
                          + ":flags=bicubic,setsar=1,format=pix_fmts=rgb24",
                      0);
    FramePtr shown = NewFrame();
    chain.push(const_cast<AVFrame*>(&picture), [&](AVFrame* out) { Check(av_frame_ref(shown.get(), out), "cannot keep a picture"); });
    if (!shown->buf[0])
        Fail("the picture could not be shown");
    return shown;
}

PacketPtr EncodePng(AVFrame& picture)
{
    const AVCodec* codec = avcodec_find_encoder(AV_CODEC_ID_PNG);
    if (!codec)
        Fail(FaultKind::UnsupportedCodec, "no PNG encoder");
    CodecContextPtr context(avcodec_alloc_context3(codec));
    if (!context)
        throw std::bad_alloc();
    context->width = picture.width;
    context->height = picture.height;
    context->pix_fmt = static_cast<AVPixelFormat>(picture.format);
    context->time_base = {1, 1};
    Check(avcodec_open2(context.get(), codec, nullptr), "cannot open the PNG encoder");
    picture.pts = 0;
    Check(avcodec_send_frame(context.get(), &picture), "cannot encode the picture");
    Check(avcodec_send_frame(context.get(), nullptr), "cannot encode the picture");
    PacketPtr packet = NewPacket();
    Check(avcodec_receive_packet(context.get(), packet.get()), "cannot encode the picture");
    return packet;
}

void WriteFile(const EncodeRequest& request, const AVPacket& png)
{
    OutputFile file(request.output, request.overwrite);
    const uint8_t* data = png.data;
    size_t left = static_cast<size_t>(png.size);
    while (left > 0) {
        const ssize_t written = ::write(file.descriptor(), data, left);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            Fail("cannot write '" + request.output + "': " + LibraryReason(AVERROR(errno)));
        data += written;
        left -= static_cast<size_t>(written);
    }
    file.place();
}

} // namespace

void WritePreview(const EncodeRequest& request, InputMedia& input, Console& console)
{
    const int stream = input.videoStream();
    if (stream < 0 || request.noVideo)
        Fail("'" + request.input + "' gives no picture to show");
    CheckMomentWithin(request, input);
    const FramePtr shown = AsShown(*PictureAt(request, input, stream));
    const PacketPtr png = EncodePng(*shown);
    WriteFile(request, *png);
    MediaSummary summary;
    summary.format = "png";
    summary.path = request.output;
    StreamSummary picture;
    picture.type = AVMEDIA_TYPE_VIDEO;
    picture.codec = "png";
    picture.width = shown->width;
    picture.height = shown->height;
    summary.streams.push_back(picture);
    console.print(OutputBlock(summary));
}

} // namespace ridod2e
