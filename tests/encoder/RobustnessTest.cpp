// SPDX-License-Identifier: GPL-3.0-or-later
// Broken inputs end in a clear failure or a valid output, never in a hang
// or a crash; a killed encoder leaves at most its partial output.
#include "Clips.h"
#include "EncoderProcess.h"
#include "support/MediaFixtures.h"

#include <QProcess>
#include <QStringList>

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iterator>
#include <random>
#include <stdexcept>

extern "C" {
#include <libavformat/avformat.h>
}

namespace encodertest {
namespace {

namespace fs = std::filesystem;

std::string Contents(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void Scramble(std::string& bytes, size_t from, size_t to)
{
    std::mt19937 random(7);
    for (size_t i = from; i < to && i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(random() & 0xff);
}

struct BrokenCase {
    const char* name;
    const char* clip;
    const char* extension;
    std::function<std::string(std::string)> damage;
    bool alternativeReader;
};

class BrokenInput : public ::testing::TestWithParam<BrokenCase> {};

TEST_P(BrokenInput, EndsInAClearFailureOrAValidOutput)
{
    const BrokenCase& c = GetParam();
    const fs::path folder = OutputFolder(std::string("broken-") + c.name);
    const fs::path input = folder / (std::string("input.") + c.extension);
    std::ofstream(input, std::ios::binary) << c.damage(Contents(Clip(c.clip)));
    const fs::path output = folder / "out.mp4";

    const EncoderRun run = RunEncoder({"-@", "-y", "-i", (c.alternativeReader ? "DS:\\\\" : "") + input.string(),
                                       "-vcodec", "mpeg4", "-acodec", "mpeg4aac", "-s", "320x240", output.string()},
                                      120000);

    ASSERT_TRUE(run.finished) << "still running after two minutes";
    ASSERT_FALSE(run.crashed) << run.output;
    ASSERT_FALSE(run.lines.empty());
    if (run.exitCode == 0) {
        EXPECT_TRUE(LinesWithErrorWords(run.lines).empty()) << run.output;
        const fixtures::MediaInfo info = fixtures::ReadMedia(output);
        EXPECT_TRUE(info.video() || info.audio());
    } else {
        EXPECT_EQ(LinesWithErrorWords(run.lines), std::vector<std::string> {run.lines.back()}) << run.output;
        EXPECT_FALSE(fs::exists(output));
    }
}

std::string FirstHalf(std::string bytes)
{
    return bytes.substr(0, bytes.size() / 2);
}

std::string HeaderOnly(std::string bytes)
{
    return bytes.substr(0, 300);
}

std::string MiddleScrambled(std::string bytes)
{
    Scramble(bytes, bytes.size() * 3 / 10, bytes.size() * 6 / 10);
    return bytes;
}

std::string Unchanged(std::string bytes)
{
    return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, BrokenInput,
    ::testing::Values(BrokenCase{"TruncatedMp4", "mp4", "mp4", FirstHalf, false},
                      BrokenCase{"TruncatedAvi", "avi", "avi", FirstHalf, false},
                      BrokenCase{"TruncatedMatroska", "matroska", "mkv", FirstHalf, false},
                      BrokenCase{"TruncatedMpeg", "mpeg", "mpg", FirstHalf, false},
                      BrokenCase{"TruncatedAsf", "asf", "wmv", FirstHalf, false},
                      BrokenCase{"TruncatedRealMedia", "rm", "rm", FirstHalf, true},
                      BrokenCase{"HeaderOnlyAvi", "avi", "avi", HeaderOnly, false},
                      BrokenCase{"HeaderOnlyMov", "mov", "mov", HeaderOnly, false},
                      BrokenCase{"ScrambledMpeg", "mpeg", "mpg", MiddleScrambled, false},
                      BrokenCase{"ScrambledMpegAlternativeReader", "mpeg", "mpg", MiddleScrambled, true},
                      BrokenCase{"ScrambledAvi", "avi", "avi", MiddleScrambled, false},
                      BrokenCase{"ScrambledFlvAlternativeReader", "flv", "flv", MiddleScrambled, true},
                      BrokenCase{"ScrambledMp3", "mp3", "mp3", MiddleScrambled, false},
                      BrokenCase{"Mp4NamedAvi", "mp4", "avi", Unchanged, false},
                      BrokenCase{"WaveNamedMpeg", "wav", "mpg", Unchanged, false}),
    [](const auto& info) { return std::string(info.param.name); });

// The clip as an MPEG transport stream whose clock starts at the given second.
std::string TransportStream(const fs::path& clip, const fs::path& out, int startSecond)
{
    AVFormatContext* output = nullptr;
    if (avformat_alloc_output_context2(&output, nullptr, "mpegts", out.c_str()) < 0)
        throw std::runtime_error("no MPEG-TS muxer");
    const std::unique_ptr<AVFormatContext, void (*)(AVFormatContext*)> outputOwner(output, [](AVFormatContext* c) {
        avio_closep(&c->pb);
        avformat_free_context(c);
    });
    AVFormatContext* input = nullptr;
    if (avformat_open_input(&input, clip.c_str(), nullptr, nullptr) < 0)
        throw std::runtime_error("cannot open " + clip.string());
    const std::unique_ptr<AVFormatContext, void (*)(AVFormatContext*)> inputOwner(
        input, [](AVFormatContext* c) { avformat_close_input(&c); });
    if (avformat_find_stream_info(input, nullptr) < 0)
        throw std::runtime_error("cannot read " + clip.string());
    for (unsigned i = 0; i < input->nb_streams; ++i) {
        AVStream* stream = avformat_new_stream(output, nullptr);
        avcodec_parameters_copy(stream->codecpar, input->streams[i]->codecpar);
        stream->codecpar->codec_tag = 0;
    }
    if (avio_open(&output->pb, out.c_str(), AVIO_FLAG_WRITE) < 0 || avformat_write_header(output, nullptr) < 0)
        throw std::runtime_error("cannot write " + out.string());
    const std::unique_ptr<AVPacket, void (*)(AVPacket*)> packet(av_packet_alloc(), [](AVPacket* p) { av_packet_free(&p); });
    while (av_read_frame(input, packet.get()) >= 0) {
        AVStream* to = output->streams[packet->stream_index];
        av_packet_rescale_ts(packet.get(), input->streams[packet->stream_index]->time_base, to->time_base);
        const int64_t shift = av_rescale_q(startSecond, {1, 1}, to->time_base);
        if (packet->pts != AV_NOPTS_VALUE)
            packet->pts += shift;
        if (packet->dts != AV_NOPTS_VALUE)
            packet->dts += shift;
        av_interleaved_write_frame(output, packet.get());
    }
    av_write_trailer(output);
    avio_closep(&output->pb);
    return Contents(out);
}

class ClockJump : public ::testing::TestWithParam<int> {};

TEST_P(ClockJump, IsClosedUpSoBothCopiesAreKept)
{
    // Two recordings joined end to end, the second one's clock starting at
    // the given second.
    const fs::path folder = OutputFolder("clock-jump-" + std::to_string(GetParam()));
    const std::string first = TransportStream(Clip("avi"), folder / "first.ts", 0);
    const std::string second = TransportStream(Clip("avi"), folder / "second.ts", GetParam());
    std::ofstream(folder / "joined.ts", std::ios::binary) << first << second;

    const EncoderRun run = RunEncoder({"-@", "-y", "-i", (folder / "joined.ts").string(), "-s", "320x240",
                                       (folder / "out.mp4").string()});

    ASSERT_EQ(run.exitCode, 0) << run.output;
    const fixtures::MediaInfo info = fixtures::ReadMedia(folder / "out.mp4");
    EXPECT_NEAR(info.duration, 2 * ClipSeconds, 0.5);
    ASSERT_NE(info.video(), nullptr);
    EXPECT_NEAR(info.video()->packets, 2 * ClipSeconds * 25, 2);
    ASSERT_NE(info.audio(), nullptr);
    EXPECT_NEAR(info.audio()->duration, 2 * ClipSeconds, 0.5);
}

// The second recording an hour later, and with its clock starting again at 0.
INSTANTIATE_TEST_SUITE_P(Jumps, ClockJump, ::testing::Values(3600, 0));

// A GIF reads its input twice, once for the palette and once for the
// pictures: a start time and a picture size that changes halfway (new
// filters, each with its own palette) give the same pictures in both passes.
TEST(EncoderRobustness, GifOfAClipThatChangesSizeAndStartsLateConverts)
{
    const fs::path folder = OutputFolder("gif-two-sizes");
    fixtures::ClipSettings small = fixtures::ClipFor("avi");
    small.width = 320;
    small.height = 176;
    small.seconds = ClipSeconds;
    const std::string first = TransportStream(Clip("avi"), folder / "first.ts", 0);
    const std::string second = TransportStream(Clip("small.avi", small), folder / "second.ts", ClipSeconds);
    std::ofstream(folder / "joined.ts", std::ios::binary) << first << second;

    const EncoderRun run = RunEncoder({"-@", "-y", "-ss", "1", "-i", (folder / "joined.ts").string(), "-vcodec",
                                       "gif", "-r", "10", "-s", "320x176", (folder / "out.gif").string()});

    ASSERT_EQ(run.exitCode, 0) << run.output;
    const fixtures::MediaInfo info = fixtures::ReadMedia(folder / "out.gif");
    ASSERT_NE(info.video(), nullptr);
    EXPECT_EQ(info.video()->width, 320);
    EXPECT_NEAR(info.video()->packets, (2 * ClipSeconds - 1) * 10, 2);
}

TEST(EncoderRobustness, WrongExtensionStillConverts)
{
    const fs::path folder = OutputFolder("wrong-extension");
    const fs::path input = folder / "really-an-mp4.avi";
    fs::copy_file(Clip("mp4"), input);

    const EncoderRun run = RunEncoder({"-@", "-y", "-i", input.string(), "-s", "320x240", (folder / "out.mp4").string()});

    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_NEAR(fixtures::ReadMedia(folder / "out.mp4").duration, ClipSeconds, 0.5);
}

TEST(EncoderRobustness, KilledMidwayLeavesAtMostItsPartialOutput)
{
    const fs::path folder = OutputFolder("killed");
    const fs::path input = folder / "long.mp4";
    fixtures::ClipSettings clipSettings = fixtures::ClipFor("mp4");
    clipSettings.seconds = 30;
    fixtures::MakeClip(input, clipSettings);
    const fs::path output = folder / "out.mp4";

    QProcess encoder;
    encoder.setProcessChannelMode(QProcess::MergedChannels);
    encoder.start(QString::fromStdString(EncoderPath()),
                  {"-@", "-y", "-i", QString::fromStdString(input.string()), "-vcodec", "h264", "-s", "1280x720",
                   QString::fromStdString(output.string())});
    ASSERT_TRUE(encoder.waitForStarted());
    QByteArray printed;
    while (!printed.contains("frame=") && encoder.waitForReadyRead(30000))
        printed += encoder.readAll();
    ASSERT_TRUE(printed.contains("frame=")) << printed.toStdString();
    encoder.kill();
    ASSERT_TRUE(encoder.waitForFinished());

    // SIGKILL leaves no time to clean up: the unfinished file may stay,
    // under its hidden name, never under the output's.
    for (const auto& entry : fs::directory_iterator(folder))
        EXPECT_TRUE(entry.path() == input || entry.path().filename().string().starts_with(".out.partial-"))
            << entry.path() << " was left behind";
}

// The smallest inputs convert as ffmpeg converts them: one picture makes a
// GIF of one picture, five samples of sound an MP3, an M4A and a FLAC that
// flac -t passes.
TEST(EncoderRobustness, OnePictureAndFiveSamplesConvert)
{
    const fs::path folder = OutputFolder("smallest");
    fixtures::ClipSettings picture = fixtures::ClipFor("avi");
    picture.audioCodec.clear();
    picture.seconds = 1.0 / 25;
    const EncoderRun gif = RunEncoder({"-@", "-y", "-i", Clip("one-picture.avi", picture).string(), "-vcodec", "gif",
                                       (folder / "one.gif").string()});
    EXPECT_EQ(gif.exitCode, 0) << gif.output;
    EXPECT_EQ(fixtures::ReadMedia(folder / "one.gif").video()->packets, 1);

    fixtures::ClipSettings sound = fixtures::ClipFor("wav");
    sound.seconds = 5.0 / sound.sampleRate;
    const std::string fiveSamples = Clip("five-samples.wav", sound).string();
    for (const char* codec : {"mp3", "mpeg4aac", "flac"}) {
        const fs::path out = folder / (std::string("five.") + (codec == std::string("mpeg4aac") ? "m4a" : codec));
        const EncoderRun run = RunEncoder({"-@", "-y", "-i", fiveSamples, "-acodec", codec, "-vn", out.string()});
        EXPECT_EQ(run.exitCode, 0) << codec << "\n" << run.output;
        ASSERT_NE(fixtures::ReadMedia(out).audio(), nullptr) << codec;
    }
    QProcess flac;
    flac.start("flac", {"-t", QString::fromStdString((folder / "five.flac").string())});
    ASSERT_TRUE(flac.waitForFinished(60000));
    EXPECT_EQ(flac.exitCode(), 0) << flac.readAllStandardError().toStdString();
}

} // namespace
} // namespace encodertest
