// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One input stream's decoder. Packets that do not decode are skipped, as a
// player would skip them; the caller learns how many frames came out.
#include "encoder/Libav.h"

#include <functional>

namespace ridod2e {

class Decoder {
public:
    using FrameSink = std::function<void(AVFrame*)>;

    // Fails with "Unsupported codec" when no decoder exists for the stream.
    Decoder(AVStream* stream, bool lenient);

    // Decodes one packet (nullptr: the end of the stream) and hands every
    // frame that comes out to the sink, its pts set to the best timestamp
    // known, in the stream's time base.
    void decode(const AVPacket* packet, const FrameSink& sink);

    // Forgets the packets it holds and the end of the stream, to decode the
    // input again from another place.
    void restart();

    int64_t frames() const { return frames_; }
    AVRational timeBase() const { return timeBase_; }
    const AVCodecContext& context() const { return *context_; }

private:
    void drain(const FrameSink& sink);

    CodecContextPtr context_;
    FramePtr frame_;
    AVRational timeBase_;
    int64_t frames_ = 0;
};

} // namespace ridod2e
