// Each of today's formats converted for real by vantorel-cli with the real
// encoder, from tiny clips: the row ends "Done" and the file holds the
// codecs the format promises. The encoder's own tests look at the files in depth.
#include "support/MediaClips.h"
#include "support/MediaFixtures.h"
#include "support/TempDir.h"

#include <QProcess>
#include <QStringList>
#include <gtest/gtest.h>
#include <sstream>

namespace {

namespace fs = std::filesystem;

// 320 x 176 at 25 fps for a second: MPEG-4 and MP3 in AVI.
std::string Avi()
{
    fixtures::ClipSettings clip = fixtures::ClipFor("avi");
    clip.width = 320;
    clip.height = 176;
    clip.seconds = 1;
    return clips::Clip("tiny.avi", clip);
}

// H.264 and AAC in Matroska, what the copy formats are for.
std::string Mkv()
{
    fixtures::ClipSettings clip = fixtures::ClipFor("matroska");
    clip.audioCodec = "aac";
    clip.width = 320;
    clip.height = 176;
    clip.seconds = 1;
    return clips::Clip("tiny.mkv", clip);
}

std::string Wav()
{
    fixtures::ClipSettings clip = fixtures::ClipFor("wav");
    clip.seconds = 1;
    return clips::Clip("tiny.wav", clip);
}

struct NewerRow {
    const char* name;
    int format;
    std::string (*source)();
    std::vector<const char*> choices;
    const char* extension;
    const char* videoCodec; // "" for none
    int width;
    double frameRate;
    const char* audioCodec; // "" for none
    int sampleRate;
};

std::vector<std::string> Fields(const std::string& line)
{
    std::vector<std::string> fields;
    std::istringstream stream(line);
    for (std::string field; std::getline(stream, field, '\t');)
        fields.push_back(field);
    return fields;
}

class TodaysFormat : public ::testing::TestWithParam<NewerRow> {};

TEST_P(TodaysFormat, ConvertsForRealWithThePromisedCodecs)
{
    const NewerRow& row = GetParam();
    const TempDir out;
    const std::string source = row.source();
    QStringList arguments{"--quiet", "--format", QString::number(row.format), "--output-dir",
                          QString::fromStdString(out.path().string())};
    for (const char* choice : row.choices)
        arguments << choice;
    arguments << QString::fromStdString(source);
    QProcess cli;
    cli.start(QString(qgetenv("VANTOREL_APPDIR")) + "vantorel-cli", arguments);
    ASSERT_TRUE(cli.waitForFinished(180000));
    EXPECT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();

    const std::vector<std::string> fields = Fields(cli.readAllStandardOutput().toStdString());
    ASSERT_EQ(fields.size(), 7u);
    EXPECT_EQ(fields[5], "Done");
    const fs::path output = out.path() / (fs::path(source).stem().string() + "." + row.extension);
    const fixtures::MediaInfo media = fixtures::ReadMedia(output);
    const fixtures::MediaInfo input = fixtures::ReadMedia(source);
    if (*row.videoCodec) {
        ASSERT_NE(media.video(), nullptr);
        EXPECT_EQ(media.video()->codec, row.videoCodec);
        EXPECT_EQ(media.video()->width, row.width);
        // GIF counts its delays in hundredths of a second: 12 fps reads back as 11.988.
        EXPECT_NEAR(media.video()->frameRate, row.frameRate, 0.05);
    } else {
        EXPECT_EQ(media.video(), nullptr);
    }
    if (*row.audioCodec) {
        ASSERT_NE(media.audio(), nullptr);
        EXPECT_EQ(media.audio()->codec, row.audioCodec);
        EXPECT_EQ(media.audio()->sampleRate, row.sampleRate);
    } else {
        EXPECT_EQ(media.audio(), nullptr);
    }
    EXPECT_NEAR(media.duration, input.duration, 0.2);
    // A copy carries the very packets over; FLAC gives back the very samples.
    if (row.format == 33 || row.format == 34) {
        EXPECT_EQ(media.video()->packets, input.video()->packets);
    }
    if (row.format == 37) {
        const fixtures::DecodedSound ours = fixtures::DecodeSound(output);
        const fixtures::DecodedSound theirs = fixtures::DecodeSound(source);
        EXPECT_EQ(ours.sampleFormat, theirs.sampleFormat);
        EXPECT_TRUE(ours.samples == theirs.samples);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TodaysFormat,
    ::testing::Values(NewerRow{"Mp4H264", 31, Avi, {}, "mp4", "h264", 320, 25, "aac", 44100},
                      NewerRow{"Mp4H265", 31, Avi, {"--video-codec", "H.265 (HEVC)"}, "mp4", "hevc", 320, 25, "aac", 44100},
                      NewerRow{"Mp4Av1", 31, Avi, {"--video-codec", "AV1", "--frame-rate", "24 fps"}, "mp4", "av1", 320,
                               24, "aac", 44100},
                      NewerRow{"Webm", 32, Avi, {}, "webm", "vp9", 320, 25, "opus", 48000},
                      NewerRow{"Mp4Copy", 33, Mkv, {}, "mp4", "h264", 320, 25, "aac", 44100},
                      NewerRow{"MkvCopy", 34, Avi, {}, "mkv", "mpeg4", 320, 25, "mp3", 44100},
                      NewerRow{"Gif", 35, Avi, {"--video-size", "320 wide"}, "gif", "gif", 320, 12, "", 0},
                      NewerRow{"Flac", 37, Wav, {}, "flac", "", 0, 0, "flac", 44100},
                      NewerRow{"Opus", 38, Avi, {}, "opus", "", 0, 0, "opus", 48000},
                      NewerRow{"OggVorbis", 39, Avi, {}, "ogg", "", 0, 0, "vorbis", 44100},
                      NewerRow{"Wav", 40, Mkv, {}, "wav", "", 0, 0, "pcm_s16le", 44100}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
