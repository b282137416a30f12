// SPDX-License-Identifier: GPL-3.0-or-later
// The newer outputs (H.264, H.265 and AV1 in MP4, VP9 WebM, stream copies
// into MP4 and MKV, GIF, FLAC, Opus, Vorbis, WAV) with the command lines the
// application sends for them, run through the real encoder and checked as a
// player would see them; and a copy the container cannot hold.
#include "Clips.h"
#include "encoder/CommandLineOptions.h"
#include "EncoderProcess.h"
#include "MediaExpectations.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>

namespace encodertest {
namespace {

namespace fs = std::filesystem;

struct NewerCase {
    const char* name;
    const char* clip;
    const char* options;     // what the application puts between the input and the output
    const char* extension;
    OutputStreams expected;
    int chapters;
};

std::string CommandLine(const NewerCase& c, const fs::path& output)
{
    return "\"" + EncoderPath() + "\" -@ -y  -i \"" + Clip(c.clip).string() + "\"" + c.options + " \""
        + output.string() + "\"";
}

bool Holds(const std::string& line, const char* piece)
{
    return line.find(piece) != std::string::npos;
}

class NewerFormat : public ::testing::TestWithParam<NewerCase> {};

TEST_P(NewerFormat, WritesThePromisedStreams)
{
    const NewerCase& c = GetParam();
    const auto output = OutputFolder(std::string("newer-") + c.name) / (std::string("clip.") + c.extension);

    const EncoderRun run = RunCommandLine(CommandLine(c, output));

    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 0) << run.output;
    ASSERT_FALSE(run.lines.empty());
    EXPECT_EQ(run.lines.front().rfind("Input #0, ", 0), 0u) << run.output;
    EXPECT_TRUE(LinesWithErrorWords(run.lines).empty()) << run.output;
    const std::string& last = run.lines.back();
    EXPECT_TRUE(Holds(last, "size=") && Holds(last, "time=")) << last;
    EXPECT_EQ(Holds(last, "frame="), *c.expected.videoCodec != '\0') << last;

    const fixtures::MediaInfo source = fixtures::ReadMedia(Clip(c.clip));
    ExpectMedia media(output);
    media.streams(c.expected).lasts(source.duration).chapters(c.chapters);
    // The copies and today's MP4 keep the subtitle (as mov_text in MP4);
    // WAV has no place for it.
    const bool keepsSubtitle = std::string(c.clip) == "hd" && std::string(c.extension) != "wav";
    const auto streams = fixtures::ReadMedia(output).streams;
    EXPECT_EQ(std::count_if(streams.begin(), streams.end(), [](const auto& s) { return s.type == "subtitle"; }),
              keepsSubtitle ? 1 : 0);

