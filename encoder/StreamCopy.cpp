// SPDX-License-Identifier: GPL-3.0-or-later
#include "encoder/StreamCopy.h"

#include "encoder/CodecChoice.h"
#include "encoder/Fault.h"
#include "encoder/OutputMedia.h"
#include "encoder/ProgressReporter.h"
#include "encoder/StartOutput.h"
#include "encoder/StopSignals.h"
#include "encoder/StreamCopyRoute.h"
#include "encoder/SubtitleRoute.h"
#include "encoder/VideoEncoderSetup.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace ridod2e {
namespace {

int CopiedVideo(const EncodeRequest& request, const InputMedia& input, const AVOutputFormat* muxer)
{
    return KeepsVideo(request, muxer) ? input.videoStream() : -1;
}

int CopiedAudio(const EncodeRequest& request, const InputMedia& input)
{
    return request.noAudio ? -1 : input.audioStream(request.audioLanguage);
}

bool Holds(const AVOutputFormat* muxer, const AVStream* stream)
{
    return avformat_query_codec(muxer, stream->codecpar->codec_id, FF_COMPLIANCE_UNOFFICIAL) == 1;
}

// The streams besides the picture, in the file's order: every sound track
// (the main one among them), the subtitles (text ones turned into the
// container's text where it cannot hold them as they are) and, in
// Matroska, the attached files.
struct FurtherStreams {
    std::vector<int> copied;
    std::vector<int> asText;
    std::vector<int> leftOut;
};

FurtherStreams SortFurtherStreams(const EncodeRequest& request, const InputMedia& input, const AVOutputFormat* muxer,
                                  int video, int audio)
{
    FurtherStreams further;
    const AVFormatContext* context = input.context();
    for (unsigned i = 0; i < context->nb_streams; ++i) {
        const int index = static_cast<int>(i);
        const AVStream* stream = context->streams[i];
        const AVMediaType type = stream->codecpar->codec_type;
        if (index == video || (type == AVMEDIA_TYPE_VIDEO && video < 0) || (type == AVMEDIA_TYPE_AUDIO && request.noAudio))
            continue;
        const bool attachment = type == AVMEDIA_TYPE_ATTACHMENT && std::strcmp(muxer->name, "matroska") == 0;
        const bool track = type == AVMEDIA_TYPE_AUDIO || type == AVMEDIA_TYPE_SUBTITLE;
        if (attachment || index == audio || (track && Holds(muxer, stream)))
            further.copied.push_back(index);
        else if (type == AVMEDIA_TYPE_SUBTITLE && input.isTextSubtitle(index)
                 && SubtitleRoute::TextCodecOf(muxer) != AV_CODEC_ID_NONE)
            further.asText.push_back(index);
        else
            further.leftOut.push_back(index);
    }
    return further;
}

// The rate the copy declares: the source's own, however high.
AVRational DeclaredRate(InputMedia& input, int stream)
{
    AVStream* source = input.context()->streams[stream];
    if (source->codecpar->codec_type != AVMEDIA_TYPE_VIDEO)
        return {0, 1};
    if (source->avg_frame_rate.num > 0 && source->avg_frame_rate.den > 0)
        return source->avg_frame_rate;
    return InputFrameRate(input.context(), source, HighestRate);
}

// Options that would change a copied stream cannot be honoured.
void CheckNothingReshapes(const EncodeRequest& r, bool video, bool audio)
{
    const Padding& p = r.padding;
    const std::vector<std::pair<bool, const char*>> reshaping = {
        {video && (r.size || r.fitInside), "-s"},
        {video && (p.top || p.bottom || p.left || p.right), "-padtop, -padbottom, -padleft or -padright"},
        {video && r.frameRate.has_value(), "-r"},
        {video && r.videoBitrate.has_value(), "-b"},
        {video && r.qualityFactor.has_value(), "-crf"},
        {video && !r.speedPreset.empty(), "-preset"},
        {audio && r.audioBitrate.has_value(), "-ab"},
        {audio && r.sampleRate.has_value(), "-ar"},
        {audio && r.channels.has_value(), "-ac"},
        {audio && r.volumeFactor.value_or(50) != 50, "-vol_factor"},
    };
    for (const auto& [given, option] : reshaping)
        if (given)
            Fail(std::string(option) + " cannot change a stream that is copied; leave it out or re-encode");
}

void CheckEveryStreamCopied(const EncodeRequest& request, int video, int audio)
{
    if (video >= 0 && !IsStreamCopy(request.videoCodec))
        Fail("a copy job copies every stream it keeps: give -vcodec copy too, or -vn");
    if (audio >= 0 && !IsStreamCopy(request.audioCodec))
        Fail("a copy job copies every stream it keeps: give -acodec copy too, or -an");
}

// The routes of one copy job: the picture's, the other streams copied, the
// subtitles turned into the container's text, and the input streams they take.
struct CopyRoutes {
    std::optional<StreamCopyRoute> pictures;
    std::vector<std::unique_ptr<StreamCopyRoute>> copies;
    std::vector<std::unique_ptr<SubtitleRoute>> texts;
    std::vector<int> kept;
};

void OpenRoutes(const EncodeRequest& request, InputMedia& input, const AVOutputFormat* muxer, int video,
                const FurtherStreams& further, OutputMedia& output, CopyRoutes& routes)
{
    const double timelineStart = TimelineStart(input, request);
    if (video >= 0) {
        routes.pictures.emplace(input, video, output, timelineStart, request.maxVideoFrames.value_or(-1),
                                DeclaredRate(input, video));
        routes.kept.push_back(video);
    }
    for (const int stream : further.copied) {
        routes.copies.push_back(std::make_unique<StreamCopyRoute>(input, stream, output, timelineStart, -1,
                                                                  DeclaredRate(input, stream)));
        routes.kept.push_back(stream);
    }
    for (const int stream : further.asText) {
        routes.texts.push_back(std::make_unique<SubtitleRoute>(input, stream, muxer, output, timelineStart));
        routes.kept.push_back(stream);
    }
}

// Hands every packet of the input to its route, reporting as it goes; the
// picture's limit (-vframes) ends a copy without sound early. The pictures
// copied.
int64_t CopyPackets(InputMedia& input, CopyRoutes& routes, bool withSound, OutputMedia& output,
                    ProgressReporter& reporter, const StopSignals& stopSignals)
{
    const auto frames = [&] { return routes.pictures ? routes.pictures->packets() : 0; };
    PacketPtr packet = NewPacket();
    while (input.read(packet.get())) {
        stopSignals.check();
        const int stream = packet->stream_index;
        if (routes.pictures && stream == routes.pictures->inputStream())
            routes.pictures->process(packet.get());
        for (const auto& copy : routes.copies)
            if (stream == copy->inputStream())
                copy->process(packet.get());
        for (const auto& text : routes.texts)
            if (stream == text->inputStream())
                text->process(packet.get());
        av_packet_unref(packet.get());
        reporter.tick(frames(), 0, output.bytes(), output.seconds());
        if (routes.pictures && routes.pictures->done() && !withSound)
            break;
    }
    return frames();
}

} // namespace

