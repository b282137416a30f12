// SPDX-License-Identifier: GPL-3.0-or-later
#include "encoder/Transcoder.h"

#include "encoder/AudioRoute.h"
#include "encoder/CodecChoice.h"
#include "encoder/Fault.h"
#include "encoder/LoudnessPass.h"
#include "encoder/OutputMedia.h"
#include "encoder/ProgressReporter.h"
#include "encoder/SilentTrack.h"
#include "encoder/SourceTags.h"
#include "encoder/StartOutput.h"
#include "encoder/StopSignals.h"
#include "encoder/SubtitleRoute.h"
#include "encoder/TagWriter.h"
#include "encoder/Trim.h"
#include "encoder/VideoRoute.h"

#include <algorithm>
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

// One conversion, in the order it happens: the constructor opens the output
// and the routes, pump reads the input to its end (twice for a palette, the
// first time only to gather it), drain lets the routes
// finish their encoders, finish checks the result and closes the file.
class Transcoding {
public:
    Transcoding(const EncodeRequest& request, InputMedia& input, Console& console, const StopSignals& stopSignals);

    void pump();
    void drain();
    void finish();

private:
    // From the start time (-ss) to the end.
    void readFromTheStart();
    void readToTheEnd();
    // The first pass of a loudness target: every sound track gets the gain
    // measured on the first; then the input is read again.
    void levelSound();
    // Where the input has got to, for the reports of phases that write nothing.
    void noteReached(const AVPacket& packet);
    // Every route has what it wants: the pictures' limit, the sound's end.
    bool reachedTheEnd() const;
    // A sound file takes the source's tags and pictures; video files keep
    // the tags the muxer wrote.
    void tagSound(int descriptor) const;
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
    std::vector<std::unique_ptr<AudioRoute>> audios_;
    std::vector<std::unique_ptr<SubtitleRoute>> subtitles_;
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
      reporter_(console, takeVideo_,
                (takeVideo_ && IsPaletteVideo(request.videoCodec, muxer_)) || request.loudness.has_value()),
      timelineStart_(TimelineStart(input, request))
{
    const std::vector<int> soundTracks = SoundTracks(request, input, muxer_);
    if (!takeVideo_ && soundTracks.empty())
        FailNothingToTake(request, input);
    std::vector<int> kept;
    if (takeVideo_) {
        video_ = std::make_unique<VideoRoute>(request, input, input.videoStream(), muxer_, output_, [this] { tick(); });
        kept.push_back(video_->inputStream());
    }
    const bool labelled = request.keepAll;
    for (const int track : soundTracks) {
        audios_.push_back(std::make_unique<AudioRoute>(request, input, track, muxer_, output_, takeVideo_, labelled));
        kept.push_back(track);
    }
    std::vector<std::string> notes;
    const std::vector<int> leftOut = TakeSubtitles(request, input, muxer_, takeVideo_, output_, subtitles_);
    for (const auto& subtitle : subtitles_)
        kept.push_back(subtitle->inputStream());
    if (!leftOut.empty())
        notes.push_back(LeftOutLine("Subtitle", leftOut, subtitles_.empty() && !labelled
                                                                ? "the output carries picture and sound only"
                                                                : "the output keeps text subtitles only"));
    if (video_ && audios_.empty() && NeedsSoundTrack(muxer_))
        silence_ = std::make_unique<SilentTrack>(request, muxer_, output_);
    seeks_ = StartOutput(request, input, kept, notes, output_, console);
}

void Transcoding::pump()
{
    if (request_.loudness && !audios_.empty())
        levelSound();
    readFromTheStart();
    if (video_ && video_->gathersPalette()) {
        video_->drawWithGatheredPalette();
        input_.rewind();
        if (seeks_)
            input_.seek(StartSeconds(request_));
        readFromTheStart();
    }
}

void Transcoding::readFromTheStart()
{
    readToTheEnd();
    // A seek that found no picture (past the end of a short clip, where a
    // file without an index or a damaged one sent it, onto pictures that
    // need an earlier key frame) is undone: the picture comes from reading
    // the input from its beginning.
    if (seeks_ && video_ && audios_.empty() && !video_->drain()) {
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
        const int stream = packet->stream_index;
        if (video_ && stream == video_->inputStream())
            video_->process(packet.get());
        for (const auto& audio : audios_)
            if (stream == audio->inputStream())
                audio->process(packet.get());
        for (const auto& subtitle : subtitles_)
            if (stream == subtitle->inputStream())
                subtitle->process(packet.get());
        av_packet_unref(packet.get());
        if (silence_)
            silence_->fillTo(video_->seconds());
        rethrowFailures();
        tick();
        if (reachedTheEnd())
            break;
    }
}

void Transcoding::levelSound()
{
    const double gain = MeasureLevellingGain(input_, *audios_.front(), *request_.loudness, timelineStart_,
                                             [this](const AVPacket& packet) {
                                                 noteReached(packet);
                                                 tick();
                                             });
    for (const auto& audio : audios_)
        audio->setGain(gain);
    input_.rewind();
    if (seeks_)
        input_.seek(*request_.startSeconds);
}

void Transcoding::noteReached(const AVPacket& packet)
{
    const int64_t time = packet.pts != AV_NOPTS_VALUE ? packet.pts : packet.dts;
    if (time != AV_NOPTS_VALUE)
        reporter_.reached(time * av_q2d(input_.context()->streams[packet.stream_index]->time_base) - timelineStart_);
}

bool Transcoding::reachedTheEnd() const
{
    if (video_ ? !video_->done() : audios_.empty())
        return false;
    return std::all_of(audios_.begin(), audios_.end(), [](const auto& audio) { return audio->pastEnd(); });
}

void Transcoding::drain()
{
    if (video_)
        video_->finish();
    for (const auto& audio : audios_)
        audio->finish();
    if (silence_)
        silence_->finish(video_->seconds());
    for (;;) {
        bool ended = !video_ || video_->waitFor(WhileDraining);
        for (const auto& audio : audios_)
            ended = audio->waitFor(WhileDraining) && ended;
        if (ended)
            break;
        tick();
    }
}

void Transcoding::finish()
{
    if (request_.trim && (video_ ? video_->frames() == 0 : !audios_.front()->heardSound()))
        Fail(NothingAfterStart(request_));
    if (video_ && video_->frames() == 0)
        Fail("no picture of stream #0." + std::to_string(video_->inputStream()) + " could be decoded");
    // A further track may be empty; the first is the sound the output is for.
    if (!audios_.empty() && !audios_.front()->heardSound())
        Fail("no sound of stream #0." + std::to_string(audios_.front()->inputStream()) + " could be decoded");
    output_.finish([this](int descriptor) { tagSound(descriptor); });
    report(true);
}

void Transcoding::tagSound(int descriptor) const
{
    const std::string muxer = muxer_->name;
    if (takeVideo_ || audios_.empty() || (muxer == "mp3" && !request_.id3v2))
        return;
    if (!TakesTags(muxer))
        return;
    MediaTags tags = SourceTags(input_, audios_.front()->inputStream(), request_.folderCover);
    if (request_.title)
        tags.fields.replace("TITLE", TagLib::StringList(TagLib::String(*request_.title, TagLib::String::UTF8)));
    WriteTags(descriptor, muxer, tags);
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
    for (const auto& audio : audios_)
        audio->rethrowFailure();
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
