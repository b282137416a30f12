// SPDX-License-Identifier: GPL-3.0-or-later
// --start/--end, --crop and --preview through vantorel-cli and the real
// encoder, on clips made for the purpose: what a player sees of the outputs.
#include "support/MediaClips.h"

#include <QProcess>
#include <gtest/gtest.h>

namespace {

// Ten seconds of 320 x 240 H.264 and AAC, a key frame every 12 pictures at 25 fps.
std::string TenSecondClip()
{
    fixtures::ClipSettings clip = fixtures::ClipFor("mp4");
    clip.seconds = 10;
    return clips::Clip("ten-seconds.mp4", clip);
}

// The same length as sound alone, or as MPEG program stream, which has no
// index to seek by.
std::string TenSeconds(const std::string& container)
{
    fixtures::ClipSettings clip = fixtures::ClipFor(container);
    clip.seconds = 10;
    return clips::Clip("ten-seconds." + container, clip);
}

// 1280 x 720 at 10 fps: a 2.39:1 film in black bars, a picture fading in
// from black over 3 seconds, and a phone's clip a player turns 90 degrees.
std::string HdClip(const std::string& name, int bars, double fadeIn, int rotation)
{
    fixtures::ClipSettings clip = fixtures::ClipFor("mp4");
    clip.audioCodec.clear();
    clip.width = 1280;
    clip.height = 720;
    clip.frameRate = {10, 1};
    clip.seconds = 6;
    clip.bars = bars;
    clip.fadeIn = fadeIn;
    clip.rotation = rotation;
    return clips::Clip(name, clip);
}

std::string Film() { return HdClip("film.mp4", 92, 0, 0); }

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

Outcome Cli(const TempDir& out, const QStringList& arguments)
{
    QProcess cli;
    cli.start(QString(qgetenv("VANTOREL_APPDIR")) + "vantorel-cli",
              QStringList{"--output-dir", QString::fromStdString(out.path().string())} + arguments);
    EXPECT_TRUE(cli.waitForFinished(300000));
    return {cli.exitCode(), cli.readAllStandardOutput().toStdString(), cli.readAllStandardError().toStdString()};
}

// The file the run made in the folder, with the extension.
std::filesystem::path Made(const TempDir& out, const std::string& extension)
{
    for (const auto& entry : std::filesystem::directory_iterator(out.path()))
        if (entry.path().extension() == "." + extension)
            return entry.path();
    ADD_FAILURE() << "no ." << extension << " file made";
    return {};
}

struct TrimRow {
    const char* name;
    int format;
    std::string source;
    const char* extension;
    double shortest;
    double longest;
};

// Coded anew, the outputs are cut at the picture and the sample; the copy
// begins at the key frame at or before the start.
TEST(CutAndPreview, TrimCutsEveryRowToThePartAsked)
{
    const double keyFrameInterval = 12 / 25.0;
    const TrimRow rows[] = {
        {"H.264 MP4", 31, TenSecondClip(), "mp4", 2.9, 3.1},
        {"iPod", 0, TenSecondClip(), "mp4", 2.9, 3.1},
        {"MP3", 23, TenSeconds("wav"), "mp3", 2.9, 3.1},
        {"MKV copy", 34, TenSecondClip(), "mkv", 2.99, 3 + keyFrameInterval + 0.05},
        {"MKV copy of MPEG", 34, TenSeconds("mpeg"), "mkv", 2.99, 3 + keyFrameInterval + 0.05},
    };
    for (const TrimRow& row : rows) {
        const TempDir out;
        const Outcome run = Cli(out, {"--quiet", "--format", QString::number(row.format), "--start", "2", "--end", "00:05",
                                  QString::fromStdString(row.source)});
        ASSERT_EQ(run.status, 0) << row.name << run.err;
        const auto output = Made(out, row.extension);
        const double seconds = fixtures::ReadMedia(output).duration;
        EXPECT_GE(seconds, row.shortest) << row.name;
        EXPECT_LE(seconds, row.longest) << row.name;
        if (row.format == 23 || row.format == 34)
            continue;
        const std::string& source = row.source;
        const fixtures::Thumbnail first = fixtures::PictureAt(output, 0);
        const double atTwo = fixtures::Similarity(first, fixtures::PictureAt(source, 2));
        EXPECT_GT(atTwo, fixtures::Similarity(first, fixtures::PictureAt(source, 1))) << row.name;
        EXPECT_GT(atTwo, fixtures::Similarity(first, fixtures::PictureAt(source, 3))) << row.name;
    }
}

struct CropCase {
    const char* name;
    std::string source;
    const char* crop;
    int height;
};

// Only bars present all through the clip are cut; a fade from black is not.
TEST(CutAndPreview, AutoCropCutsOnlyTheBarsOfTheWholeClip)
{
    const CropCase cases[] = {
        {"barred film, auto", Film(), "auto", 536},
        {"fade from black, auto", HdClip("fade.mp4", 0, 3, 0), "auto", 720},
        {"barred film, none", Film(), "none", 720},
    };
    for (const CropCase& c : cases) {
        const TempDir out;
        const Outcome run = Cli(out, {"--quiet", "--format", "31", "--crop", c.crop, QString::fromStdString(c.source)});
        ASSERT_EQ(run.status, 0) << c.name << run.err;
        const fixtures::MediaInfo media = fixtures::ReadMedia(Made(out, "mp4"));
        ASSERT_NE(media.video(), nullptr) << c.name;
        EXPECT_NEAR(media.video()->width, 1280, 8) << c.name;
        EXPECT_NEAR(media.video()->height, c.height, 8) << c.name;
    }
}

struct PreviewCase {
    const char* name;
    std::string source;
    QStringList choices;
    int width;
    int height;
};

// The picture of the output, shaped as a player shows it, and nothing converted.
TEST(CutAndPreview, PreviewShowsTheOutputsPicture)
{
    fixtures::ClipSettings small = fixtures::ClipFor("avi");
    small.width = 640;
    small.height = 360;
    small.seconds = 5;
    const PreviewCase cases[] = {
        {"iPod of 640 x 360", clips::Clip("wide.avi", small), {"--format", "0"}, 320, 240},
        {"H.264 of a phone's clip", HdClip("phone.mp4", 0, 0, 90), {"--format", "31"}, 720, 1280},
        {"H.264 of the barred film, cropped", Film(), {"--format", "31", "--crop", "auto"}, 1280, 536},
    };
    for (const PreviewCase& c : cases) {
        const TempDir out;
        const Outcome run = Cli(out, c.choices + QStringList{"--preview", "3", QString::fromStdString(c.source)});
        ASSERT_EQ(run.status, 0) << c.name << run.err;
        const auto picture = Made(out, "png");
        EXPECT_EQ(run.out, c.source + "\t" + picture.string() + "\n") << c.name;
        const fixtures::MediaInfo media = fixtures::ReadMedia(picture);
        ASSERT_NE(media.video(), nullptr) << c.name;
        EXPECT_EQ(media.video()->width, c.width) << c.name;
        EXPECT_EQ(media.video()->height, c.height) << c.name;
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(out.path()), {}), 1) << c.name;
    }
}

