// SPDX-License-Identifier: GPL-3.0-or-later
// Each of today's formats converted for real by vantorel-cli from a tiny
// clip: the row ends "Done" and the file holds the promised codecs (the
// encoder's own tests look at the files in depth).
#include "support/MediaClips.h"

#include <QProcess>
#include <gtest/gtest.h>
#include <sstream>

namespace {

// A second of 320 x 176 at 25 fps: "avi" MPEG-4/MP3, "matroska" H.264/AAC, or "wav" sound only.
std::string Tiny(const std::string& container)
{
    fixtures::ClipSettings clip = fixtures::ClipFor(container);
    if (container == "matroska")
        clip.audioCodec = "aac";
    clip.width = 320;
    clip.height = 176;
    clip.seconds = 1;
    return clips::Clip(container == "matroska" ? "tiny.mkv" : "tiny." + container, clip);
}

struct NewerRow {
    const char* name;
    int format;
    const char* source;
    QStringList choices;
    const char* extension;
    const char* videoCodec; // "" for none
    int width;
    double frameRate;
    const char* audioCodec; // "" for none
    int sampleRate;
};

class TodaysFormat : public ::testing::TestWithParam<NewerRow> {};

TEST_P(TodaysFormat, ConvertsForRealWithThePromisedCodecs)
{
    const NewerRow& row = GetParam();
    const TempDir out;
    const std::string source = Tiny(row.source);
    QProcess cli;
    cli.start(QString(qgetenv("VANTOREL_APPDIR")) + "vantorel-cli",
              QStringList{"--quiet", "--format", QString::number(row.format), "--output-dir",
                          QString::fromStdString(out.dir())}
                  + row.choices + QStringList{QString::fromStdString(source)});
    ASSERT_TRUE(cli.waitForFinished(180000));
    EXPECT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
    const std::string line = cli.readAllStandardOutput().toStdString();
    EXPECT_NE(line.find("\tDone\t"), std::string::npos) << line;

    const auto output = out.path() / (std::string("tiny.") + row.extension);
    const fixtures::MediaInfo media = fixtures::ReadMedia(output);
    const fixtures::MediaInfo input = fixtures::ReadMedia(source);
    EXPECT_NEAR(media.duration, input.duration, 0.2);
    ASSERT_EQ(media.video() != nullptr, *row.videoCodec != '\0');
    ASSERT_EQ(media.audio() != nullptr, *row.audioCodec != '\0');
    if (media.video()) {
        EXPECT_EQ(media.video()->codec, row.videoCodec);
        EXPECT_EQ(media.video()->width, row.width);
        // GIF counts its delays in hundredths of a second: 12 fps reads back as 11.988.
        EXPECT_NEAR(media.video()->frameRate, row.frameRate, 0.05);
    }
    if (media.audio()) {
        EXPECT_EQ(media.audio()->codec, row.audioCodec);
        EXPECT_EQ(media.audio()->sampleRate, row.sampleRate);
    }
    // A copy carries the very packets over; FLAC gives back the very samples.
    if (row.format == 33 || row.format == 34) {
        EXPECT_EQ(media.video()->packets, input.video()->packets);
    }
    if (row.format == 37) {
        EXPECT_TRUE(fixtures::DecodeSound(output).samples == fixtures::DecodeSound(source).samples);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TodaysFormat,
    ::testing::Values(
        NewerRow{"Mp4H264", 31, "avi", {}, "mp4", "h264", 320, 25, "aac", 44100},
        NewerRow{"Mp4H265", 31, "avi", {"--video-codec", "H.265 (HEVC)"}, "mp4", "hevc", 320, 25, "aac", 44100},
        NewerRow{"Mp4Av1", 31, "avi", {"--video-codec", "AV1", "--frame-rate", "24 fps"}, "mp4", "av1", 320, 24, "aac",
                 44100},
        NewerRow{"Webm", 32, "avi", {}, "webm", "vp9", 320, 25, "opus", 48000},
        NewerRow{"Mp4Copy", 33, "matroska", {}, "mp4", "h264", 320, 25, "aac", 44100},
        NewerRow{"MkvCopy", 34, "avi", {}, "mkv", "mpeg4", 320, 25, "mp3", 44100},
        NewerRow{"Gif", 35, "avi", {"--video-size", "320 wide"}, "gif", "gif", 320, 12, "", 0},
        NewerRow{"Flac", 37, "wav", {}, "flac", "", 0, 0, "flac", 44100},
        NewerRow{"Opus", 38, "avi", {}, "opus", "", 0, 0, "opus", 48000},
        NewerRow{"OggVorbis", 39, "avi", {}, "ogg", "", 0, 0, "vorbis", 44100},
        NewerRow{"Wav", 40, "matroska", {}, "wav", "", 0, 0, "pcm_s16le", 44100}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
