// SPDX-License-Identifier: GPL-3.0-or-later
#include "encoder/StreamEncoder.h"

#include "encoder/Fault.h"

namespace ridod2e {

LibavEncoder::LibavEncoder(CodecContextPtr context, ContainerOverride override,
                           std::unique_ptr<PassStatistics> statistics)
    : context_(std::move(context)), override_(override), statistics_(std::move(statistics))
{
}

LibavEncoder::~LibavEncoder()
{
    // The statistics read were ours, not the library's.
    if (context_)
        context_->stats_in = nullptr;
}

void LibavEncoder::send(AVFrame* frame)
{
    if (frame) {
        // The decoder's picture types must not steer the encoder, and
        // fixed-quality encoders read their quantiser from each frame.
        frame->pict_type = AV_PICTURE_TYPE_NONE;
        frame->quality = context_->global_quality;
    }
    const int sent = avcodec_send_frame(context_.get(), frame);
    if (sent == AVERROR_EOF)
        return;
    Check(sent, [this] { return std::string("the ") + context_->codec->name + " encoder refused a frame"; });
}

bool LibavEncoder::receive(AVPacket* packet)
{
    const int received = avcodec_receive_packet(context_.get(), packet);
    if (received == AVERROR_EOF && statistics_ && !statistics_->writeTo.empty()) {
        WriteStatistics(statistics_->writeTo, context_->stats_out);
        statistics_->writeTo.clear();
    }
    if (received == AVERROR(EAGAIN) || received == AVERROR_EOF)
        return false;
    Check(received, [this] { return std::string("the ") + context_->codec->name + " encoder stopped"; });
    return true;
}

void LibavEncoder::describe(AVCodecParameters* parameters) const
{
    Check(avcodec_parameters_from_context(parameters, context_.get()), "cannot describe the output stream");
    if (override_.codecId != AV_CODEC_ID_NONE)
        parameters->codec_id = override_.codecId;
    if (override_.codecTag)
        parameters->codec_tag = override_.codecTag;
}

} // namespace ridod2e
