#pragma once
// One encoder runner over a recording host and a stand-in AppDir, run on a
// worker thread while this thread processes events (the stall watch ticks
// here, as on the window's thread).
#include "core/SharedState.h"
#include "core/ConversionState.h"
#include "convert/EncoderRunner.h"
#include "convert/StallWatch.h"
#include "core/EncoderName.h"
#include "platform/KillProcessesByName.h"
#include "RecordingHost.h"
#include "support/StandInAppDir.h"

#include <QTest>
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
        : host({Row(encoder.input("clip.avi"))}, ChoicesFor(0, encoder.outputDir(), encoder.appDir()))
        , watch(state, [this](int row) { return host.frameCell(row); }, [] { KillProcessesByName(kEncoderName); })
        , runner(shared, state, host, watch)
    {
        shared.appDir = encoder.appDir();
        state.OutputFilePath = encoder.outputDir() + "/clip.mp4";
        watch.timer().setInterval(stallIntervalMs);
    }

    std::string commandLine() const
    {
        return "\"" + encoder.appDir() + "ridod2e\" -@ -y  -i \"" + encoder.appDir() + "clip.avi\" \""
               + state.OutputFilePath + "\"";
    }

    bool run() { return RunOnWorker([this] { runner.RunEncoder(commandLine(), 0); }); }
    bool run(const std::string& line) { return RunOnWorker([this, line] { runner.RunEncoder(line, 0); }); }

    std::string progress() { return host.cellNow(0, FileColumn::Progress); }

    StandInAppDir encoder;
    SharedState shared;
    ConversionState state;
    RecordingHost host;
    StallWatch watch;
    EncoderRunner runner;
};
