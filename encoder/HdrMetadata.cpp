// SPDX-License-Identifier: GPL-3.0-or-later
#include "encoder/HdrMetadata.h"

#include <cstdio>
#include <cstring>

extern "C" {
#include <libavutil/mastering_display_metadata.h>
}

namespace ridod2e {
namespace {

// Packets read for the first picture before giving up.
constexpr int PacketsToTry = 200;

template <typename Data>
std::vector<uint8_t> Bytes(const uint8_t* data, size_t size)
{
    if (!data || size < sizeof(Data))
        return {};
    return {data, data + sizeof(Data)};
}

// Opens the file again: the input's own reading must not move.
void FromFirstPicture(const AVFormatContext* input, int index, HdrMetadata& metadata)
{
    AVFormatContext* raw = nullptr;
    if (avformat_open_input(&raw, input->url, input->iformat, nullptr) < 0)
        return;
    const InputContextPtr file(raw);
    if (avformat_find_stream_info(file.get(), nullptr) < 0 || index >= static_cast<int>(file->nb_streams))
        return;
    const AVCodecParameters* parameters = file->streams[index]->codecpar;
    const AVCodec* codec = avcodec_find_decoder(parameters->codec_id);
    const CodecContextPtr decoder(codec ? avcodec_alloc_context3(codec) : nullptr);
    if (!decoder || avcodec_parameters_to_context(decoder.get(), parameters) < 0
        || avcodec_open2(decoder.get(), codec, nullptr) < 0)
        return;
    const PacketPtr packet = NewPacket();
    const FramePtr frame = NewFrame();
    for (int read = 0; read < PacketsToTry && av_read_frame(file.get(), packet.get()) >= 0; ++read) {
        const bool decoded = packet->stream_index == index && avcodec_send_packet(decoder.get(), packet.get()) >= 0
            && avcodec_receive_frame(decoder.get(), frame.get()) >= 0;
        av_packet_unref(packet.get());
        if (!decoded)
            continue;
        if (const AVFrameSideData* data = av_frame_get_side_data(frame.get(), AV_FRAME_DATA_MASTERING_DISPLAY_METADATA))
            metadata.mastering = Bytes<AVMasteringDisplayMetadata>(data->data, data->size);
        if (const AVFrameSideData* data = av_frame_get_side_data(frame.get(), AV_FRAME_DATA_CONTENT_LIGHT_LEVEL))
            metadata.light = Bytes<AVContentLightMetadata>(data->data, data->size);
        return;
    }
}

// x265 counts chromaticity in 0.00002 and luminance in 0.0001 cd/m².
int Units(AVRational value, int perUnit)
{
    return value.den > 0 ? static_cast<int>(av_q2d(value) * perUnit + 0.5) : 0;
}

} // namespace

HdrMetadata ReadHdrMetadata(const AVFormatContext* input, const AVStream* source)
{
    HdrMetadata metadata;
    size_t size = 0;
    const uint8_t* mastering = av_stream_get_side_data(source, AV_PKT_DATA_MASTERING_DISPLAY_METADATA, &size);
    metadata.mastering = Bytes<AVMasteringDisplayMetadata>(mastering, size);
    const uint8_t* light = av_stream_get_side_data(source, AV_PKT_DATA_CONTENT_LIGHT_LEVEL, &size);
    metadata.light = Bytes<AVContentLightMetadata>(light, size);
    if (metadata.mastering.empty() && metadata.light.empty())
        FromFirstPicture(input, source->index, metadata);
    return metadata;
}

std::string X265HdrParameters(const HdrMetadata& metadata)
{
    std::string parameters = "hdr10=1";
    if (!metadata.mastering.empty()) {
        AVMasteringDisplayMetadata mastering;
        std::memcpy(&mastering, metadata.mastering.data(), sizeof mastering);
        if (mastering.has_primaries && mastering.has_luminance) {
            const auto& p = mastering.display_primaries;
            char text[256];
            // x265 lists green, blue, red; the metadata red, green, blue.
            std::snprintf(text, sizeof text, ":master-display=G(%d,%d)B(%d,%d)R(%d,%d)WP(%d,%d)L(%d,%d)",
                          Units(p[1][0], 50000), Units(p[1][1], 50000), Units(p[2][0], 50000), Units(p[2][1], 50000),
                          Units(p[0][0], 50000), Units(p[0][1], 50000), Units(mastering.white_point[0], 50000),
                          Units(mastering.white_point[1], 50000), Units(mastering.max_luminance, 10000),
                          Units(mastering.min_luminance, 10000));
            parameters += text;
        }
    }
    if (!metadata.light.empty()) {
        AVContentLightMetadata light;
        std::memcpy(&light, metadata.light.data(), sizeof light);
        parameters += ":max-cll=" + std::to_string(light.MaxCLL) + "," + std::to_string(light.MaxFALL);
    }
    return parameters;
}

} // namespace ridod2e
