#include "encoder/VideoRoute.h"

#include "encoder/Fault.h"

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
    return {encoding.geometry, encoding.format, encoding.squarePixels};
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

} // namespace

VideoRoute::VideoRoute(const EncodeRequest& request, InputMedia& input, int stream, const AVOutputFormat* muxer,
                       OutputMedia& output, std::function<void()> progress)
    : output_(output),
      progress_(std::move(progress)),
      inputStream_(stream),
      decoder_(input.context()->streams[stream], input.alternativeReader()),
      encoding_(OpenVideoEncoder(request, input.context(), input.context()->streams[stream], muxer)),
      filter_(FilterTarget(encoding_)),
      keeper_(encoding_.frameRate),
      outputStream_(output.addStream(*encoding_.encoder, encoding_.frameRate)),
      timelineStart_(input.start() + request.startSeconds.value_or(0)),
      limit_(request.maxVideoFrames.value_or(-1)),
      skipped_(NewFrame()),
      packet_(NewPacket()),
      encoderThread_(
          PicturesInFlight, [this](FramePtr& picture) { encode(picture); },
          [this] {
              encoding_.encoder->send(nullptr);
              drainEncoder();
          })
{
}

void VideoRoute::process(const AVPacket* packet)
{
    if (done())
        return;
    decoder_.decode(packet, [this](AVFrame* frame) {
        filter_.filter(frame, decoder_.timeBase(), [this](AVFrame* picture) { onFiltered(picture); });
    });
}

void VideoRoute::finish()
{
    if (!done()) {
        process(nullptr);
        filter_.filter(nullptr, decoder_.timeBase(), [this](AVFrame* picture) { onFiltered(picture); });
    }
    if (handedOn_ == 0 && hasSkipped_) {
        skipped_->pts = 0;
        handOn(std::move(skipped_));
    }
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
            av_frame_unref(skipped_.get());
            hasSkipped_ = av_frame_ref(skipped_.get(), picture) >= 0;
            return;
        }
        slots = keeper_.place(seconds);
    }
    for (int64_t i = 0; i < slots.count && !done(); ++i) {
        FramePtr copy = NewFrame();
        Check(av_frame_ref(copy.get(), picture), "cannot keep a picture");
        copy->pts = slots.first + i;
        handOn(std::move(copy));
    }
}

void VideoRoute::handOn(FramePtr picture)
{
    encoderThread_.put(std::move(picture));
    ++handedOn_;
    progress_();
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
