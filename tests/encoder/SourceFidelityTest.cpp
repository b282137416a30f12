// Picture and sound as the source made them: the display shape of
// non-square pixels, the level of 5.1 sound folded to fewer channels, a
// sound track for PSP files of silent videos, thumbnails where seeking finds
// nothing, and an input whose reading fails. Command lines as the
// application builds them (see FormatCommandLinesTest).
#include "Clips.h"
#include "EncoderProcess.h"
#include "MediaExpectations.h"

#include <QProcess>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <csignal>
#include <fstream>
#include <iterator>
#include <thread>

namespace encodertest {
namespace {

namespace fs = std::filesystem;

const char* IPod = R"x( -vcodec "xvid"  -b "1200" -r "29.97"  -acodec "mpeg4aac" -ab "64" -ar "32000" -ac "1 (mono)" -s 320x240)x";
const char* IPodBars = R"x( -vcodec "mpeg4"  -b "1500"  -acodec "mpeg4aac" -ab "64" -ar "44100" -ac "2 (stereo)" -s 320x176 -padtop 32 -padbottom 32)x";
const char* PspAvc = R"x( -vcodec "h264" -b "400" -r "29.97"  -acodec "mpeg4aac" -ab "64" -ar "48000" -ac "2 (stereo)" -g "250" -qscale "25" -coder "1"  -s 320x240 -f psp)x";
const char* PspBars = R"x( -vcodec "xvid" -b "400" -r "29.97"  -acodec "mpeg4aac" -ab "64" -ar "24000" -ac "2 (stereo)" -s 368x204 -padtop 2 -padbottom 2 -f psp)x";
const char* Avi = R"x( -vcodec "h264"  -b "1200" -r "29.97"  -acodec "ac3"  -ab "128" -ar "44100" -ac "2 (stereo)" -s 640x352)x";
const char* Mov = R"x( -vcodec "mpeg4_qt" -b "1200"  -acodec "mpeg4aac_qt" -ab "128" -ar "44100" -ac "2 (stereo)" -s 640x352 -f qt)x";
const char* Thumbnail = R"x( -f singlejpeg -ss 3 -vframes 1  -s 368x204 -padtop 2 -padbottom 2 -an )x";

EncoderRun Convert(const fs::path& input, const std::string& options, const fs::path& output)
{
    return RunCommandLine("\"" + EncoderPath() + "\" -@ -y  -i \"" + input.string() + "\"" + options + " \""
                          + output.string() + "\"");
}

struct Shape {
    const char* name;
    int width, height;
    AVRational pixelAspect;
};
struct ShapeLine {
    const char* name;
    const char* options;
    const char* extension;
    bool bars;
};

class PixelShape : public ::testing::TestWithParam<std::tuple<Shape, ShapeLine>> {};

TEST_P(PixelShape, KeepsTheDisplayAspectOrIsSquareBesideBars)
{
    const auto& [shape, line] = GetParam();
    fixtures::ClipSettings clipSettings = fixtures::ClipFor("mp4");
    clipSettings.width = shape.width;
    clipSettings.height = shape.height;
    clipSettings.pixelAspect = shape.pixelAspect;
    clipSettings.seconds = 1;
    const fs::path output = OutputFolder(std::string("shape-") + shape.name + line.name) / "out";

    const EncoderRun run = Convert(Clip(std::string("shape-") + shape.name + ".mp4", clipSettings), line.options,
                                   output.string() + "." + line.extension);

    ASSERT_EQ(run.exitCode, 0) << run.output;
    const fixtures::StreamInfo* video = fixtures::ReadMedia(output.string() + "." + line.extension).video();
    ASSERT_NE(video, nullptr);
    if (line.bars) {
        EXPECT_EQ(av_cmp_q(video->pixelAspect, {1, 1}), 0) << video->pixelAspect.num << ":" << video->pixelAspect.den;
    } else {
        const double source = av_q2d(shape.pixelAspect) * shape.width / shape.height;
        EXPECT_NEAR(av_q2d(video->pixelAspect) * video->width / video->height / source, 1, 0.02);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sources, PixelShape,
    ::testing::Combine(::testing::Values(Shape {"Ntsc16x9", 720, 480, {32, 27}}, Shape {"Ntsc4x3", 720, 480, {8, 9}},
                                         Shape {"Svcd4x3", 480, 576, {8, 5}}, Shape {"Pal16x9", 720, 576, {64, 45}}),
                       ::testing::Values(ShapeLine {"IPod", IPod, "mp4", false},
                                         ShapeLine {"Psp", PspAvc, "mp4", false},
                                         ShapeLine {"Avi", Avi, "avi", false}, ShapeLine {"Mov", Mov, "mov", false},
                                         ShapeLine {"IPodBars", IPodBars, "mp4", true},
                                         ShapeLine {"PspBars", PspBars, "mp4", true})),
    [](const auto& info) { return std::string(std::get<0>(info.param).name) + std::get<1>(info.param).name; });

TEST(SoundLevel, FiveOneFoldedToStereoOrMonoIsTheSameInEveryCodec)
{
    fixtures::ClipSettings surround = fixtures::ClipFor("matroska");
    surround.channels = 6;
    surround.toneLevel = 0.125;  // folded without clipping
    const fs::path source = Clip("surround.mkv", surround);
    const fs::path folder = OutputFolder("level");
    // Each output beside the AAC output of as many channels.
    const std::vector<std::array<const char*, 3>> lines = {
        {"aac", R"x( -acodec "aac" -ab "128" -ar "44100" -ac "2 (stereo)" -vn )x", ""},
        {"mp3", R"x( -acodec "mp3" -ab "192" -ar "48000" -ac "2 (stereo)")x", "aac"},
        {"mpg", R"x( -vcodec "mpeg1video" -b "1600" -r "25" -acodec "mp2"  -ab "128" -ar "44100" -ac "2 (stereo)" -s 352x240)x", "aac"},
        {"wma", R"x( -acodec "wma7x" -ab "128" -ar "48000" -ac "2 (stereo)" -vn -f xwmv)x", "aac"},
        {"3g2", R"x( -vcodec "mpeg4"  -b "256" -r "14.985"  -bt "60"  -acodec "mpeg4aac" -ab "32" -ar "16000" -ac "1 (mono)" -s 220x124 -padtop 26 -padbottom 26 -f 3gp)x", ""},
        {"3gp", R"x( -vcodec "h263"  -b "128"  -bt "60"  -acodec "amr_nb" -ab "48" -ar "8000 " -ac "1 (mono)" -s 176x96 -padtop 24 -padbottom 24)x", "3g2"},
    };
    for (const auto& [extension, options, reference] : lines) {
        const EncoderRun run = Convert(source, options, folder / (std::string("out.") + extension));
        ASSERT_EQ(run.exitCode, 0) << run.output;
        if (*reference) {
            EXPECT_NEAR(fixtures::SoundLevel(folder / (std::string("out.") + extension)),
                        fixtures::SoundLevel(folder / (std::string("out.") + reference)), 1.0)
                << extension << " against " << reference;
        }
    }
}

TEST(PspWithoutSound, GetsASilentTrackAsLongAsTheVideo)
{
    // A video without sound, and a muted one.
    const std::vector<std::tuple<std::string, std::string, int>> cases = {{"silent", PspBars, 24000},
                                                                          {"avi", std::string(PspAvc) + " -an", 48000}};
    for (const auto& [clip, options, sampleRate] : cases) {
        const fs::path output = OutputFolder("psp-silent-" + clip) / "out.mp4";
        const EncoderRun run = Convert(Clip(clip), options, output);

        ASSERT_EQ(run.exitCode, 0) << run.output;
        ExpectMedia media(output);
        media.container("psp").audio("aac", sampleRate, 2);
        media.lasts(ClipSeconds, 0.1);
        ASSERT_TRUE(media.info().audio() && media.info().video());
        EXPECT_NEAR(media.info().audio()->duration, media.info().video()->duration, 0.1);
    }
}

struct ThumbnailCase {
    const char* name;
    const char* container;
    double seconds;
    bool seekIndex;
};

class ThumbnailWhereSeekingFails : public ::testing::TestWithParam<ThumbnailCase> {};

TEST_P(ThumbnailWhereSeekingFails, StillGivesThePicture)
{
    const ThumbnailCase& c = GetParam();
    const fs::path folder = OutputFolder(std::string("thumbnail-") + c.name);
    fixtures::ClipSettings clipSettings = fixtures::ClipFor(c.container);
    clipSettings.seconds = c.seconds;
    clipSettings.seekIndex = c.seekIndex;
    const fs::path input = folder / (std::string("input.") + c.container);
    fixtures::MakeClip(input, clipSettings);

    const EncoderRun run = Convert(input, Thumbnail, folder / "out.THM");

    ASSERT_EQ(run.exitCode, 0) << run.output;
    ExpectMedia(folder / "out.THM").container("jpeg_pipe").video("mjpeg", 368, 208).videoPackets(1);
    if (!c.seekIndex) {
        // The same picture as from the file with its index: the one at 3 s.
        clipSettings.seekIndex = true;
        fixtures::MakeClip(folder / "indexed.mkv", clipSettings);
        ASSERT_EQ(Convert(folder / "indexed.mkv", Thumbnail, folder / "indexed.THM").exitCode, 0);
        const auto bytes = [](const fs::path& p) {
            std::ifstream file(p, std::ios::binary);
            return std::string(std::istreambuf_iterator<char>(file), {});
        };
        EXPECT_EQ(bytes(folder / "out.THM"), bytes(folder / "indexed.THM"));
    }
}

INSTANTIATE_TEST_SUITE_P(Clips, ThumbnailWhereSeekingFails,
                         ::testing::Values(ThumbnailCase {"OneSecond", "mp4", 1, true},
                                           ThumbnailCase {"MpegEndingBefore3s", "mpeg", 2.5, true},
                                           ThumbnailCase {"MatroskaWithoutCues", "matroska", 6, false}),
                         [](const auto& info) { return std::string(info.param.name); });

// The input comes through a descriptor that the encoder inherits: a pipe
// whose writer closes it ends the input; a terminal whose other side closes
// fails every further read with an input/output error.
struct DescriptorRun {
    bool finished = false;
    bool killedFromOutside = false;  // by a test elsewhere that ends encoders by name
    int exitCode = -1;
    QStringList lines;
};

DescriptorRun ConvertFromDescriptor(bool terminal, const fs::path& output)
{
    int ends[2] = {-1, -1};  // reading, writing
    if (terminal) {
        if (openpty(&ends[0], &ends[1], nullptr, nullptr, nullptr) != 0)
            return {};
        termios raw {};
        tcgetattr(ends[1], &raw);
        cfmakeraw(&raw);
        tcsetattr(ends[1], TCSANOW, &raw);
    } else if (pipe(ends) != 0) {
        return {};
    }
    fcntl(ends[0], F_SETFD, FD_CLOEXEC);
    fcntl(ends[1], F_SETFD, FD_CLOEXEC);
    constexpr int InheritedInput = 100;
    QProcess encoder;
    encoder.setProcessChannelMode(QProcess::MergedChannels);
    encoder.setChildProcessModifier([reading = ends[0]] { dup2(reading, InheritedInput); });
    encoder.start(QString::fromStdString(EncoderPath()),
                  {"-@", "-y", "-i", "pipe:" + QString::number(InheritedInput), "-vcodec", "mpeg4", "-s", "320x240",
                   QString::fromStdString(output.string())});
    const bool started = encoder.waitForStarted();
    close(ends[0]);
    std::thread writer([writing = ends[1]] {
        // A reader that is gone makes the write fail, not the test end.
        sigset_t pipeSignal;
        sigemptyset(&pipeSignal);
        sigaddset(&pipeSignal, SIGPIPE);
        pthread_sigmask(SIG_BLOCK, &pipeSignal, nullptr);
        std::ifstream file(Clip("mpeg"), std::ios::binary);
        const std::string bytes(std::istreambuf_iterator<char>(file), {});
        for (size_t done = 0; done < bytes.size();) {
            const ssize_t written = write(writing, bytes.data() + done, bytes.size() - done);
            if (written <= 0)
                break;
            done += static_cast<size_t>(written);
        }
        close(writing);
    });
    DescriptorRun run;
    run.finished = started && encoder.waitForFinished(120000);
    writer.join();
    run.killedFromOutside = encoder.exitStatus() == QProcess::CrashExit && encoder.exitCode() == SIGKILL;
    run.exitCode = encoder.exitCode();
    run.lines = QString::fromUtf8(encoder.readAll()).trimmed().split('\n');
    return run;
}

class InputThatStops : public ::testing::TestWithParam<bool> {};

TEST_P(InputThatStops, EndsTheInputOrFailsWithTheReason)
{
    const bool terminal = GetParam();
    const fs::path output = OutputFolder(terminal ? "read-error-terminal" : "read-error-pipe") / "out.mp4";
    DescriptorRun run = ConvertFromDescriptor(terminal, output);
    for (int attempt = 1; attempt < 3 && run.killedFromOutside; ++attempt)
        run = ConvertFromDescriptor(terminal, output);

    ASSERT_TRUE(run.finished);
    if (terminal) {
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.lines.last().toStdString(), "error: cannot read the input: Input/output error");
        EXPECT_FALSE(fs::exists(output));
    } else {
        EXPECT_EQ(run.exitCode, 0) << run.lines.join('\n').toStdString();
        ExpectMedia(output).lasts(ClipSeconds);
    }
}

INSTANTIATE_TEST_SUITE_P(Descriptors, InputThatStops, ::testing::Values(false, true),
                         [](const auto& info) { return std::string(info.param ? "Terminal" : "Pipe"); });

} // namespace
} // namespace encodertest
