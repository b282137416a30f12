#pragma once
// The way of the picture from one input stream to one output stream:
// decoder, filters, constant frame rate, encoder, muxer. Pictures before the
// start time (-ss) are skipped, but the last of them is kept: an input that
// ends before the start time still gives its last picture, so a thumbnail
// of a short clip is never empty. The last picture lasts as long as the
// input says it does.
#include "encoder/Decoder.h"
#include "encoder/EncodeRequest.h"
#include "encoder/FrameRateKeeper.h"
#include "encoder/InputMedia.h"
#include "encoder/OutputMedia.h"
#include "encoder/VideoEncoderSetup.h"
#include "encoder/VideoFilter.h"

#include <functional>
#include <optional>

namespace ridod2e {

class VideoRoute {
public:
    // Opens the decoder and the encoder and adds the output stream.
    VideoRoute(const EncodeRequest& request, InputMedia& input, int stream, const AVOutputFormat* muxer,
               OutputMedia& output, std::function<void()> progress);

    int inputStream() const { return inputStream_; }
    void process(const AVPacket* packet);
    // Drains the decoder and the filters; false when not one picture came
    // out of them (none encoded, none kept from before the start time).
    bool drain();
    // After drain: ready to take the input again from its beginning.
    void restart();
    // Drains the decoder, the filters and the encoder.
    void finish();

    // The -vframes limit is reached.
    bool done() const { return limit_ >= 0 && frames_ >= limit_; }
    int64_t frames() const { return frames_; }
    // The length of the pictures encoded so far.
    double seconds() const { return frames_ / av_q2d(encoding_.frameRate); }
    double quality() const { return quality_; }

private:
    void onFiltered(AVFrame* picture);
    void encode(AVFrame* picture);
    void drainEncoder();

    OutputMedia& output_;
    std::function<void()> progress_;
    int inputStream_;
    Decoder decoder_;
    VideoEncoding encoding_;
    VideoFilter filter_;
    FrameRateKeeper keeper_;
    int outputStream_;
    double timelineStart_;
    int64_t limit_;
    int64_t frames_ = 0;
    double quality_ = 0;
    FramePtr skipped_;
    bool hasSkipped_ = false;
    bool drained_ = false;
    FramePtr last_;                  // the last picture encoded
    bool hasLast_ = false;
    std::optional<double> lastEnd_;  // where it ends on the output timeline, when known
    PacketPtr packet_;
};

} // namespace ridod2e
