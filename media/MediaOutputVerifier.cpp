// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/MediaOutputVerifier.h"

#include "core/Texts.h"
#include "media/LibraryHandles.h"
#include "media/LibraryLog.h"
#include "media/LoudnessReading.h"
#include "media/PictureShape.h"
#include "media/SourceLength.h"

#include <algorithm>
#include <cmath>
#include <deque>
#include <filesystem>
#include <map>
#include <memory>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/error.h>
}

namespace {

using Input = InputHandle;
using Decoder = DecoderHandle;

// How much of the end is read.
constexpr std::int64_t kTailMicroseconds = AV_TIME_BASE;
// Sound packets kept before the end: every one is a key packet, but a
// decoder that overlaps its blocks (Vorbis, AAC) gives nothing for the first.
constexpr std::size_t kSoundPackets = 8;
// Picture packets kept from the last key frame on: a decoder that is then
// drained gives a picture from these, and a format of one key frame (GIF)
// would otherwise keep its whole file in memory.
constexpr std::size_t kPicturePackets = 32;

std::string LibraryReason(int code)
{
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return text;
}

// Opens a media file and reads its streams; the reason in `problem` when not.
Input Open(const std::string& path, std::string* problem)
{
    AVFormatContext* raw = nullptr;
    int result = avformat_open_input(&raw, path.c_str(), nullptr, nullptr);
    Input input(raw);
    if (result >= 0)
        result = avformat_find_stream_info(input.get(), nullptr);
    if (result < 0) {
        if (problem != nullptr)
            *problem = LibraryReason(result);
        return nullptr;
    }
    return input;
}

bool IsPicture(const AVStream* stream)
{
    return stream->codecpar->codec_type == AVMEDIA_TYPE_VIDEO && (stream->disposition & AV_DISPOSITION_ATTACHED_PIC) == 0;
}

bool IsSound(const AVStream* stream)
{
    return stream->codecpar->codec_type == AVMEDIA_TYPE_AUDIO;
}

// The streams a file has and the shape of its picture; nothing when the
// libraries cannot open it.
struct StreamCount {
    bool video = false;
    bool audio = false;
    int soundTracks = 0;
    int subtitles = 0;
    int textSubtitles = 0;
    double shownAspect = 0; // the first picture's, as a player shows it; 0: none
};

StreamCount CountStreams(const AVFormatContext* context)
{
    StreamCount count;
    for (unsigned index = 0; index < context->nb_streams; ++index) {
        const AVStream* stream = context->streams[index];
        if (IsPicture(stream) && !count.video) {
            count.video = true;
            count.shownAspect = ShownAspect(stream);
        }
        count.soundTracks += IsSound(stream) ? 1 : 0;
        if (stream->codecpar->codec_type == AVMEDIA_TYPE_SUBTITLE) {
            ++count.subtitles;
            const AVCodecDescriptor* codec = avcodec_descriptor_get(stream->codecpar->codec_id);
            count.textSubtitles += codec != nullptr && (codec->props & AV_CODEC_PROP_TEXT_SUB) ? 1 : 0;
        }
    }
    count.audio = count.soundTracks > 0;
    return count;
}

// The input's streams, and how much longer than its header says it lasts.
struct Source {
    StreamCount streams;
    double unstatedSeconds = 0;
};

Source ReadSource(const std::string& path)
{
    const Input input = Open(path, nullptr);
    if (!input)
        return {};
    const StreamCount streams = CountStreams(input.get());
    return {streams, UnstatedSeconds(input.get())};
}

// Portrait and landscape told apart; a nearly square picture is either.
bool SameShape(double input, double output)
{
    constexpr double kNearlySquare = 0.1;
    if (input <= 0 || output <= 0 || std::fabs(input - 1) < kNearlySquare || std::fabs(output - 1) < kNearlySquare)
        return true;
    return (input > 1) == (output > 1);
}

// What the format promised to keep beyond picture and sound; empty when kept.
Reason Broken(const OutputCheck& check, const StreamCount& input, const StreamCount& output)
{
    const OutputPromises& promises = check.promises;
    if (promises.everyTrack && check.audioWanted && output.soundTracks < input.soundTracks)
        return {ReasonCode::OutputLostTrack, texts::kOutputLostTrack};
    // Matroska holds every kind of subtitle; other containers text only.
    const bool holdsAll = std::filesystem::path(check.outputPath).extension() == ".mkv";
    if (promises.everyTrack && output.subtitles < (holdsAll ? input.subtitles : input.textSubtitles))
        return {ReasonCode::OutputLostSubtitle, texts::kOutputLostSubtitle};
    if (promises.shape && input.video && !SameShape(input.shownAspect, output.shownAspect))
        return {ReasonCode::OutputLostShape, texts::kOutputLostShape};
    return {};
}

// One decoder per stream that is decoded, with the packets read of it, the
// ones to decode (a picture's from its last key frame on, the last few of
// sound), the frames it gave and where the stream's last packet ended.
struct StreamTail {
    Decoder decoder;
    bool picture = false;
    int packets = 0;
    std::deque<std::unique_ptr<AVPacket, PacketFree>> toDecode;
    int frames = 0;
    double endSeconds = 0;
};
using Tails = std::map<int, StreamTail>;

// A decoder for each stream of pictures or sound that this machine can
// decode; false when one cannot be opened.
bool OpenDecoders(const AVFormatContext* context, Tails& tails)
{
    for (unsigned index = 0; index < context->nb_streams; ++index) {
        const AVStream* stream = context->streams[index];
        if (!IsPicture(stream) && !IsSound(stream))
            continue;
        const AVCodec* codec = avcodec_find_decoder(stream->codecpar->codec_id);
        if (codec == nullptr)
            continue; // nothing here can decode it, so nothing can be said against it
        Decoder decoder(avcodec_alloc_context3(codec));
        if (!decoder || avcodec_parameters_to_context(decoder.get(), stream->codecpar) < 0)
            return false;
        decoder->thread_count = 0; // as many as the decoder finds useful
        decoder->thread_type = FF_THREAD_FRAME | FF_THREAD_SLICE;
        if (avcodec_open2(decoder.get(), codec, nullptr) < 0)
            return false;
        StreamTail& tail = tails[static_cast<int>(index)];
        tail.decoder = std::move(decoder);
        tail.picture = IsPicture(stream);
    }
    return true;
}

void Keep(StreamTail& tail, const AVStream& stream, const AVPacket& packet)
{
    ++tail.packets;
    const std::int64_t stamp = packet.pts != AV_NOPTS_VALUE ? packet.pts : packet.dts;
    if (stamp != AV_NOPTS_VALUE)
        tail.endSeconds = std::max(tail.endSeconds, (stamp + packet.duration) * av_q2d(stream.time_base));
    if (tail.picture && (packet.flags & AV_PKT_FLAG_KEY) != 0)
        tail.toDecode.clear();
    if (!tail.picture && tail.toDecode.size() == kSoundPackets)
        tail.toDecode.pop_front();
    if (!tail.picture || tail.toDecode.size() < kPicturePackets)
        tail.toDecode.emplace_back(av_packet_clone(&packet));
}

// Reads the streams from a second before the end to the end, keeping what
// each needs decoded there.
bool ReadTail(AVFormatContext* context, std::int64_t start, Tails& tails)
{
    if (context->duration != AV_NOPTS_VALUE && context->duration > kTailMicroseconds)
        av_seek_frame(context, -1, start + context->duration - kTailMicroseconds, AVSEEK_FLAG_BACKWARD);
    const PacketHandle packet(av_packet_alloc());
    if (!packet)
        return false;
    while (av_read_frame(context, packet.get()) >= 0) {
        if (const auto found = tails.find(packet->stream_index); found != tails.end())
            Keep(found->second, *context->streams[packet->stream_index], *packet);
        av_packet_unref(packet.get());
    }
    return true;
}

void Drain(StreamTail& tail, AVFrame* frame)
{
    while (avcodec_receive_frame(tail.decoder.get(), frame) >= 0) {
        ++tail.frames;
        av_frame_unref(frame);
    }
}

// Decodes the stream's kept packets until a frame comes out.
void DecodeKept(StreamTail& tail, AVFrame* frame)
{
    for (const auto& kept : tail.toDecode) {
        // A damaged packet shows as missing frames, not as an error here.
        if (tail.frames > 0 || !kept)
            break;
        if (avcodec_send_packet(tail.decoder.get(), kept.get()) >= 0)
            Drain(tail, frame);
    }
    avcodec_send_packet(tail.decoder.get(), nullptr);
    Drain(tail, frame);
}

// Reads the streams from a second before the end to the end and decodes
// each from its last key frame on until it gives a frame: only what must be
// decoded to see that the end plays. False when a stream that has packets
// there gives no frame from them, or when nothing at all is decoded there.
// A stream that ended earlier is not looked at.
bool DecodeTail(AVFormatContext* context, double& heldSeconds)
{
    Tails tails;
    const std::int64_t start = context->start_time == AV_NOPTS_VALUE ? 0 : context->start_time;
    const FrameHandle frame(av_frame_alloc());
    if (!frame || !OpenDecoders(context, tails) || !ReadTail(context, start, tails))
        return false;
    heldSeconds = 0;
    int frames = 0;
    for (auto& [index, tail] : tails) {
        DecodeKept(tail, frame.get());
        if (tail.packets > 0 && tail.frames == 0)
            return false;
        frames += tail.frames;
        heldSeconds = std::max(heldSeconds, tail.endSeconds - static_cast<double>(start) / AV_TIME_BASE);
    }
    if (frames == 0 && !tails.empty())
        return false;
    if (heldSeconds <= 0 && context->duration != AV_NOPTS_VALUE)
        heldSeconds = static_cast<double>(context->duration) / AV_TIME_BASE;
    return true;
}

OutputFinding Problem(ReasonCode code, std::string problem)
{
    OutputFinding finding;
    finding.problem = {code, std::move(problem)};
    return finding;
}

OutputFinding CheckStill(AVFormatContext* context)
{
    const auto picture = std::find_if(context->streams, context->streams + context->nb_streams, IsPicture);
    if (picture == context->streams + context->nb_streams || (*picture)->codecpar->codec_id != AV_CODEC_ID_MJPEG)
        return Problem(ReasonCode::OutputNoPicture, texts::kOutputNoPicture);
    double seconds = 0;
    if (!DecodeTail(context, seconds))
        return Problem(ReasonCode::OutputNoPicture, texts::kOutputNoPicture);
    OutputFinding finding;
    finding.good = true;
    return finding;
}

OutputFinding CheckMedia(AVFormatContext* context, const OutputCheck& check)
{
    const StreamCount output = CountStreams(context);
    if (!output.video && !output.audio)
        return check.videoFormat ? Problem(ReasonCode::OutputNoVideo, texts::kOutputNoVideo)
                                 : Problem(ReasonCode::OutputNoAudio, texts::kOutputNoAudio);
    const Source source = ReadSource(check.inputPath);
    const StreamCount& input = source.streams;
    if (check.videoFormat && input.video && !output.video)
        return Problem(ReasonCode::OutputNoVideo, texts::kOutputNoVideo);
    if (check.audioWanted && input.audio && !output.audio)
        return Problem(ReasonCode::OutputNoAudio, texts::kOutputNoAudio);
    if (Reason broken = Broken(check, input, output); !broken.empty())
        return Problem(broken.code, std::move(broken.text));
    OutputFinding finding;
    if (!DecodeTail(context, finding.seconds))
        return Problem(ReasonCode::OutputUndecodable, texts::kOutputUndecodable);
    if (check.promises.loudness && output.audio) {
        const std::optional<LoudnessReading> reading = ReadLoudness(check.outputPath);
        if (!reading || !MeetsLoudnessTarget(*reading, *check.promises.loudness))
            return Problem(ReasonCode::OutputLoudness, texts::kOutputLoudness);
    }
    finding.good = true;
    finding.sourceUnstatedSeconds = source.unstatedSeconds;
    return finding;
}

} // namespace

MediaOutputVerifier::MediaOutputVerifier()
{
    QuietLibraryLog();
}

OutputFinding MediaOutputVerifier::verify(const OutputCheck& check)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(check.outputPath, error))
        return Problem(ReasonCode::OutputMissing, texts::kOutputMissing);
    std::string reason;
    const Input output = Open(check.outputPath, &reason);
    if (!output)
        return Problem(ReasonCode::OutputUnreadable, texts::kOutputUnreadable + reason);
    return check.still ? CheckStill(output.get()) : CheckMedia(output.get(), check);
}
