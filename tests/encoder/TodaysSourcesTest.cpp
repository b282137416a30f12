// SPDX-License-Identifier: GPL-3.0-or-later
// Faithful to today's sources: phone clips turned by a display matrix, HDR,
// interlaced pictures, several sound tracks with subtitles and chapters,
// high frame rates, mono lossless sound and broken clocks, each through the
// rows' own command lines and checked from the outputs with the Debian
// ffmpeg tools (SSIM, the interlace detector, ffprobe, flac -t).
#include "Clips.h"
#include "EncoderProcess.h"
#include "ReferenceTools.h"
#include "RowPieces.h"
#include "support/MediaClips.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <functional>
#include <regex>
#include <sstream>

namespace encodertest {
namespace {

namespace fs = std::filesystem;

int CountStreams(const fs::path& file, const char* type, const char* codec = nullptr)
{
    const std::string text = Tool("ffprobe", {"-v", "error", "-show_entries", "stream=codec_type,codec_name", "-of",
                                              "csv=p=0", QString::fromStdString(file.string())});
    int count = 0;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);)
        count += line.find(type) != std::string::npos && (!codec || line.find(codec) != std::string::npos);
    return count;
}

// The SSIM of the output's picture (cropped to where it lies) against the
// source's made upright by `upright` (empty: as ffmpeg turns it by its
// display matrix), both scaled to the same portrait size.
double Ssim(const fs::path& output, const std::string& crop, const fs::path& source, const std::string& upright)
{
    const std::string graph = "[0:v]" + (crop.empty() ? std::string() : crop + ",") + "scale=90:160,format=yuv420p[o];[1:v]"
        + (upright.empty() ? std::string() : upright + ",") + "scale=90:160,format=yuv420p[r];[o][r]ssim";
    QStringList arguments {"-nostdin", "-i", QString::fromStdString(output.string())};
    if (!upright.empty())
        arguments << "-noautorotate";
    arguments << "-i" << QString::fromStdString(source.string()) << "-frames:v" << "5" << "-lavfi"
              << QString::fromStdString(graph) << "-f" << "null" << "-";
    const std::string text = Tool("ffmpeg", arguments);
    std::smatch found;
    if (!std::regex_search(text, found, std::regex("All:(-?[0-9.]+)"))) {
        ADD_FAILURE() << "no SSIM from ffmpeg: " << text;
        return 0;
    }
    return std::stod(found[1]);
}

// The share of pictures the interlace detector reads as progressive.
double ProgressiveShare(const fs::path& file)
{
    const std::string text = Tool("ffmpeg", {"-nostdin", "-i", QString::fromStdString(file.string()), "-vf", "idet",
                                             "-f", "null", "-"});
    std::smatch found;
    if (!std::regex_search(text, found, std::regex("Multi frame detection: TFF: *([0-9]+) BFF: *([0-9]+) Progressive: *([0-9]+)")))
        return 0;
    const double tff = std::stod(found[1]), bff = std::stod(found[2]), progressive = std::stod(found[3]);
    return progressive / std::max(1.0, tff + bff + progressive);
}

fixtures::ClipSettings Video(const std::string& container, int width, int height, double seconds)
{
    fixtures::ClipSettings clip = fixtures::ClipFor(container);
    clip.width = width;
    clip.height = height;
    clip.seconds = seconds;
    return clip;
}

fixtures::ClipSettings Turned(int rotation, bool mirrored)
{
    fixtures::ClipSettings clip = Video("mp4", 640, 360, 2);
    clip.rotation = rotation;
    clip.mirrored = mirrored;
    return clip;
}

fixtures::ClipSettings Hdr()
{
    fixtures::ClipSettings clip = Video("mp4", 640, 360, 1);
    clip.videoCodec = "libx265";
    clip.hdr = true;
    return clip;
}

fixtures::ClipSettings Interlaced()
{
    fixtures::ClipSettings clip = Video("mpeg", 720, 576, 2);
    clip.videoCodec = "mpeg2video";
    clip.interlaced = true;
    return clip;
}

fixtures::ClipSettings Tracks()
{
    fixtures::ClipSettings clip = Video("matroska", 320, 240, 2);
    clip.audioCodec = "aac";
    clip.audioLanguages = {"eng", "fra"};
    clip.subtitles = true;
    clip.chapters = 2;
    return clip;
}

