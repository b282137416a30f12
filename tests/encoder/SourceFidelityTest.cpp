// SPDX-License-Identifier: GPL-3.0-or-later
// Picture and sound as the source made them: the display shape of
// non-square pixels, the level of 5.1 sound folded to fewer channels, a
// sound track for PSP files of silent videos, thumbnails where seeking finds
// nothing, and an input whose reading fails. Command lines as the
// application builds them (see FormatCommandLinesTest).
#include "Clips.h"
#include "EncoderProcess.h"
#include "MediaExpectations.h"
#include "support/TextFile.h"

#include <QProcess>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <csignal>

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
    const fs::path output = OutputFolder(std::string(shape.name) + line.name) / (std::string("out.") + line.extension);

    const EncoderRun run = Convert(Clip(std::string("shape-") + shape.name + ".mp4", clipSettings), line.options, output);

    ASSERT_EQ(run.exitCode, 0) << run.output;
    const fixtures::StreamInfo* video = fixtures::ReadMedia(output).video();
    ASSERT_NE(video, nullptr);
    const double sourceShape = av_q2d(shape.pixelAspect) * shape.width / shape.height;
    if (line.bars) {
        EXPECT_EQ(av_cmp_q(video->pixelAspect, {1, 1}), 0) << video->pixelAspect.num << ":" << video->pixelAspect.den;
    } else {
        EXPECT_NEAR(av_q2d(video->pixelAspect) * video->width / video->height / sourceShape, 1, 0.02);
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
    const fs::path folder = OutputFolder("level");
    // Each output beside the AAC output of as many channels, made before it.
    const std::vector<std::array<const char*, 3>> lines = {
        {"aac", R"x( -acodec "aac" -ab "128" -ar "44100" -ac "2 (stereo)" -vn )x", ""},
        {"mp3", R"x( -acodec "mp3" -ab "192" -ar "48000" -ac "2 (stereo)")x", "aac"},
        {"mpg", R"x( -vcodec "mpeg1video" -b "1600" -r "25" -acodec "mp2"  -ab "128" -ar "44100" -ac "2 (stereo)" -s 352x240)x", "aac"},
        {"wma", R"x( -acodec "wma7x" -ab "128" -ar "48000" -ac "2 (stereo)" -vn -f xwmv)x", "aac"},
        {"3g2", R"x( -vcodec "mpeg4"  -b "256" -r "14.985"  -bt "60"  -acodec "mpeg4aac" -ab "32" -ar "16000" -ac "1 (mono)" -s 220x124 -padtop 26 -padbottom 26 -f 3gp)x", ""},
        {"3gp", R"x( -vcodec "h263"  -b "128"  -bt "60"  -acodec "amr_nb" -ab "48" -ar "8000 " -ac "1 (mono)" -s 176x96 -padtop 24 -padbottom 24)x", "3g2"},
    };
    for (const auto& [extension, options, reference] : lines) {
        const fs::path output = folder / (std::string("out.") + extension);
        const EncoderRun run = Convert(Clip("surround.mkv", surround), options, output);
        ASSERT_EQ(run.exitCode, 0) << run.output;
        if (*reference) {
            EXPECT_NEAR(fixtures::SoundLevel(output), fixtures::SoundLevel(folder / ("out." + std::string(reference))), 1)
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
        ASSERT_EQ(Convert(Clip(clip), options, output).exitCode, 0);

        ExpectMedia media(output);
        media.container("psp").audio("aac", sampleRate, 2).lasts(ClipSeconds, 0.1);
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
    fixtures::MakeClip(folder / "input", clipSettings);

    ASSERT_EQ(Convert(folder / "input", Thumbnail, folder / "out.THM").exitCode, 0);

    ExpectMedia(folder / "out.THM").container("jpeg_pipe").video("mjpeg", 368, 208).videoPackets(1);
    if (!c.seekIndex) {
        // The same picture as from the file with its index: the one at 3 s.
        clipSettings.seekIndex = true;
        fixtures::MakeClip(folder / "indexed", clipSettings);
        ASSERT_EQ(Convert(folder / "indexed", Thumbnail, folder / "indexed.THM").exitCode, 0);
        EXPECT_EQ(ReadText(folder / "out.THM"), ReadText(folder / "indexed.THM"));
    }
}

INSTANTIATE_TEST_SUITE_P(Clips, ThumbnailWhereSeekingFails,
                         ::testing::Values(ThumbnailCase {"OneSecond", "mp4", 1, true},
                                           ThumbnailCase {"MpegEndingBefore3s", "mpeg", 2.5, true},
                                           ThumbnailCase {"MatroskaWithoutCues", "matroska", 6, false}),
                         [](const auto& info) { return std::string(info.param.name); });

// A small clip comes through a descriptor that the encoder inherits (an
// address, so -allow-protocols), whole
// in the descriptor's buffer and its writing end closed: a pipe then ends
// the input, a terminal fails every further read with an input/output error.
void ConvertFromDescriptor(bool terminal, const fs::path& output, QProcess& encoder)
{
    fixtures::ClipSettings clipSettings = fixtures::ClipFor("mpeg");
    clipSettings.width = 64;
    clipSettings.height = 48;
    clipSettings.audioCodec.clear();
    clipSettings.seconds = 1;
    const std::string bytes = ReadText(Clip("small.mpg", clipSettings));
    int ends[2] = {-1, -1};  // reading, writing
    ASSERT_EQ(terminal ? openpty(&ends[0], &ends[1], nullptr, nullptr, nullptr) : pipe(ends), 0);
    termios raw {};
    if (terminal && tcgetattr(ends[1], &raw) == 0) {
        cfmakeraw(&raw);
        tcsetattr(ends[1], TCSANOW, &raw);
    }
    fcntl(ends[0], F_SETFD, FD_CLOEXEC);
    fcntl(ends[1], F_SETFL, O_NONBLOCK);
    const bool whole = write(ends[1], bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
    close(ends[1]);
    encoder.setProcessChannelMode(QProcess::MergedChannels);
    encoder.setChildProcessModifier([reading = ends[0]] { dup2(reading, 100); });
    encoder.start(QString::fromStdString(EncoderPath()),
                  {"-@", "-y", "-allow-protocols", "-i", "pipe:100", "-vcodec", "mpeg4", "-s", "320x240",
                   QString::fromStdString(output.string())});
    encoder.waitForFinished(120000);
    close(ends[0]);
    ASSERT_TRUE(whole) << "the clip does not fit in the descriptor's buffer";
}

class InputThatStops : public ::testing::TestWithParam<bool> {};

TEST_P(InputThatStops, EndsTheInputOrFailsWithTheReason)
{
    const bool terminal = GetParam();
    const fs::path output = OutputFolder(terminal ? "read-error-terminal" : "read-error-pipe") / "out.mp4";
    QProcess encoder;
    ConvertFromDescriptor(terminal, output, encoder);
    // An encoder ended from outside by name, by a test elsewhere, runs again.
    for (int again = 0; again < 2 && encoder.exitStatus() == QProcess::CrashExit && encoder.exitCode() == SIGKILL;
         ++again)
        ConvertFromDescriptor(terminal, output, encoder);

    ASSERT_EQ(encoder.state(), QProcess::NotRunning);
    const std::string printed = encoder.readAll().toStdString();
    EXPECT_EQ(encoder.exitCode(), terminal ? 1 : 0) << printed;
    if (terminal) {
        EXPECT_NE(printed.find("\nerror: cannot read the input: Input/output error\n"), std::string::npos) << printed;
        EXPECT_FALSE(fs::exists(output));
    } else {
        ExpectMedia(output).lasts(1);
    }
}

INSTANTIATE_TEST_SUITE_P(Descriptors, InputThatStops, ::testing::Values(false, true),
                         [](const auto& info) { return std::string(info.param ? "Terminal" : "Pipe"); });

} // namespace
} // namespace encodertest
