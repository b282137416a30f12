#include "convert/StallWatch.h"

#include "core/ConversionState.h"
#include "convert/EncoderOutputParser.h"
#include "platform/OnThreadOf.h"

StallWatch::StallWatch(ConversionState& state, std::function<std::string(int row)> frameCell,
                       std::function<void()> kill, QObject* parent)
    : QObject(parent)
    , state_(state)
    , frameCell_(std::move(frameCell))
    , kill_(std::move(kill))
    , timer_(this)
{
    timer_.setObjectName("ConversionCountTimer");
    timer_.setInterval(kDefaultIntervalMs);
    connect(&timer_, &QTimer::timeout, this, &StallWatch::tick);
}

void StallWatch::setEnabled(bool enabled)
{
    OnThreadOf(this, [this, enabled] {
        if (enabled)
            timer_.start();
        else
            timer_.stop();
    });
}

void StallWatch::tick()
{
    if (state_.LastFrameText() == state_.SampledFrameText())
        ++state_.StallTicks;
    else
        state_.StallTicks = 0;
    if (state_.StallTicks == kStallTicks) {
        state_.StallDetected = true;
        kill_();
        timer_.stop();
    }
    state_.SetSampledFrameText(TrimControls(frameCell_(state_.CurrentRowIndex)));
}
