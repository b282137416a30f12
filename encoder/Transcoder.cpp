#include "encoder/Transcoder.h"

#include "encoder/AudioRoute.h"
#include "encoder/CodecChoice.h"
#include "encoder/Fault.h"
#include "encoder/OutputMedia.h"
#include "encoder/ProgressReporter.h"
#include "encoder/SilentTrack.h"
#include "encoder/StartOutput.h"
#include "encoder/StopSignals.h"
#include "encoder/VideoRoute.h"

#include <memory>

namespace ridod2e {
namespace {

// How often the progress is looked at while the routes drain their encoders.
constexpr std::chrono::milliseconds WhileDraining(100);

bool TakesVideo(const EncodeRequest& request, const InputMedia& input, const AVOutputFormat* muxer)
{
    return KeepsVideo(request, muxer) && input.videoStream() >= 0
        && request.maxVideoFrames.value_or(1) > 0;
}

bool TakesAudio(const EncodeRequest& request, const InputMedia& input, const AVOutputFormat* muxer)
{
    return !request.noAudio && input.audioStream() >= 0
        && (muxer->audio_codec != AV_CODEC_ID_NONE || !request.audioCodec.empty());
}

[[noreturn]] void FailNothingToTake(const EncodeRequest& request, const InputMedia& input)
{
    if (input.videoStream() < 0 && input.audioStream() < 0)
        Fail("'" + request.input + "' holds neither video nor audio");
    Fail("'" + request.input + "' holds nothing that can go into '" + request.output + "'");
}

} // namespace

void Transcode(const EncodeRequest& request, InputMedia& input, Console& console)
{
    const StopSignals stopSignals;
    const AVOutputFormat* muxer = ChooseMuxer(request.outputFormat, request.output);
    OutputMedia output(request, muxer);
    const bool takeVideo = TakesVideo(request, input, muxer);
    const bool takeAudio = TakesAudio(request, input, muxer);
    if (!takeVideo && !takeAudio)
        FailNothingToTake(request, input);

    std::unique_ptr<VideoRoute> video;
    std::unique_ptr<AudioRoute> audio;
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
        if (audio)
            audio->rethrowFailure();
    };
    if (takeVideo)
        video = std::make_unique<VideoRoute>(request, input, input.videoStream(), muxer, output, tick);
    if (takeAudio)
        audio = std::make_unique<AudioRoute>(request, input, input.audioStream(), muxer, output, takeVideo);
    std::unique_ptr<SilentTrack> silence;
    if (video && !audio && NeedsSoundTrack(muxer))
        silence = std::make_unique<SilentTrack>(request, muxer, output);
    const bool seeks = StartOutput(request, input, video ? video->inputStream() : -1,
                                   audio ? audio->inputStream() : -1, output, console);

    PacketPtr packet = NewPacket();
    const auto readToTheEnd = [&] {
        while (input.read(packet.get())) {
            if (video && packet->stream_index == video->inputStream())
                video->process(packet.get());
            else if (audio && packet->stream_index == audio->inputStream())
                audio->process(packet.get());
            av_packet_unref(packet.get());
            if (silence)
                silence->fillTo(video->seconds());
            rethrowFailures();
            tick();
            if (video && video->done() && !audio)
                break;
        }
    };
    readToTheEnd();
    // A seek that found no picture (past the end of a short clip, where a
    // file without an index or a damaged one sent it, onto pictures that
    // need an earlier key frame) is undone: the picture comes from reading
    // the input from its beginning.
    if (seeks && video && !audio && !video->drain()) {
        input.rewind();
        video->restart();
        readToTheEnd();
    }
    if (video)
        video->finish();
    if (audio)
        audio->finish();
    if (silence)
        silence->finish(video->seconds());
    for (;;) {
        const bool videoEnded = !video || video->waitFor(WhileDraining);
        const bool audioEnded = !audio || audio->waitFor(WhileDraining);
        if (videoEnded && audioEnded)
            break;
        tick();
    }

    if (video && video->frames() == 0)
        Fail("no picture of stream #0." + std::to_string(video->inputStream()) + " could be decoded");
    if (audio && audio->samples() == 0)
        Fail("no sound of stream #0." + std::to_string(audio->inputStream()) + " could be decoded");
    output.finish();
    report(true);
}

} // namespace ridod2e
