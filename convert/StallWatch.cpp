#include "convert/StallWatch.h"

#include "core/TextRules.h"
#include "platform/OnThreadOf.h"

StallWatch::StallWatch(std::function<std::string(int row)> frameCell, QObject* parent)
    : QObject(parent)
    , frameCell_(std::move(frameCell))
    , timer_(this)
{
    timer_.setObjectName("ConversionCountTimer");
    timer_.setInterval(kDefaultIntervalMs);
    connect(&timer_, &QTimer::timeout, this, &StallWatch::tick);
}

void StallWatch::begin(int row)
{
    row_ = row;
    ticks_ = 0;
    fired_ = false;
    {
        std::lock_guard guard(framesLock_);
        sampledFrames_ = "0";
        lastFrames_ = "2";
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
}

void StallWatch::tick()
{
    const std::string sampled = Trim(frameCell_(row_));
    std::lock_guard guard(framesLock_);
    if (lastFrames_ == sampledFrames_)
        ++ticks_;
    else
        ticks_ = 0;
    if (ticks_ == kStallTicks) {
        fired_ = true;
        timer_.stop();
    }
    sampledFrames_ = sampled;
}
