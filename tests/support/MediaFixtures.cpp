// SPDX-License-Identifier: GPL-3.0-or-later
#include "MediaFixtures.h"

#include "encoder/Libav.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <memory>
#include <stdexcept>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/display.h>
#include <libavutil/opt.h>
#include <libavutil/pixdesc.h>
#include <libswscale/swscale.h>
}

namespace fixtures {
namespace {

[[noreturn]] void Fail(const std::string& step, int code = 0)
{
    std::string message = "media fixture: " + step;
    if (code < 0) {
        char reason[AV_ERROR_MAX_STRING_SIZE] = {};
        av_strerror(code, reason, sizeof reason);
        message += std::string(" (") + reason + ")";
    }
    throw std::runtime_error(message);
}

// The libraries' chatter (encoder statistics, the MPEG muxer's buffer
// model) is noise in test logs; real failures come back as error codes.
void QuietLibraries()
{
    static const bool quiet = [] {
        av_log_set_level(AV_LOG_FATAL);
        return true;
    }();
    (void)quiet;
}

void Check(int code, const std::string& step)
{
    if (code < 0)
        Fail(step, code);
}

struct OutputContextFree {
    void operator()(AVFormatContext* context) const
    {
        if (context->pb && !(context->oformat->flags & AVFMT_NOFILE))
            avio_closep(&context->pb);
        avformat_free_context(context);
    }
};
struct ScaleFree {
    void operator()(SwsContext* context) const { sws_freeContext(context); }
};

using ridod2e::CodecContextPtr;
using ridod2e::FramePtr;
using ridod2e::InputContextPtr;
using ridod2e::PacketPtr;

// One stream being written: its encoder, the frame it is fed and the
// presentation time of the next frame in the encoder's time base.
struct Track {
    CodecContextPtr codec;
    AVStream* stream = nullptr;
    FramePtr frame;
    FramePtr pattern;  // YUV 4:2:0 picture, converted when the encoder wants another format
    FramePtr laterField; // interlaced: the picture half a frame later, whose rows give the bottom field
    std::unique_ptr<SwsContext, ScaleFree> scale;
    int64_t next = 0;
    double level = 1;   // the tone's share of the clip's level
    int64_t leapAt = -1; // the frame from which the clock runs ahead, and by how much
    int64_t leap = 0;
    int bars = 0;        // black rows above and below the picture
    int64_t fadeFrames = 0; // the pictures the fade from black lasts

