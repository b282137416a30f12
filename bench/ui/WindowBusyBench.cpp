// SPDX-License-Identifier: GPL-3.0-or-later
// A batch of four jobs in the window (offscreen), converted by a stand-in
// encoder that prints kLines progress lines per job and leaves a real clip.
// Prints, one job at a time and four at once, the conversion's own CPU time
// per progress line (the process's CPU less the window thread's) and the
// window thread's busy time (its CPU time) during the batch, median of
// kRounds. `--save FILE` keeps the numbers; `--before FILE` prints each
// against the numbers kept from an earlier build.
#include "convert/WorkerTask.h"
#include "support/FakeMessages.h"
#include "support/MediaFixtures.h"
#include "support/StandInAppDir.h"
#include "ui/AdditionalOptionsDialog.h"
#include "ui/Application.h"
#include "ui/MainWindow.h"

#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fstream>
#include <string>
#include <sys/resource.h>
#include <vector>

namespace {

constexpr int kJobs = 4;
constexpr int kLines = 2500;
constexpr int kRounds = 3;

double ProcessCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& time) { return time.tv_sec + time.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

double ThreadCpuSeconds()
{
    timespec time{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &time);
    return time.tv_sec + time.tv_nsec / 1e9;
}

// A job's encoder output: the header, kLines reports over two seconds, then the clip.
std::string Script(const std::string& clip)
{
    std::string script = scripts::Header("00:00:02.00");
    for (int line = 1; line <= kLines; ++line) {
        char time[16];
        std::snprintf(time, sizeof time, "%.2f", 2.0 * line / kLines);
        script += scripts::Progress(line, line / 10, time);
    }
    return script + "copy " + clip + "\n";
}

struct Sample {
    double cpuPerLineUs;
    double windowBusyMs;
};

// One batch in a fresh window; the rows are `inputs`, `jobsAtOnce` at a time.
Sample RunBatch(const StandInAppDir& encoder, const std::vector<std::string>& inputs, int jobsAtOnce)
{
    FakeMessages messages;
    Application app(encoder.appDir(), messages);
    MainWindow& window = app.mainWindow();
    window.show();
    window.setOutputDir(QString::fromStdString(encoder.outputDir()));
    window.findChild<AdditionalOptionsDialog*>("Form4")->setJobsAtOnce(jobsAtOnce);
    for (const std::string& input : inputs) {
        FileRow row;
        row.caption = input;
        row.cell(FileColumn::VideoSize) = "320 x 240";
        row.cell(FileColumn::Duration) = "00:00:02";
        row.cell(FileColumn::Output) = "MP4";
        app.files().append(row);
    }
    const WorkerTask* worker = window.findChild<WorkerTask*>("BMDThreadConvertNow");
    const auto running = [worker] { return worker->isRunning(); };

    const double processStart = ProcessCpuSeconds();
    const double windowStart = ThreadCpuSeconds();
    window.findChild<QToolButton*>("ConvertNowButton")->click();
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (!running())
            loop.quit();
    });
    poll.start(20);
    loop.exec();
    const double windowCpu = ThreadCpuSeconds() - windowStart;
    const double processCpu = ProcessCpuSeconds() - processStart;
    for (const FileRow& row : app.files().rows()) {
        if (row.outcome != RowOutcome::Done) {
            std::fprintf(stderr, "%s ended as \"%s\"\n", row.caption.c_str(), row.cell(FileColumn::Progress).c_str());
            std::exit(1);
        }
    }
    return {(processCpu - windowCpu) / (kJobs * kLines) * 1e6, windowCpu * 1000};
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

const char* Option(int argc, char* argv[], const char* name)
{
    for (int arg = 1; arg + 1 < argc; ++arg) {
        if (std::strcmp(argv[arg], name) == 0)
            return argv[arg + 1];
    }
    return nullptr;
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    StandInAppDir encoder;
    fixtures::ClipSettings settings = fixtures::ClipFor("mp4");
    settings.seconds = 2.0;
    const std::string clip = encoder.appDir() + "clip.mp4";
    fixtures::MakeClip(clip, settings);
    encoder.script(Script(clip));
    std::vector<std::string> inputs;
    for (int job = 0; job < kJobs; ++job)
        inputs.push_back(encoder.input("in" + std::to_string(job) + ".avi"));

    std::vector<double> before;
    if (const char* file = Option(argc, argv, "--before")) {
        std::ifstream in(file);
        for (double value; in >> value;)
            before.push_back(value);
    }
    std::vector<double> now;
    std::printf("%d jobs of %d progress lines each, median of %d rounds\n", kJobs, kLines, kRounds);
    for (const int jobsAtOnce : {1, kJobs}) {
        std::vector<double> cpu;
        std::vector<double> busy;
        for (int round = 0; round < kRounds; ++round) {
            const Sample sample = RunBatch(encoder, inputs, jobsAtOnce);
            cpu.push_back(sample.cpuPerLineUs);
            busy.push_back(sample.windowBusyMs);
        }
        const double values[] = {Median(cpu), Median(busy)};
        const char* names[] = {"conversion CPU per progress line (us)", "window thread busy (ms)"};
        std::printf("%d job%s at once:\n", jobsAtOnce, jobsAtOnce == 1 ? "" : "s");
        for (int value = 0; value < 2; ++value) {
            const std::size_t at = now.size();
            now.push_back(values[value]);
            std::printf("  %-40s %10.1f", names[value], values[value]);
            if (at < before.size() && before[at] > 0)
                std::printf("   before %10.1f   ratio %.3f", before[at], values[value] / before[at]);
            std::printf("\n");
        }
    }
    if (const char* file = Option(argc, argv, "--save")) {
        std::ofstream out(file);
        for (const double value : now)
            out << value << '\n';
    }
    return 0;
}
