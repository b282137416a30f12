// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One output stream's encoder, whichever library does the work: frames go
// in, packets come out.
#include "encoder/Libav.h"
#include "encoder/TwoPass.h"

#include <cstdint>
#include <memory>

namespace ridod2e {

class StreamEncoder {
public:
    virtual ~StreamEncoder() = default;

    // Takes one frame (nullptr: the end of the stream). Its pts is in timeBase().
    virtual void send(AVFrame* frame) = 0;
    // The next finished packet, its times in timeBase(); false when none is ready.
    virtual bool receive(AVPacket* packet) = 0;
    virtual AVRational timeBase() const = 0;
    // Fills in what the muxer needs to know about the stream.
    virtual void describe(AVCodecParameters* parameters) const = 0;
};

// What the container is told, where it differs from what the encoder says.
struct ContainerOverride {
    AVCodecID codecId = AV_CODEC_ID_NONE;
    uint32_t codecTag = 0;
};

// An encoder of libavcodec, already opened.
class LibavEncoder : public StreamEncoder {
public:
    // `statistics` stay while the encoder reads them, and are written when it ends.
    LibavEncoder(CodecContextPtr context, ContainerOverride override,
                 std::unique_ptr<PassStatistics> statistics = nullptr);
    ~LibavEncoder() override;

    void send(AVFrame* frame) override;
    bool receive(AVPacket* packet) override;
    AVRational timeBase() const override { return context_->time_base; }
    void describe(AVCodecParameters* parameters) const override;

private:
    CodecContextPtr context_;
    ContainerOverride override_;
    std::unique_ptr<PassStatistics> statistics_;
};

} // namespace ridod2e
