// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The way of the sound from one input stream to one output stream:
// decoder, filters (rate, channels, volume, format, frame size), encoder,
// muxer. Sound before the start time (-start, -ss) and after the end (-end)
// is cut off, at the sample; a damaged or joined
// file's clock is mended on the way in (see ClockMender.h).
//
// Beside a route of the pictures, all of it works on a thread of its own, a
// few packets behind the thread that reads the input. Alone, it works on
// the reading thread: a second thread would only wait for the first.
#include "encoder/AudioEncoderSetup.h"
#include "encoder/AudioFilter.h"
#include "encoder/ClockMender.h"
#include "encoder/Decoder.h"
#include "encoder/EncodeRequest.h"
#include "encoder/InputMedia.h"
#include "encoder/OutputMedia.h"
#include "encoder/ShortSound.h"
#include "encoder/StageThread.h"
#include "encoder/Trim.h"

#include <chrono>
#include <optional>

namespace ridod2e {

class AudioRoute {
public:
    // Opens the decoder and the encoder and adds the output stream (with
    // the input stream's language, title and marks when labelled); with
    // ownThread, starts the route's thread.
    AudioRoute(const EncodeRequest& request, InputMedia& input, int stream, const AVOutputFormat* muxer,
               OutputMedia& output, bool ownThread, bool labelled = false);

    int inputStream() const { return inputStream_; }
    // What the filters make of the sound for the encoder.
    const AudioFilter::Target& filterTarget() const { return filter_.target(); }
    // One gain for the whole track (a loudness target); before process().
    void setGain(double gain) { filter_.setGain(gain); }
    // On the reading thread: hands the packet to the route's thread,
    // waiting while it is a few behind; without one, works on it at once.
    void process(const AVPacket* packet);
    // On the reading thread, at the end of the input: the route's thread,
    // or this one without it, drains the decoder, filters and encoder.
    void finish();

    // Waits at most the time for the route's thread to end; true when it
    // has. This and rethrowFailure rethrow that thread's failure.
    bool waitFor(std::chrono::milliseconds time) { return !thread_ || thread_->waitFor(time); }
    void rethrowFailure() const
    {
        if (thread_)
            thread_->rethrowFailure();
    }

    // Sound after the start time came out of the decoder; read it once the
    // route's thread has ended.
    bool heardSound() const { return samples_ > 0 || heard_; }
    // The sound reached the end (-end): what follows is not wanted.
    bool pastEnd() const { return end_.reached(); }

private:
    // On the route's thread, if it has one:
    void decode(const AVPacket* packet);
    void drain();
    void onDecoded(AVFrame* frame);
    void encode(AVFrame* frame);
    void drainEncoder();

    OutputMedia& output_;
    int inputStream_;
    Decoder decoder_;
    AudioEncoding encoding_;
    AudioFilter filter_;
    int outputStream_;
    int64_t timelineStart_;  // in the input stream's time base
    ClockMender clock_;
    SoundEnd end_;
    ShortSound shortSound_;
    int64_t samples_ = 0;
    bool heard_ = false;  // sound after the start time was decoded
    int64_t encodedTo_ = AV_NOPTS_VALUE;  // where the sound encoded so far ends, in the encoder's time base
    PacketPtr packet_;
    // Last: its thread is joined before anything it uses goes away.
    std::optional<StageThread<PacketPtr>> thread_;
};

} // namespace ridod2e
