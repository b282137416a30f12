#pragma once
// The state of one conversion run that the queue, the command-line builder,
// the encoder runner and the stall watch share. Flags and counters are
// atomics; the two frame texts are exchanged under a lock, since the stall
// watch reads them on the window's thread while the worker replaces them.
// OutputExt and OutputFilePath are only touched by the worker.
#include <atomic>
#include <mutex>
#include <string>

struct ConversionState {
    std::string OutputExt;                     // the row's Output cell, trimmed, lower case
    std::string OutputFilePath;                // the job's output file, recorded by the builder
    std::atomic<bool> RetryPending{false};     // the job needs another attempt
    std::atomic<bool> ThumbnailPending{false}; // a thumbnail run is due after the video run
    std::atomic<bool> ThumbnailRun{false};     // this run makes the thumbnail: no progress grammar
    std::atomic<bool> SecondAttempt{false};    // this run is the job's second attempt
    std::atomic<bool> AnyJobStarted{false};    // a job of this walk reached the encoder
    std::atomic<int> CurrentRowIndex{0};       // the row being worked on
    std::atomic<int> StallTicks{0};            // stall-watch ticks without frame progress
    std::atomic<bool> StallDetected{false};    // the stall watch killed the encoder

    std::string LastFrameText() const
    {
        std::lock_guard guard(framesLock_);
        return lastFrameText_;
    }
    void SetLastFrameText(std::string text)
    {
        std::lock_guard guard(framesLock_);
        lastFrameText_ = std::move(text);
    }
    std::string SampledFrameText() const
    {
        std::lock_guard guard(framesLock_);
        return sampledFrameText_;
    }
    void SetSampledFrameText(std::string text)
    {
        std::lock_guard guard(framesLock_);
        sampledFrameText_ = std::move(text);
    }

private:
    mutable std::mutex framesLock_;
    std::string lastFrameText_ = "2";
    std::string sampledFrameText_ = "0";
};
