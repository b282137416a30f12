// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/StallWatch.h"

#include "core/TextRules.h"
#include "platform/OnThreadOf.h"

StallWatch::StallWatch(QObject* parent)
    : QObject(parent)
    , timer_(this)
{
    timer_.setObjectName("ConversionCountTimer");
    timer_.setInterval(kDefaultIntervalMs);
    connect(&timer_, &QTimer::timeout, this, &StallWatch::tick);
}

void StallWatch::begin()
{
    ticks_ = 0;
    fired_ = false;
    {
        std::lock_guard guard(framesLock_);
        sampledFrames_ = "0";
        lastFrames_ = "2";
        framesReported_ = false;
        timeReported_ = false;
        lastTime_ = 0;
        sampledTime_ = -1;
        sizeReported_ = false;
        lastSize_.clear();
        sampledSize_.clear();
    }
    OnThreadOf(this, [this] { timer_.start(); });
}

void StallWatch::end()
{
    OnThreadOf(this, [this] { timer_.stop(); });
}

void StallWatch::noteFrames(const std::string& frames)
{
    std::lock_guard guard(framesLock_);
    lastFrames_ = Trim(frames);
    framesReported_ = true;
}

void StallWatch::noteTime(double seconds)
{
    std::lock_guard guard(framesLock_);
    lastTime_ = seconds;
    timeReported_ = true;
}

void StallWatch::noteSize(const std::string& size)
{
    std::lock_guard guard(framesLock_);
    lastSize_ = Trim(size);
    sizeReported_ = true;
}

void StallWatch::tick()
{
    std::lock_guard guard(framesLock_);
    const bool moved = (framesReported_ && lastFrames_ != sampledFrames_) || (timeReported_ && lastTime_ != sampledTime_)
        || (sizeReported_ && lastSize_ != sampledSize_);
    if (!moved)
        ++ticks_;
    else
        ticks_ = 0;
    sampledTime_ = lastTime_;
    sampledSize_ = lastSize_;
    if (ticks_ == kStallTicks) {
        fired_ = true;
        timer_.stop();
    }
    sampledFrames_ = lastFrames_;
}
