// SPDX-License-Identifier: GPL-3.0-or-later
#include "encoder/InputMedia.h"

#include "encoder/CodecChoice.h"
#include "encoder/Fault.h"
#include "encoder/Orientation.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <vector>

extern "C" {
#include <libavutil/avstring.h>
#include <libavutil/channel_layout.h>
}

namespace ridod2e {
namespace {

// Consecutive unreadable stretches the alternative reader steps over before
// it takes the file as ended, and consecutive requests to try again.
constexpr int MaxReadErrorsInARow = 200;

// Readers report damaged data as invalid, or with a bare -1, which the
// libraries would put in words as "Operation not permitted".
std::string ReadingReason(int code)
{
    if (code == AVERROR_INVALIDDATA || code == AVERROR(EPERM))
        return "the file is damaged";
    return LibraryReason(code);
}

[[noreturn]] void FailReading(int code)
{
    Fail("cannot read the input: " + ReadingReason(code));
}

// The container the file's beginning is recognised as with confidence; empty
// when the libraries could only guess.
std::string RecognisedContainer(const std::string& path)
{
    constexpr std::size_t kHeadBytes = 1 << 16;
    std::ifstream file(path, std::ios::binary);
    std::vector<unsigned char> head(kHeadBytes + AVPROBE_PADDING_SIZE, 0);
    file.read(reinterpret_cast<char*>(head.data()), static_cast<std::streamsize>(kHeadBytes));
    AVProbeData probe{};
    probe.buf = head.data();
    probe.buf_size = static_cast<int>(file.gcount());
    probe.filename = "";
    int score = 0;
    const AVInputFormat* format = av_probe_input_format3(&probe, 1, &score);
    return format != nullptr && score > AVPROBE_SCORE_RETRY ? format->long_name : "";
}

// "stereo" also for files that give only a channel count.
std::string ChannelsText(const AVChannelLayout& layout)
{
    AVChannelLayout named {};
    if (layout.order == AV_CHANNEL_ORDER_UNSPEC)
        av_channel_layout_default(&named, layout.nb_channels);
    else if (av_channel_layout_copy(&named, &layout) < 0)
        return std::to_string(layout.nb_channels) + " channels";
    char text[128] = {};
    const int described = av_channel_layout_describe(&named, text, sizeof text);
    av_channel_layout_uninit(&named);
    return described < 0 ? std::to_string(layout.nb_channels) + " channels" : std::string(text);
}

StreamSummary Describe(AVFormatContext* context, AVStream* stream)
{
    const AVCodecParameters& par = *stream->codecpar;
    StreamSummary summary;
    summary.type = par.codec_type;
    summary.codec = avcodec_get_name(par.codec_id);
    summary.coverArt = (stream->disposition & AV_DISPOSITION_ATTACHED_PIC) != 0;
    summary.width = par.width;
    summary.height = par.height;
    if (par.codec_type == AVMEDIA_TYPE_VIDEO) {
        const AVRational rate = av_guess_frame_rate(context, stream, nullptr);
        summary.frameRate = rate.num > 0 && rate.den > 0 ? av_q2d(rate) : 0;
        const Orientation orientation = summary.coverArt ? Orientation {} : OrientationOf(stream);
        const FrameDimensions shown = Upright(FrameDimensions {par.width, par.height}, orientation);
        summary.width = shown.width;
        summary.height = shown.height;
        summary.pixelAspect = Upright(av_guess_sample_aspect_ratio(context, stream, nullptr), orientation);
        summary.turned = orientation.clockwise;
        summary.mirrored = orientation.mirrored;
        summary.interlaced = par.field_order != AV_FIELD_UNKNOWN && par.field_order != AV_FIELD_PROGRESSIVE;
    }
    summary.sampleRate = par.sample_rate;
    summary.channels = ChannelsText(par.ch_layout);
    summary.bitRate = par.bit_rate;
    return summary;
}

// A path the libraries read as a file of this machine, not an address of
// one of their protocols (http:, pipe:, concat:, subfile, data:, file:).
bool IsLocalFile(const std::string& path)
{
    const char* protocol = avio_find_protocol_name(path.c_str());
    return protocol && std::string(protocol) == "file" && path.rfind("file:", 0) != 0;
}

} // namespace

InputMedia::InputMedia(const EncodeRequest& request)
    : path_(request.input),
      inputFormat_(request.inputFormat),
      alternativeReader_(request.alternativeReader),
      allowProtocols_(request.allowProtocols)
{
    if (!allowProtocols_ && !IsLocalFile(path_))
        Fail(path_ + " is not a local file");
    // A folder or a pipe would make the reader fail late or wait forever.
    std::error_code error;
    const auto status = std::filesystem::status(path_, error);
    if (std::filesystem::is_directory(status))
        Fail(FaultKind::CannotOpenInput, "'" + path_ + "': it is a folder, not a file");
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status))
        Fail(FaultKind::CannotOpenInput, "'" + path_ + "': it is not a regular file");
    open();
}