bool IsCopyJob(const EncodeRequest& request)
{
    return IsStreamCopy(request.videoCodec) || IsStreamCopy(request.audioCodec);
}

void CopyStreams(const EncodeRequest& request, InputMedia& input, Console& console)
{
    const StopSignals stopSignals;
    const AVOutputFormat* muxer = ChooseMuxer(request.outputFormat, request.output);
    const int video = CopiedVideo(request, input, muxer);
    const int audio = CopiedAudio(request, input);
    if (video < 0 && audio < 0)
        Fail("'" + request.input + "' holds nothing that can be copied into '" + request.output + "'");
    CheckEveryStreamCopied(request, video, audio);
    CheckNothingReshapes(request, video >= 0, audio >= 0);
    for (const int stream : {video, audio})
        if (stream >= 0)
            CheckCopyable(input.context()->streams[stream], muxer, request.output);

    const FurtherStreams further = SortFurtherStreams(request, input, muxer, video, audio);
    OutputMedia output(request, muxer);
    CopyRoutes routes;
    OpenRoutes(request, input, muxer, video, further, output, routes);
    std::vector<std::string> notes;
    if (!further.leftOut.empty())
        notes.push_back(LeftOutLine("Data", further.leftOut,
                                    std::string(muxer->name) + " files do not hold that kind of stream"));
    StartOutput(request, input, routes.kept, notes, output, console);

    ProgressReporter reporter(console, routes.pictures.has_value());
    const int64_t frames = CopyPackets(input, routes, audio >= 0, output, reporter, stopSignals);
    const bool copiedAny
        = std::any_of(routes.copies.begin(), routes.copies.end(), [](const auto& copy) { return copy->packets() > 0; });
    if (frames == 0 && !copiedAny)
        Fail("no packet of '" + request.input + "' could be read");
    output.finish();
    reporter.last(frames, 0, output.bytes(), output.seconds());
}

} // namespace ridod2e