    double nextSeconds() const { return next * av_q2d(codec->time_base); }
};

const AVCodec* FindEncoder(const std::string& name)
{
    const AVCodec* codec = avcodec_find_encoder_by_name(name.c_str());
    if (!codec)
        Fail("no encoder named " + name);
    return codec;
}

AVPixelFormat PictureFormatFor(const AVCodec* codec)
{
    if (!codec->pix_fmts)
        return AV_PIX_FMT_YUV420P;
    for (const AVPixelFormat* format = codec->pix_fmts; *format != AV_PIX_FMT_NONE; ++format)
        if (*format == AV_PIX_FMT_YUV420P)
            return *format;
    return codec->pix_fmts[0];
}

FramePtr NewFrame()
{
    FramePtr frame(av_frame_alloc());
    if (!frame)
        Fail("allocate a frame", AVERROR(ENOMEM));
    return frame;
}

void OpenEncoder(Track& track, const AVCodec* codec, AVFormatContext* output, const std::string& name)
{
    if (output->oformat->flags & AVFMT_GLOBALHEADER)
        track.codec->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    Check(avcodec_open2(track.codec.get(), codec, nullptr), "open encoder " + name);
    track.stream = avformat_new_stream(output, nullptr);
    if (!track.stream)
        Fail("add a stream for " + name, AVERROR(ENOMEM));
    track.stream->time_base = track.codec->time_base;
    Check(avcodec_parameters_from_context(track.stream->codecpar, track.codec.get()), "describe stream " + name);
}

Track MakeVideoTrack(const ClipSettings& clipSettings, AVFormatContext* output)
{
    const AVCodec* codec = FindEncoder(clipSettings.videoCodec);
    if (codec->supported_framerates) {
        bool found = false;
        for (const AVRational* rate = codec->supported_framerates; rate->num; ++rate)
            found = found || av_cmp_q(*rate, clipSettings.frameRate) == 0;
        if (!found)
            Fail(clipSettings.videoCodec + " cannot take the frame rate " + std::to_string(av_q2d(clipSettings.frameRate)));
    }
    Track track;
    track.codec.reset(avcodec_alloc_context3(codec));
    AVCodecContext& context = *track.codec;
    context.width = clipSettings.width;
    context.height = clipSettings.height;
    context.pix_fmt = PictureFormatFor(codec);
    context.time_base = av_inv_q(clipSettings.frameRate);
    context.framerate = clipSettings.frameRate;
    context.gop_size = 12;
    context.bit_rate = 800000;
    context.sample_aspect_ratio = clipSettings.pixelAspect;
    if (codec->id == AV_CODEC_ID_H264)
        av_opt_set(context.priv_data, "preset", "ultrafast", 0);
    if (clipSettings.hdr) {
        context.pix_fmt = AV_PIX_FMT_YUV420P10LE;
        context.color_primaries = AVCOL_PRI_BT2020;
        context.color_trc = AVCOL_TRC_SMPTE2084;
        context.colorspace = AVCOL_SPC_BT2020_NCL;
        context.color_range = AVCOL_RANGE_MPEG;
        av_opt_set(context.priv_data, "preset", "ultrafast", 0);
        av_opt_set(context.priv_data, "x265-params",
                   "log-level=none:master-display=G(13250,34500)B(7500,3000)R(34000,16000)WP(15635,16450)L(10000000,1)"
                   ":max-cll=1000,400", 0);
    }
    if (clipSettings.interlaced) {
        context.flags |= AV_CODEC_FLAG_INTERLACED_DCT | AV_CODEC_FLAG_INTERLACED_ME;
        context.field_order = AV_FIELD_TT;
    }
    OpenEncoder(track, codec, output, clipSettings.videoCodec);
    track.stream->avg_frame_rate = clipSettings.frameRate;
    track.stream->sample_aspect_ratio = clipSettings.pixelAspect;
    if (clipSettings.rotation != 0 || clipSettings.mirrored) {
        auto* matrix = reinterpret_cast<int32_t*>(
            av_stream_new_side_data(track.stream, AV_PKT_DATA_DISPLAYMATRIX, 9 * sizeof(int32_t)));
        if (!matrix)
            Fail("add the display matrix", AVERROR(ENOMEM));
        // The MP4 reader gives back the matrix the writer was given turned the
        // other way (as ffmpeg writes and reads a phone's clip): the angle
        // set here is read as that many degrees clockwise.
        av_display_rotation_set(matrix, clipSettings.rotation);
        av_display_matrix_flip(matrix, clipSettings.mirrored ? 1 : 0, 0);
    }
    track.bars = clipSettings.bars;
    track.fadeFrames = static_cast<int64_t>(clipSettings.fadeIn * av_q2d(clipSettings.frameRate));
    if (clipSettings.interlaced) {
        track.laterField = NewFrame();
        track.laterField->format = AV_PIX_FMT_YUV420P;
        track.laterField->width = clipSettings.width;
        track.laterField->height = clipSettings.height;
        Check(av_frame_get_buffer(track.laterField.get(), 0), "allocate the later field");
    }

    track.pattern = NewFrame();
    track.pattern->format = AV_PIX_FMT_YUV420P;
    track.pattern->width = clipSettings.width;
    track.pattern->height = clipSettings.height;
    Check(av_frame_get_buffer(track.pattern.get(), 0), "allocate the test picture");
    track.frame = NewFrame();
    track.frame->format = context.pix_fmt;
    track.frame->width = clipSettings.width;
    track.frame->height = clipSettings.height;
    Check(av_frame_get_buffer(track.frame.get(), 0), "allocate the picture for " + clipSettings.videoCodec);
    if (context.pix_fmt != AV_PIX_FMT_YUV420P) {
        track.scale.reset(sws_getContext(clipSettings.width, clipSettings.height, AV_PIX_FMT_YUV420P, clipSettings.width, clipSettings.height,
                                         context.pix_fmt, SWS_BICUBIC, nullptr, nullptr, nullptr));
        if (!track.scale)
            Fail("convert the test picture for " + clipSettings.videoCodec);
    }
    return track;
}

Track MakeAudioTrack(const ClipSettings& clipSettings, AVFormatContext* output)
{
    const AVCodec* codec = FindEncoder(clipSettings.audioCodec);
    if (codec->supported_samplerates) {
        bool found = false;
        for (const int* rate = codec->supported_samplerates; *rate; ++rate)
            found = found || *rate == clipSettings.sampleRate;
        if (!found)
            Fail(clipSettings.audioCodec + " cannot take " + std::to_string(clipSettings.sampleRate) + " Hz");
    }
    Track track;
    track.codec.reset(avcodec_alloc_context3(codec));
    AVCodecContext& context = *track.codec;
    context.sample_rate = clipSettings.sampleRate;
    av_channel_layout_default(&context.ch_layout, clipSettings.channels);
    context.sample_fmt = codec->sample_fmts ? codec->sample_fmts[0] : AV_SAMPLE_FMT_S16;
    context.time_base = {1, clipSettings.sampleRate};
    context.bit_rate = clipSettings.channels > 1 ? 128000 : 64000;
    OpenEncoder(track, codec, output, clipSettings.audioCodec);

    track.frame = NewFrame();
    track.frame->format = context.sample_fmt;
    track.frame->sample_rate = clipSettings.sampleRate;
    track.frame->nb_samples = context.frame_size > 0 ? context.frame_size : 1024;
    Check(av_channel_layout_copy(&track.frame->ch_layout, &context.ch_layout), "copy the channel layout");
    Check(av_frame_get_buffer(track.frame.get(), 0), "allocate the samples for " + clipSettings.audioCodec);
    return track;
}

// A diagonal gradient that slides with time, a white square that crosses the
// picture, and colours that drift: every frame differs from the last.
void PaintPattern(AVFrame& picture, int64_t index)
{
    const int shift = static_cast<int>(index * 4);
    for (int y = 0; y < picture.height; ++y) {
        uint8_t* row = picture.data[0] + y * picture.linesize[0];
        for (int x = 0; x < picture.width; ++x)
            row[x] = static_cast<uint8_t>((x + y + shift) & 0xff);
    }
    const int side = std::max(8, picture.height / 4);
    const int left = static_cast<int>((index * 6) % std::max(1, picture.width - side));
    const int top = (picture.height - side) / 2;
    for (int y = top; y < top + side && y < picture.height; ++y)
        std::fill_n(picture.data[0] + y * picture.linesize[0] + left, std::min(side, picture.width - left), 235);
    for (int plane = 1; plane < 3; ++plane)
        for (int y = 0; y < (picture.height + 1) / 2; ++y) {
            uint8_t* row = picture.data[plane] + y * picture.linesize[plane];
            for (int x = 0; x < (picture.width + 1) / 2; ++x)
                row[x] = static_cast<uint8_t>(128 + ((plane == 1 ? x : y) + shift) % 64 - 32);
        }
}

double GetSample(const AVFrame& frame, int channel, int index)
{
    const auto format = static_cast<AVSampleFormat>(frame.format);
    const bool planar = av_sample_fmt_is_planar(format);
    const int slot = planar ? index : index * frame.ch_layout.nb_channels + channel;
    const uint8_t* data = frame.extended_data[planar ? channel : 0];
    // The decoders of the formats the tests measure give one of these.
    switch (av_get_packed_sample_fmt(format)) {
    case AV_SAMPLE_FMT_S16: return reinterpret_cast<const int16_t*>(data)[slot] / 32768.0;
    case AV_SAMPLE_FMT_FLT: return reinterpret_cast<const float*>(data)[slot];
    default: Fail(std::string("no level for sample format ") + av_get_sample_fmt_name(format));
    }
}

void PutSample(AVFrame& frame, int channel, int index, double value)
{
    const auto format = static_cast<AVSampleFormat>(frame.format);
    const bool planar = av_sample_fmt_is_planar(format);
    const int channels = frame.ch_layout.nb_channels;
    const int slot = planar ? index : index * channels + channel;
    uint8_t* data = frame.extended_data[planar ? channel : 0];
    switch (av_get_packed_sample_fmt(format)) {
    case AV_SAMPLE_FMT_S16: reinterpret_cast<int16_t*>(data)[slot] = static_cast<int16_t>(value * 32767); break;
    case AV_SAMPLE_FMT_S32: reinterpret_cast<int32_t*>(data)[slot] = static_cast<int32_t>(value * 2147483647.0); break;
    case AV_SAMPLE_FMT_FLT: reinterpret_cast<float*>(data)[slot] = static_cast<float>(value); break;
    case AV_SAMPLE_FMT_DBL: reinterpret_cast<double*>(data)[slot] = value; break;
    case AV_SAMPLE_FMT_U8: data[slot] = static_cast<uint8_t>(128 + value * 127); break;
    default: Fail(std::string("no sine tone for sample format ") + av_get_sample_fmt_name(format));
    }
}

// A 440 Hz tone, a fifth higher on every further channel.
void FillTone(AVFrame& frame, int64_t firstSample, double level)
{
    for (int channel = 0; channel < frame.ch_layout.nb_channels; ++channel) {
        const double pitch = 440.0 * std::pow(1.5, channel);
        for (int i = 0; i < frame.nb_samples; ++i) {
            const double t = static_cast<double>(firstSample + i) / frame.sample_rate;
            PutSample(frame, channel, i, level * std::sin(2 * M_PI * pitch * t));
        }
    }
}

// Black bars over the picture's top and bottom rows, and the whole of it
// darkened towards black while it fades in.
void Shade(AVFrame& picture, const Track& track)
{
    const double light = track.fadeFrames > 0 ? std::min(1.0, static_cast<double>(track.next) / track.fadeFrames) : 1.0;
    for (int plane = 0; plane < 3; ++plane) {
        const int rows = plane == 0 ? picture.height : (picture.height + 1) / 2;
        const int columns = plane == 0 ? picture.width : (picture.width + 1) / 2;
        const int bar = plane == 0 ? track.bars : track.bars / 2;
        const int black = plane == 0 ? 16 : 128;
        for (int y = 0; y < rows; ++y) {
            uint8_t* row = picture.data[plane] + y * picture.linesize[plane];
            const bool barred = y < bar || y >= rows - bar;
            for (int x = 0; x < columns; ++x)
                row[x] = static_cast<uint8_t>(barred ? black : black + (row[x] - black) * light);
        }
    }
}

void WritePackets(Track& track, AVFormatContext* output)
{
    PacketPtr packet(av_packet_alloc());
    for (;;) {
        const int received = avcodec_receive_packet(track.codec.get(), packet.get());
        if (received == AVERROR(EAGAIN) || received == AVERROR_EOF)
            return;
        Check(received, "encode a frame");
        av_packet_rescale_ts(packet.get(), track.codec->time_base, track.stream->time_base);
        packet->stream_index = track.stream->index;
        Check(av_interleaved_write_frame(output, packet.get()), "write a packet");
    }
}

void EncodeNext(Track& track, AVFormatContext* output, double toneLevel)
{
    AVFrame& frame = *track.frame;
    Check(av_frame_make_writable(&frame), "reuse a frame");
    if (track.codec->codec_type == AVMEDIA_TYPE_VIDEO) {
        if (track.laterField) {
            // Each field is its own moment: the moving pattern combs.
            PaintPattern(*track.pattern, 2 * track.next);
            PaintPattern(*track.laterField, 2 * track.next + 1);
            for (int plane = 0; plane < 3; ++plane) {
                const int rows = plane == 0 ? frame.height : (frame.height + 1) / 2;
                for (int y = 1; y < rows; y += 2)
                    std::copy_n(track.laterField->data[plane] + y * track.laterField->linesize[plane],
                                track.pattern->linesize[plane], track.pattern->data[plane] + y * track.pattern->linesize[plane]);
            }
            frame.interlaced_frame = 1;
            frame.top_field_first = 1;
        } else {
            PaintPattern(*track.pattern, track.next);
        }
        if (track.bars > 0 || track.fadeFrames > 0)
            Shade(*track.pattern, track);
        if (track.scale)
            sws_scale(track.scale.get(), track.pattern->data, track.pattern->linesize, 0, frame.height, frame.data,
                      frame.linesize);
        else
            Check(av_frame_copy(&frame, track.pattern.get()), "copy the test picture");
        frame.pts = track.next + (track.leapAt >= 0 && track.next >= track.leapAt ? track.leap : 0);
        ++track.next;
    } else {
        FillTone(frame, track.next, toneLevel * track.level);
        frame.pts = track.next;
        track.next += frame.nb_samples;
    }
    Check(avcodec_send_frame(track.codec.get(), &frame), "send a frame to the encoder");
    WritePackets(track, output);
}

void AddChapters(AVFormatContext& output, const ClipSettings& clipSettings)
{
    const AVRational milliseconds {1, 1000};
    const auto length = static_cast<int64_t>(clipSettings.seconds * 1000 / clipSettings.chapters);
    for (int i = 0; i < clipSettings.chapters; ++i) {
        auto* chapter = static_cast<AVChapter*>(av_mallocz(sizeof(AVChapter)));
        auto** chapters = static_cast<AVChapter**>(
            av_realloc_array(output.chapters, output.nb_chapters + 1, sizeof(AVChapter*)));
        if (chapters)
            output.chapters = chapters;
        if (!chapter || !chapters) {
            av_free(chapter);
            Fail("add a chapter", AVERROR(ENOMEM));
        }
        chapter->id = i + 1;
        chapter->time_base = milliseconds;
        chapter->start = i * length;
        chapter->end = (i + 1) * length;
        output.chapters[output.nb_chapters++] = chapter;
        av_dict_set(&chapter->metadata, "title", ("Chapter " + std::to_string(i + 1)).c_str(), 0);
    }
}

AVStream* AddSubtitleStream(AVFormatContext& output)
{
    AVStream* stream = avformat_new_stream(&output, nullptr);
    if (!stream)
        Fail("add a subtitle stream", AVERROR(ENOMEM));
    stream->codecpar->codec_type = AVMEDIA_TYPE_SUBTITLE;
    stream->codecpar->codec_id = AV_CODEC_ID_SUBRIP;
    stream->time_base = {1, 1000};
    return stream;
}

// SubRip packets are the plain text of each line.
void WriteSubtitles(AVFormatContext& output, AVStream& stream, double seconds)
{
    PacketPtr packet(av_packet_alloc());
    for (int second = 0; second < static_cast<int>(seconds); ++second) {
        const std::string text = "Line " + std::to_string(second + 1);
        Check(av_new_packet(packet.get(), static_cast<int>(text.size())), "make a subtitle packet");
        std::copy(text.begin(), text.end(), packet->data);
        packet->pts = packet->dts = av_rescale_q(second, {1, 1}, stream.time_base);
        packet->duration = av_rescale_q(800, {1, 1000}, stream.time_base);
        packet->stream_index = stream.index;
        Check(av_interleaved_write_frame(&output, packet.get()), "write a subtitle packet");
    }
}

} // namespace

ClipSettings ClipFor(const std::string& container)
{
    static const std::map<std::string, std::pair<std::string, std::string>> codecs = {
        {"avi", {"mpeg4", "libmp3lame"}},  {"mp4", {"libx264", "aac"}},   {"mov", {"mpeg4", "aac"}},
        {"matroska", {"libx264", "ac3"}},  {"mpeg", {"mpeg1video", "mp2"}}, {"asf", {"wmv2", "wmav2"}},
        {"flv", {"flv", "libmp3lame"}},    {"rm", {"rv10", "ac3"}},       {"3gp", {"h263", "aac"}}, {"ogg", {"", "libvorbis"}},
        {"wav", {"", "pcm_s16le"}},        {"mp3", {"", "libmp3lame"}},
    };
    const auto found = codecs.find(container);
    if (found == codecs.end())
        Fail("no typical codecs known for container " + container);
    ClipSettings clipSettings;
    clipSettings.container = container;
    clipSettings.videoCodec = found->second.first;
    clipSettings.audioCodec = found->second.second;
    if (container == "3gp") {
        clipSettings.width = 176;
        clipSettings.height = 144;
        clipSettings.sampleRate = 22050;
        clipSettings.channels = 1;
    }
    if (container == "rm")
        clipSettings.sampleRate = 48000;
    return clipSettings;
}

std::string MakeAviClip(const std::filesystem::path& out, double seconds, int width, int height)
{
    ClipSettings clipSettings = ClipFor("avi");
    clipSettings.seconds = seconds;
    clipSettings.width = width;
    clipSettings.height = height;
    MakeClip(out, clipSettings);
    return out.string();
}

void MakeClip(const std::filesystem::path& out, const ClipSettings& clipSettings)
{
    QuietLibraries();
    AVFormatContext* raw = nullptr;
    Check(avformat_alloc_output_context2(&raw, nullptr, clipSettings.container.c_str(), out.c_str()),
          "find muxer " + clipSettings.container);
    std::unique_ptr<AVFormatContext, OutputContextFree> output(raw);
    // AVI keeps no timestamps for sound; shifting all streams for the audio
    // encoder's priming would leave a hole after the first picture.
    if (clipSettings.container == "avi")
        output->avoid_negative_ts = AVFMT_AVOID_NEG_TS_DISABLED;

    std::vector<Track> tracks;
    if (!clipSettings.videoCodec.empty())
        tracks.push_back(MakeVideoTrack(clipSettings, output.get()));
    if (!clipSettings.audioCodec.empty() && clipSettings.audioLanguages.empty())
        tracks.push_back(MakeAudioTrack(clipSettings, output.get()));
    double level = 1;
    for (const std::string& language : clipSettings.audioLanguages) {
        tracks.push_back(MakeAudioTrack(clipSettings, output.get()));
        AVStream* stream = tracks.back().stream;
        av_dict_set(&stream->metadata, "language", language.c_str(), 0);
        av_dict_set(&stream->metadata, "title", ("Sound " + language).c_str(), 0);
        stream->disposition = language == clipSettings.audioLanguages.back() ? AV_DISPOSITION_DEFAULT : 0;
        tracks.back().level = level;
        level /= 2;
    }
    if (clipSettings.clockLeap > 0 && !clipSettings.videoCodec.empty()) {
        Track& video = tracks.front();
        video.leapAt = static_cast<int64_t>(clipSettings.seconds * av_q2d(clipSettings.frameRate) / 2);
        video.leap = av_rescale_q(static_cast<int64_t>(clipSettings.clockLeap * 1000), {1, 1000}, video.codec->time_base);
    }
    if (tracks.empty())
        Fail("a clip needs a video or an audio codec");
    AVStream* subtitles = clipSettings.subtitles ? AddSubtitleStream(*output) : nullptr;
    AddChapters(*output, clipSettings);

    if (!(output->oformat->flags & AVFMT_NOFILE))
        Check(avio_open(&output->pb, out.c_str(), AVIO_FLAG_WRITE), "create " + out.string());
    // A muxer that cannot go back writes no index (nor a length) at the end.
    if (!clipSettings.seekIndex && output->pb)
        output->pb->seekable = 0;
    Check(avformat_write_header(output.get(), nullptr), "write the header of " + out.string());
    if (subtitles)
        WriteSubtitles(*output, *subtitles, clipSettings.seconds);

    for (;;) {
        Track* earliest = nullptr;
        for (Track& track : tracks)
            if (track.nextSeconds() < clipSettings.seconds && (!earliest || track.nextSeconds() < earliest->nextSeconds()))
                earliest = &track;
        if (!earliest)
            break;
        EncodeNext(*earliest, output.get(), clipSettings.toneLevel);
    }
    for (Track& track : tracks) {
        Check(avcodec_send_frame(track.codec.get(), nullptr), "flush the encoder");
        WritePackets(track, output.get());
    }
    Check(av_write_trailer(output.get()), "finish " + out.string());
}

const StreamInfo* MediaInfo::video() const
{
    const auto found = std::find_if(streams.begin(), streams.end(), [](const StreamInfo& s) { return s.type == "video"; });
    return found == streams.end() ? nullptr : &*found;
}

const StreamInfo* MediaInfo::audio() const
{
    const auto found = std::find_if(streams.begin(), streams.end(), [](const StreamInfo& s) { return s.type == "audio"; });
    return found == streams.end() ? nullptr : &*found;
}

MediaInfo ReadMedia(const std::filesystem::path& path)
{
    QuietLibraries();
    AVFormatContext* raw = nullptr;
    Check(avformat_open_input(&raw, path.c_str(), nullptr, nullptr), "open " + path.string());
    InputContextPtr input(raw);
    Check(avformat_find_stream_info(input.get(), nullptr), "read the streams of " + path.string());

    MediaInfo info;
    info.container = input->iformat->name;
    info.chapters = static_cast<int>(input->nb_chapters);
    if (const AVDictionaryEntry* brand = av_dict_get(input->metadata, "major_brand", nullptr, 0))
        info.brand = brand->value;
    if (const AVDictionaryEntry* title = av_dict_get(input->metadata, "title", nullptr, 0))
        info.title = title->value;
    for (unsigned i = 0; i < input->nb_streams; ++i) {
        const AVStream* stream = input->streams[i];
        const AVCodecParameters& par = *stream->codecpar;
        StreamInfo s;
        const char* type = av_get_media_type_string(par.codec_type);
        s.type = type ? type : "unknown";
        s.codec = avcodec_get_name(par.codec_id);
        s.width = par.width;
        s.height = par.height;
        s.pixelAspect = av_guess_sample_aspect_ratio(input.get(), input->streams[i], nullptr);
        if (par.codec_type == AVMEDIA_TYPE_VIDEO) {
            const AVRational rate = av_guess_frame_rate(input.get(), input->streams[i], nullptr);
            s.frameRate = rate.num > 0 && rate.den > 0 ? av_q2d(rate) : 0;
        }
        s.sampleRate = par.sample_rate;
        s.channels = par.ch_layout.nb_channels;
        info.streams.push_back(s);
    }

    std::vector<int64_t> first(input->nb_streams, AV_NOPTS_VALUE);
    std::vector<int64_t> end(input->nb_streams, AV_NOPTS_VALUE);
    PacketPtr packet(av_packet_alloc());
    while (av_read_frame(input.get(), packet.get()) >= 0) {
        const int index = packet->stream_index;
        StreamInfo& stream = info.streams[index];
        ++stream.packets;
        stream.keyPackets += (packet->flags & AV_PKT_FLAG_KEY) ? 1 : 0;
        stream.bytes += packet->size;
        const int64_t start = packet->pts != AV_NOPTS_VALUE ? packet->pts : packet->dts;
        if (start != AV_NOPTS_VALUE) {
            if (first[index] == AV_NOPTS_VALUE || start < first[index])
                first[index] = start;
            if (end[index] == AV_NOPTS_VALUE || start + packet->duration > end[index])
                end[index] = start + packet->duration;
        }
        av_packet_unref(packet.get());
    }
    double longest = 0;
    for (unsigned i = 0; i < input->nb_streams; ++i) {
        if (first[i] == AV_NOPTS_VALUE)
            continue;
        info.streams[i].duration = (end[i] - first[i]) * av_q2d(input->streams[i]->time_base);
        longest = std::max(longest, info.streams[i].duration);
    }
    info.duration = input->duration != AV_NOPTS_VALUE ? static_cast<double>(input->duration) / AV_TIME_BASE : longest;
    return info;
}

namespace {

// Decodes the first stream of the type, handing each frame on until the
// handler says it has seen enough.
void DecodeFirst(const std::filesystem::path& path, AVMediaType type, const std::function<bool(const AVFrame&)>& onFrame)
{
    QuietLibraries();
    AVFormatContext* raw = nullptr;
    Check(avformat_open_input(&raw, path.c_str(), nullptr, nullptr), "open " + path.string());
    InputContextPtr input(raw);
    Check(avformat_find_stream_info(input.get(), nullptr), "read the streams of " + path.string());
    const AVCodec* codec = nullptr;
    const int stream = av_find_best_stream(input.get(), type, -1, -1, &codec, 0);
    Check(stream, std::string("find the ") + av_get_media_type_string(type) + " of " + path.string());
    CodecContextPtr decoder(avcodec_alloc_context3(codec));
    Check(avcodec_parameters_to_context(decoder.get(), input->streams[stream]->codecpar), "set up the decoder");
    Check(avcodec_open2(decoder.get(), codec, nullptr), "open the decoder of " + path.string());

    PacketPtr packet(av_packet_alloc());
    FramePtr frame = NewFrame();
    bool more = true;
    const auto drain = [&] {
        while (more && avcodec_receive_frame(decoder.get(), frame.get()) >= 0) {
            frame->time_base = input->streams[stream]->time_base;
            more = onFrame(*frame);
            av_frame_unref(frame.get());
        }
    };
    while (more && av_read_frame(input.get(), packet.get()) >= 0) {
        if (packet->stream_index == stream && avcodec_send_packet(decoder.get(), packet.get()) >= 0)
            drain();
        av_packet_unref(packet.get());
    }
    avcodec_send_packet(decoder.get(), nullptr);
    drain();
}

void DecodeFirstSound(const std::filesystem::path& path, const std::function<void(const AVFrame&)>& onFrame)
{
    DecodeFirst(path, AVMEDIA_TYPE_AUDIO, [&](const AVFrame& frame) {
        onFrame(frame);
        return true;
    });
}

} // namespace

double SoundLevel(const std::filesystem::path& path)
{
    double sum = 0;
    int64_t count = 0;
    DecodeFirstSound(path, [&](const AVFrame& frame) {
        for (int c = 0; c < frame.ch_layout.nb_channels; ++c)
            for (int i = 0; i < frame.nb_samples; ++i)
                sum += std::pow(GetSample(frame, c, i), 2);
        count += static_cast<int64_t>(frame.nb_samples) * frame.ch_layout.nb_channels;
    });
    if (count == 0 || sum == 0)
        Fail("no sound in " + path.string());
    return 10 * std::log10(sum / count);
}

DecodedSound DecodeSound(const std::filesystem::path& path)
{
    DecodedSound sound;
    DecodeFirstSound(path, [&](const AVFrame& frame) {
        const auto format = static_cast<AVSampleFormat>(frame.format);
        const int width = av_get_bytes_per_sample(format);
        const int channels = frame.ch_layout.nb_channels;
        const bool planar = av_sample_fmt_is_planar(format);
        sound.sampleFormat = av_get_sample_fmt_name(av_get_packed_sample_fmt(format));
        sound.channels = channels;
        for (int i = 0; i < frame.nb_samples; ++i)
            for (int c = 0; c < channels; ++c) {
                const uint8_t* sample =
                    frame.extended_data[planar ? c : 0] + static_cast<size_t>(planar ? i : i * channels + c) * width;
                sound.samples.insert(sound.samples.end(), sample, sample + width);
            }
    });
    return sound;
}

PictureArea FirstPictureArea(const std::filesystem::path& path)
{
    PictureArea area;
    DecodeFirst(path, AVMEDIA_TYPE_VIDEO, [&](const AVFrame& frame) {
        const AVPixFmtDescriptor* format = av_pix_fmt_desc_get(static_cast<AVPixelFormat>(frame.format));
        if (!format || (format->flags & AV_PIX_FMT_FLAG_RGB) || format->nb_components < 3)
            Fail("no luma plane in the pictures of " + path.string());
        // A line of `count` samples from (x, y), `step` apart, holding nothing brighter than black.
        const auto dark = [&](int x, int y, int count, int step) {
            const uint8_t* first = frame.data[0] + y * frame.linesize[0] + x;
            for (int i = 0; i < count; ++i)
                if (first[static_cast<ptrdiff_t>(i) * step] > 48)
                    return false;
            return true;
        };
        int top = 0, bottom = frame.height, left = 0, right = frame.width;
        while (top < bottom && dark(0, top, frame.width, 1))
            ++top;
        while (bottom > top && dark(0, bottom - 1, frame.width, 1))
            --bottom;
        while (left < right && dark(left, 0, frame.height, frame.linesize[0]))
            ++left;
        while (right > left && dark(right - 1, 0, frame.height, frame.linesize[0]))
            --right;
        area = {right - left, bottom - top, frame.width, frame.height};
        return false;
    });
    if (area.frameWidth == 0)
        Fail("no picture in " + path.string());
    return area;
}

Thumbnail PictureAt(const std::filesystem::path& path, double seconds)
{
    constexpr int kWidth = 64;
    constexpr int kHeight = 48;
    Thumbnail thumbnail(kWidth * kHeight);
    bool taken = false;
    DecodeFirst(path, AVMEDIA_TYPE_VIDEO, [&](const AVFrame& frame) {
        std::unique_ptr<SwsContext, ScaleFree> scale(sws_getContext(frame.width, frame.height,
            static_cast<AVPixelFormat>(frame.format), kWidth, kHeight, AV_PIX_FMT_GRAY8, SWS_AREA, nullptr, nullptr, nullptr));
        if (!scale)
            Fail("scale a picture of " + path.string());
        uint8_t* planes[4] = {thumbnail.data()};
        int strides[4] = {kWidth};
        sws_scale(scale.get(), frame.data, frame.linesize, 0, frame.height, planes, strides);
        taken = true;
        // Half a frame early counts as the moment: frame times are rounded.
        return frame.best_effort_timestamp == AV_NOPTS_VALUE
            || frame.best_effort_timestamp * av_q2d(frame.time_base) < seconds - 0.02;
    });
    if (!taken)
        Fail("no picture in " + path.string());
    return thumbnail;
}

double Similarity(const Thumbnail& a, const Thumbnail& b)
{
    if (a.size() != b.size() || a.empty())
        Fail("thumbnails of different sizes");
    const double c1 = std::pow(0.01 * 255, 2);
    const double c2 = std::pow(0.03 * 255, 2);
    double meanA = 0, meanB = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        meanA += a[i];
        meanB += b[i];
    }
    meanA /= static_cast<double>(a.size());
    meanB /= static_cast<double>(b.size());
    double varianceA = 0, varianceB = 0, covariance = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        varianceA += (a[i] - meanA) * (a[i] - meanA);
        varianceB += (b[i] - meanB) * (b[i] - meanB);
        covariance += (a[i] - meanA) * (b[i] - meanB);
    }
    const double n = static_cast<double>(a.size() - 1);
    varianceA /= n;
    varianceB /= n;
    covariance /= n;
    return ((2 * meanA * meanB + c1) * (2 * covariance + c2))
        / ((meanA * meanA + meanB * meanB + c1) * (varianceA + varianceB + c2));
}

} // namespace fixtures
