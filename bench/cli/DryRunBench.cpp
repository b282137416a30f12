// SPDX-License-Identifier: GPL-3.0-or-later
// A dry run of 1,000 files with vantorel-cli against a dry run of one file:
// the difference is the cost of the command lines themselves, the one-file
// run the tool's start-up. Target: the 1,000-file run under 100 ms beyond
// start-up.
#include <QProcess>
#include <QStringList>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int kFiles = 1000;
constexpr int kRounds = 15;
constexpr double kTargetMs = 100.0;

struct Timing {
    double medianMs;
    long lines;
};

Timing Measure(const QStringList& arguments)
{
    std::vector<double> times;
    long lines = 0;
    for (int round = 0; round < kRounds; ++round) {
        QProcess process;
        const auto start = std::chrono::steady_clock::now();
        process.start(VANTOREL_CLI, arguments);
        process.waitForFinished(-1);
        const auto stop = std::chrono::steady_clock::now();
        if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
            std::fprintf(stderr, "vantorel-cli failed: %s\n", process.readAllStandardError().constData());
            std::exit(1);
        }
        lines = process.readAllStandardOutput().count('\n');
        times.push_back(std::chrono::duration<double, std::milli>(stop - start).count());
    }
    std::sort(times.begin(), times.end());
    return {times[times.size() / 2], lines};
}

void Report(const char* name, const QStringList& choices, const QStringList& files)
{
    const Timing one = Measure(choices + QStringList{"--dry-run", files.front()});
    const Timing all = Measure(choices + QStringList{"--dry-run"} + files);
    const double beyond = all.medianMs - one.medianMs;
    const long extraLines = all.lines - one.lines;
    std::printf("%s\n", name);
    std::printf("  start-up (1 file, %ld line%s):   %8.2f ms\n", one.lines, one.lines == 1 ? "" : "s", one.medianMs);
    std::printf("  %d files (%ld lines):       %8.2f ms\n", kFiles, all.lines, all.medianMs);
    std::printf("  beyond start-up:              %8.2f ms  (target %.0f ms: %.2f of it)\n", beyond, kTargetMs,
                beyond / kTargetMs);
    std::printf("  per command line:             %8.2f us\n", extraLines > 0 ? beyond * 1000.0 / extraLines : 0.0);
    std::printf("  ratio %d files / 1 file:     %8.2f\n", kFiles, all.medianMs / one.medianMs);
}

} // namespace

int main()
{
    std::random_device random;
    const fs::path root = fs::temp_directory_path() / ("vantorel-bench-" + std::to_string(random()));
    fs::create_directories(root / "in");
    QStringList files;
    for (int i = 0; i < kFiles; ++i) {
        const fs::path file = root / "in" / ("clip " + std::to_string(i) + ".avi");
        std::ofstream(file) << "x";
        files.append(QString::fromStdString(file.string()));
    }
    // A tenth of the names already exist in the output folder, so numbering is exercised.
    fs::create_directories(root / "out");
    for (int i = 0; i < kFiles; i += 10)
        std::ofstream(root / "out" / ("clip " + std::to_string(i) + ".mp4")) << "x";
    const QString out = QString::fromStdString((root / "out").string());

    std::printf("vantorel-cli dry run, median of %d rounds\n", kRounds);
    Report("iPod, letterbox (one line a file)", {"--output-dir", out, "--source-size", "640 x 352"}, files);
    Report("PSP AVC (video and thumbnail lines)", {"--format", "13", "--output-dir", out, "--source-size", "1280 x 720"},
           files);
    fs::remove_all(root);
    return 0;
}
