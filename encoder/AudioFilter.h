// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Turns decoded sound into the encoder's: resampled to its rate, mixed to
// its channels (centre and surround at -3 dB, the same level for every
// encoder), scaled in volume, converted to its sample format and cut
// into frames of the size it takes. Timestamps are honoured: a gap becomes
// silence, an overlap is dropped, and sound before the start of the output
// timeline is cut off.
#include "encoder/FilterChain.h"

#include <memory>

extern "C" {
#include <libavutil/channel_layout.h>
#include <libavutil/samplefmt.h>
}

namespace ridod2e {

class AudioFilter {
public:
    struct Target {
        int sampleRate = 44100;
        AVChannelLayout layout {};
        AVSampleFormat format = AV_SAMPLE_FMT_S16;
        int frameSize = 0;
        double volume = 1;
    };

    explicit AudioFilter(const Target& target);

    // Filters one frame whose pts (in the time base) count from the start of
    // the output timeline (nullptr: the end); frames come out with pts in
    // outputTimeBase().
    void filter(AVFrame* frame, AVRational timeBase, const FilterChain::Sink& sink);
    AVRational outputTimeBase() const { return {1, target_.sampleRate}; }
    const Target& target() const { return target_; }
    // Scales the volume further; before the first frame.
    void setGain(double gain) { target_.volume *= gain; }

private:
    struct Shape {
        int sampleRate = 0;
        int format = -1;
        std::string layout;
        bool operator==(const Shape& other) const;
    };
    std::string description(bool first, int sourceChannels) const;

    Target target_;
    Shape shape_;
    std::unique_ptr<FilterChain> chain_;
};

} // namespace ridod2e
