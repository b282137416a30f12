// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// AMR-NB through libopencore-amrnb (libavcodec has no AMR-NB encoder of its
// own): 8000 Hz mono, 160 samples per frame, one packet per frame in the
// storage format that 3GP files hold.
#include "encoder/StreamEncoder.h"

#include <memory>

namespace ridod2e {

class AmrNbEncoder : public StreamEncoder {
public:
    static constexpr int SampleRate = 8000;
    static constexpr int FrameSamples = 160;

    // The coding mode nearest the bitrate (4750 to 12200 bit/s).
    explicit AmrNbEncoder(int64_t bitRate);

    void send(AVFrame* frame) override;
    bool receive(AVPacket* packet) override;
    AVRational timeBase() const override { return {1, SampleRate}; }
    void describe(AVCodecParameters* parameters) const override;

    int64_t bitRate() const;

    // The mode's bitrate nearest the request.
    static int64_t NearestBitRate(int64_t bitRate);

private:
    struct StateFree {
        void operator()(void* state) const;
    };

    std::unique_ptr<void, StateFree> state_;
    int mode_;
    PacketPtr pending_;
    bool hasPending_ = false;
};

} // namespace ridod2e
