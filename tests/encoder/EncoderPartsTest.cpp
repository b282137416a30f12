// SPDX-License-Identifier: GPL-3.0-or-later
// The encoder's arithmetic: frame geometry, constant frame rate, the
// nearest values codecs take, and the texts it prints.
#include "encoder/AmrNbEncoder.h"
#include "encoder/AudioEncoderSetup.h"
#include "encoder/CodecChoice.h"
#include "encoder/Console.h"
#include "encoder/FrameGeometry.h"
#include "encoder/FolderCover.h"
#include "encoder/FrameRateKeeper.h"
#include "encoder/LoudnessPass.h"
#include "encoder/ProgressReporter.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cmath>

namespace ridod2e {
namespace {

struct GeometryCase {
    const char* name;
    FrameDimensions source;
    std::optional<FrameDimensions> size;
    Padding bars;
    int pictureWidth, pictureHeight, top, bottom, left, right;
};

class Geometry : public ::testing::TestWithParam<GeometryCase> {};

TEST_P(Geometry, IsEvenWithTheRequestedBars)
{
    const GeometryCase& c = GetParam();
    const FrameGeometry g = PlanGeometry(c.source, c.size, c.bars, true);

    EXPECT_EQ(g.pictureWidth, c.pictureWidth);
    EXPECT_EQ(g.pictureHeight, c.pictureHeight);
    EXPECT_EQ(g.bars.top, c.top);
    EXPECT_EQ(g.bars.bottom, c.bottom);
    EXPECT_EQ(g.bars.left, c.left);
    EXPECT_EQ(g.bars.right, c.right);
    EXPECT_EQ(g.frameWidth() % 2, 0);
    EXPECT_EQ(g.frameHeight() % 2, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Geometry,
    ::testing::Values(
        GeometryCase{"Letterbox", {640, 352}, FrameDimensions {320, 176}, {32, 32, 0, 0}, 320, 176, 32, 32, 0, 0},
        GeometryCase{"Pillarbox", {720, 576}, FrameDimensions {300, 240}, {0, 0, 10, 10}, 300, 240, 0, 0, 10, 10},
        GeometryCase{"SourceSize", {640, 480}, std::nullopt, {}, 640, 480, 0, 0, 0, 0},
        GeometryCase{"OddSize", {640, 480}, FrameDimensions {321, 241}, {}, 320, 240, 0, 0, 0, 0},
        GeometryCase{"OddSource", {321, 241}, std::nullopt, {}, 320, 240, 0, 0, 0, 0},
        GeometryCase{"OddBarTakesThePixel", {640, 352}, FrameDimensions {320, 176}, {32, 33, 0, 0}, 320, 176, 32, 32, 0, 0},
        GeometryCase{"OddPictureEvenFrame", {640, 352}, FrameDimensions {320, 175}, {32, 33, 0, 0}, 320, 174, 32, 34, 0, 0},
        GeometryCase{"OddNearBar", {640, 352}, FrameDimensions {320, 176}, {31, 33, 0, 0}, 320, 176, 30, 34, 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EncoderGeometry, KnowsTheH263Sizes)
{
    EXPECT_TRUE(IsStandardH263Size(176, 144));
    EXPECT_TRUE(IsStandardH263Size(1408, 1152));
    EXPECT_FALSE(IsStandardH263Size(320, 240));
    EXPECT_TRUE(FitsH263CustomFormat(320, 240));
    EXPECT_TRUE(FitsH263CustomFormat(220, 176));
    EXPECT_FALSE(FitsH263CustomFormat(202, 150));
    EXPECT_FALSE(FitsH263CustomFormat(2560, 1440));
    EXPECT_EQ(StandardH263Sizes(), "128x96, 176x144, 352x288, 704x576, 1408x1152");
}

TEST(EncoderFrameRate, FillsSlotsWhenTheRateGoesUp)
{
    FrameRateKeeper keeper({30000, 1001});
    int64_t pictures = 0;
    for (int frame = 0; frame < 25; ++frame)
        pictures += keeper.place(frame / 25.0).count;
    // One second of 25 fps gives the 30 slots of one second, less the last
    // picture's own remainder.
    EXPECT_NEAR(pictures, 29, 1);
}

TEST(EncoderFrameRate, DropsPicturesWhenTheRateGoesDown)
{
    FrameRateKeeper keeper({25, 1});
    int64_t pictures = 0;
    for (int frame = 0; frame < 30; ++frame)
        pictures += keeper.place(frame * 1001 / 30000.0).count;
    EXPECT_EQ(pictures, 25);
}

TEST(EncoderFrameRate, FillsALateStartAndClosesUpAHugeGap)
{
    FrameRateKeeper keeper({25, 1});
    const FrameRateKeeper::Slots late = keeper.place(0.4);
    EXPECT_EQ(late.first, 0);
    EXPECT_EQ(late.count, 11);

    const FrameRateKeeper::Slots jump = keeper.place(3600);
    EXPECT_EQ(jump.first, 11);
    EXPECT_EQ(jump.count, 1);
    EXPECT_EQ(keeper.place(3600.04).first, 12);
    EXPECT_EQ(keeper.placeNext().first, 13);
}

TEST(EncoderFrameRate, ClosesUpAClockThatGoesBack)
{
    FrameRateKeeper keeper({25, 1});
    for (int frame = 0; frame < 100; ++frame)
        keeper.place(frame / 25.0);
    EXPECT_EQ(keeper.place(3.9).count, 0);
    const FrameRateKeeper::Slots restarted = keeper.place(0);
    EXPECT_EQ(restarted.first, 100);
    EXPECT_EQ(restarted.count, 1);
    EXPECT_EQ(keeper.place(0.04).first, 101);
}

// The folder's cover: cover before folder before front, in any case, only a
// picture, and never through a link someone may have put there.
TEST(EncoderFolderCover, TakesThePictureNamedFirstAndFollowsNoLink)
{
    const TempDir dir;
    const std::string jpeg = "\xFF\xD8\xFF\xE0 a picture";
    const std::string png = "\x89PNG\r\n a picture";
    const std::string input = (dir.path() / "track.flac").string();
    EXPECT_FALSE(FolderCover(input));
    dir.write("front.jpg", jpeg);
    dir.write("FOLDER.PNG", png);
    ASSERT_TRUE(FolderCover(input));
    EXPECT_EQ(FolderCover(input)->mimeType, "image/png");
    dir.write("Cover.jpg", "no picture at all");
    EXPECT_EQ(FolderCover(input)->mimeType, "image/png");
    std::filesystem::remove(dir.path() / "Cover.jpg");
    std::filesystem::create_symlink(dir.path() / "front.jpg", dir.path() / "cover.jpeg");
    const auto cover = FolderCover(input);
    ASSERT_TRUE(cover);
    EXPECT_EQ(std::string(cover->data.begin(), cover->data.end()), png);
}

// One gain meets the target unless the true peak would pass -1 dBTP; silence is left alone.
TEST(EncoderLoudness, OneGainUpToTheTruePeakCeiling)
{
    const struct {
        double integrated, truePeak, target, gainDb;
    } cases[] = {{-30, -20, -16, 14}, {-20, -2, -16, 1}, {-10, -0.5, -23, -13}, {-HUGE_VAL, -HUGE_VAL, -16, 0}};
    for (const auto& c : cases)
        EXPECT_NEAR(20 * std::log10(LevellingGain(c.integrated, c.truePeak, c.target)), c.gainDb, 1e-9) << c.integrated;
}

TEST(EncoderAudioChoices, PicksTheNearestValue)
{
    EXPECT_EQ(NearestOf({8000, 16000, 22050, 44100, 48000, 64000, 96000}, 54000), 48000);
    EXPECT_EQ(NearestOf({16000, 22050, 24000, 32000, 44100, 48000}, 11025), 16000);
    EXPECT_EQ(NearestOf({32000, 44100, 48000}, 22050), 32000);
    EXPECT_EQ(NearestMp2BitRate(192000, 44100), 192000);
    EXPECT_EQ(NearestMp2BitRate(192000, 16000), 160000);
    EXPECT_EQ(NearestMp2BitRate(200000, 48000), 192000);
    EXPECT_EQ(AmrNbEncoder::NearestBitRate(48000), 12200);
    EXPECT_EQ(AmrNbEncoder::NearestBitRate(6000), 5900);
    EXPECT_EQ(AmrNbEncoder::NearestBitRate(1000), 4750);
}

struct CodecNameCase {
    const char* commandLine;
    const char* encoder;
};

class CodecName : public ::testing::TestWithParam<CodecNameCase> {};

TEST_P(CodecName, HasItsEncoder)
{
    EXPECT_EQ(EncoderNameFor(GetParam().commandLine), GetParam().encoder);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CodecName,
    ::testing::Values(CodecNameCase{"mpeg4", "mpeg4"}, CodecNameCase{"mpeg4_qt", "mpeg4"},
                      CodecNameCase{"xvid", "libxvid"}, CodecNameCase{"h264", "libx264"},
                      CodecNameCase{"h263", "h263"}, CodecNameCase{"mpeg1video", "mpeg1video"},
                      CodecNameCase{"wmv1x", "wmv1"}, CodecNameCase{"wmv2x", "wmv2"}, CodecNameCase{"wmv3x", "wmv2"},
                      CodecNameCase{"mpeg4aac", "aac"}, CodecNameCase{"mpeg4aac_qt", "aac"},
                      CodecNameCase{"aac", "aac"}, CodecNameCase{"mp3", "libmp3lame"}, CodecNameCase{"mp2", "mp2"},
                      CodecNameCase{"ac3", "ac3"}, CodecNameCase{"pcm_s16le", "pcm_s16le"},
                      CodecNameCase{"wma7x", "wmav2"}, CodecNameCase{"h265", "libx265"},
                      CodecNameCase{"av1", "libsvtav1"}, CodecNameCase{"vp9", "libvpx-vp9"},
                      CodecNameCase{"opus", "libopus"}, CodecNameCase{"vorbis", "libvorbis"},
                      CodecNameCase{"flac", "flac"}, CodecNameCase{"gif", "gif"}));

TEST(EncoderCodecChoice, AmrNbGoesToOpencore)
{
    EXPECT_TRUE(IsAmrNb("amr_nb"));
    EXPECT_FALSE(IsAmrNb("aac"));
}

TEST(EncoderCodecChoice, FormatNamesPickTheirContainers)
{
    EXPECT_STREQ(ChooseMuxer("psp", "a.mp4")->name, "psp");
    EXPECT_STREQ(ChooseMuxer("3gp", "a.3g2")->name, "3gp");
    EXPECT_STREQ(ChooseMuxer("xwmv", "a.wma")->name, "asf");
    EXPECT_STREQ(ChooseMuxer("qt", "a.mov")->name, "mov");
    EXPECT_STREQ(ChooseMuxer("singlejpeg", "a.THM")->name, "mjpeg");
    EXPECT_STREQ(ChooseMuxer("", "a.avi")->name, "avi");
    EXPECT_STREQ(ChooseDemuxer("qt")->name, "mov,mp4,m4a,3gp,3g2,mj2");
}

TEST(EncoderCodecChoice, AudioFilesAreKnownByContainerOrExtension)
{
    EXPECT_TRUE(IsAudioOnlyContainer(ChooseMuxer("", "a.mp3"), "a.mp3"));
    EXPECT_TRUE(IsAudioOnlyContainer(ChooseMuxer("", "a.m4a"), "a.m4a"));
    EXPECT_TRUE(IsAudioOnlyContainer(ChooseMuxer("xwmv", "a.wma"), "a.wma"));
    EXPECT_TRUE(IsAudioOnlyContainer(ChooseMuxer("", "a.aac"), "a.aac"));
    EXPECT_FALSE(IsAudioOnlyContainer(ChooseMuxer("xwmv", "a.wmv"), "a.wmv"));
    EXPECT_FALSE(IsAudioOnlyContainer(ChooseMuxer("", "a.m4v"), "a.m4v"));
    EXPECT_TRUE(IsAudioOnlyContainer(ChooseMuxer("", "a.flac"), "a.flac"));
    EXPECT_TRUE(IsAudioOnlyContainer(ChooseMuxer("", "a.opus"), "a.opus"));
    EXPECT_FALSE(IsAudioOnlyContainer(ChooseMuxer("", "a.webm"), "a.webm"));
}

struct FitCase {
    const char* name;
    FrameDimensions source;
    AVRational pixelAspect;
    FrameDimensions box;
    int width, height;
};

class FitInsideBox : public ::testing::TestWithParam<FitCase> {};

TEST_P(FitInsideBox, KeepsTheAspectWithEvenSides)
{
    const FitCase& c = GetParam();
    const FrameDimensions fitted = FitInside(c.source, c.pixelAspect, c.box);

    EXPECT_EQ(fitted.width, c.width);
    EXPECT_EQ(fitted.height, c.height);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FitInsideBox,
    ::testing::Values(FitCase{"Smaller", {1280, 720}, {1, 1}, {640, 360}, 640, 360},
                      FitCase{"WidthOnly", {640, 352}, {1, 1}, {480, 0}, 480, 264},
                      FitCase{"Larger", {640, 352}, {1, 1}, {1920, 1080}, 1920, 1056},
                      FitCase{"Portrait", {1080, 1920}, {1, 1}, {1280, 720}, 406, 720},
                      FitCase{"WidePixels", {720, 576}, {16, 15}, {1280, 720}, 960, 720},
                      FitCase{"UnknownAspect", {854, 480}, {0, 1}, {640, 360}, 640, 360}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EncoderConsoleText, InputBlockHasTheShapeTheApplicationReads)
{
    MediaSummary input;
    input.format = "avi";
    input.path = "/videos/clip.avi";
    input.duration = 90.044;
    input.bitRate = 2265000;
    StreamSummary video;
    video.type = AVMEDIA_TYPE_VIDEO;
    video.codec = "mpeg4";
    video.width = 640;
    video.height = 352;
    video.frameRate = 30000.0 / 1001;
    StreamSummary audio;
    audio.type = AVMEDIA_TYPE_AUDIO;
    audio.codec = "mp3";
    audio.sampleRate = 44100;
    audio.channels = "stereo";
    audio.bitRate = 128000;
    input.streams = {video, audio};

    EXPECT_EQ(InputBlock(input), "Input #0, avi, from '/videos/clip.avi':\n"
                                 "  Duration: 00:01:30.04, start: 0.000000, bitrate: 2265 kb/s\n"
                                 "    Stream #0.0: Video: mpeg4, 640x352, 29.97 fps\n"
                                 "    Stream #0.1: Audio: mp3, 44100 Hz, stereo, 128 kb/s\n");
    input.duration.reset();
    input.bitRate = 0;
    EXPECT_NE(InputBlock(input).find("  Duration: N/A, start: 0.000000, bitrate: N/A\n"), std::string::npos);
}

TEST(EncoderConsoleText, ProgressIsUnpadded)
{
    ProgressSnapshot video {true, 123, 250.4, 2.0, 1234 * 1024, 4.92};
    EXPECT_EQ(ProgressLine(video), "frame=123 fps=250 q=2.0 size=1234kB time=4.92 bitrate=2054.7kbits/s");
    ProgressSnapshot audio {false, 0, 0, 0, 80 * 1024, 5.04};
    EXPECT_EQ(ProgressLine(audio), "size=80kB time=5.04 bitrate=130.0kbits/s");
    ProgressSnapshot start {true, 0, 0, 0, 0, 0};
    EXPECT_EQ(ProgressLine(start), "frame=0 fps=0 q=0.0 size=0kB time=0.00 bitrate=N/A");
}

TEST(EncoderConsoleText, GatheredPicturesGiveNoFrameCountUntilTheFirstIsEncoded)
{
    Console console(true);
    ProgressReporter gif(console, true, true);
    ::testing::internal::CaptureStdout();
    gif.last(0, 0, 0, 0);
    gif.last(5, 0, 2048, 0.4);
    const std::string printed = ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(printed.rfind("size=0kB time=0.00 bitrate=N/A\nframe=5 ", 0), 0u) << printed;
    EXPECT_TRUE(IsPaletteVideo("gif", ChooseMuxer("", "a.gif")));
    EXPECT_TRUE(IsPaletteVideo("", ChooseMuxer("", "a.gif")));
    EXPECT_FALSE(IsPaletteVideo("h264", ChooseMuxer("", "a.mp4")));
}

TEST(EncoderConsoleText, EachFailureKindHasItsWord)
{
    EXPECT_EQ(FaultLine(FaultKind::CannotOpenInput, "'/a.avi': No such file or directory"),
              "Error while opening file '/a.avi': No such file or directory");
    EXPECT_EQ(FaultLine(FaultKind::UnknownFormat, "'/a.avi' is not a media file"), "Unknown format: '/a.avi' is not a media file");
    EXPECT_EQ(FaultLine(FaultKind::UnsupportedCodec, "no decoder"), "Unsupported codec: no decoder");
    EXPECT_EQ(FaultLine(FaultKind::Other, "disk full"), "error: disk full");
}

} // namespace
} // namespace ridod2e
