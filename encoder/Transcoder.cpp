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

// One conversion, in the order it happens: the constructor opens the output
// and the routes, pump reads the input to its end, drain lets the routes
// finish their encoders, finish checks the result and closes the file.
class Transcoding {
public:
    Transcoding(const EncodeRequest& request, InputMedia& input, Console& console, const StopSignals& stopSignals);

    void pump();
    void drain();
    void finish();

private:
    void readToTheEnd();
    // Where the input has got to, for the reports of phases that write nothing.
    void noteReached(const AVPacket& packet);
    void tick();
    void report(bool last);
    // A route whose thread failed ends the conversion with that failure.
    void rethrowFailures() const;

    const EncodeRequest& request_;
    InputMedia& input_;
    const StopSignals& stopSignals_;
    const AVOutputFormat* muxer_;
    OutputMedia output_;
    bool takeVideo_;
    ProgressReporter reporter_;
    double timelineStart_;
    bool seeks_ = false;
    // After the output: the routes write into it.
    std::unique_ptr<VideoRoute> video_;
    std::unique_ptr<AudioRoute> audio_;
    std::unique_ptr<SilentTrack> silence_;
};

Transcoding::Transcoding(const EncodeRequest& request, InputMedia& input, Console& console,
                         const StopSignals& stopSignals)
    : request_(request),
      input_(input),
      stopSignals_(stopSignals),
      muxer_(ChooseMuxer(request.outputFormat, request.output)),
      output_(request, muxer_),
      takeVideo_(TakesVideo(request, input, muxer_)),
      reporter_(console, takeVideo_, takeVideo_ && IsPaletteVideo(request.videoCodec, muxer_)),
      timelineStart_(TimelineStart(input, request))
{
    const bool takeAudio = TakesAudio(request, input, muxer_);
    if (!takeVideo_ && !takeAudio)
        FailNothingToTake(request, input);
    if (takeVideo_)
        video_ = std::make_unique<VideoRoute>(request, input, input.videoStream(), muxer_, output_, [this] { tick(); });
    if (takeAudio)
        audio_ = std::make_unique<AudioRoute>(request, input, input.audioStream(), muxer_, output_, takeVideo_);
    if (video_ && !audio_ && NeedsSoundTrack(muxer_))
        silence_ = std::make_unique<SilentTrack>(request, muxer_, output_);
    seeks_ = StartOutput(request, input, video_ ? video_->inputStream() : -1, audio_ ? audio_->inputStream() : -1,
                         output_, console);
}

void Transcoding::pump()
{
    readToTheEnd();
    // A seek that found no picture (past the end of a short clip, where a
    // file without an index or a damaged one sent it, onto pictures that
    // need an earlier key frame) is undone: the picture comes from reading
    // the input from its beginning.
    if (seeks_ && video_ && !audio_ && !video_->drain()) {
        input_.rewind();
        video_->restart();
        readToTheEnd();
    }
}

void Transcoding::readToTheEnd()
{
    PacketPtr packet = NewPacket();
    while (input_.read(packet.get())) {
        noteReached(*packet);
        if (video_ && packet->stream_index == video_->inputStream())
            video_->process(packet.get());
        else if (audio_ && packet->stream_index == audio_->inputStream())
            audio_->process(packet.get());
        av_packet_unref(packet.get());
        if (silence_)
            silence_->fillTo(video_->seconds());
        rethrowFailures();
        tick();
        if (video_ && video_->done() && !audio_)
            break;
    }
}

void Transcoding::noteReached(const AVPacket& packet)
{
    const int64_t time = packet.pts != AV_NOPTS_VALUE ? packet.pts : packet.dts;
    if (time != AV_NOPTS_VALUE)
        reporter_.reached(time * av_q2d(input_.context()->streams[packet.stream_index]->time_base) - timelineStart_);
}

void Transcoding::drain()
{
    if (video_)
        video_->finish();
    if (audio_)
        audio_->finish();
    if (silence_)
        silence_->finish(video_->seconds());
    for (;;) {
        const bool videoEnded = !video_ || video_->waitFor(WhileDraining);
        const bool audioEnded = !audio_ || audio_->waitFor(WhileDraining);
        if (videoEnded && audioEnded)
            break;
        tick();
    }
}

void Transcoding::finish()
{
    if (video_ && video_->frames() == 0)
        Fail("no picture of stream #0." + std::to_string(video_->inputStream()) + " could be decoded");
    if (audio_ && !audio_->heardSound())
        Fail("no sound of stream #0." + std::to_string(audio_->inputStream()) + " could be decoded");
    output_.finish();
    report(true);
}

void Transcoding::tick()
{
    stopSignals_.check();
    report(false);
}

void Transcoding::report(bool last)
{
    const int64_t frames = video_ ? video_->frames() : 0;
    const double quality = video_ ? video_->quality() : 0;
    if (last)
        reporter_.last(frames, quality, output_.bytes(), output_.seconds());
    else
        reporter_.tick(frames, quality, output_.bytes(), output_.seconds());
}

void Transcoding::rethrowFailures() const
{
    if (video_)
        video_->rethrowFailure();
    if (audio_)
        audio_->rethrowFailure();
}

} // namespace

void Transcode(const EncodeRequest& request, InputMedia& input, Console& console)
{
    const StopSignals stopSignals;
    Transcoding transcoding(request, input, console, stopSignals);
    transcoding.pump();
    transcoding.drain();
    transcoding.finish();
}

} // namespace ridod2e