struct BadInput {
    QStringList arguments;
    int status;
    const char* says;
};

// A time or an area that cannot be read is a usage error; one the file
// cannot give fails the file, and nothing is converted whole instead.
TEST(CutAndPreview, BadTimesAndAreasAreRefused)
{
    const QString clip = QString::fromStdString(TenSecondClip());
    const BadInput cases[] = {
        {{"--start", "1:75", clip}, 2, "--start needs a time"},
        {{"--start", "5", "--end", "2", clip}, 2, "--end must come after --start"},
        {{"--crop", "1280:536", clip}, 2, "--crop needs none, auto or W:H:X:Y"},
        {{"--preview", "soon", clip}, 2, "--preview needs a time"},
        {{"--json", "--format", "31", "--start", "12", clip}, 1, "past the end"},
        {{"--json", "--format", "31", "--crop", "640:480:0:0", clip}, 1, "outside the 320x240 picture"},
        {{"--format", "31", "--preview", "11", clip}, 1, "past the end of the output"},
    };
    for (const BadInput& c : cases) {
        const TempDir out;
        const Outcome run = Cli(out, c.arguments);
        EXPECT_EQ(run.status, c.status) << c.arguments.join(' ').toStdString() << run.err;
        EXPECT_NE((run.out + run.err).find(c.says), std::string::npos) << run.out << run.err;
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(out.path()), {}), 0) << run.out;
    }
}

} // namespace
