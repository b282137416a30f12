// SPDX-License-Identifier: GPL-3.0-or-later
#include "encoder/AudioFilter.h"

#include <cstdio>

namespace ridod2e {
namespace {

std::string LayoutName(const AVChannelLayout& layout)
{
    char name[128] = {};
    av_channel_layout_describe(&layout, name, sizeof name);
    return name;
}

} // namespace

bool AudioFilter::Shape::operator==(const Shape& other) const
{
    return sampleRate == other.sampleRate && format == other.format && layout == other.layout;
}

AudioFilter::AudioFilter(const Target& target) : target_(target) {}

std::string AudioFilter::description(bool first, int sourceChannels) const
{
    // The first chain starts the output at time 0 (silence before a late
    // start); later chains, after a change of format, carry on.
    std::string filters = "atrim=start=0,aresample=" + std::to_string(target_.sampleRate) + ":async=1";
    if (first)
        filters += ":first_pts=0";
    // Fewer channels are mixed in floating point, whatever the encoder
    // takes: mixing straight into integer samples makes the resampler scale
    // the whole mix down so that it cannot clip (8 dB for 5.1 to stereo), so
    // each encoder's sample format would give the sound another level.
    if (sourceChannels > target_.layout.nb_channels)
        filters += ":ochl=" + LayoutName(target_.layout) + ":osf=flt";
    if (target_.volume != 1) {
        char volume[64];
        std::snprintf(volume, sizeof volume, ",volume=%.4f", target_.volume);
        filters += volume;
    }
    filters += std::string(",aformat=sample_fmts=") + av_get_sample_fmt_name(target_.format)
        + ":sample_rates=" + std::to_string(target_.sampleRate) + ":channel_layouts=" + LayoutName(target_.layout);
    return filters;
}

void AudioFilter::filter(AVFrame* frame, AVRational timeBase, const FilterChain::Sink& sink)
{
    if (frame && (frame->sample_rate <= 0 || frame->ch_layout.nb_channels <= 0 || frame->format < 0))
        return;
    if (frame) {
        if (frame->ch_layout.order == AV_CHANNEL_ORDER_UNSPEC) {
            const int channels = frame->ch_layout.nb_channels;
            av_channel_layout_uninit(&frame->ch_layout);
            av_channel_layout_default(&frame->ch_layout, channels);
        }
        const Shape shape {frame->sample_rate, frame->format, LayoutName(frame->ch_layout)};
        if (!chain_ || !(shape == shape_)) {
            const bool first = !chain_;
            if (chain_)
                chain_->push(nullptr, sink);
            const std::string source = "time_base=" + std::to_string(timeBase.num) + "/" + std::to_string(timeBase.den)
                + ":sample_rate=" + std::to_string(shape.sampleRate) + ":sample_fmt="
                + av_get_sample_fmt_name(static_cast<AVSampleFormat>(shape.format)) + ":channel_layout=" + shape.layout;
            chain_ = std::make_unique<FilterChain>("abuffer", source, "abuffersink",
                                                   description(first, frame->ch_layout.nb_channels),
                                                   target_.frameSize);
            shape_ = shape;
        }
    }
    if (chain_)
        chain_->push(frame, sink);
}

} // namespace ridod2e
