#include "encoder/StreamCopy.h"

#include "encoder/CodecChoice.h"
#include "encoder/Fault.h"
#include "encoder/OutputMedia.h"
#include "encoder/ProgressReporter.h"
#include "encoder/StartOutput.h"
#include "encoder/StopSignals.h"
#include "encoder/StreamCopyRoute.h"

#include <optional>
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
    return request.noAudio ? -1 : input.audioStream();
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

    OutputMedia output(request, muxer);
    const double timelineStart = TimelineStart(input, request);
    std::optional<StreamCopyRoute> pictures;
    std::optional<StreamCopyRoute> sound;
    if (video >= 0)
        pictures.emplace(input, video, output, timelineStart, request.maxVideoFrames.value_or(-1));
    if (audio >= 0)
        sound.emplace(input, audio, output, timelineStart, -1);
    StartOutput(request, input, video, audio, output, console);

    ProgressReporter reporter(console, pictures.has_value());
    const auto frames = [&] { return pictures ? pictures->packets() : 0; };
    PacketPtr packet = NewPacket();
    while (input.read(packet.get())) {
        stopSignals.check();
        if (pictures && packet->stream_index == video)
            pictures->process(packet.get());
        else if (sound && packet->stream_index == audio)
            sound->process(packet.get());
        av_packet_unref(packet.get());
        reporter.tick(frames(), 0, output.bytes(), output.seconds());
        if (pictures && pictures->done() && !sound)
            break;
    }
    if (frames() == 0 && (!sound || sound->packets() == 0))
        Fail("no packet of '" + request.input + "' could be read");
    output.finish();
    reporter.last(frames(), 0, output.bytes(), output.seconds());
}

} // namespace ridod2e
