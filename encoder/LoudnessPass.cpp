// SPDX-License-Identifier: GPL-3.0-or-later
#include "encoder/LoudnessPass.h"

#include "encoder/Decoder.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>

#include <ebur128.h>

namespace ridod2e {
namespace {

struct MeterFree {
    void operator()(ebur128_state* meter) const { ebur128_destroy(&meter); }
};
using MeterPtr = std::unique_ptr<ebur128_state, MeterFree>;

// One track's sound on its way to the meter.
class Measuring {
public:
    Measuring(InputMedia& input, const AudioRoute& route, double timelineStart);

    void decode(const AVPacket* packet);
    double integrated();
    double truePeak();

private:
    void measure(AVFrame* frame);

    Decoder decoder_;
    AudioFilter filter_;
    int64_t timelineStart_; // in the decoder's time base
    int channels_;
    MeterPtr meter_;
};

// The route's rate, channels and volume, as interleaved floats the meter takes.
AudioFilter::Target MeterTarget(const AudioRoute& route)
{
    AudioFilter::Target target = route.filterTarget();
    target.format = AV_SAMPLE_FMT_FLT;
    target.frameSize = 0;
    return target;
}

Measuring::Measuring(InputMedia& input, const AudioRoute& route, double timelineStart)
    : decoder_(input.context()->streams[route.inputStream()], input.alternativeReader()),
      filter_(MeterTarget(route)),
      timelineStart_(InTimeBase(timelineStart, decoder_.timeBase())),
      channels_(route.filterTarget().layout.nb_channels),
      meter_(ebur128_init(static_cast<unsigned>(channels_), static_cast<unsigned long>(route.filterTarget().sampleRate),
                          EBUR128_MODE_I | EBUR128_MODE_TRUE_PEAK))
{
    if (!meter_)
        throw std::bad_alloc();
}

void Measuring::decode(const AVPacket* packet)
{
    const auto sink = [this](AVFrame* frame) { measure(frame); };
    decoder_.decode(packet, [this, &sink](AVFrame* frame) {
        if (frame->pts != AV_NOPTS_VALUE)
            frame->pts -= timelineStart_;
        filter_.filter(frame, decoder_.timeBase(), sink);
    });
    if (!packet)
        filter_.filter(nullptr, decoder_.timeBase(), sink);
}

void Measuring::measure(AVFrame* frame)
{
    if (frame->nb_samples > 0)
        ebur128_add_frames_float(meter_.get(), reinterpret_cast<const float*>(frame->data[0]),
                                 static_cast<size_t>(frame->nb_samples));
}

double Measuring::integrated()
{
    double loudness = -std::numeric_limits<double>::infinity();
    ebur128_loudness_global(meter_.get(), &loudness);
    return loudness;
}

double Measuring::truePeak()
{
    double peak = 0;
    for (int channel = 0; channel < channels_; ++channel) {
        double channelPeak = 0;
        if (ebur128_true_peak(meter_.get(), static_cast<unsigned>(channel), &channelPeak) == EBUR128_SUCCESS)
            peak = std::max(peak, channelPeak);
    }
    return 20 * std::log10(peak);
}

} // namespace

double LevellingGain(double integrated, double truePeak, double target)
{
    if (!std::isfinite(integrated))
        return 1;
    const double gain = std::min(target - integrated, PeakCeiling - truePeak);
    return std::pow(10.0, gain / 20);
}

double MeasureLevellingGain(InputMedia& input, const AudioRoute& route, double target, double timelineStart,
                            const std::function<void(const AVPacket&)>& onPacket)
{
    Measuring measuring(input, route, timelineStart);
    PacketPtr packet = NewPacket();
    while (input.read(packet.get())) {
        if (packet->stream_index == route.inputStream())
            measuring.decode(packet.get());
        onPacket(*packet);
        av_packet_unref(packet.get());
    }
    measuring.decode(nullptr);
    return LevellingGain(measuring.integrated(), measuring.truePeak(), target);
}

} // namespace ridod2e