void InputMedia::open()
{
    const AVInputFormat* demuxer = inputFormat_.empty() ? nullptr : ChooseDemuxer(inputFormat_);

    Dictionary options;
    // Whatever the file names inside it (a playlist, a reference) is read
    // as a local file too.
    if (!allowProtocols_)
        options.set("protocol_whitelist", "file");
    if (alternativeReader_) {
        options.set("formatprobesize", "10000000");
        options.set("probesize", "50000000");
        options.set("analyzeduration", "60000000");
        options.set("fflags", "+genpts+discardcorrupt+igndts");
        options.set("err_detect", "ignore_err");
    }
    AVFormatContext* raw = nullptr;
    const int opened = avformat_open_input(&raw, path_.c_str(), demuxer, options.address());
    if (opened == AVERROR_INVALIDDATA || opened == AVERROR_DEMUXER_NOT_FOUND || opened == AVERROR_PATCHWELCOME) {
        std::error_code error;
        if (std::filesystem::file_size(path_, error) == 0 && !error)
            Fail(FaultKind::UnknownFormat, "'" + path_ + "' is empty");
        const std::string container = RecognisedContainer(path_);
        if (!container.empty())
            Fail(FaultKind::UnknownFormat, "'" + path_ + "' is damaged or cut short (it begins as " + container
                                               + ", then: " + LibraryReason(opened) + ")");
        Fail(FaultKind::UnknownFormat, "'" + path_ + "' is not a media file this encoder can read ("
                                           + LibraryReason(opened) + ")");
    }
    if (opened < 0)
        Fail(FaultKind::CannotOpenInput, "'" + path_ + "': " + LibraryReason(opened));
    context_.reset(raw);
    if (const int found = avformat_find_stream_info(context_.get(), nullptr); found < 0)
        Fail("cannot read the streams of '" + path_ + "': " + ReadingReason(found));
}

MediaSummary InputMedia::summary() const
{
    MediaSummary summary;
    summary.format = context_->iformat->name;
    summary.path = path_;
    if (context_->duration != AV_NOPTS_VALUE && context_->duration >= 0)
        summary.duration = static_cast<double>(context_->duration) / AV_TIME_BASE;
    summary.start = start();
    summary.bitRate = context_->bit_rate;
    for (unsigned i = 0; i < context_->nb_streams; ++i)
        summary.streams.push_back(Describe(context_.get(), context_->streams[i]));
    return summary;
}

int InputMedia::videoStream() const
{
    int best = -1;
    int64_t bestArea = -1;
    for (unsigned i = 0; i < context_->nb_streams; ++i) {
        const AVStream* stream = context_->streams[i];
        if (stream->codecpar->codec_type != AVMEDIA_TYPE_VIDEO || (stream->disposition & AV_DISPOSITION_ATTACHED_PIC))
            continue;
        const int64_t area = static_cast<int64_t>(stream->codecpar->width) * stream->codecpar->height;
        if (area > bestArea) {
            best = static_cast<int>(i);
            bestArea = area;
        }
    }
    return best;
}

