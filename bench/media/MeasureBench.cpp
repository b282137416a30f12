// SPDX-License-Identifier: GPL-3.0-or-later
// Measures 100 files the way Add Files does, in the window (offscreen) and
// without it, and prints the time per file beyond the two fixed 100 ms
// pauses around each file. Four files in five are videos the
// media-information component reads; one in five is an MP3, which the
// encoder probes. Target: under 30 ms per file beyond the pauses.
//
// Usage: bench_media_measure [APPDIR]   (default: the build's AppDir)
#include "ui/Application.h"
#include "core/Messages.h"
#include "ui/MainWindow.h"
#include "ui/AddFiles.h"
#include "media/MeasureFile.h"
#include "platform/ChildProcess.h"
#include "support/MediaFixtures.h"

#include <QApplication>
#include <QToolButton>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int kFiles = 100;
constexpr double kPausesPerFileMs = 200.0;
constexpr double kTargetMs = 30.0;

class ConsoleMessages : public Messages {
public:
    void information(const std::string& text) override { std::fprintf(stderr, "message: %s\n", text.c_str()); }
    bool confirmYesNo(const std::string&) override { return false; }
    bool confirmOkCancel(const std::string&, const std::string&) override { return false; }
};

double MsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

struct Clips {
    std::vector<std::string> videos;
    std::vector<std::string> audios;
};

// Five kinds of clip, copied under new names until there are 100 files.
Clips MakeClips(const fs::path& folder)
{
    const char* containers[] = {"avi", "mp4", "matroska", "mov"};
    const char* extensions[] = {"avi", "mp4", "mkv", "mov"};
    std::vector<fs::path> videoSources;
    for (int kind = 0; kind < 4; ++kind) {
        fixtures::ClipSettings clipSettings = fixtures::ClipFor(containers[kind]);
        clipSettings.width = 640;
        clipSettings.height = 352;
        clipSettings.seconds = 3;
        videoSources.push_back(folder / (std::string("source.") + extensions[kind]));
        fixtures::MakeClip(videoSources.back(), clipSettings);
    }
    fixtures::ClipSettings song = fixtures::ClipFor("mp3");
    song.seconds = 3;
    const fs::path audioSource = folder / "source.mp3";
    fixtures::MakeClip(audioSource, song);

    Clips clips;
    for (int index = 0; index < kFiles; ++index) {
        const bool audio = index % 5 == 4;
        const fs::path& source = audio ? audioSource : videoSources[static_cast<std::size_t>(index % 4)];
        const fs::path copy = folder / ("file" + std::to_string(index) + source.extension().string());
        fs::copy_file(source, copy);
        (audio ? clips.audios : clips.videos).push_back(copy.string());
    }
    return clips;
}

// Mean milliseconds per file of MeasureFile, the path the command-line tool takes.
double MeasureEach(const std::vector<std::string>& files, const std::string& appDir, int& rows)
{
    const auto start = std::chrono::steady_clock::now();
    for (const auto& file : files)
        rows += MeasureFile(file, appDir, 0).has_value() ? 1 : 0;
    return MsSince(start) / static_cast<double>(files.size());
}

// Mean milliseconds per file of the encoder's own probe, read to its end:
// what measuring through the encoder cannot be faster than.
double EncoderAlone(const std::vector<std::string>& files, const std::string& appDir)
{
    const auto start = std::chrono::steady_clock::now();
    for (const auto& file : files) {
        platform::ChildProcess encoder;
        if (!encoder.start(ProbeCommandLine(file, false), "", appDir))
            return 0.0;
        std::string output;
        while (encoder.read(output, -1) == platform::ChildProcess::ReadStatus::Data) {
        }
        encoder.wait();
    }
    return MsSince(start) / static_cast<double>(files.size());
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qtApp(argc, argv);
    const std::string appDir = argc > 1 ? fs::absolute(argv[1]).string() + "/" : std::string(VANTOREL_APPDIR);
    if (!fs::exists(appDir + "ridod2e")) {
        std::fprintf(stderr, "no encoder in %s; build it first or name another AppDir\n", appDir.c_str());
        return 1;
    }

    std::random_device random;
    const fs::path folder = fs::temp_directory_path() / ("vantorel-bench-media-" + std::to_string(random()));
    fs::create_directories(folder);
    const Clips clips = MakeClips(folder);

    int rows = 0;
    MeasureEach({clips.videos.front()}, appDir, rows); // warm the libraries and the disk cache
    rows = 0;
    const double componentMs = MeasureEach(clips.videos, appDir, rows);
    const double probeMs = MeasureEach(clips.audios, appDir, rows);
    const int directRows = rows;
    const double encoderMs = EncoderAlone(clips.audios, appDir);

    ConsoleMessages messages;
    Application app(appDir, messages);
    QStringList chosen;
    for (int index = 0; index < kFiles; ++index) {
        const bool audio = index % 5 == 4;
        chosen << QString::fromStdString(audio ? clips.audios[static_cast<std::size_t>(index / 5)]
                                               : clips.videos[static_cast<std::size_t>(index - index / 5)]);
    }
    app.setChooseFiles(
        [&](QWidget*, const QStringList&, const QString&) { return std::optional<QStringList>(chosen); });
    const auto start = std::chrono::steady_clock::now();
    app.mainWindow().findChild<QToolButton*>("AddFileButton")->click();
    const double windowMs = MsSince(start);
    const double beyondMs = (windowMs - kFiles * kPausesPerFileMs) / kFiles;

    std::printf("Measuring %d files (%zu videos read by the component, %zu MP3s probed by the encoder)\n", kFiles,
                clips.videos.size(), clips.audios.size());
    std::printf("  without the window, per video file:   %8.2f ms\n", componentMs);
    std::printf("  without the window, per probed file:  %8.2f ms\n", probeMs);
    std::printf("  the encoder alone, per probed file:   %8.2f ms  (ratio %.2f)\n", encoderMs,
                encoderMs > 0 ? probeMs / encoderMs : 0.0);
    std::printf("  rows without the window:              %8d of %d\n", directRows, kFiles);
    std::printf("  Add Files in the window, all files:   %8.0f ms (fixed pauses %.0f ms)\n", windowMs,
                kFiles * kPausesPerFileMs);
    std::printf("  rows in the window:                   %8d of %d\n", app.files().size(), kFiles);
    std::printf("  per file beyond the pauses:           %8.2f ms  (target %.0f ms: %.2f of it)\n", beyondMs, kTargetMs,
                beyondMs / kTargetMs);
    fs::remove_all(folder);
    return 0;
}
