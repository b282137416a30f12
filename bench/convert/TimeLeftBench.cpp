// SPDX-License-Identifier: GPL-3.0-or-later
// How far the time left that the window shows is from the real time left,
// over the real encoder: one 720p H.264 file of two minutes, and three of
// 80, 30 and 50 s with one and with two jobs at once, converted to H.264
// MP4 at their own size (tens of seconds a batch on two cores). At 20, 50
// and 80 % of each batch's time it prints the estimate's error as a share
// of the real time left ("none": no estimate shown yet; target within
// 15 %), beside the error of a plain pace that leaves the tail out. Each
// job's stretches and the encoders' pace in each fifth of the batch show
// what the estimate had to go by; the machine's load, printed before and
// after, what it could not.
#include "core/BatchEstimate.h"
#include "core/FileList.h"
#include "core/Messages.h"
#include "core/SharedState.h"
#include "core/TimeLeft.h"
#include "core/profiles/FormatCatalogue.h"
#include "core/profiles/FormatSwitch.h"
#include "convert/ConversionRun.h"
#include "convert/HeadlessFrontEnd.h"
#include "media/MediaOutputVerifier.h"
#include "support/MediaFixtures.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <mutex>
#include <optional>
#include <random>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr double kTarget = 0.15;
constexpr double kCheckpoints[] = {0.2, 0.5, 0.8};

class SilentMessages : public Messages {
public:
    void information(const std::string&) override {}
    bool confirmYesNo(const std::string&) override { return false; }
    bool confirmOkCancel(const std::string&, const std::string&) override { return false; }
};

template <class... Visitors>
struct Overloaded : Visitors... {
    using Visitors::operator()...;
};

struct Sample {
    double at;
    std::optional<int> estimate;
    std::optional<int> plainPace;
    double encoded; // seconds of the files' media the encoders have got through
};

// What a job's run took: until the encoder's first report, to its end, after it.
struct Phases {
    double started = 0;
    double reported = 0;
    double readAhead = 0; // percent the first report gave
    double encoded = 0;
    double ended = 0;
};

int FormatIndexOf(std::string_view id)
{
    for (int index = 0; index < FormatCount(); ++index) {
        if (FormatAt(index)->id == id)
            return index;
    }
    std::fprintf(stderr, "no format %.*s\n", static_cast<int>(id.size()), id.data());
    std::exit(1);
}

FileRow RowOf(const fs::path& file, int seconds)
{
    FileRow row;
    row.caption = file.string();
    row.cell(FileColumn::VideoSize) = "1280 x 720";
    row.cell(FileColumn::Output) = "MP4";
    char duration[16];
    std::snprintf(duration, sizeof duration, "00:%02d:%02d", seconds / 60, seconds % 60);
    row.cell(FileColumn::Duration) = duration;
    return row;
}

// Converts the rows, taking the estimates at every report; the batch's length and its samples.
std::pair<double, std::vector<Sample>> Convert(const std::vector<FileRow>& rows, int jobsAtOnce, const fs::path& out)
{
    fs::create_directories(out);
    SharedState shared;
    shared.appDir = VANTOREL_APPDIR;
    SilentMessages messages;
    FileList files(rows);
    const int format = FormatIndexOf("mp4-video");
    ConversionChoices choices = TakeChoices(ProfileStateFor(format), "50", out.string(), true, VANTOREL_APPDIR);
    HeadlessFrontEnd frontEnd(choices, messages, jobsAtOnce);
    const auto start = std::chrono::steady_clock::now();
    const auto now = [&] { return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(); };
    std::mutex lock;
    std::optional<TimeLeft> timeLeft;
    std::optional<BatchEstimate> plain;
    BatchJobs jobs;
    std::vector<Sample> samples;
    double ended = 0;
    std::map<int, Phases> phases;
    std::map<int, double> encoded; // per row, media seconds
    frontEnd.onReport = [&](const ConversionEvent& event) {
        const std::lock_guard guard(lock);
        const double at = now();
        std::visit(Overloaded{
                       [&](const events::BatchStarted& started) {
                           jobs = started.jobs;
                           timeLeft.emplace(jobs.durations, at);
                           plain.emplace(jobs.durations);
                       },
                       [&](const events::RunStarted& run) {
                           if (!phases.count(run.row))
                               phases[run.row].started = at;
                           timeLeft->runStarted(jobs.jobOf(run.row), run.attempt, run.thumbnail, at);
                       },
                       [&](const events::Progressed& progress) {
                           if (!progress.percent)
                               return;
                           Phases& job = phases[progress.row];
                           if (job.reported == 0) {
                               job.reported = at;
                               job.readAhead = *progress.percent;
                           }
                           if (*progress.percent >= 100 && job.encoded == 0)
                               job.encoded = at;
                           encoded[progress.row] = std::max(encoded[progress.row], progress.seconds.value_or(0));
                           timeLeft->progressed(jobs.jobOf(progress.row), *progress.percent, at);
                           plain->setJobDone(jobs.jobOf(progress.row), std::min(*progress.percent, 100) / 100.0);
                       },
                       [&](const events::JobEnded& job) {
                           phases[job.row].ended = at;
                           timeLeft->jobEnded(jobs.jobOf(job.row), at);
                           plain->setJobDone(jobs.jobOf(job.row), 1.0);
                       },
                       [&](const events::BatchEnded&) { ended = at; },
                       [](const auto&) {},
                   },
                   event);
        double encodedAll = 0;
        for (const auto& [row, seconds] : encoded)
            encodedAll += seconds;
        if (timeLeft)
            samples.push_back({at, timeLeft->secondsLeft(at), plain->secondsLeft(at), encodedAll});
    };
    MediaOutputVerifier verifier;
    ConversionRun run(shared, files, frontEnd, verifier);
    QEventLoop loop;
    QObject::connect(&run, &ConversionRun::finished, &loop, &QEventLoop::quit);
    run.start();
    loop.exec();
    for (const auto& [row, job] : phases)
        std::printf("    job %d: from %.1f s, %.1f s to the first report (at %.0f %%), %.1f s more encoding, %.1f s "
                    "after it\n",
                    row, job.started, job.reported - job.started, job.readAhead, job.encoded - job.reported,
                    job.ended - job.encoded);
    for (const FileRow& row : files.rows()) {
        if (row.outcome != RowOutcome::Done) {
            std::fprintf(stderr, "%s ended as \"%s\"\n", row.caption.c_str(), row.cell(FileColumn::Progress).c_str());
            std::exit(1);
        }
    }
    return {ended > 0 ? ended : now(), samples};
}