struct Case {
    const char* name;
    std::function<fixtures::ClipSettings()> source;
    std::string options;
    const char* extension;
    std::function<void(const fs::path& source, const fs::path& output)> check;
};

void ShowsUpright(const fs::path& source, const fs::path& output, const std::string& crop, const std::string& upright)
{
    EXPECT_GT(Ssim(output, crop, source, upright), 0.75) << output;
    EXPECT_TRUE(Probe(output, "v:0", "rotation").empty()) << "no matrix left to turn it again";
}

void Portrait(const fs::path& source, const fs::path& output)
{
    EXPECT_EQ(Probe(output, "v:0", "width"), "360");
    EXPECT_EQ(Probe(output, "v:0", "height"), "640");
    ShowsUpright(source, output, "", "");
}

void KeepsTheMatrix(const fs::path&, const fs::path& output)
{
    EXPECT_EQ(Probe(output, "v:0", "width"), "640");
    EXPECT_FALSE(Tool("ffprobe", {"-v", "error", "-show_streams", QString::fromStdString(output.string())})
                     .find("rotation=") == std::string::npos);
}

void SdrBt709(const fs::path& source, const fs::path& output)
{
    EXPECT_EQ(Probe(output, "v:0", "color_primaries"), "bt709");
    EXPECT_EQ(Probe(output, "v:0", "color_transfer"), "bt709");
    EXPECT_EQ(Probe(output, "v:0", "pix_fmt"), "yuv420p");
    const std::string toneMapped = "zscale=t=linear:npl=100,format=gbrpf32le,zscale=p=bt709,tonemap=tonemap=hable:desat=0,"
                                   "zscale=t=bt709:m=bt709:r=tv";
    const double mapped = Ssim(output, "", source, toneMapped);
    const double naive = Ssim(output, "", source, "scale=out_color_matrix=bt709");
    EXPECT_GT(mapped, naive) << "tone-mapped " << mapped << ", naive " << naive;
}

void Progressive(const fs::path&, const fs::path& output)
{
    EXPECT_GE(ProgressiveShare(output), 0.9);
    EXPECT_EQ(Probe(output, "v:0", "r_frame_rate"), "25/1");
}

// Every sound track with its language, the subtitles in the container's
// text format, the chapters.
std::function<void(const fs::path&, const fs::path&)> EveryTrack(const char* audio, const char* subtitle)
{
    return [audio, subtitle](const fs::path&, const fs::path& output) {
        EXPECT_EQ(CountStreams(output, "audio", audio), 2);
        EXPECT_EQ(CountStreams(output, "subtitle", subtitle), 1);
        EXPECT_EQ(Probe(output, "a:0", "language"), "eng");
        EXPECT_EQ(Probe(output, "a:1", "language"), "fra");
        EXPECT_NE(Tool("ffprobe", {"-v", "error", "-show_chapters", QString::fromStdString(output.string())})
                      .find("Chapter 2"), std::string::npos);
    };
}

// The default track (French, half as loud) as the one track.
void DefaultTrack(const fs::path& source, const fs::path& output)
{
    EXPECT_EQ(CountStreams(output, "audio"), 1);
    const fs::path english = output.parent_path() / "english.mp4";
    ASSERT_EQ(RunCommandLine("\"" + EncoderPath() + "\" -@ -y  -i \"" + source.string() + "\"" + IPod
                             + " -s 320x240 -alang \"eng\" \"" + english.string() + "\"").exitCode, 0);
    EXPECT_NEAR(fixtures::SoundLevel(english) - fixtures::SoundLevel(output), 6.0, 1.5);
}

