// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/MediaContentCheck.h"

#include "core/Texts.h"
#include "media/LibraryHandles.h"
#include "media/LibraryLog.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <vector>

namespace {

// How much of the file the container is recognised by.
constexpr std::size_t kProbeBytes = 1 << 20;
// How much is decoded of a file whose container was only guessed.
constexpr double kDecodedSeconds = 5.0;
constexpr int kMostPackets = 500;
// Garbage read as a guessed format may pass for a frame or two now and then.
constexpr int kLeastFrames = 2;

// libavformat's confidence in the container, from the content alone.
int ContentProbeScore(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::vector<unsigned char> head(kProbeBytes + AVPROBE_PADDING_SIZE, 0);
    file.read(reinterpret_cast<char*>(head.data()), static_cast<std::streamsize>(kProbeBytes));
    AVProbeData probe{};
    probe.buf = head.data();
    probe.buf_size = static_cast<int>(file.gcount());
    probe.filename = "";
    int score = 0;
    av_probe_input_format3(&probe, 1, &score);
    return score;
}

// Frames decoded from the audio and video streams in the first seconds,
// when they outnumber the packets the decoders refused.
bool DecodesSomething(const std::string& path)
{
    AVFormatContext* raw = nullptr;
    if (avformat_open_input(&raw, path.c_str(), nullptr, nullptr) < 0)
        return false;
    InputHandle input(raw);
    if (avformat_find_stream_info(input.get(), nullptr) < 0)
        return false;
    std::map<int, DecoderHandle> decoders;
    for (unsigned index = 0; index < input->nb_streams; ++index) {
        const AVCodecParameters* parameters = input->streams[index]->codecpar;
        if (parameters->codec_type != AVMEDIA_TYPE_VIDEO && parameters->codec_type != AVMEDIA_TYPE_AUDIO)
            continue;
        const AVCodec* codec = avcodec_find_decoder(parameters->codec_id);
        DecoderHandle decoder(codec != nullptr ? avcodec_alloc_context3(codec) : nullptr);
        if (decoder && avcodec_parameters_to_context(decoder.get(), parameters) >= 0
            && avcodec_open2(decoder.get(), codec, nullptr) >= 0)
            decoders.emplace(static_cast<int>(index), std::move(decoder));
    }
    PacketHandle packet(av_packet_alloc());
    FrameHandle frame(av_frame_alloc());
    int frames = 0;
    int refused = 0;
    for (int read = 0; read < kMostPackets && av_read_frame(input.get(), packet.get()) >= 0; ++read) {
        const auto decoder = decoders.find(packet->stream_index);
        const AVStream* stream = input->streams[packet->stream_index];
        const bool late = packet->pts != AV_NOPTS_VALUE && packet->pts * av_q2d(stream->time_base) > kDecodedSeconds;
        if (decoder != decoders.end() && !late) {
            if (avcodec_send_packet(decoder->second.get(), packet.get()) < 0)
                ++refused;
            while (avcodec_receive_frame(decoder->second.get(), frame.get()) >= 0)
                ++frames;
        }
        av_packet_unref(packet.get());
        if (frames >= kLeastFrames && frames > refused)
            return true;
    }
    return false;
}

} // namespace

std::optional<std::string> NotMediaReason(const std::string& path)
{
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (!std::filesystem::exists(status))
        return texts::kNoSuchFileNote;
    if (std::filesystem::is_directory(status))
        return texts::kIsAFolderNote;
    if (std::filesystem::file_size(path, error) == 0 && !error)
        return texts::kIsEmptyNote;
    QuietLibraryLog();
    if (ContentProbeScore(path) > AVPROBE_SCORE_RETRY || DecodesSomething(path))
        return std::nullopt;
    return texts::kNotMediaNote;
}
