// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SignalWatch.h"

#include <QSocketNotifier>

#include <fcntl.h>
#include <unistd.h>

namespace platform {

namespace {

int signalPipe[2] = {-1, -1};

void OnSignal(int signalNumber)
{
    const auto byte = static_cast<unsigned char>(signalNumber);
    [[maybe_unused]] const auto written = ::write(signalPipe[1], &byte, 1);
}

} // namespace

SignalWatch::SignalWatch(std::initializer_list<int> signalNumbers, std::function<void(int signalNumber)> onSignal)
{
    if (signalPipe[0] >= 0 || pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    notifier_ = std::make_unique<QSocketNotifier>(signalPipe[0], QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [onSignal = std::move(onSignal)] {
        unsigned char byte;
        while (::read(signalPipe[0], &byte, 1) == 1)
            onSignal(byte);
    });
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    for (const int signal : signalNumbers)
        sigaction(signal, &action, &previous_[signal]);
}

SignalWatch::~SignalWatch()
{
    if (!notifier_)
        return;
    for (const auto& [signal, previous] : previous_)
        sigaction(signal, &previous, nullptr);
    notifier_.reset();
    close(signalPipe[0]);
    close(signalPipe[1]);
    signalPipe[0] = signalPipe[1] = -1;
}

} // namespace platform
