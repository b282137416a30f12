// SPDX-License-Identifier: GPL-3.0-or-later
// Sources as real files have them and few tests make: PCM of 3 to 8
// channels without a layout, sounds of a few samples, high-speed clips on a
// device, slow and one-picture clips into GIF, raw pictures copied, odd
// sizes, RGB screen recordings and a chapter that starts late, each through
// the rows' own command lines and checked with the libraries and ffprobe.
#include "EncoderProcess.h"
#include "MediaExpectations.h"
#include "ReferenceTools.h"
#include "RowPieces.h"
#include "support/MediaClips.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <functional>

namespace encodertest {
namespace {

namespace fs = std::filesystem;

// The value's bytes, least significant first.
std::string Le(uint32_t value, int bytes)
{
    std::string text;
    for (int i = 0; i < bytes; ++i)
        text += static_cast<char>((value >> (8 * i)) & 0xff);
    return text;
}

// Plain PCM (format 1, no channel mask, as many tools write it) of 16-bit
// samples, each channel its own tone; a chapter "Intro" from `cueAt` on when
// it is not negative (a cue point with its label).
fs::path Wav(const std::string& name, int channels, int samples, int cueAt = -1)
{
    std::string pcm;
    for (int i = 0; i < samples * channels; ++i) {
        const double tone = 8000 * std::sin(i / channels * 0.05 * (i % channels + 1));
        pcm += Le(static_cast<uint16_t>(static_cast<int16_t>(tone)), 2);
    }
    const auto n = static_cast<uint32_t>(channels);
    std::string body = "WAVEfmt " + Le(16, 4) + Le(1, 2) + Le(n, 2) + Le(44100, 4) + Le(88200 * n, 4) + Le(2 * n, 2)
        + Le(16, 2) + "data" + Le(static_cast<uint32_t>(pcm.size()), 4) + pcm;
    const auto cue = static_cast<uint32_t>(cueAt);
    if (cueAt >= 0)
        body += "cue " + Le(28, 4) + Le(1, 4) + Le(1, 4) + Le(cue, 4) + "data" + Le(0, 4) + Le(0, 4) + Le(cue, 4) + "LIST"
            + Le(22, 4) + "adtllabl" + Le(10, 4) + Le(1, 4) + std::string("Intro", 6);
    const fs::path path = clips::Folder().path() / name;
    std::ofstream(path, std::ios::binary) << "RIFF" << Le(static_cast<uint32_t>(body.size()), 4) << body;
    return path;
}

// One raw 4:2:0 picture, as a YUV4MPEG stream.
fs::path OnePicture()
{
    const fs::path path = clips::Folder().path() / "one.y4m";
    std::ofstream(path, std::ios::binary) << "YUV4MPEG2 W160 H120 F25:1 Ip A1:1 C420jpeg\nFRAME\n"
                                          << std::string(160 * 120, 'd') << std::string(2 * 80 * 60, '\x80');
    return path;
}

fs::path Video(const std::string& name, const std::string& container, const std::string& codec, int width, int height,
               AVRational rate, double seconds)
{
    fixtures::ClipSettings clip = fixtures::ClipFor(container);
    clip.videoCodec = codec;
    clip.audioCodec.clear();
    clip.width = width;
    clip.height = height;
    clip.frameRate = rate;
    clip.seconds = seconds;
    return clips::Clip(name, clip);
}

struct Case {
    const char* name;
    std::function<fs::path()> source;
    std::string options;
    const char* extension;
    std::function<void(const fs::path& source, const fs::path& output)> check;
};

// Every channel kept, sample for sample.
void Lossless(const fs::path& source, const fs::path& output)
{
    const fixtures::DecodedSound original = fixtures::DecodeSound(source);
    const fixtures::DecodedSound kept = fixtures::DecodeSound(output);
    EXPECT_EQ(kept.channels, original.channels);
    EXPECT_EQ(kept.samples, original.samples);
}

void HoldsSound(const fs::path&, const fs::path& output)
{
    EXPECT_FALSE(fixtures::DecodeSound(output).samples.empty());
}

double DisplayAspect(const fs::path& output)
{
    const fixtures::StreamInfo* video = fixtures::ReadMedia(output).video();
    if (!video || video->height == 0) {
        ADD_FAILURE() << output << " holds no picture";
        return 0;
    }
    const double pixel = video->pixelAspect.num > 0 ? av_q2d(video->pixelAspect) : 1.0;
    return video->width * pixel / video->height;
}

void Shape84x33(const fs::path&, const fs::path& output)
{
    EXPECT_NEAR(DisplayAspect(output), 84.0 / 33, 84.0 / 33 * 0.01);
}

// 4:2:0 YUV said to be so, and it decodes to its end.
void Yuv420(const fs::path&, const fs::path& output)
{
    EXPECT_EQ(Probe(output, "v:0", "pix_fmt"), "yuv420p");
    EXPECT_NE(Probe(output, "v:0", "color_space"), "gbr");
    EXPECT_EQ(Tool("ffmpeg", {"-v", "error", "-i", QString::fromStdString(output.string()), "-f", "null", "-"}), "");
}

const std::vector<Case>& Cases()
{
    const std::string iPod = IPod;
    static const std::vector<Case> cases = {
        {"ThreeChannelsFlac", [] { return Wav("three.wav", 3, 4410); }, Flac, "flac", Lossless},
        {"FourChannelsFlac", [] { return Wav("four.wav", 4, 4410); }, Flac, "flac", Lossless},
        {"FiveChannelsFlac", [] { return Wav("five.wav", 5, 4410); }, Flac, "flac", Lossless},
        // 7.1 and more still fold to 5.1.
        {"EightChannelsFlac", [] { return Wav("eight.wav", 8, 4410); }, Flac, "flac",
         [](const fs::path&, const fs::path& o) { EXPECT_EQ(fixtures::DecodeSound(o).channels, 6); }},
        {"FiveSamplesMp3", [] { return Wav("five-samples.wav", 2, 5); }, Mp3, "mp3", HoldsSound},
        {"NineSamplesIPod", [] { return Wav("nine-samples.wav", 2, 9); }, iPod + " -s 320x240", "mp4", HoldsSound},
        // A device plays 30 pictures a second at most; the length stays.
        {"HighSpeedIPod", [] { return Video("fast.mp4", "mp4", "libx264", 160, 120, {180, 1}, 1); },
         iPod + " -s 320x240", "mp4",
         [](const fs::path&, const fs::path& o) {
             const fixtures::MediaInfo info = fixtures::ReadMedia(o);
             ASSERT_NE(info.video(), nullptr);
             EXPECT_LE(info.video()->frameRate, 30.01);
             EXPECT_NEAR(info.video()->duration, 1.0, 0.1);
         }},
        {"SlowGif", [] { return Video("slow.mp4", "mp4", "libx264", 160, 120, {1, 1}, 2); }, Gif, "gif",
         [](const fs::path&, const fs::path& o) { EXPECT_NEAR(fixtures::ReadMedia(o).duration, 2.0, 0.1); }},
        {"OnePictureGif", OnePicture, Gif, "gif", [](const fs::path&, const fs::path& o) { ExpectMedia(o).videoPackets(1); }},
        {"OnePictureMkvCopy", OnePicture, MkvCopy, "mkv",
         [](const fs::path&, const fs::path& o) {
             ExpectMedia(o).video("rawvideo", 160, 120).videoPackets(1);
             EXPECT_EQ(fixtures::FirstPictureArea(o).frameHeight, 120) << "it decodes";
         }},
        {"OddSizeMp4", [] { return Video("odd.mkv", "matroska", "ffv1", 84, 33, {25, 1}, 1); }, Mp4, "mp4", Shape84x33},
        {"OddSizeWebm", [] { return Video("odd.mkv", "matroska", "ffv1", 84, 33, {25, 1}, 1); }, Webm, "webm",
         Shape84x33},
        // The bars keep the picture's shape (320x236 for 1.364 when 320x240 is 1.333).
        {"LetterboxIPod", [] { return Video("480x352.avi", "avi", "mpeg4", 480, 352, {25, 1}, 1); },
         iPod + " -s 320x236 -padtop 2 -padbottom 2", "mp4",
         [](const fs::path&, const fs::path& o) {
             const fixtures::PictureArea area = fixtures::FirstPictureArea(o);
             EXPECT_NEAR(double(area.width) / area.height, 480.0 / 352, 480.0 / 352 * 0.01);
         }},
        {"RgbWebm", [] { return Video("rgb.mkv", "matroska", "libx264rgb", 320, 240, {25, 1}, 1); }, Webm, "webm", Yuv420},
        {"RgbMp4", [] { return Video("rgb.mkv", "matroska", "libx264rgb", 320, 240, {25, 1}, 1); }, Mp4, "mp4", Yuv420},
        // A chapter from the second second: MP4's chapter track starts with the file.
        {"LateChapterMp4", [] { return Wav("chapter.wav", 2, 88200, 44100); }, Mp4, "mp4",
         [](const fs::path&, const fs::path& o) {
             const std::string chapters = Tool("ffprobe", {"-show_chapters", "-of", "csv=p=0",
                                                           QString::fromStdString(o.string())});
             EXPECT_EQ(chapters.find("not found"), std::string::npos) << chapters;
             EXPECT_NE(chapters.find("1000,1.000000,2000,2.000000,Intro"), std::string::npos) << chapters;
         }},
    };
    return cases;
}

void PrintTo(const Case& c, std::ostream* out)
{
    *out << c.name;
}

class UncommonSources : public ::testing::TestWithParam<Case> {};

TEST_P(UncommonSources, ConvertAsTheirPlayersShowThem)
{
    const Case& c = GetParam();
    const fs::path source = c.source();
    const fs::path output = clips::Folder().path() / (std::string(c.name) + "." + c.extension);
    const EncoderRun run = RunCommandLine("\"" + EncoderPath() + "\" -@ -y  -i \"" + source.string() + "\"" + c.options
                                          + " \"" + output.string() + "\"");
    ASSERT_EQ(run.exitCode, 0) << run.output;
    c.check(source, output);
}

INSTANTIATE_TEST_SUITE_P(Rows, UncommonSources, ::testing::ValuesIn(Cases()),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace encodertest
