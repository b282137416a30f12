// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The way of the picture from one input stream to one output stream:
// decoder, mended clock, field check, filters, constant frame rate,
// encoder, muxer. Pictures before the
// start time (-ss) are skipped, but the last of them is kept: an input that
// ends before the start time still gives its last picture, so a thumbnail
// of a short clip is never empty; a trim (-start) keeps none of them. The
// pictures end at -end's. The last picture lasts as long as the
// input says it does.
//
// The thread that reads the input decodes and filters; the encoder works on
// a thread of its own, a few pictures behind, so that scaling one picture
// and encoding the one before happen at the same time.
#include "encoder/ClockMender.h"
#include "encoder/Decoder.h"
#include "encoder/EncodeRequest.h"
#include "encoder/FieldCheck.h"
#include "encoder/FrameRateKeeper.h"
#include "encoder/InputMedia.h"
#include "encoder/OutputMedia.h"
#include "encoder/StageThread.h"
#include "encoder/VideoEncoderSetup.h"
#include "encoder/VideoFilter.h"

#include <atomic>
#include <chrono>
#include <functional>
#include <optional>

namespace ridod2e {

class VideoRoute {
public:
    // Opens the decoder and the encoder and adds the output stream. The
    // progress is called on the reading thread for every picture handed on.
    VideoRoute(const EncodeRequest& request, InputMedia& input, int stream, const AVOutputFormat* muxer,
               OutputMedia& output, std::function<void()> progress);

    int inputStream() const { return inputStream_; }
    // On the reading thread: decodes and filters the packet and hands the
    // pictures to the encoder's thread, waiting while it is a few behind.
    void process(const AVPacket* packet);
    // On the reading thread: drains the decoder and the filters; false when
    // not one picture came out of them (none handed on, none kept from
    // before the start time, no palette gathered).
    bool drain();
    // After drain: ready to take the input again from its beginning.
    void restart();
    // Palette pictures (GIF) take two passes over the input: the first only
    // gathers the palette, the second, after drawWithGatheredPalette (which
    // drains and restarts), draws and encodes the pictures.
    bool gathersPalette() const { return filter_.gathersPalette(); }
    void drawWithGatheredPalette();
    // On the reading thread, at the end of the input: drains the decoder and
    // the filters; the encoder's thread then drains the encoder.
    void finish();

    // Waits at most the time for the encoder's thread to end; true when it
    // has. This and rethrowFailure rethrow that thread's failure.
    bool waitFor(std::chrono::milliseconds time) { return encoderThread_.waitFor(time); }
    void rethrowFailure() const { encoderThread_.rethrowFailure(); }

    // The -vframes or -end limit is reached.
    bool done() const { return limit_ >= 0 && handedOn_ >= limit_; }
    // Pictures encoded so far, and the last quantiser.
    int64_t frames() const { return frames_; }
    double quality() const { return quality_; }
    // The length of the pictures handed on so far.
    double seconds() const { return handedOn_ / av_q2d(encoding_.frameRate); }

private:
    void onDecoded(AVFrame* frame);
    void toFilters(AVFrame* picture);
    void onFiltered(AVFrame* picture);
    // A new reference to the picture, with its place on the output's timeline.
    void handOn(const AVFrame* picture, int64_t pts);
    // The picture once for each slot, up to the -vframes limit.
    void handOn(const AVFrame* picture, FrameRateKeeper::Slots slots);
    // On the encoder's thread:
    void encode(FramePtr& picture);
    void drainEncoder();

    OutputMedia& output_;
    std::function<void()> progress_;
    int inputStream_;
    Decoder decoder_;
    VideoEncoding encoding_;
    VideoFilter filter_;
    FieldCheck fieldCheck_;
    FrameRateKeeper keeper_;
    int outputStream_;
    double timelineStart_;
    ClockMender clock_;
    int64_t limit_;
    bool keepsLastBeforeStart_;
    int64_t handedOn_ = 0;
    std::atomic<int64_t> frames_ = 0;
    std::atomic<double> quality_ = 0;
    FramePtr skipped_;               // the last picture before the start time, if any
    bool drained_ = false;
    FramePtr last_;                  // the last picture handed on, if any
    std::optional<double> lastEnd_;  // where it ends on the output timeline, when known
    PacketPtr packet_;
    // Last: its thread is joined before anything it uses goes away.
    StageThread<FramePtr> encoderThread_;
};

} // namespace ridod2e
