// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A sound of a few samples gives nothing back from an encoder that primes
// (AAC, MP3: its first frame is held back), nor from the resampler, which
// holds back its first few dozen samples. For such an encoder, a sound
// shorter than its frame is made one frame long (a few hundredths of a
// second) with silence after it, so that what it holds reaches the output.
#include "encoder/Libav.h"

namespace ridod2e {

class ShortSound {
public:
    // frameSize: the encoder's samples per frame at outputRate; 0 when no
    // sound is too short for it.
    ShortSound(int frameSize, int outputRate) : frameSize_(frameSize), outputRate_(outputRate) {}

    // A decoded frame on the output timeline, its pts in the time base.
    void count(const AVFrame& frame, AVRational timeBase);
    // At the end: the silence that makes the sound long enough, shaped as
    // the last frame and following it; nothing when none is needed.
    FramePtr padding() const;

private:
    int frameSize_;
    int outputRate_;
    int64_t samples_ = 0;
    FramePtr last_;       // a frame of the shape the silence takes, without its samples
    int64_t end_ = AV_NOPTS_VALUE;  // where the last frame ends, in the time base
};

} // namespace ridod2e
