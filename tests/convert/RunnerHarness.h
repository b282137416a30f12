// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One encoder runner over a recording front end and a stand-in AppDir, run
// on a worker thread while this thread processes events (the stall watch
// ticks here, as on the window's thread).
#include "core/SharedState.h"
#include "convert/EncoderRunner.h"
#include "convert/JobReporter.h"
#include "convert/StallWatch.h"
#include "RecordingFrontEnd.h"
#include "StandInVerifier.h"
#include "support/StandInAppDir.h"

#include <QTest>
#include <algorithm>
#include <atomic>
#include <filesystem>
#include <functional>
#include <thread>

// Runs `work` on another thread and waits for it while processing events.
inline bool RunOnWorker(const std::function<void()>& work, int timeoutMs = 60000)
{
    std::atomic<bool> done{false};
    std::thread worker([&] {
        work();
        done = true;
    });
    const bool finished = QTest::qWaitFor([&] { return done.load(); }, timeoutMs);
    worker.join();
    return finished;
}

// Whether a process started from this AppDir's stand-in still runs.
inline bool StandInRunning(const std::string& appDir)
{
    std::error_code error;
    const std::string exe = appDir + "ridod2e";
    for (const auto& entry : std::filesystem::directory_iterator("/proc", error)) {
        std::error_code linkError;
        if (std::filesystem::read_symlink(entry.path() / "exe", linkError).string() == exe)
            return true;
    }
    return false;
}

struct RunnerHarness {
    explicit RunnerHarness(int stallIntervalMs = StallWatch::kDefaultIntervalMs)
        : files({Row(encoder.input("clip.avi"))})
        , frontEnd(ChoicesFor(0, encoder.outputDir(), encoder.appDir()))
        , reporter(files.files, frontEnd)
        , runner(shared, reporter, watch, verifier)
    {
        reporter.begin(0, nullptr);
        shared.appDir = encoder.appDir();
        request.outputPath = encoder.outputDir() + "/clip.mp4";
        request.inputPath = encoder.appDir() + "clip.avi";
        watch.timer().setInterval(stallIntervalMs);
    }

    std::string commandLine() const
    {
        return "\"" + encoder.appDir() + "ridod2e\" -@ -y  -i \"" + encoder.appDir() + "clip.avi\" \""
               + request.outputPath + "\"";
    }

    bool run() { return run(commandLine()); }
    bool run(const std::string& line)
    {
        request.commandLine = line;
        return RunOnWorker([this] { outcome = runner.runEncoder(request); });
    }

    std::string progress() const { return files.cell(0, FileColumn::Progress); }
    // The files in the output folder.
    std::vector<std::string> outputs() const { return NamesIn(encoder.outputDir()); }

    StandInAppDir encoder;
    SharedState shared;
    RecordedFiles files;
    RecordingFrontEnd frontEnd;
    JobReporter reporter;
    StallWatch watch;
    StandInVerifier verifier;
    EncoderRunner runner;
    EncoderRun request;
    RunOutcome outcome;
};
