// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/LoudnessReading.h"

#include "media/LibraryHandles.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include <ebur128.h>

extern "C" {
#include <libswresample/swresample.h>
}

namespace {

constexpr double kTolerance = 1.0;   // LU
constexpr double kPeakCeiling = -1.0; // dBTP
// How close to the ceiling a peak counts as held at it: lossy coding moves
// a peak by some tenths of a decibel either way.
constexpr double kPeakMargin = 0.5;

struct MeterFree {
    void operator()(ebur128_state* meter) const { ebur128_destroy(&meter); }
};
struct ResamplerFree {
    void operator()(SwrContext* resampler) const { swr_free(&resampler); }
};

// Turns one track's decoded frames into interleaved floats for the meter.
class TrackMeter {
public:
    bool add(const AVFrame& frame);
    std::optional<LoudnessReading> reading() const;

private:
    bool start(const AVFrame& frame);

    std::unique_ptr<ebur128_state, MeterFree> meter_;
    std::unique_ptr<SwrContext, ResamplerFree> resampler_;
    int channels_ = 0;
    int sampleRate_ = 0;
    std::vector<float> samples_;
};

bool TrackMeter::start(const AVFrame& frame)
{
    channels_ = frame.ch_layout.nb_channels;
    sampleRate_ = frame.sample_rate;
    SwrContext* resampler = nullptr;
    AVChannelLayout layout {};
    if (av_channel_layout_copy(&layout, &frame.ch_layout) < 0)
        return false;
    const int made = swr_alloc_set_opts2(&resampler, &layout, AV_SAMPLE_FMT_FLT, sampleRate_, &layout,
                                         static_cast<AVSampleFormat>(frame.format), sampleRate_, 0, nullptr);
    av_channel_layout_uninit(&layout);
    if (made < 0)
        return false;
    resampler_.reset(resampler);
    meter_.reset(ebur128_init(static_cast<unsigned>(channels_), static_cast<unsigned long>(sampleRate_),
                              EBUR128_MODE_I | EBUR128_MODE_TRUE_PEAK));
    return meter_ && swr_init(resampler_.get()) >= 0;
}

bool TrackMeter::add(const AVFrame& frame)
{
    if (!meter_ && !start(frame))
        return false;
    // A change of shape inside the track is left unmeasured.
    if (frame.ch_layout.nb_channels != channels_ || frame.sample_rate != sampleRate_)
        return true;
    samples_.resize(static_cast<std::size_t>(frame.nb_samples) * static_cast<std::size_t>(channels_));
    auto* out = reinterpret_cast<uint8_t*>(samples_.data());
    const int converted = swr_convert(resampler_.get(), &out, frame.nb_samples,
                                      const_cast<const uint8_t**>(frame.extended_data), frame.nb_samples);
    if (converted > 0)
        ebur128_add_frames_float(meter_.get(), samples_.data(), static_cast<size_t>(converted));
    return converted >= 0;
}

std::optional<LoudnessReading> TrackMeter::reading() const
{
    if (!meter_)
        return std::nullopt;
    LoudnessReading reading;
    reading.integrated = -std::numeric_limits<double>::infinity();
    ebur128_loudness_global(meter_.get(), &reading.integrated);
    double peak = 0;
    for (int channel = 0; channel < channels_; ++channel) {
        double channelPeak = 0;
        if (ebur128_true_peak(meter_.get(), static_cast<unsigned>(channel), &channelPeak) == EBUR128_SUCCESS)
            peak = std::max(peak, channelPeak);
    }
    reading.truePeak = 20 * std::log10(peak);
    return reading;
}

DecoderHandle OpenDecoder(const AVStream& stream)
{
    const AVCodec* codec = avcodec_find_decoder(stream.codecpar->codec_id);
    DecoderHandle decoder(codec ? avcodec_alloc_context3(codec) : nullptr);
    if (!decoder || avcodec_parameters_to_context(decoder.get(), stream.codecpar) < 0
        || avcodec_open2(decoder.get(), codec, nullptr) < 0)
        return nullptr;
    return decoder;
}

bool Drain(AVCodecContext* decoder, AVFrame* frame, TrackMeter& meter)
{
    bool good = true;
    while (avcodec_receive_frame(decoder, frame) >= 0) {
        good = meter.add(*frame) && good;
        av_frame_unref(frame);
    }
    return good;
}

} // namespace

std::optional<LoudnessReading> ReadLoudness(const std::string& path)
{
    AVFormatContext* raw = nullptr;
    if (avformat_open_input(&raw, path.c_str(), nullptr, nullptr) < 0)
        return std::nullopt;
    const InputHandle input(raw);
    const int track = avformat_find_stream_info(input.get(), nullptr) >= 0
        ? av_find_best_stream(input.get(), AVMEDIA_TYPE_AUDIO, -1, -1, nullptr, 0)
        : -1;
    const DecoderHandle decoder = track >= 0 ? OpenDecoder(*input->streams[track]) : nullptr;
    const PacketHandle packet(av_packet_alloc());
    const FrameHandle frame(av_frame_alloc());
    if (!decoder || !packet || !frame)
        return std::nullopt;
    TrackMeter meter;
    bool good = true;
    while (good && av_read_frame(input.get(), packet.get()) >= 0) {
        if (packet->stream_index == track && avcodec_send_packet(decoder.get(), packet.get()) >= 0)
            good = Drain(decoder.get(), frame.get(), meter);
        av_packet_unref(packet.get());
    }
    avcodec_send_packet(decoder.get(), nullptr);
    good = Drain(decoder.get(), frame.get(), meter) && good;
    return good ? meter.reading() : std::nullopt;
}

bool MeetsLoudnessTarget(const LoudnessReading& reading, double target)
{
    if (!std::isfinite(reading.integrated))
        return true; // silence has no loudness to bring anywhere
    if (std::fabs(reading.integrated - target) <= kTolerance)
        return true;
    return reading.integrated < target && reading.truePeak >= kPeakCeiling - kPeakMargin;
}
