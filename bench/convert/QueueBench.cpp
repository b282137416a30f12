// SPDX-License-Identifier: GPL-3.0-or-later
// Twenty 2-second clips converted through the conversion queue (worker
// thread, encoder runner, the check of each output, headless front end) against the same twenty encoder
// runs started directly and read to the end, alternating in one run.
// Prints the queue's overhead as a ratio (target at most 1.10) and the
// application's own CPU time while the encoder works (target under 5% of
// one core). The encoder is the build's ridod2e.
#include "core/Messages.h"
#include "core/SharedState.h"
#include "core/cmdline/CommandLineBuilder.h"
#include "convert/ConversionRun.h"
#include "convert/HeadlessFrontEnd.h"
#include "core/FileList.h"
#include "media/MediaOutputVerifier.h"
#include "platform/ChildProcess.h"
#include "core/profiles/FormatCatalogue.h"
#include "core/profiles/FormatSwitch.h"
#include "support/MediaFixtures.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>
#include <sys/resource.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int kClips = 20;
constexpr int kRounds = 5;
constexpr double kTargetRatio = 1.10;
constexpr double kTargetCpuShare = 0.05;

class SilentMessages : public Messages {
public:
    void information(const std::string&) override {}
    bool confirmYesNo(const std::string&) override { return false; }
    bool confirmOkCancel(const std::string&, const std::string&) override { return false; }
};

double Now()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

double CpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& time) { return time.tv_sec + time.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

ConversionChoices Choices(const fs::path& outputDir)
{
    fs::create_directories(outputDir);
    return TakeChoices(ProfileStateFor(0), "50", outputDir.string(), true, VANTOREL_APPDIR);
}

// The encoder started for each command line, its output read to the end.
double RunDirectly(const std::vector<std::string>& commandLines)
{
    const double start = Now();
    for (const auto& commandLine : commandLines) {
        platform::ChildProcess encoder;
        if (!encoder.start(commandLine, VANTOREL_APPDIR, VANTOREL_APPDIR)) {
            std::fprintf(stderr, "cannot start the encoder\n");
            std::exit(1);
        }
        std::string output;
        while (encoder.read(output, -1) != platform::ChildProcess::ReadStatus::End) {
        }
        if (encoder.wait() != 0) {
            std::fprintf(stderr, "the encoder failed:\n%s\n", output.c_str());
            std::exit(1);
        }
    }
    return Now() - start;
}

struct QueueTiming {
    double seconds;
    double cpuSeconds;
};

QueueTiming RunThroughTheQueue(const std::vector<FileRow>& rows, const fs::path& outputDir)
{
    SharedState shared;
    shared.appDir = VANTOREL_APPDIR;
    SilentMessages messages;
    FileList files(rows);
    HeadlessFrontEnd frontEnd(Choices(outputDir), messages);
    MediaOutputVerifier verifier;
    ConversionRun run(shared, files, frontEnd, verifier);
    QEventLoop loop;
    QObject::connect(&run, &ConversionRun::finished, &loop, &QEventLoop::quit);
    const double cpuStart = CpuSeconds();
    const double start = Now();
    run.start();
    loop.exec();
    const QueueTiming timing{Now() - start, CpuSeconds() - cpuStart};
    for (const FileRow& row : files.rows()) {
        if (row.outcome != RowOutcome::Done) {
            std::fprintf(stderr, "%s ended as \"%s\"\n", row.caption.c_str(), row.cell(FileColumn::Progress).c_str());
            std::exit(1);
        }
    }
    return timing;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    std::random_device random;
    const fs::path root = fs::temp_directory_path() / ("vantorel-bench-" + std::to_string(random()));
    fs::create_directories(root / "in");

    fixtures::ClipSettings clipSettings = fixtures::ClipFor("avi");
    clipSettings.seconds = 2.0;
    std::vector<FileRow> rows;
    for (int clip = 0; clip < kClips; ++clip) {
        const fs::path file = root / "in" / ("clip" + std::to_string(clip) + ".avi");
        fixtures::MakeClip(file, clipSettings);
        FileRow row;
        row.caption = file.string();
        row.cell(FileColumn::VideoSize) = std::to_string(clipSettings.width) + " x " + std::to_string(clipSettings.height);
        row.cell(FileColumn::Output) = FormatTag(0);
        rows.push_back(row);
    }

    const ConversionChoices direct = Choices(root / "direct");
    std::vector<std::string> commandLines;
    for (const FileRow& row : rows) {
        const auto result = BuildCommandLine(
            direct, {row.caption, row.cell(FileColumn::VideoSize), "mp4", FirstAttemptOptions(row.caption)});
        commandLines.push_back(result.commandLine);
    }

    std::vector<double> directTimes;
    std::vector<double> queueTimes;
    std::vector<double> cpuShares;
    for (int round = 0; round < kRounds; ++round) {
        directTimes.push_back(RunDirectly(commandLines));
        const QueueTiming queue = RunThroughTheQueue(rows, root / "queue");
        queueTimes.push_back(queue.seconds);
        cpuShares.push_back(queue.cpuSeconds / queue.seconds);
        std::printf("round %d: direct %.2f s, queue %.2f s, queue CPU %.3f s\n", round + 1, directTimes.back(),
                    queue.seconds, queue.cpuSeconds);
    }
    fs::remove_all(root);

    const double ratio = Median(queueTimes) / Median(directTimes);
    const double cpuShare = Median(cpuShares);
    std::printf("%d clips of 2 s, iPod MP4, median of %d rounds\n", kClips, kRounds);
    std::printf("  encoder runs started directly: %8.2f s\n", Median(directTimes));
    std::printf("  through the conversion queue:  %8.2f s\n", Median(queueTimes));
    std::printf("  overhead ratio:                %8.3f  (target at most %.2f)\n", ratio, kTargetRatio);
    std::printf("  application CPU while waiting: %7.2f %% of one core  (target under %.0f %%)\n", cpuShare * 100,
                kTargetCpuShare * 100);
    return 0;
}
