#include "encoder/Transcoder.h"

#include "encoder/AudioRoute.h"
#include "encoder/CodecChoice.h"
#include "encoder/Fault.h"
#include "encoder/OutputMedia.h"
#include "encoder/ProgressReporter.h"
#include "encoder/SilentTrack.h"
#include "encoder/StartOutput.h"
#include "encoder/StopSignals.h"
#include "encoder/SubtitleRoute.h"
#include "encoder/VideoRoute.h"

#include <memory>
#include <string>
#include <vector>

namespace ridod2e {
namespace {

// How often the progress is looked at while the routes drain their encoders.
constexpr std::chrono::milliseconds WhileDraining(100);

bool TakesVideo(const EncodeRequest& request, const InputMedia& input, const AVOutputFormat* muxer)
{
    return KeepsVideo(request, muxer) && input.videoStream() >= 0
        && request.maxVideoFrames.value_or(1) > 0;
}

// Today's formats take every sound track; the others take one.
std::vector<int> SoundTracks(const EncodeRequest& request, const InputMedia& input, const AVOutputFormat* muxer)
{
    if (request.noAudio || (muxer->audio_codec == AV_CODEC_ID_NONE && request.audioCodec.empty()))
        return {};
    if (request.keepAll)
        return input.streamsOf(AVMEDIA_TYPE_AUDIO);
    const int track = input.audioStream(request.audioLanguage);
    return track >= 0 ? std::vector<int> {track} : std::vector<int> {};
}

[[noreturn]] void FailNothingToTake(const EncodeRequest& request, const InputMedia& input)
{
    if (input.videoStream() < 0 && input.audioStream() < 0)
        Fail("'" + request.input + "' holds neither video nor audio");
    Fail("'" + request.input + "' holds nothing that can go into '" + request.output + "'");
}

// Today's video formats carry the text subtitles in the container's own
// text format; the streams that are not taken are returned.
std::vector<int> TakeSubtitles(const EncodeRequest& request, InputMedia& input, const AVOutputFormat* muxer,
                               bool takesVideo, OutputMedia& output,
                               std::vector<std::unique_ptr<SubtitleRoute>>& routes)
{
    std::vector<int> leftOut;
    const bool carries = takesVideo && request.keepAll && SubtitleRoute::TextCodecOf(muxer) != AV_CODEC_ID_NONE;
    for (const int stream : input.streamsOf(AVMEDIA_TYPE_SUBTITLE)) {
        if (carries && input.isTextSubtitle(stream))
            routes.push_back(
                std::make_unique<SubtitleRoute>(input, stream, muxer, output, TimelineStart(input, request)));
        else
            leftOut.push_back(stream);
    }
    return leftOut;
}

} // namespace

void Transcode(const EncodeRequest& request, InputMedia& input, Console& console)
{
    const StopSignals stopSignals;
    const AVOutputFormat* muxer = ChooseMuxer(request.outputFormat, request.output);
    OutputMedia output(request, muxer);
    const bool takeVideo = TakesVideo(request, input, muxer);
    const std::vector<int> soundTracks = SoundTracks(request, input, muxer);
    if (!takeVideo && soundTracks.empty())
        FailNothingToTake(request, input);

    std::unique_ptr<VideoRoute> video;
    std::vector<std::unique_ptr<AudioRoute>> audios;
    std::vector<std::unique_ptr<SubtitleRoute>> subtitles;
    ProgressReporter reporter(console, takeVideo, takeVideo && IsPaletteVideo(request.videoCodec, muxer));
    const auto report = [&](bool last) {
        const int64_t frames = video ? video->frames() : 0;
        const double quality = video ? video->quality() : 0;
        if (last)
            reporter.last(frames, quality, output.bytes(), output.seconds());
        else
            reporter.tick(frames, quality, output.bytes(), output.seconds());
    };
    const auto tick = [&] {
        stopSignals.check();
        report(false);
    };
    // A route whose thread failed ends the conversion with that failure.
    const auto rethrowFailures = [&] {
        if (video)
            video->rethrowFailure();
        for (const auto& audio : audios)
            audio->rethrowFailure();
    };
    std::vector<int> kept;
    if (takeVideo) {
        video = std::make_unique<VideoRoute>(request, input, input.videoStream(), muxer, output, tick);
        kept.push_back(video->inputStream());
    }
    const bool labelled = request.keepAll;
    for (const int track : soundTracks) {
        audios.push_back(std::make_unique<AudioRoute>(request, input, track, muxer, output, takeVideo, labelled));
        kept.push_back(track);
    }
    std::vector<std::string> notes;
    const std::vector<int> leftOut = TakeSubtitles(request, input, muxer, takeVideo, output, subtitles);
    for (const auto& subtitle : subtitles)
        kept.push_back(subtitle->inputStream());
    if (!leftOut.empty())
        notes.push_back(LeftOutLine("Subtitle", leftOut, subtitles.empty() && !labelled
                                                                ? "the output carries picture and sound only"
                                                                : "the output keeps text subtitles only"));
    std::unique_ptr<SilentTrack> silence;
    if (video && audios.empty() && NeedsSoundTrack(muxer))
        silence = std::make_unique<SilentTrack>(request, muxer, output);
    const bool seeks = StartOutput(request, input, kept, notes, output, console);

    PacketPtr packet = NewPacket();
    const auto readToTheEnd = [&] {
        while (input.read(packet.get())) {
            const int stream = packet->stream_index;
            if (video && stream == video->inputStream())
                video->process(packet.get());
            for (const auto& audio : audios)
                if (stream == audio->inputStream())
                    audio->process(packet.get());
            for (const auto& subtitle : subtitles)
                if (stream == subtitle->inputStream())
                    subtitle->process(packet.get());
            av_packet_unref(packet.get());
            if (silence)
                silence->fillTo(video->seconds());
            rethrowFailures();
            tick();
            if (video && video->done() && audios.empty())
                break;
        }
    };
    readToTheEnd();
    // A seek that found no picture (past the end of a short clip, where a
    // file without an index or a damaged one sent it, onto pictures that
    // need an earlier key frame) is undone: the picture comes from reading
    // the input from its beginning.
    if (seeks && video && audios.empty() && !video->drain()) {
        input.rewind();
        video->restart();
        readToTheEnd();
    }
    if (video)
        video->finish();
    for (const auto& audio : audios)
        audio->finish();
    if (silence)
        silence->finish(video->seconds());
    for (;;) {
        bool ended = !video || video->waitFor(WhileDraining);
        for (const auto& audio : audios)
            ended = audio->waitFor(WhileDraining) && ended;
        if (ended)
            break;
        tick();
    }

    if (video && video->frames() == 0)
        Fail("no picture of stream #0." + std::to_string(video->inputStream()) + " could be decoded");
    // A further track may be empty; the first is the sound the output is for.
    if (!audios.empty() && audios.front()->samples() == 0)
        Fail("no sound of stream #0." + std::to_string(audios.front()->inputStream()) + " could be decoded");
    output.finish();
    report(true);
}

} // namespace ridod2e
