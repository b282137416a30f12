// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Turns signals into a call on the thread that owns the watch: the signal
// handler only writes the signal's number into a pipe, and `onSignal` runs
// with it from that thread's event loop. One watch at a time; the previous handlers come back
// when it goes.
#include <csignal>
#include <functional>
#include <initializer_list>
#include <map>
#include <memory>

class QSocketNotifier;

namespace platform {

class SignalWatch {
public:
    SignalWatch(std::initializer_list<int> signalNumbers, std::function<void(int signalNumber)> onSignal);
    ~SignalWatch();
    SignalWatch(const SignalWatch&) = delete;
    SignalWatch& operator=(const SignalWatch&) = delete;

private:
    std::unique_ptr<QSocketNotifier> notifier_;
    std::map<int, struct sigaction> previous_;
};

} // namespace platform