int InputMedia::audioStream(const std::string& language) const
{
    const std::vector<int> tracks = streamsOf(AVMEDIA_TYPE_AUDIO);
    if (tracks.size() < 2)
        return tracks.empty() ? -1 : tracks.front();
    // The better track ranks higher: the language asked for, then the
    // default mark; a commentary ranks last. The first of equals wins.
    const auto rank = [&](int index) {
        const AVStream* stream = context_->streams[index];
        const AVDictionaryEntry* tag = av_dict_get(stream->metadata, "language", nullptr, 0);
        const bool spoken = !language.empty() && tag && av_strcasecmp(tag->value, language.c_str()) == 0;
        return (stream->disposition & AV_DISPOSITION_COMMENT ? 0 : 4) + (spoken ? 2 : 0)
            + (stream->disposition & AV_DISPOSITION_DEFAULT ? 1 : 0);
    };
    int best = tracks.front();
    for (const int track : tracks)
        if (rank(track) > rank(best))
            best = track;
    return best;
}

std::vector<int> InputMedia::streamsOf(AVMediaType type) const
{
    std::vector<int> streams;
    for (unsigned i = 0; i < context_->nb_streams; ++i)
        if (context_->streams[i]->codecpar->codec_type == type)
            streams.push_back(static_cast<int>(i));
    return streams;
}

bool InputMedia::isTextSubtitle(int stream) const
{
    const AVCodecDescriptor* descriptor = avcodec_descriptor_get(context_->streams[stream]->codecpar->codec_id);
    return descriptor && (descriptor->props & AV_CODEC_PROP_TEXT_SUB);
}

double InputMedia::start() const
{
    if (context_->start_time == AV_NOPTS_VALUE)
        return 0;
    return static_cast<double>(context_->start_time) / AV_TIME_BASE;
}

void InputMedia::keepOnly(const std::vector<int>& streams)
{
    kept_ = streams;
    for (unsigned i = 0; i < context_->nb_streams; ++i) {
        const bool kept = std::find(streams.begin(), streams.end(), static_cast<int>(i)) != streams.end();
        context_->streams[i]->discard = kept ? AVDISCARD_DEFAULT : AVDISCARD_ALL;
    }
}

bool InputMedia::read(AVPacket* packet)
{
    int errorsInARow = 0;
    for (;;) {
        const int code = av_read_frame(context_.get(), packet);
        if (code >= 0) {
            if (context_->streams[packet->stream_index]->discard != AVDISCARD_ALL)
                return true;
            av_packet_unref(packet);
            continue;
        }
        // The byte reader marks a failed read as the end too: its own error
        // tells the two apart.
        const int readError = context_->pb ? context_->pb->error : 0;
        if (readError < 0 && readError != AVERROR_EOF)
            FailReading(readError);
        if (code == AVERROR_EOF || (context_->pb && avio_feof(context_->pb)))
            return false;
        const bool again = code == AVERROR(EAGAIN);
        if (++errorsInARow <= MaxReadErrorsInARow && (again || alternativeReader_))
            continue;
        if (!alternativeReader_)
            FailReading(code);
        return false;
    }
}

void InputMedia::seek(double seconds)
{
    const auto target = static_cast<int64_t>(std::llround((start() + seconds) * AV_TIME_BASE));
    av_seek_frame(context_.get(), -1, target, AVSEEK_FLAG_BACKWARD);
}

void InputMedia::rewind()
{
    // Seeking back to the start can fail where seeking forward did (no
    // index, damage): the file is opened afresh instead.
    context_.reset();
    open();
    if (kept_)
        keepOnly(*kept_);
}

double TimelineStart(const InputMedia& input, const EncodeRequest& request)
{
    return input.start() + StartSeconds(request);
}

} // namespace ridod2e
