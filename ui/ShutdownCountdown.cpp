// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ShutdownCountdown.h"

#include "core/Messages.h"
#include "core/SharedState.h"
#include "core/Texts.h"
#include "platform/PowerOff.h"
#include "ui/ShutdownWarningDialog.h"

#include <QLabel>
#include <QToolButton>

ShutdownCountdown::ShutdownCountdown(SharedState& shared, ShutdownWarningDialog& dialog, Messages& messages,
                                     std::function<void()> endApplication, QObject* parent)
    : QObject(parent)
    , shared_(shared)
    , dialog_(dialog)
    , messages_(messages)
    , endApplication_(std::move(endApplication))
    , timer_(this)
{
    timer_.setObjectName("TimerShutdown2");
    timer_.setInterval(kDefaultIntervalMs);
    dialog_.watchShutdownPending(shared_.shutdownPending);
    connect(&timer_, &QTimer::timeout, this, &ShutdownCountdown::tick);
    connect(dialog_.doNotTurnOffButton, &QToolButton::clicked, this, &ShutdownCountdown::cancelShutdown);
}

void ShutdownCountdown::start()
{
    shared_.shutdownPending = true;
    seconds_ = 0;
    dialog_.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    timer_.start();
    dialog_.show();
}

void ShutdownCountdown::tick()
{
    const int count = ++seconds_;
    dialog_.secondsLabel->setText(QString::number(count));
    dialog_.secondsLabel->adjustSize();
    if (count != kSeconds)
        return;
    // One request only, even if the loop keeps running a little longer.
    timer_.stop();
    powerOff();
}

void ShutdownCountdown::powerOff()
{
    if (powerOff_ == nullptr || powerOff_->ShutDownComputer()) {
        endApplication_();
        return;
    }
    // The computer stays on: so does the window, with what the batch left in it.
    cancelShutdown();
    const std::string reason = powerOff_->refusal();
    messages_.information(texts::kPowerOffFailed + (reason.empty() ? std::string(texts::kPowerOffNoReason) : reason));
}

void ShutdownCountdown::cancelShutdown()
{
    timer_.stop();
    shared_.shutdownPending = false;
    dialog_.close();
}
