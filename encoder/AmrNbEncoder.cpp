// SPDX-License-Identifier: GPL-3.0-or-later
#include "encoder/AmrNbEncoder.h"

#include "encoder/Fault.h"

#include <array>
#include <cstdlib>

extern "C" {
#include <libavutil/channel_layout.h>
#include <opencore-amrnb/interf_enc.h>
}

namespace ridod2e {
namespace {

// Bitrates of the modes MR475 to MR122, in mode order.
constexpr std::array<int64_t, 8> ModeBitRates = {4750, 5150, 5900, 6700, 7400, 7950, 10200, 12200};

int NearestMode(int64_t bitRate)
{
    int best = 0;
    for (int mode = 1; mode < static_cast<int>(ModeBitRates.size()); ++mode)
        if (std::llabs(ModeBitRates[mode] - bitRate) <= std::llabs(ModeBitRates[best] - bitRate))
            best = mode;
    return best;
}

} // namespace

void AmrNbEncoder::StateFree::operator()(void* state) const
{
    Encoder_Interface_exit(state);
}

AmrNbEncoder::AmrNbEncoder(int64_t bitRate)
    : state_(Encoder_Interface_init(0)), mode_(NearestMode(bitRate)), pending_(NewPacket())
{
    if (!state_)
        Fail("cannot start the AMR-NB encoder");
}

int64_t AmrNbEncoder::NearestBitRate(int64_t bitRate)
{
    return ModeBitRates[NearestMode(bitRate)];
}

int64_t AmrNbEncoder::bitRate() const
{
    return ModeBitRates[mode_];
}

void AmrNbEncoder::send(AVFrame* frame)
{
    if (!frame)
        return;
    if (frame->format != AV_SAMPLE_FMT_S16 || frame->ch_layout.nb_channels != 1 || frame->nb_samples > FrameSamples)
        Fail("the AMR-NB encoder takes 160 samples of 16-bit mono at a time");
    std::array<short, FrameSamples> speech {};
    const auto* samples = reinterpret_cast<const short*>(frame->data[0]);
    std::copy(samples, samples + frame->nb_samples, speech.begin());

    std::array<unsigned char, 64> coded {};
    const int size = Encoder_Interface_Encode(state_.get(), static_cast<Mode>(mode_), speech.data(), coded.data(), 0);
    if (size <= 0)
        Fail("the AMR-NB encoder refused a frame");
    av_packet_unref(pending_.get());
    Check(av_new_packet(pending_.get(), size), "out of memory for an AMR-NB packet");
    std::copy(coded.begin(), coded.begin() + size, pending_->data);
    pending_->pts = frame->pts;
    pending_->dts = frame->pts;
    pending_->duration = FrameSamples;
    hasPending_ = true;
}

bool AmrNbEncoder::receive(AVPacket* packet)
{
    if (!hasPending_)
        return false;
    av_packet_move_ref(packet, pending_.get());
    hasPending_ = false;
    return true;
}

void AmrNbEncoder::describe(AVCodecParameters* parameters) const
{
    parameters->codec_type = AVMEDIA_TYPE_AUDIO;
    parameters->codec_id = AV_CODEC_ID_AMR_NB;
    parameters->format = AV_SAMPLE_FMT_S16;
    parameters->sample_rate = SampleRate;
    av_channel_layout_uninit(&parameters->ch_layout);
    av_channel_layout_default(&parameters->ch_layout, 1);
    parameters->frame_size = FrameSamples;
    parameters->bit_rate = bitRate();
}

} // namespace ridod2e
