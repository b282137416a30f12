// SPDX-License-Identifier: GPL-3.0-or-later
// Fit to a size, converted for real by vantorel-cli: clips of different
// difficulty × limits × codecs, every output checked on disk against the
// limit, and the clip that cannot fit refused before any encoder runs.
// The statistics folders go to a temporary folder of the test's own, which
// must be empty again after each run.
#include "support/MediaFixtures.h"
#include "support/TempDir.h"

#include <QProcess>
#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <map>

namespace fs = std::filesystem;

namespace {

constexpr double kSeconds = 3;

// A clip made by the Debian ffmpeg program from its picture and sound sources.
struct ClipKind {
    const char* name;
    const char* picture;
    const char* sound;
    bool fills; // it has enough in it to fill every limit below
};

const ClipKind kClips[] = {
    {"slides", "smptebars=size=320x240:rate=25", "anoisesrc=a=0.05:r=48000", false},
    {"talking", "testsrc2=size=320x240:rate=25", "sine=frequency=300:sample_rate=48000", false},
    {"motion", "testsrc2=size=320x240:rate=25,noise=alls=40:allf=t", "anoisesrc=a=0.05:r=48000", true},
};

const fs::path& ClipFolder()
{
    static const TempDir folder;
    return folder.path();
}

std::string MakeClip(const ClipKind& kind)
{
    static std::map<std::string, std::string> made;
    if (made.count(kind.name))
        return made[kind.name];
    const fs::path path = ClipFolder() / (std::string(kind.name) + ".mkv");
    QProcess ffmpeg;
    ffmpeg.start("ffmpeg", {"-nostdin", "-loglevel", "error", "-y", "-f", "lavfi", "-i", kind.picture, "-f", "lavfi",
                            "-i", kind.sound, "-t", QString::number(kSeconds), "-c:v", "libx264", "-crf", "10",
                            "-c:a", "flac", QString::fromStdString(path.string())});
    EXPECT_TRUE(ffmpeg.waitForFinished(120000));
    return made[kind.name] = path.string();
}

struct ToolRun {
    int status = -1;
    std::string out;
    std::string err;
};

// vantorel-cli with its temporary folder in `temporary`.
ToolRun Cli(const QStringList& arguments, const fs::path& temporary)
{
    QProcess cli;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("TMPDIR", QString::fromStdString(temporary.string()));
    cli.setProcessEnvironment(environment);
    cli.start(QString(qgetenv("VANTOREL_APPDIR")) + "vantorel-cli", arguments);
    EXPECT_TRUE(cli.waitForFinished(600000));
    return {cli.exitCode(), cli.readAllStandardOutput().toStdString(), cli.readAllStandardError().toStdString()};
}

bool Empty(const fs::path& folder)
{
    return fs::is_empty(folder);
}

struct FitCase {
    const char* codec; // the list entry; VP9 is the WebM row's
    int format;
    const char* limit;
    long long limitBytes;
};

class FitToSizeOutputs : public ::testing::TestWithParam<FitCase> {};

TEST_P(FitToSizeOutputs, EveryOutputIsAtMostTheLimitAndNearItWhereTheClipFillsIt)
{
    const FitCase& fit = GetParam();
    const TempDir out;
    const TempDir temporary;
    QStringList arguments{"--format", QString::number(fit.format), "--video-codec", fit.codec, "--fit-size", fit.limit,
                          "--output-dir", QString::fromStdString(out.dir())};
    for (const ClipKind& clip : kClips)
        arguments << QString::fromStdString(MakeClip(clip));
    const ToolRun run = Cli(arguments, temporary.path());
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(Empty(temporary.path())) << "statistics left behind";
    const char* extension = fit.format == 32 ? ".webm" : ".mp4";
    for (const ClipKind& clip : kClips) {
        const fs::path output = out.path() / (std::string(clip.name) + extension);
        ASSERT_TRUE(fs::exists(output)) << clip.name << "\n" << run.out << run.err;
        const auto bytes = static_cast<long long>(fs::file_size(output));
        std::printf("[ fit      ] %-5s %-6s %-8s %7lld bytes, %5.1f %% of the limit\n", fit.codec, fit.limit, clip.name,
                    bytes, 100.0 * bytes / fit.limitBytes);
        EXPECT_LE(bytes, fit.limitBytes) << clip.name;
        if (clip.fills) {
            EXPECT_GE(bytes, fit.limitBytes * 9 / 10) << clip.name;
        }
        const fixtures::MediaInfo media = fixtures::ReadMedia(output);
        ASSERT_NE(media.video(), nullptr);
        ASSERT_NE(media.audio(), nullptr);
        EXPECT_NEAR(media.duration, kSeconds, 0.2) << clip.name;
    }
    // A retry says why, on the console.
    const std::size_t again = run.err.find(": again at ");
    if (again != std::string::npos) {
        EXPECT_NE(run.err.find(" kb/s", again), std::string::npos);
    }
}

INSTANTIATE_TEST_SUITE_P(Limits, FitToSizeOutputs,
                         ::testing::Values(FitCase{"H.264", 31, "100KB", 100000}, FitCase{"H.264", 31, "300KB", 300000},
                                           FitCase{"H.265 (HEVC)", 31, "100KB", 100000},
                                           FitCase{"AV1", 31, "100KB", 100000}, FitCase{"VP9", 32, "100KB", 100000}),
                         [](const auto& info) {
                             std::string name = std::string(info.param.codec).substr(0, 5) + info.param.limit;
                             std::erase_if(name, [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); });
                             return name;
                         });

TEST(FitToSize, AClipThatCannotFitFailsAtOnceAndTheDryRunTellsThePassesAndTheSize)
{
    const TempDir out;
    const TempDir temporary;
    const std::string clip = MakeClip(kClips[2]);
    const ToolRun refused = Cli({"--format", "31", "--fit-size", "5KB", "--output-dir", QString::fromStdString(out.dir()),
                                 QString::fromStdString(clip)},
                                temporary.path());
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("motion.mkv: Failed: cannot fit 0:03 in 5 KB: at least 32 KB is needed"),
              std::string::npos)
        << refused.err;
    EXPECT_TRUE(Empty(out.path()));
    EXPECT_TRUE(Empty(temporary.path()));

    const ToolRun dry = Cli({"--format", "31", "--fit-size", "0.3MB", "--output-dir", QString::fromStdString(out.dir()),
                             "--dry-run", QString::fromStdString(clip)},
                            temporary.path());
    EXPECT_EQ(dry.status, 0) << dry.err;
    EXPECT_NE(dry.out.find(" -pass \"1\" -passlogfile \""), std::string::npos) << dry.out;
    EXPECT_NE(dry.out.find(" -pass \"2\" -passlogfile \""), std::string::npos) << dry.out;
    EXPECT_NE(dry.out.find("# motion.mp4: ~288 KB\n"), std::string::npos) << dry.out;
    EXPECT_TRUE(Empty(out.path()));

    const ToolRun wrongFormat = Cli({"--format", "0", "--fit-size", "25MB", "--dry-run", QString::fromStdString(clip)},
                                    temporary.path());
    EXPECT_EQ(wrongFormat.status, 2);
    EXPECT_NE(wrongFormat.err.find("--fit-size is not offered by format 0"), std::string::npos) << wrongFormat.err;
}

} // namespace
