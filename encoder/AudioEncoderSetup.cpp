// SPDX-License-Identifier: GPL-3.0-or-later
#include "encoder/AudioEncoderSetup.h"

#include "encoder/AmrNbEncoder.h"
#include "encoder/CodecChoice.h"
#include "encoder/Fault.h"

#include <algorithm>
#include <cstdlib>

namespace ridod2e {
namespace {

// WMA codes at most 48000 Hz and two channels.
const std::vector<int> WmaSampleRates = {8000, 11025, 16000, 22050, 32000, 44100, 48000};
constexpr int WmaMaxChannels = 2;

std::vector<int> SampleRatesOf(const AVCodec* codec)
{
    std::vector<int> rates;
    if (codec->supported_samplerates)
        for (const int* rate = codec->supported_samplerates; *rate; ++rate)
            rates.push_back(*rate);
    if (codec->id == AV_CODEC_ID_WMAV1 || codec->id == AV_CODEC_ID_WMAV2)
        rates = WmaSampleRates;
    return rates;
}

AVChannelLayout LayoutFor(const AVCodec* codec, int wanted)
{
    AVChannelLayout layout {};
    if (codec->id == AV_CODEC_ID_WMAV1 || codec->id == AV_CODEC_ID_WMAV2)
        wanted = std::min(wanted, WmaMaxChannels);
    if (!codec->ch_layouts) {
        av_channel_layout_default(&layout, wanted);
        return layout;
    }
    // The codec's layout with the wanted count, else the largest below it,
    // else its first.
    const AVChannelLayout* best = nullptr;
    for (const AVChannelLayout* candidate = codec->ch_layouts; candidate->nb_channels; ++candidate) {
        const int count = candidate->nb_channels;
        if (count == wanted) {
            best = candidate;
            break;
        }
        if (count < wanted && (!best || count > best->nb_channels))
            best = candidate;
    }
    av_channel_layout_copy(&layout, best ? best : codec->ch_layouts);
    return layout;
}

// Without -ac the source's channels stay where they are the usual ones
// (mono, stereo, 5.1); any other layout folds to stereo, or to 5.1 when it
// has more channels than that. A lossless codec keeps up to seven channels
// that come without a layout (plain PCM, as many tools write it): nothing
// says which they are, so no mix of them can be right, and the codec's
// default layout for the count takes them as they are.
int UsualChannels(int source, bool unlaid, const AVCodec* codec)
{
    const AVCodecDescriptor* descriptor = avcodec_descriptor_get(codec->id);
    const bool lossless = descriptor && (descriptor->props & AV_CODEC_PROP_LOSSLESS);
    if (source <= 2 || source == 6 || (unlaid && lossless && source < 8))
        return source;
    return source > 6 ? 6 : 2;
}

int64_t DefaultBitRate(int channels)
{
    return std::min<int64_t>(64000 * channels, 192000);
}

const AVCodec* FindAudioEncoder(const std::string& name, const AVOutputFormat* muxer)
{
    const AVCodec* codec = name.empty() ? avcodec_find_encoder(muxer->audio_codec)
                                        : avcodec_find_encoder_by_name(EncoderNameFor(name).c_str());
    if (!codec || codec->type != AVMEDIA_TYPE_AUDIO)
        Fail(FaultKind::UnsupportedCodec,
             "no audio encoder for '" + (name.empty() ? std::string(muxer->name) + " files" : name) + "'");
    return codec;
}

// Sound of more than 16 bits; lossless FLAC keeps up to 24 of them.
bool HasDeepSamples(const AVCodecParameters& source)
{
    return source.bits_per_raw_sample > 16 || source.bits_per_coded_sample > 16;
}

AudioEncoding OpenAmrNb(const EncodeRequest& request)
{
    AudioEncoding encoding;
    auto encoder = std::make_unique<AmrNbEncoder>(request.audioBitrate.value_or(12200));
    encoding.sampleRate = AmrNbEncoder::SampleRate;
    av_channel_layout_default(&encoding.layout, 1);
    encoding.format = AV_SAMPLE_FMT_S16;
    encoding.frameSize = AmrNbEncoder::FrameSamples;
    encoding.encoder = std::move(encoder);
    return encoding;
}

} // namespace

int NearestOf(const std::vector<int>& candidates, int wanted)
{
    int best = candidates.front();
    for (const int candidate : candidates)
        if (std::abs(candidate - wanted) < std::abs(best - wanted)
            || (std::abs(candidate - wanted) == std::abs(best - wanted) && candidate > best))
            best = candidate;
    return best;
}

int64_t NearestMp2BitRate(int64_t wanted, int sampleRate)
{
    // Kbit/s of layer II: MPEG-1 rates, and the lower table of the half rates.
    static const std::vector<int> full = {32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384};
    static const std::vector<int> half = {8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160};
    const std::vector<int>& table = sampleRate >= 32000 ? full : half;
    return NearestOf(table, static_cast<int>(wanted / 1000)) * int64_t {1000};
}

AudioEncoding OpenAudioEncoder(const EncodeRequest& request, AVStream* source, const AVOutputFormat* muxer)
{
    if (IsAmrNb(request.audioCodec) || (request.audioCodec.empty() && muxer->audio_codec == AV_CODEC_ID_AMR_NB))
        return OpenAmrNb(request);
    const AVCodec* codec = FindAudioEncoder(request.audioCodec, muxer);

    AudioEncoding encoding;
    const int sourceRate = source && source->codecpar->sample_rate > 0 ? source->codecpar->sample_rate : 44100;
    encoding.sampleRate = request.sampleRate.value_or(sourceRate);
    if (const std::vector<int> rates = SampleRatesOf(codec); !rates.empty())
        encoding.sampleRate = NearestOf(rates, encoding.sampleRate);
    const int givenChannels = source ? source->codecpar->ch_layout.nb_channels : 0;
    const int sourceChannels = givenChannels > 0 ? givenChannels : 2;
    const bool unlaid = givenChannels > 0 && source->codecpar->ch_layout.order == AV_CHANNEL_ORDER_UNSPEC;
    encoding.layout = LayoutFor(codec, request.channels.value_or(UsualChannels(sourceChannels, unlaid, codec)));
    encoding.format = codec->sample_fmts ? codec->sample_fmts[0] : AV_SAMPLE_FMT_S16;
    if (codec->id == AV_CODEC_ID_FLAC && source && HasDeepSamples(*source->codecpar))
        encoding.format = AV_SAMPLE_FMT_S32;

    CodecContextPtr context(avcodec_alloc_context3(codec));
    if (!context)
        throw std::bad_alloc();
    context->sample_rate = encoding.sampleRate;
    Check(av_channel_layout_copy(&context->ch_layout, &encoding.layout), "cannot set the channel layout");
    context->sample_fmt = encoding.format;
    context->time_base = {1, encoding.sampleRate};
    context->bit_rate = request.audioBitrate.value_or(DefaultBitRate(encoding.layout.nb_channels));
    if (codec->id == AV_CODEC_ID_MP2)
        context->bit_rate = NearestMp2BitRate(context->bit_rate, encoding.sampleRate);
    if (muxer->flags & AVFMT_GLOBALHEADER)
        context->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    if (request.bitexact)
        context->flags |= AV_CODEC_FLAG_BITEXACT;

    const int opened = avcodec_open2(context.get(), codec, nullptr);
    if (opened < 0)
        Fail("cannot open the " + std::string(codec->name) + " encoder for " + std::to_string(encoding.sampleRate)
             + " Hz, " + std::to_string(encoding.layout.nb_channels) + " channels ("
             + LibraryReason(opened) + ")");
    const bool anySize = codec->capabilities & AV_CODEC_CAP_VARIABLE_FRAME_SIZE;
    encoding.frameSize = anySize ? 0 : context->frame_size;
    encoding.priming = context->initial_padding;
    encoding.encoder = std::make_unique<LibavEncoder>(std::move(context), ContainerOverride {});
    return encoding;
}

} // namespace ridod2e
