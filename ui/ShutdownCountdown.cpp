#include "ui/ShutdownCountdown.h"

#include "core/SharedState.h"
#include "platform/PowerOff.h"
#include "ui/TForm3.h"

#include <QLabel>
#include <QToolButton>

ShutdownCountdown::ShutdownCountdown(SharedState& shared, TForm3& form3, std::function<void()> endApplication,
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
    connect(&timer_, &QTimer::timeout, this, &ShutdownCountdown::TimerShutdown2Timer);
    connect(form3_.SpeedButton1, &QToolButton::clicked, this, &ShutdownCountdown::SpeedButton1Click);
}

void ShutdownCountdown::Start()
{
    shared_.shutdownPending = true;
    shared_.shutdownCountdown = 0;
    form3_.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    timer_.start();
    form3_.show();
}

void ShutdownCountdown::TimerShutdown2Timer()
{
    const int count = ++shared_.shutdownCountdown;
    form3_.Label2->setText(QString::number(count));
    form3_.Label2->adjustSize();
    if (count != kSeconds)
        return;
    // One request only, even if the loop keeps running a little longer.
    timer_.stop();
    endApplication_();
    if (powerOff_ != nullptr)
        powerOff_->ShutDownComputer();
}

void ShutdownCountdown::SpeedButton1Click()
{
    timer_.stop();
    shared_.shutdownPending = false;
    form3_.close();
}
