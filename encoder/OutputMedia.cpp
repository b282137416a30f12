// SPDX-License-Identifier: GPL-3.0-or-later
#include "encoder/OutputMedia.h"

#include "encoder/Fault.h"
#include "encoder/FileIo.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <memory>

extern "C" {
#include <libavutil/channel_layout.h>
#include <libavutil/opt.h>
}

namespace ridod2e {
namespace {

// Tags that describe the input's own container, not the content.
bool IsContainerTag(const std::string& key)
{
    return key == "major_brand" || key == "minor_version" || key == "compatible_brands" || key == "encoder";
}

} // namespace

OutputMedia::OutputMedia(const EncodeRequest& request, const AVOutputFormat* muxer) : request_(request)
{
    const AVClass* muxerOptions = muxer->priv_class;
    if (request.fastStart && !av_opt_find(&muxerOptions, "movflags", nullptr, 0, AV_OPT_SEARCH_FAKE_OBJ))
        Fail("-movflags +faststart is for MP4 and QuickTime files, not for " + std::string(muxer->name) + " files");
    std::error_code error;
    if (std::filesystem::exists(std::filesystem::symlink_status(request.output, error))) {
        if (std::filesystem::equivalent(request.input, request.output, error))
            Fail("the output file '" + request.output + "' is the input file");
        if (!request.overwrite)
            Fail("the output file '" + request.output + "' exists; give -y to replace it");
        if (!MayReplace(request.output))
            Fail("'" + request.output + "' is not a regular file of yours; it is not replaced");
    }
    AVFormatContext* context = nullptr;
    Check(avformat_alloc_output_context2(&context, muxer, nullptr, request.output.c_str()),
          "cannot prepare the " + std::string(muxer->name) + " container");
    context_.reset(context);
    context_->opaque = this;
    context_->io_open = openNested;
    context_->io_close2 = closeNested;
    if (request.bitexact)
        context_->flags |= AVFMT_FLAG_BITEXACT;
    // AVI keeps no timestamps for sound: shifting every stream so that the
    // encoder's priming samples start at zero would only push the first
    // picture one frame late.
    if (std::string(muxer->name) == "avi")
        context_->avoid_negative_ts = AVFMT_AVOID_NEG_TS_DISABLED;
}

OutputMedia::~OutputMedia()
{
    if (context_)
        FreeFileIo(context_->pb);
    context_.reset();
    file_.reset();
}

int OutputMedia::openNested(AVFormatContext* context, AVIOContext** io, const char* url, int flags, AVDictionary**)
{
    const auto* self = static_cast<const OutputMedia*>(context->opaque);
    if (!self || !self->file_ || self->request_.output != url)
        return AVERROR(EPERM);
    const int descriptor = self->file_->descriptor();
    *io = (flags & AVIO_FLAG_WRITE) ? NewFileWriter(descriptor) : NewFileReader(descriptor);
    return *io ? 0 : AVERROR(ENOMEM);
}

int OutputMedia::closeNested(AVFormatContext*, AVIOContext* io)
{
    return FreeFileIo(io);
}

int OutputMedia::registered(AVStream* stream, AVRational frameRate)
{
    if (frameRate.num > 0) {
        stream->avg_frame_rate = frameRate;
        stream->r_frame_rate = frameRate;
    }
    frameRates_.push_back(frameRate);
    return stream->index;
}

AVStream* OutputMedia::newStream()
{
    AVStream* stream = avformat_new_stream(context_.get(), nullptr);
    if (!stream)
        throw std::bad_alloc();
    return stream;
}

int OutputMedia::addStream(const StreamEncoder& encoder, AVRational frameRate)
{
    AVStream* stream = newStream();
    encoder.describe(stream->codecpar);
    stream->time_base = encoder.timeBase();
    // Matroska takes the picture's shape from the stream, not from the codec.
    if (std::strstr(context_->oformat->name, "matroska") || std::string(context_->oformat->name) == "webm")
        stream->sample_aspect_ratio = stream->codecpar->sample_aspect_ratio;
    return registered(stream, frameRate);
}

int OutputMedia::addStream(const AVCodecContext& encoder)
{
    AVStream* stream = newStream();
    Check(avcodec_parameters_from_context(stream->codecpar, &encoder), "cannot describe the output stream");
    stream->time_base = encoder.time_base;
    return registered(stream, {0, 1});
}

void OutputMedia::keepLabels(int index, const AVStream* source)
{
    AVStream* stream = context_->streams[index];
    stream->disposition = source->disposition;
    for (const char* key : {"language", "title"})
        if (const AVDictionaryEntry* tag = av_dict_get(source->metadata, key, nullptr, 0))
            av_dict_set(&stream->metadata, key, tag->value, 0);
}

void OutputMedia::addSideData(int index, AVPacketSideDataType type, const std::vector<uint8_t>& data)
{
    if (data.empty())
        return;
    const AVPacketSideData side {const_cast<uint8_t*>(data.data()), data.size(), type};
    copySideData(context_->streams[index], side);
}

void OutputMedia::copySideData(AVStream* stream, const AVPacketSideData& data)
{
    uint8_t* copy = av_stream_new_side_data(stream, data.type, data.size);
    if (!copy)
        throw std::bad_alloc();
    std::memcpy(copy, data.data, data.size);
}

unsigned OutputMedia::CopiedCodecTag(const AVCodecParameters& source)
{
    // The input container's tag may mean something else in this one.
    if (source.codec_id != AV_CODEC_ID_RAWVIDEO)
        return 0;
    return avcodec_pix_fmt_to_codec_tag(static_cast<AVPixelFormat>(source.format));
}

int OutputMedia::addCopiedStream(const AVStream* source, AVRational frameRate)
{
    AVStream* stream = newStream();
    Check(avcodec_parameters_copy(stream->codecpar, source->codecpar),
          "cannot describe the copy of stream #0." + std::to_string(source->index));
    stream->codecpar->codec_tag = CopiedCodecTag(*source->codecpar);
    stream->time_base = source->time_base;
    stream->sample_aspect_ratio = source->sample_aspect_ratio;
    stream->disposition = source->disposition;
    Check(av_dict_copy(&stream->metadata, source->metadata, 0), "cannot copy the tags of a stream");
    // A phone's rotation and the like.
    for (int i = 0; i < source->nb_side_data; ++i)
        copySideData(stream, source->side_data[i]);
    return registered(stream, frameRate);
}

void OutputMedia::keepChapters(const AVFormatContext* input, double fromSeconds)
{
    const std::string muxer = context_->oformat->name;
    const bool chapterTrack = muxer == "mp4" || muxer == "mov" || muxer == "ipod" || muxer == "psp";
    for (unsigned i = 0; i < input->nb_chapters; ++i) {
        const AVChapter& source = *input->chapters[i];
        const int64_t offset = InTimeBase(fromSeconds, source.time_base);
        if (source.end - offset <= 0)
            continue;
        const int64_t start = std::max<int64_t>(0, source.start - offset);
        // Its ids are not written: any will do.
        if (chapterTrack && context_->nb_chapters == 0 && start > 0)
            addChapter(source.id, source.time_base, 0, start);
        AVChapter* kept = addChapter(source.id, source.time_base, start, source.end - offset);
        Check(av_dict_copy(&kept->metadata, source.metadata, 0), "cannot copy the tags of a chapter");
    }
    // The muxer leaves a chapter without a title out of the track, and
    // the others then slide: such a chapter's title is a blank.
    for (unsigned i = 0; chapterTrack && i < context_->nb_chapters; ++i)
        if (!av_dict_get(context_->chapters[i]->metadata, "title", nullptr, 0))
            Check(av_dict_set(&context_->chapters[i]->metadata, "title", " ", 0), "cannot name a chapter");
}

AVChapter* OutputMedia::addChapter(int64_t id, AVRational timeBase, int64_t start, int64_t end)
{
    std::unique_ptr<AVChapter, decltype(&av_free)> chapter(static_cast<AVChapter*>(av_mallocz(sizeof(AVChapter))),
                                                           &av_free);
    auto** chapters = static_cast<AVChapter**>(
        av_realloc_array(context_->chapters, context_->nb_chapters + 1, sizeof(AVChapter*)));
    if (!chapters)
        throw std::bad_alloc();
    context_->chapters = chapters;
    if (!chapter)
        throw std::bad_alloc();
    chapter->id = id;
    chapter->time_base = timeBase;
    chapter->start = start;
    chapter->end = end;
    // The context frees its chapters and their tags from here on.
    context_->chapters[context_->nb_chapters++] = chapter.get();
    return chapter.release();
}

void OutputMedia::setTags(const AVDictionary* inputTags)
{
    const AVDictionaryEntry* tag = nullptr;
    while ((tag = av_dict_get(inputTags, "", tag, AV_DICT_IGNORE_SUFFIX)))
        if (!IsContainerTag(tag->key))
            av_dict_set(&context_->metadata, tag->key, tag->value, 0);
    if (request_.title)
        av_dict_set(&context_->metadata, "title", request_.title->c_str(), 0);
}

void OutputMedia::open(const AVDictionary* inputTags)
{
    setTags(inputTags);
    Dictionary options;
    if (std::string(context_->oformat->name) == "mp3") {
        options.set("id3v2_version", request_.id3v2 ? "3" : "0");
        options.set("write_id3v1", request_.id3v1 ? "1" : "0");
    }
    if (request_.fastStart)
        options.set("movflags", "+faststart");
    file_ = std::make_unique<OutputFile>(request_.output, request_.overwrite);
    if (!(context_->oformat->flags & AVFMT_NOFILE)) {
        context_->pb = NewFileWriter(file_->descriptor());
        if (!context_->pb)
            throw std::bad_alloc();
    }
    Check(avformat_write_header(context_.get(), options.address()),
          "cannot begin the " + std::string(context_->oformat->name) + " file '" + request_.output + "'");
}

void OutputMedia::write(AVPacket* packet, int stream, AVRational timeBase)
{
    const std::lock_guard lock(writing_);
    AVStream* target = context_->streams[stream];
    packet->stream_index = stream;
    av_packet_rescale_ts(packet, timeBase, target->time_base);
    const int64_t start = packet->pts != AV_NOPTS_VALUE ? packet->pts : packet->dts;
    if (start != AV_NOPTS_VALUE)
        seconds_ = std::max(seconds_, (start + packet->duration) * av_q2d(target->time_base));
    Check(av_interleaved_write_frame(context_.get(), packet),
          [this] { return "cannot write to '" + request_.output + "'"; });
}

void OutputMedia::finish(const std::function<void(int descriptor)>& beforeNaming)
{
    const std::lock_guard lock(writing_);
    Check(av_write_trailer(context_.get()), "cannot finish '" + request_.output + "'");
    Check(FreeFileIo(context_->pb), "cannot write to '" + request_.output + "'");
    if (beforeNaming)
        beforeNaming(file_->descriptor());
    file_->place();
}

int64_t OutputMedia::bytes() const
{
    const std::lock_guard lock(writing_);
    if (context_->pb)
        return std::max<int64_t>(0, avio_tell(context_->pb));
    return file_ ? file_->size() : 0;
}

double OutputMedia::seconds() const
{
    const std::lock_guard lock(writing_);
    return seconds_;
}

MediaSummary OutputMedia::summary() const
{
    MediaSummary summary;
    summary.format = context_->oformat->name;
    summary.path = request_.output;
    for (unsigned i = 0; i < context_->nb_streams; ++i) {
        const AVCodecParameters& par = *context_->streams[i]->codecpar;
        StreamSummary stream;
        stream.type = par.codec_type;
        stream.codec = avcodec_get_name(par.codec_id);
        stream.width = par.width;
        stream.height = par.height;
        stream.frameRate = frameRates_[i].num > 0 ? av_q2d(frameRates_[i]) : 0;
        if (par.codec_type == AVMEDIA_TYPE_VIDEO)
            stream.pixelAspect = av_guess_sample_aspect_ratio(context_.get(), context_->streams[i], nullptr);
        stream.sampleRate = par.sample_rate;
        char layout[128] = {};
        av_channel_layout_describe(&par.ch_layout, layout, sizeof layout);
        stream.channels = layout;
        stream.bitRate = par.bit_rate;
        summary.streams.push_back(stream);
    }
    return summary;
}

} // namespace ridod2e
