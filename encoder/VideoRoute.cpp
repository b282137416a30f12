// SPDX-License-Identifier: GPL-3.0-or-later
#include "encoder/VideoRoute.h"

#include "encoder/Fault.h"
#include "encoder/Trim.h"

extern "C" {
#include <libavutil/intreadwrite.h>
}

namespace ridod2e {
namespace {

// Pictures filtered but not yet encoded: enough to even out pictures that
// take longer to encode than others.
constexpr std::size_t PicturesInFlight = 4;

VideoFilter::Target FilterTarget(const VideoEncoding& encoding)
{
    return {encoding.geometry, encoding.format, encoding.pixelAspect, encoding.frameRate, encoding.sourceSteps};
}

double QualityOf(const AVPacket& packet)
{
    size_t size = 0;
    const uint8_t* stats = av_packet_get_side_data(&packet, AV_PKT_DATA_QUALITY_STATS, &size);
    if (!stats || size < 4)
        return -1;
    // Encoders that know no quantiser for a packet write a negative one.
    return static_cast<double>(static_cast<int32_t>(AV_RL32(stats))) / FF_QP2LAMBDA;
}

// The slot now holds a reference to the picture, or nothing when that
// reference cannot be made.
void Keep(AVFrame* slot, const AVFrame* picture)
{
    av_frame_unref(slot);
    if (av_frame_ref(slot, picture) < 0)
        av_frame_unref(slot);
}

bool Holds(const AVFrame* slot)
{
    return slot->buf[0] != nullptr;
}

} // namespace

VideoRoute::VideoRoute(const EncodeRequest& request, InputMedia& input, int stream, const AVOutputFormat* muxer,
                       OutputMedia& output, std::function<void()> progress)
    : output_(output),
      progress_(std::move(progress)),
      inputStream_(stream),
      decoder_(input.context()->streams[stream], input.alternativeReader()),
      encoding_(OpenVideoEncoder(request, input.context(), input.context()->streams[stream], muxer)),
      filter_(FilterTarget(encoding_)),
      fieldCheck_(*input.context()->streams[stream]->codecpar,
                  [this](const std::string& deinterlacing) { filter_.deinterlaceFirst(deinterlacing); }),
      keeper_(encoding_.frameRate),
      outputStream_(output.addStream(*encoding_.encoder, encoding_.frameRate)),
      timelineStart_(TimelineStart(input, request)),
      clock_(ClockMender::Kind::Pictures, decoder_.timeBase(), InTimeBase(timelineStart_, decoder_.timeBase())),
      limit_(PictureLimit(request, encoding_.frameRate)),
      keepsLastBeforeStart_(!request.trim),
      skipped_(NewFrame()),
      last_(NewFrame()),
      packet_(NewPacket()),
      encoderThread_(
          PicturesInFlight, [this](FramePtr& picture) { encode(picture); },
          [this] {
              encoding_.encoder->send(nullptr);
              drainEncoder();
          })
{
    output.addSideData(outputStream_, AV_PKT_DATA_MASTERING_DISPLAY_METADATA, encoding_.hdr.mastering);
    output.addSideData(outputStream_, AV_PKT_DATA_CONTENT_LIGHT_LEVEL, encoding_.hdr.light);
}

void VideoRoute::process(const AVPacket* packet)
{
    if (done())
        return;
    decoder_.decode(packet, [this](AVFrame* frame) { onDecoded(frame); });
}

bool VideoRoute::drain()
{
    if (!done() && !drained_) {
        process(nullptr);
        fieldCheck_.take(nullptr, decoder_.timeBase(), [this](AVFrame* picture) { toFilters(picture); });
        filter_.filter(nullptr, decoder_.timeBase(), [this](AVFrame* picture) { onFiltered(picture); });
        drained_ = true;
    }
    return handedOn_ > 0 || Holds(skipped_.get()) || filter_.gatheredPalette();
}

void VideoRoute::restart()
{
    decoder_.restart();
    filter_.restart();
    clock_.restart();
    drained_ = false;
}

void VideoRoute::drawWithGatheredPalette()
{
    drain();
    restart();
    filter_.drawWithGatheredPalette();
}

void VideoRoute::onDecoded(AVFrame* frame)
{
    if (frame->pts != AV_NOPTS_VALUE)
        frame->pts = clock_.mend(frame->pts, frame->pkt_duration);
    fieldCheck_.take(frame, decoder_.timeBase(), [this](AVFrame* picture) { toFilters(picture); });
}

void VideoRoute::toFilters(AVFrame* picture)
{
    filter_.filter(picture, decoder_.timeBase(), [this](AVFrame* filtered) { onFiltered(filtered); });
}

void VideoRoute::finish()
{
    drain();
    if (handedOn_ == 0 && keepsLastBeforeStart_ && Holds(skipped_.get()))
        handOn(skipped_.get(), 0);
    // The last picture stays for its own duration: at a low frame rate
    // (a slide show) that is seconds of the video.
    if (Holds(last_.get()) && lastEnd_)
        handOn(last_.get(), keeper_.place(*lastEnd_ - 1 / av_q2d(encoding_.frameRate)));
    encoderThread_.close();
}

void VideoRoute::onFiltered(AVFrame* picture)
{
    if (done())
        return;
    FrameRateKeeper::Slots slots;
    if (picture->pts == AV_NOPTS_VALUE) {
        slots = keeper_.placeNext();
    } else {
        const double seconds = picture->pts * av_q2d(decoder_.timeBase()) - timelineStart_;
        if (seconds * av_q2d(encoding_.frameRate) < -0.5) {
            Keep(skipped_.get(), picture);
            return;
        }
        slots = keeper_.place(seconds);
    }
    lastEnd_.reset();
    if (picture->pts != AV_NOPTS_VALUE && picture->pkt_duration > 0)
        lastEnd_ = (picture->pts + picture->pkt_duration) * av_q2d(decoder_.timeBase()) - timelineStart_;
    handOn(picture, slots);
    if (slots.count > 0)
        Keep(last_.get(), picture);
}

void VideoRoute::handOn(const AVFrame* picture, int64_t pts)
{
    FramePtr copy = NewFrame();
    Check(av_frame_ref(copy.get(), picture), "cannot keep a picture");
    copy->pts = pts;
    encoderThread_.put(std::move(copy));
    ++handedOn_;
    progress_();
}

void VideoRoute::handOn(const AVFrame* picture, FrameRateKeeper::Slots slots)
{
    for (int64_t i = 0; i < slots.count && !done(); ++i)
        handOn(picture, slots.first + i);
}

void VideoRoute::encode(FramePtr& picture)
{
    encoding_.encoder->send(picture.get());
    ++frames_;
    drainEncoder();
}

void VideoRoute::drainEncoder()
{
    while (encoding_.encoder->receive(packet_.get())) {
        if (const double quality = QualityOf(*packet_); quality >= 0)
            quality_ = quality;
        if (packet_->duration <= 0)
            packet_->duration = 1;
        output_.write(packet_.get(), outputStream_, encoding_.encoder->timeBase());
    }
}

} // namespace ridod2e
