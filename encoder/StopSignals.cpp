// SPDX-License-Identifier: GPL-3.0-or-later
#include "encoder/StopSignals.h"

#include <array>
#include <atomic>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <cstring>

#include <unistd.h>

namespace ridod2e {
namespace {

// SIGPIPE: whoever read the progress is gone (the application was killed),
// so the conversion is not wanted any more.
constexpr std::array<int, 3> Signals = {SIGINT, SIGTERM, SIGPIPE};

// How long a stop may take before the program is ended all the same.
constexpr unsigned GraceSeconds = 1;

// Written by the handler, so lock-free atomics.
std::atomic<int> requested = 0;
static_assert(std::atomic<int>::is_always_lock_free);

// The file the forced end removes; read only once `leftoverSet` says so.
char leftover[PATH_MAX + 1];
std::atomic<bool> leftoverSet = false;

extern "C" void OnStopSignal(int signal)
{
    if (requested.exchange(signal) == 0)
        alarm(GraceSeconds);
}

// Only async-signal-safe calls here.
extern "C" void OnGraceOver(int)
{
    if (leftoverSet.load())
        unlink(leftover);
    const int signal = requested.load() != 0 ? requested.load() : SIGTERM;
    std::signal(signal, SIG_DFL);
    raise(signal);
    _exit(128 + signal);
}

void Install(int signal, void (*handler)(int))
{
    struct sigaction action {};
    action.sa_handler = handler;
    action.sa_flags = SA_RESTART;
    sigemptyset(&action.sa_mask);
    sigaction(signal, &action, nullptr);
}

} // namespace

StopSignals::StopSignals()
{
    requested.store(0);
    for (const int signal : Signals) {
        struct sigaction action {};
        if (sigaction(signal, nullptr, &action) == 0 && action.sa_handler != SIG_IGN)
            Install(signal, OnStopSignal);
    }
    Install(SIGALRM, OnGraceOver);
}

StopSignals::~StopSignals()
{
    for (const int signal : Signals) {
        struct sigaction action {};
        if (sigaction(signal, nullptr, &action) == 0 && action.sa_handler == OnStopSignal)
            std::signal(signal, SIG_DFL);
    }
    alarm(0);
    std::signal(SIGALRM, SIG_DFL);
}

void StopSignals::check() const
{
    if (const int signal = requested.load())
        throw StopRequested(signal);
}

void RequestStop(int signal)
{
    requested.store(signal);
}

void RemoveOnForcedEnd(const std::string& path)
{
    leftoverSet.store(false);
    if (path.empty() || path.size() > PATH_MAX)
        return;
    std::memcpy(leftover, path.c_str(), path.size() + 1);
    leftoverSet.store(true);
}

void EndBySignal(int signal)
{
    std::signal(signal, SIG_DFL);
    std::raise(signal);
    // Only reached when the signal is blocked.
    std::_Exit(128 + signal);
}

} // namespace ridod2e