const std::vector<Case>& Cases()
{
    const std::string iPod = IPod;
    static const std::vector<Case> cases = {
        {"Turned90IPod", [] { return Turned(90, false); }, iPod + " -s 136x240 -padleft 92 -padright 92", "mp4",
         [](const fs::path& s, const fs::path& o) { ShowsUpright(s, o, "crop=136:240:92:0", ""); }},
        {"Turned90Avi", [] { return Turned(90, false); }, std::string(Avi) + " -s 360x640", "avi", Portrait},
        {"Turned90Mp4", [] { return Turned(90, false); }, Mp4, "mp4", Portrait},
        {"Turned90Webm", [] { return Turned(90, false); }, Webm, "webm", Portrait},
        {"Turned90Gif", [] { return Turned(90, false); }, Gif, "gif",
         [](const fs::path& s, const fs::path& o) { ShowsUpright(s, o, "", ""); }},
        {"Turned180Mp4", [] { return Turned(180, false); }, Mp4, "mp4",
         [](const fs::path& s, const fs::path& o) { ShowsUpright(s, o, "", ""); }},
        {"MirroredMp4", [] { return Turned(0, true); }, Mp4, "mp4",
         [](const fs::path& s, const fs::path& o) { ShowsUpright(s, o, "", "hflip"); }},
        {"Turned90Mp4Copy", [] { return Turned(90, false); }, Mp4Copy, "mp4", KeepsTheMatrix},
        {"HdrToH264", Hdr, Mp4, "mp4", SdrBt709},
        {"HdrToIPod", Hdr, iPod + " -s 320x180 -padtop 30 -padbottom 30", "mp4",
         [](const fs::path&, const fs::path& o) { EXPECT_EQ(Probe(o, "v:0", "color_primaries"), "bt709"); }},
        {"HdrKeptByH265", Hdr, Mp4H265, "mp4",
         [](const fs::path&, const fs::path& o) {
             EXPECT_EQ(Probe(o, "v:0", "pix_fmt"), "yuv420p10le");
             EXPECT_EQ(Probe(o, "v:0", "color_transfer"), "smpte2084");
             EXPECT_EQ(Probe(o, "v:0", "color_primaries"), "bt2020");
         }},
        // "Tone-map to SDR" in the HDR Video list.
        {"HdrToneMappedByH265", Hdr,
         R"x( -vcodec "h265" -crf "28" -preset "medium" -tonemap -acodec "aac" -ab "160" -ac "2 (stereo)" -s keep -movflags +faststart -chapters -keepall)x",
         "mp4", SdrBt709},
        {"InterlacedMp4", Interlaced, Mp4, "mp4", Progressive},
        {"InterlacedWebm", Interlaced, Webm, "webm", Progressive},
        {"TracksMkvCopy", Tracks, MkvCopy, "mkv", EveryTrack("aac", "subrip")},
        {"TracksMp4Copy", Tracks, Mp4Copy, "mp4", EveryTrack("aac", "mov_text")},
        {"TracksMp4", Tracks, Mp4, "mp4", EveryTrack("aac", "mov_text")},
        {"TracksWebm", Tracks, Webm, "webm", EveryTrack("opus", "webvtt")},
        {"TracksIPod", Tracks, iPod + " -s 320x240", "mp4", DefaultTrack},
        // Today's codec and quality factor without -keepall take one track, as the device rows do.
        {"TracksH264WithoutKeepAll", Tracks, R"x( -vcodec "h264" -crf "23" -preset "medium" -acodec "aac" -s keep)x", "mp4",
         [](const fs::path&, const fs::path& o) {
             EXPECT_EQ(CountStreams(o, "audio"), 1);
             EXPECT_EQ(CountStreams(o, "subtitle"), 0);
         }},
    };
    return cases;
}

void PrintTo(const Case& c, std::ostream* out)
{
    *out << c.name;
}

class TodaysSources : public ::testing::TestWithParam<Case> {};

TEST_P(TodaysSources, OutputIsWhatThePlayerOfTheSourceShows)
{
    const Case& c = GetParam();
    const fs::path source = clips::Clip(std::string(c.name) + "-source." + fixtures::ClipFor(c.source().container).container,
                                        c.source());
    const fs::path output = clips::Folder().path() / (std::string(c.name) + "." + c.extension);
    const EncoderRun run = RunCommandLine("\"" + EncoderPath() + "\" -@ -y  -i \"" + source.string() + "\"" + c.options
                                          + " \"" + output.string() + "\"");
    ASSERT_EQ(run.exitCode, 0) << run.output;
    c.check(source, output);
}

INSTANTIATE_TEST_SUITE_P(Rows, TodaysSources, ::testing::ValuesIn(Cases()),
                         [](const auto& info) { return std::string(info.param.name); });