// The error of the latest estimate given by the checkpoint, as a share of the real time left.
std::optional<double> ErrorAt(const std::vector<Sample>& samples, double total, double checkpoint,
                              std::optional<int> Sample::*estimate)
{
    const Sample* latest = nullptr;
    for (const Sample& sample : samples) {
        if (sample.at <= checkpoint * total && sample.*estimate)
            latest = &sample;
    }
    if (latest == nullptr)
        return std::nullopt;
    const double left = total - checkpoint * total;
    // The estimate was made at `latest->at`; by the checkpoint the clock has moved on.
    return (*(latest->*estimate) - (checkpoint * total - latest->at) - left) / left;
}

// Media seconds the encoders got through a second in each fifth of the batch.
std::string PaceByFifths(const std::vector<Sample>& samples, double total)
{
    std::string text;
    double before = 0;
    for (int fifth = 1; fifth <= 5; ++fifth) {
        double reached = before;
        for (const Sample& sample : samples) {
            if (sample.at <= fifth * total / 5)
                reached = sample.encoded;
        }
        char pace[16];
        std::snprintf(pace, sizeof pace, " %.2f", (reached - before) / (total / 5));
        text += pace;
        before = reached;
    }
    return text;
}

std::string LoadAverage()
{
    std::ifstream file("/proc/loadavg");
    std::string oneMinute;
    file >> oneMinute;
    return oneMinute.empty() ? "unknown" : oneMinute;
}

std::string Percent(std::optional<double> error)
{
    char text[32];
    if (error)
        std::snprintf(text, sizeof text, "%+6.1f %%", *error * 100);
    else
        std::snprintf(text, sizeof text, "%8s", "none");
    return text;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    std::random_device random;
    const fs::path root = fs::temp_directory_path() / ("vantorel-bench-" + std::to_string(random()));
    fs::create_directories(root / "in");
    const auto clip = [&](const std::string& name, int seconds) {
        fixtures::ClipSettings settings = fixtures::ClipFor("mp4");
        settings.width = 1280;
        settings.height = 720;
        settings.seconds = seconds;
        const fs::path file = root / "in" / name;
        fixtures::MakeClip(file, settings);
        return RowOf(file, seconds);
    };
    const std::vector<FileRow> single{clip("single.mp4", 120)};
    const std::vector<FileRow> three{clip("a.mp4", 80), clip("b.mp4", 30), clip("c.mp4", 50)};
    struct Case {
        const char* name;
        const std::vector<FileRow>& rows;
        int jobsAtOnce;
    } cases[] = {{"one 2 min file, one job", single, 1},
                 {"80, 30, 50 s, one job  ", three, 1},
                 {"80, 30, 50 s, two jobs ", three, 2}};

    std::printf("Time left against the real time left (720p H.264 to H.264 MP4; target within %.0f %% from 20 %% on)\n",
                kTarget * 100);
    std::printf("load average (1 minute) before: %s\n", LoadAverage().c_str());
    std::printf("%-24s %8s   %-28s %-28s\n", "", "batch", "estimate at 20 / 50 / 80 %", "plain pace at 20 / 50 / 80 %");
    bool met = true;
    int index = 0;
    for (const Case& c : cases) {
        const auto [total, samples] = Convert(c.rows, c.jobsAtOnce, root / ("out" + std::to_string(index++)));
        std::string estimates;
        std::string plain;
        for (const double checkpoint : kCheckpoints) {
            const auto error = ErrorAt(samples, total, checkpoint, &Sample::estimate);
            met = met && error && std::fabs(*error) <= kTarget;
            estimates += Percent(error) + " ";
            plain += Percent(ErrorAt(samples, total, checkpoint, &Sample::plainPace)) + " ";
        }
        std::printf("%-24s %6.1f s   %-28s %-28s\n", c.name, total, estimates.c_str(), plain.c_str());
        std::printf("    encoders' pace by fifths of the batch (media s a second):%s\n",
                    PaceByFifths(samples, total).c_str());
    }
    fs::remove_all(root);
    std::printf("load average (1 minute) after: %s\n", LoadAverage().c_str());
    std::printf("%s\n", met ? "every estimate within the target" : "some estimate outside the target");
    return 0;
}
