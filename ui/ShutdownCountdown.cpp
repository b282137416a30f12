#include "ui/ShutdownCountdown.h"

#include "core/SharedState.h"
#include "platform/PowerOff.h"
#include "ui/ShutdownWarningDialog.h"

#include <QLabel>
#include <QToolButton>

ShutdownCountdown::ShutdownCountdown(SharedState& shared, ShutdownWarningDialog& form3, std::function<void()> endApplication,
                                     QObject* parent)
    : QObject(parent)
    , shared_(shared)
    , form3_(form3)
    , endApplication_(std::move(endApplication))
    , timer_(this)
{
    timer_.setObjectName("TimerShutdown2");
    timer_.setInterval(kDefaultIntervalMs);
    form3_.watchShutdownPending(shared_.shutdownPending);
    connect(&timer_, &QTimer::timeout, this, &ShutdownCountdown::tick);
    connect(form3_.doNotTurnOffButton, &QToolButton::clicked, this, &ShutdownCountdown::cancelShutdown);
}

void ShutdownCountdown::start()
{
    shared_.shutdownPending = true;
    seconds_ = 0;
    form3_.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    timer_.start();
    form3_.show();
}

void ShutdownCountdown::tick()
{
    const int count = ++seconds_;
    form3_.secondsLabel->setText(QString::number(count));
    form3_.secondsLabel->adjustSize();
    if (count != kSeconds)
        return;
    // One request only, even if the loop keeps running a little longer.
    timer_.stop();
    endApplication_();
    if (powerOff_ != nullptr)
        powerOff_->ShutDownComputer();
}

void ShutdownCountdown::cancelShutdown()
{
    timer_.stop();
    shared_.shutdownPending = false;
    form3_.close();
}