    const std::string options = c.options;
    if (Holds(options, "-vcodec \"copy\""))
        media.videoPackets(source.video()->packets);
    if (std::string(c.extension) == "gif")
        media.loopsForever();
    if (std::string(c.extension) == "flac")
        media.sameSoundAs(Clip(c.clip));
    if (std::string(c.clip) == "hd" && !keepsSubtitle) {
        EXPECT_TRUE(std::any_of(run.lines.begin(), run.lines.end(),
                                [](const std::string& line) { return line.rfind("Subtitle stream #0.2 is left out", 0) == 0; }))
            << run.output;
    }
}

// Sources: a 640x352 25 fps MPEG-4/MP3 AVI, its sound as 16-bit WAV, and a
// 1280x720 H.264/AAC MKV with two chapters and a subtitle stream.
INSTANTIATE_TEST_SUITE_P(
    Formats, NewerFormat,
    ::testing::Values(
        NewerCase{"Mp4H264", "avi",
                  R"x( -vcodec "h264" -crf "23" -preset "medium" -acodec "aac" -ab "160" -ac "2 (stereo)" -s keep -movflags +faststart -chapters -keepall)x",
                  "mp4", "mp4", "h264", 640, 352, 25, "aac", 44100, 2, 0},
        NewerCase{"Mp4H265", "hd",
                  R"x( -vcodec "h265" -crf "28" -preset "medium" -acodec "aac" -ab "160" -ac "2 (stereo)" -s 640x360 -fit -movflags +faststart -chapters -keepall)x",
                  "mp4", "mp4", "hevc", 640, 360, 25, "aac", 44100, 2, 2},
        NewerCase{"Mp4Av1", "avi",
                  R"x( -vcodec "av1" -crf "35" -preset "8" -r "12" -acodec "aac" -ab "160" -ac "1 (mono)" -s keep -movflags +faststart -chapters -keepall)x",
                  "mp4", "mp4", "av1", 640, 352, 12, "aac", 44100, 1, 0},
        NewerCase{"WebmVp9Opus", "avi",
                  R"x( -vcodec "vp9" -crf "32" -preset "4" -acodec "opus" -ab "128" -ac "2 (stereo)" -s keep -chapters -keepall)x",
                  "webm", "matroska,webm", "vp9", 640, 352, 25, "opus", 48000, 2, 0},
        NewerCase{"Mp4Copy", "hd", R"x( -vcodec "copy" -acodec "copy" -movflags +faststart -chapters)x", "mp4", "mp4",
                  "h264", 1280, 720, 25, "aac", 44100, 2, 2},
        NewerCase{"MkvCopy", "hd", R"x( -vcodec "copy" -acodec "copy" -chapters)x", "mkv", "matroska,webm", "h264",
                  1280, 720, 25, "aac", 44100, 2, 2},
        NewerCase{"Gif", "avi", R"x( -vcodec "gif" -r "12" -s 480x0 -fit -an)x", "gif", "gif", "gif", 480, 264, 12,
                  "", 0, 0, 0},
        NewerCase{"Flac", "wav", R"x( -acodec "flac" -ac "2 (stereo)" -vn -chapters)x", "flac", "flac", "", 0, 0, 0,
                  "flac", 44100, 2, 0},
        NewerCase{"Opus", "avi", R"x( -acodec "opus" -ab "128" -ac "2 (stereo)" -vn -chapters)x", "opus", "ogg", "",
                  0, 0, 0, "opus", 48000, 2, 0},
        NewerCase{"OggVorbis", "avi", R"x( -acodec "vorbis" -ab "160" -ac "2 (stereo)" -vn -chapters)x", "ogg", "ogg",
                  "", 0, 0, 0, "vorbis", 44100, 2, 0},
        NewerCase{"Wav", "hd", R"x( -acodec "pcm_s16le" -ac "2 (stereo)" -vn)x", "wav", "wav", "", 0, 0, 0,
                  "pcm_s16le", 44100, 2, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StreamCopy, RefusesAStreamTheContainerCannotHoldAndKeepsTheOldFile)
{
    const fs::path existing = OutputFolder("copy-refused") / "clip.mp4";
    std::ofstream(existing) << "an earlier conversion";

    const EncoderRun run = RunEncoder({"-@", "-y", "-i", Clip("asf").string(), "-vcodec", "copy", "-acodec", "copy",
                                       existing.string()});

    ASSERT_TRUE(run.finished);
    EXPECT_NE(run.exitCode, 0);
    ASSERT_FALSE(run.lines.empty());
    EXPECT_EQ(run.lines.back(), "error: WMV2 in MP4 is not supported by this encoder; choose MKV");
    EXPECT_EQ(LinesWithErrorWords(run.lines), std::vector<std::string> {run.lines.back()}) << run.output;
    std::ifstream file(existing);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(file), {}), "an earlier conversion");
}

TEST(EncoderUsage, NamesEveryOptionOfTheTableAndTheNewerCodecs)
{
    const EncoderRun run = RunEncoder({"--help"});

    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 0);
    for (const ridod2e::CommandLineOption& option : ridod2e::CommandLineOptions()) {
        const std::string shown = std::string("\n  ") + option.name + (option.value ? std::string(" ") + option.value : "");
        EXPECT_TRUE(Holds(run.output, shown.c_str())) << shown;
    }
    for (const char* piece : {"-vcodec copy, -acodec copy", "-s keep", "h265", "av1", "vp9", "gif", "opus", "vorbis",
                              "flac"})
        EXPECT_TRUE(Holds(run.output, piece)) << piece;
    EXPECT_TRUE(LinesWithErrorWords(run.lines).empty()) << run.output;
}

} // namespace
} // namespace encodertest