// Shape and time as the source made them, and clocks that do not tell it.
TEST(TodaysSources, ShapeTimeAndSoundAsTheSourceMadeThem)
{
    const fs::path folder = clips::Folder().path();
    const auto convert = [&](const fs::path& source, const char* options, const std::string& name, int limitMs = 300000) {
        const fs::path output = folder / ("out-" + name);
        const EncoderRun run = RunCommandLine("\"" + EncoderPath() + "\" -@ -y  -i \"" + source.string() + "\"" + options
                                                  + " \"" + output.string() + "\"",
                                              limitMs);
        EXPECT_TRUE(run.finished && run.exitCode == 0) << name << ": " << run.output;
        return output;
    };

    // WebM keeps a 16:9 DVD picture's shape.
    fixtures::ClipSettings dvd = Video("mp4", 720, 480, 1);
    dvd.pixelAspect = {32, 27};
    const fs::path webm = convert(clips::Clip("dvd.mp4", dvd), Webm, "dvd.webm");
    const std::string aspect = Probe(webm, "v:0", "display_aspect_ratio");
    const auto colon = aspect.find(':');
    ASSERT_NE(colon, std::string::npos) << aspect;
    EXPECT_NEAR(std::stod(aspect.substr(0, colon)) / std::stod(aspect.substr(colon + 1)), 16.0 / 9, 16.0 / 9 * 0.02);

    // Mono 16-bit sound stays mono and exact in FLAC.
    fixtures::ClipSettings mono = fixtures::ClipFor("wav");
    mono.channels = 1;
    const fs::path wav = clips::Clip("mono.wav", mono);
    const fs::path flac = convert(wav, Flac, "mono.flac");
    EXPECT_EQ(Probe(flac, "a:0", "channels"), "1");
    const fixtures::DecodedSound original = fixtures::DecodeSound(wav);
    const fixtures::DecodedSound lossless = fixtures::DecodeSound(flac);
    EXPECT_EQ(lossless.channels, 1);
    EXPECT_EQ(lossless.samples, original.samples);

    // 200 pictures a second stay 200 in the MP4 row.
    fixtures::ClipSettings fast = Video("mp4", 320, 240, 1);
    fast.frameRate = {200, 1};
    EXPECT_EQ(Probe(convert(clips::Clip("fast.mp4", fast), Mp4, "fast.mp4"), "v:0", "r_frame_rate"), "200/1");
    // An ASF's millisecond clock (1000/1, no average) is no high speed:
    // its two pictures a second apart are not spread over 1000 a second.
    fixtures::ClipSettings slow = Video("asf", 84, 34, 2);
    slow.frameRate = {1, 1};
    slow.audioCodec.clear();
    const fs::path slowWebm = convert(clips::Clip("slow.wmv", slow), Webm, "slow.webm");
    EXPECT_EQ(Probe(slowWebm, "v:0", "r_frame_rate"), "25/1");

    // Chained Ogg: every chain's clock starts again; the sound is 8 s long,
    // and its FLAC passes flac -t.
    fixtures::ClipSettings chain = fixtures::ClipFor("ogg");
    chain.seconds = 0.5;
    const fs::path chained = folder / "chained.ogg";
    {
        std::ofstream out(chained, std::ios::binary);
        for (int i = 0; i < 16; ++i) {
            const fs::path part = folder / ("chain" + std::to_string(i) + ".ogg");
            fixtures::MakeClip(part, chain);
            out << std::ifstream(part, std::ios::binary).rdbuf();
        }
    }
    const fs::path chainedFlac = convert(chained, Flac, "chained.flac");
    EXPECT_NEAR(fixtures::ReadMedia(chainedFlac).duration, 8.0, 0.3);
    EXPECT_NE(Tool("flac", {"-t", QString::fromStdString(chainedFlac.string())}).find("ok"), std::string::npos);

    // A clock that leaps three hours ahead (a flipped bit) gives no copies for
    // the gap: the GIF ends within a minute with the clip's pictures.
    fixtures::ClipSettings leap = fixtures::ClipFor("flv");
    leap.audioCodec.clear();
    leap.seconds = 4;
    leap.clockLeap = 3 * 3600;
    const fs::path gif = convert(clips::Clip("leap.flv", leap), Gif, "leap.gif", 60000);
    EXPECT_LT(fixtures::ReadMedia(gif).duration, 10.0);
}

} // namespace
} // namespace encodertest
