// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The stall watch: a timer on the window's thread that notices when the
// current job's progress stops moving for eight ticks: the frame count, the
// time and the output size the encoder reports; any of them moving is
// progress (audio-only outputs report no frames, a flush only a growing
// size). A run that reports nothing at all for as long is stalled too. It does not end
// the encoder itself; the runner that owns the encoder sees `fired()` and
// ends it.
#include <QObject>
#include <QTimer>

#include <atomic>
#include <mutex>
#include <string>

class StallWatch : public QObject {
    Q_OBJECT
public:
    explicit StallWatch(QObject* parent = nullptr);

    static constexpr int kDefaultIntervalMs = 2000;
    static constexpr int kStallTicks = 8;

    // ConversionCountTimer.
    QTimer& timer() { return timer_; }

    // From the worker: a run begins (the watch starts) or ends (it stops).
    // Each switch happens on the timer's thread.
    void begin();
    void end();
    // From the worker: the frame count, the time and the size the encoder
    // reported last.
    void noteFrames(const std::string& frames);
    void noteTime(double seconds);
    void noteSize(const std::string& size);
    // The watch found the run stalled since begin().
    bool fired() const { return fired_; }

    // One tick.
    void tick();

private:
    QTimer timer_;
    std::atomic<int> ticks_{0};
    std::atomic<bool> fired_{false};
    mutable std::mutex framesLock_;
    std::string lastFrames_ = "2";
    std::string sampledFrames_ = "0";
    bool framesReported_ = false;
    bool timeReported_ = false;
    double lastTime_ = 0;
    double sampledTime_ = -1;
    bool sizeReported_ = false;
    std::string lastSize_;
    std::string sampledSize_;
};
