// SPDX-License-Identifier: GPL-3.0-or-later
// The encoder's routes work on threads of their own when there are two:
// each stream still gets the packets that its parts give when they run one
// after the other, and a stop or a failure on any thread ends the whole run
// without a half output.
#include "Clips.h"
#include "EncoderProcess.h"
#include "support/MediaFixtures.h"

#include "encoder/AudioEncoderSetup.h"
#include "encoder/AudioFilter.h"
#include "encoder/CodecChoice.h"
#include "encoder/CommandLine.h"
#include "encoder/Decoder.h"
#include "encoder/InputMedia.h"
#include "encoder/VideoEncoderSetup.h"
#include "encoder/VideoFilter.h"

#include <QProcess>
#include <QStringList>

#include <gtest/gtest.h>

#include <csignal>
#include <string_view>

#include <sys/resource.h>

namespace encodertest {
namespace {

namespace fs = std::filesystem;
using namespace ridod2e;

using Hashes = std::vector<size_t>;

size_t HashOf(const AVPacket& packet)
{
    return std::hash<std::string_view> {}({reinterpret_cast<const char*>(packet.data), size_t(packet.size)});
}

// The packets of the file's first stream of the type.
Hashes PacketsIn(const fs::path& path, AVMediaType type)
{
    InputMedia file(ParseCommandLine({"-i", path.string()}));
    const int stream = type == AVMEDIA_TYPE_VIDEO ? file.videoStream() : file.audioStream();
    file.keepOnly({stream});
    Hashes hashes;
    for (PacketPtr packet = NewPacket(); file.read(packet.get()); av_packet_unref(packet.get()))
        hashes.push_back(HashOf(*packet));
    return hashes;
}

// The packets the request's encoder gives for one stream when decoder,
// filters and encoder run one after the other on this thread (the clip
// starts at 0 and keeps its frame rate: the timeline is the plain one).
Hashes EncodedOneAfterTheOther(const EncodeRequest& request, AVMediaType type)
{
    InputMedia input(request);
    const AVOutputFormat* muxer = ChooseMuxer(request.outputFormat, request.output);
    const bool video = type == AVMEDIA_TYPE_VIDEO;
    const int index = video ? input.videoStream() : input.audioStream();
    AVStream* source = input.context()->streams[index];
    input.keepOnly({index});
    Decoder decoder(source, false);
    VideoEncoding videoEncoding;
    AudioEncoding audioEncoding;
    std::unique_ptr<VideoFilter> videoFilter;
    std::unique_ptr<AudioFilter> audioFilter;
    if (video) {
        videoEncoding = OpenVideoEncoder(request, input.context(), source, muxer);
        videoFilter = std::make_unique<VideoFilter>(
            VideoFilter::Target {videoEncoding.geometry, videoEncoding.format, videoEncoding.pixelAspect,
                                 videoEncoding.frameRate});
    } else {
        audioEncoding = OpenAudioEncoder(request, source, muxer);
        audioFilter = std::make_unique<AudioFilter>(AudioFilter::Target {
            audioEncoding.sampleRate, audioEncoding.layout, audioEncoding.format, audioEncoding.frameSize, 1});
    }
    StreamEncoder& encoder = video ? *videoEncoding.encoder : *audioEncoding.encoder;

    Hashes hashes;
    PacketPtr packet = NewPacket();
    const auto drain = [&] {
        for (; encoder.receive(packet.get()); av_packet_unref(packet.get()))
            hashes.push_back(HashOf(*packet));
    };
    int64_t pictures = 0;
    const auto encode = [&](AVFrame* frame) {
        frame->pts = video ? pictures++ : av_rescale_q(frame->pts, audioFilter->outputTimeBase(), encoder.timeBase());
        encoder.send(frame);
        drain();
    };
    const auto filter = [&](AVFrame* frame) {
        if (video)
            videoFilter->filter(frame, decoder.timeBase(), encode);
        else
            audioFilter->filter(frame, decoder.timeBase(), encode);
    };
    for (; input.read(packet.get()); av_packet_unref(packet.get()))
        decoder.decode(packet.get(), filter);
    decoder.decode(nullptr, filter);
    filter(nullptr);
    encoder.send(nullptr);
    drain();
    return hashes;
}

struct JobCase {
    const char* name;
    std::vector<std::string> options;
    const char* output;
    std::vector<AVMediaType> streams;
};

const std::vector<std::string> IPodOptions = {"-vcodec", "mpeg4", "-b", "1500", "-acodec", "mpeg4aac", "-ab", "64",
                                              "-ar", "44100", "-ac", "2 (stereo)", "-s", "320x176", "-padtop", "32",
                                              "-padbottom", "32"};

std::vector<std::string> Arguments(const fs::path& input, const std::vector<std::string>& options, const fs::path& output)
{
    std::vector<std::string> arguments = {"-@", "-y", "-i", input.string()};
    arguments.insert(arguments.end(), options.begin(), options.end());
    arguments.push_back(output.string());
    return arguments;
}

class PipelinedJob : public ::testing::TestWithParam<JobCase> {};

TEST_P(PipelinedJob, GivesEachStreamThePacketsOfItsPartsRunOneAfterTheOther)
{
    const JobCase& c = GetParam();
    const std::vector<std::string> arguments
        = Arguments(Clip("avi"), c.options, OutputFolder(std::string("pipelined-") + c.name) / c.output);

    const EncoderRun run = RunEncoder(arguments);

    ASSERT_EQ(run.exitCode, 0) << run.output;
    const EncodeRequest request = ParseCommandLine(arguments);
    for (const AVMediaType type : c.streams) {
        const Hashes expected = EncodedOneAfterTheOther(request, type);
        EXPECT_GT(expected.size(), 50u);
        EXPECT_EQ(PacketsIn(request.output, type), expected) << av_get_media_type_string(type);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Jobs, PipelinedJob,
    ::testing::Values(JobCase {"IPod", IPodOptions, "out.mp4", {AVMEDIA_TYPE_VIDEO, AVMEDIA_TYPE_AUDIO}},
                      JobCase {"Mp3",
                               {"-id3v1", "-id3v2", "-acodec", "mp3", "-ab", "192", "-ar", "48000", "-ac", "2 (stereo)"},
                               "out.mp3",
                               {AVMEDIA_TYPE_AUDIO}}),
    [](const auto& info) { return std::string(info.param.name); });

struct StopCase {
    const char* name;
    std::vector<std::string> options;
    rlim_t fileSizeLimit;  // bytes the encoder may write to a file; 0: no limit
    const char* terminateAfter;  // SIGTERM once this is printed; nullptr: never
    QProcess::ExitStatus status;
    int code;
    std::string failure;  // the end of the one line with an error word; empty: no such line
};

class PipelinedRunEnding : public ::testing::TestWithParam<StopCase> {};

// Long enough to be stopped half way.
const fs::path& TwentySecondClip()
{
    static const fs::path path = [] {
        const fs::path clip = OutputFolder("pipelined-input") / "long.mp4";
        fixtures::ClipSettings clipSettings = fixtures::ClipFor("mp4");
        clipSettings.seconds = 20;
        fixtures::MakeClip(clip, clipSettings);
        return clip;
    }();
    return path;
}

const std::vector<std::string> SlowOptions = {"-vcodec", "h264", "-s", "1280x720", "-acodec", "mpeg4aac"};

TEST_P(PipelinedRunEnding, EndsEveryThreadAndRemovesItsOutput)
{
    const StopCase& c = GetParam();
    const fs::path& input = TwentySecondClip();
    const fs::path folder = OutputFolder(std::string("pipelined-") + c.name);
    QStringList arguments;
    for (const std::string& argument : Arguments(input, c.options, folder / "out.mp4"))
        arguments << QString::fromStdString(argument);
    QProcess encoder;
    encoder.setProcessChannelMode(QProcess::MergedChannels);
    encoder.setChildProcessModifier([limit = c.fileSizeLimit ? c.fileSizeLimit : RLIM_INFINITY] {
        // A write past the limit fails instead of ending the program.
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit fileSize {limit, limit};
        setrlimit(RLIMIT_FSIZE, &fileSize);
    });

    encoder.start(QString::fromStdString(EncoderPath()), arguments);
    std::string output;
    while (encoder.waitForReadyRead(60000)) {
        output += encoder.readAll().toStdString();
        if (c.terminateAfter && output.find(c.terminateAfter) != std::string::npos
            && encoder.state() == QProcess::Running)
            encoder.terminate();
    }
    encoder.waitForFinished(60000);
    output += encoder.readAll().toStdString();

    ASSERT_EQ(encoder.state(), QProcess::NotRunning) << "still running";
    EXPECT_EQ(encoder.exitStatus(), c.status) << output;
    EXPECT_EQ(encoder.exitCode(), c.code) << output;
    EXPECT_EQ(LinesWithErrorWords({output}).empty(), c.failure.empty()) << output;
    EXPECT_TRUE(output.ends_with(c.failure)) << output;
    EXPECT_TRUE(fs::is_empty(folder)) << output;
}

INSTANTIATE_TEST_SUITE_P(
    Endings, PipelinedRunEnding,
    ::testing::Values(StopCase {"Stopped", SlowOptions, 0, "frame=", QProcess::CrashExit, SIGTERM, ""},
                      // A GIF's palette pass: every picture is read before one is written.
                      StopCase {"StoppedInThePalettePass", {"-vcodec", "gif", "-f", "gif", "-s", "640x352"}, 0, "time=",
                                QProcess::CrashExit, SIGTERM, ""},
                      StopCase {"WriteFails", IPodOptions, 300000, nullptr, QProcess::NormalExit, 1,
                                "/out-pipelined-WriteFails/out.mp4' (File too large)\n"}),
    [](const auto& info) { return std::string(info.param.name); });

// The reader of the progress goes away (the application killed hard), also
// where SIGPIPE is ignored: the run stops, ends by SIGPIPE and leaves nothing.
TEST(PipelinedRunReaderGone, StopsTheRunAndRemovesItsOutput)
{
    for (const bool pipeSignalIgnored : {false, true}) {
        const fs::path folder = OutputFolder(pipeSignalIgnored ? "reader-gone-ignored" : "reader-gone");
        QStringList arguments {"-c",
                               QString(pipeSignalIgnored ? "trap '' PIPE; " : "")
                                   + "\"$0\" \"$@\" | grep -q frame=; exit ${PIPESTATUS[0]}",
                               QString::fromStdString(EncoderPath())};
        for (const std::string& argument : Arguments(TwentySecondClip(), SlowOptions, folder / "out.mp4"))
            arguments << QString::fromStdString(argument);
        QProcess shell;
        shell.start("bash", arguments);
        ASSERT_TRUE(shell.waitForFinished(60000)) << pipeSignalIgnored;
        EXPECT_EQ(shell.exitCode(), 128 + SIGPIPE) << pipeSignalIgnored;
        EXPECT_TRUE(fs::is_empty(folder)) << pipeSignalIgnored;
    }
}

} // namespace
} // namespace encodertest
