// Picture as the source made it, converted with vantorel-cli and the real
// encoder as a user converts: DVD and SVCD pictures of non-square pixels keep
// their shape in every video format, and every PSP video that converts gets
// its thumbnail.
#include "support/MediaFixtures.h"
#include "support/TempDir.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>

namespace fs = std::filesystem;

namespace {

struct ToolRun {
    int status = -1;
    std::string out;
    std::string err;
};

class SourceFidelity : public ::testing::Test {
protected:
    ToolRun Run(const QStringList& arguments)
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("HOME", QString::fromStdString(home.dir()));
        process.setProcessEnvironment(environment);
        const std::string appDir = qEnvironmentVariable("VANTOREL_APPDIR").toStdString();
        process.start(QString::fromStdString(appDir + "vantorel-cli"), arguments);
        EXPECT_TRUE(process.waitForFinished(300000));
        ToolRun run;
        run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        run.out = process.readAllStandardOutput().toStdString();
        run.err = process.readAllStandardError().toStdString();
        return run;
    }

    QString Clip(const std::string& name, const fixtures::ClipSettings& clipSettings)
    {
        const fs::path path = media.path() / name;
        fixtures::MakeClip(path, clipSettings);
        return QString::fromStdString(path.string());
    }

    TempDir home;
    TempDir media;
};

// Each line of the output, split at its TABs.
std::vector<std::vector<std::string>> Rows(const std::string& out)
{
    std::vector<std::vector<std::string>> rows;
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);) {
        std::vector<std::string> fields;
        std::istringstream cells(line);
        for (std::string field; std::getline(cells, field, '\t');)
            fields.push_back(field);
        rows.push_back(fields);
    }
    return rows;
}

struct Source {
    const char* name;
    int width;
    int height;
    AVRational pixelAspect;
    const char* displayAspect;
};

// DVD and SVCD pictures as MPEG-2 program streams.
const Source kSources[] = {
    {"ntsc-wide", 720, 480, {32, 27}, "16:9"},
    {"ntsc", 720, 480, {8, 9}, "4:3"},
    {"svcd", 480, 576, {8, 5}, "4:3"},
    {"pal-wide", 720, 576, {64, 45}, "16:9"},
};

TEST_F(SourceFidelity, PicturesOfNonSquarePixelsKeepTheirShapeInEveryVideoFormat)
{
    QStringList inputs;
    for (const Source& source : kSources) {
        fixtures::ClipSettings clipSettings = fixtures::ClipFor("mpeg");
        clipSettings.videoCodec = "mpeg2video";
        clipSettings.width = source.width;
        clipSettings.height = source.height;
        clipSettings.pixelAspect = source.pixelAspect;
        clipSettings.seconds = 1;
        inputs << Clip(std::string(source.name) + ".mpg", clipSettings);
    }
    // Measured as Add Files measures: the stored size, and how it is shown.
    const ToolRun analysed = Run(QStringList{"--analyze"} + inputs);
    ASSERT_EQ(analysed.status, 0) << analysed.err;
    const auto measured = Rows(analysed.out);
    ASSERT_EQ(measured.size(), std::size(kSources));
    for (std::size_t i = 0; i < measured.size(); ++i) {
        const Source& source = kSources[i];
        ASSERT_EQ(measured[i].size(), 6u) << analysed.out;
        EXPECT_EQ(measured[i][1], std::to_string(source.width) + " x " + std::to_string(source.height));
        EXPECT_EQ(measured[i][5], source.displayAspect);
    }

    const struct {
        int format;
        const char* extension;
    } formats[] = {{0, "mp4"}, {12, "mp4"}, {26, "avi"}, {28, "mov"}};
    for (const auto& format : formats) {
        const TempDir out;
        const ToolRun run = Run(QStringList{"--format", QString::number(format.format), "--output-dir",
                                            QString::fromStdString(out.dir())} + inputs);
        ASSERT_EQ(run.status, 0) << run.out << run.err;
        for (const Source& source : kSources) {
            const fs::path output = out.path() / (std::string(source.name) + "." + format.extension);
            const fixtures::PictureArea area = fixtures::FirstPictureArea(output);
            const fixtures::StreamInfo* video = fixtures::ReadMedia(output).video();
            ASSERT_NE(video, nullptr) << output;
            const double pixel = video->pixelAspect.num > 0 ? av_q2d(video->pixelAspect) : 1.0;
            const double shown = pixel * area.width / area.height;
            const double made = av_q2d(source.pixelAspect) * source.width / source.height;
            EXPECT_NEAR(shown / made, 1, 0.02) << output << ": " << area.width << "x" << area.height << " of "
                                               << area.frameWidth << "x" << area.frameHeight;
            if (format.format == 0 && std::string(source.name) == "svcd") {
                // A 4:3 picture fills the iPod's 4:3 frame: no bars.
                EXPECT_EQ(area.width, 320);
                EXPECT_EQ(area.height, 240);
                EXPECT_EQ(area.frameWidth, 320);
            }
        }
    }
}

TEST_F(SourceFidelity, EveryPspVideoThatConvertsGetsItsThumbnail)
{
    fixtures::ClipSettings silent = fixtures::ClipFor("avi");
    silent.audioCodec.clear();
    fixtures::ClipSettings oneSecond = fixtures::ClipFor("mp4");
    oneSecond.seconds = 1;
    fixtures::ClipSettings withoutCues = fixtures::ClipFor("matroska");
    withoutCues.seconds = 6;
    withoutCues.seekIndex = false;
    const QStringList inputs{Clip("silent.avi", silent), Clip("short.mp4", oneSecond), Clip("nocues.mkv", withoutCues)};
    const TempDir out;

    const ToolRun run = Run(QStringList{"--format", "12", "--output-dir", QString::fromStdString(out.dir())} + inputs);

    EXPECT_EQ(run.status, 0) << run.out << run.err;
    const auto rows = Rows(run.out);
    ASSERT_GE(rows.size(), 3u) << run.out;
    for (std::size_t i = 0; i < 3; ++i) {
        ASSERT_EQ(rows[i].size(), 7u) << run.out;
        EXPECT_EQ(rows[i][5], "Done") << rows[i][0];
        const std::string base = fs::path(rows[i][0]).stem().string();
        const fixtures::MediaInfo video = fixtures::ReadMedia(out.path() / (base + ".mp4"));
        EXPECT_NE(video.video(), nullptr) << base;
        EXPECT_NE(video.audio(), nullptr) << base;
        const fixtures::MediaInfo thumbnail = fixtures::ReadMedia(out.path() / (base + ".THM"));
        ASSERT_NE(thumbnail.video(), nullptr) << base;
        EXPECT_EQ(thumbnail.video()->codec, "mjpeg") << base;
        EXPECT_EQ(thumbnail.video()->packets, 1) << base;
    }
}

} // namespace
