#include "encoder/StopSignals.h"

#include <array>
#include <atomic>
#include <csignal>
#include <cstdlib>

namespace ridod2e {
namespace {

// SIGPIPE: whoever read the progress is gone (the application was killed),
// so the conversion is not wanted any more.
constexpr std::array<int, 3> Signals = {SIGINT, SIGTERM, SIGPIPE};

// Written by the handler, so a lock-free atomic.
std::atomic<int> requested = 0;
static_assert(std::atomic<int>::is_always_lock_free);

extern "C" void OnStopSignal(int signal)
{
    requested.store(signal);
}

} // namespace

StopSignals::StopSignals()
{
    requested.store(0);
    for (const int signal : Signals) {
        struct sigaction action {};
        if (sigaction(signal, nullptr, &action) != 0 || action.sa_handler == SIG_IGN)
            continue;
        action = {};
        action.sa_handler = OnStopSignal;
        action.sa_flags = SA_RESTART;
        sigemptyset(&action.sa_mask);
        sigaction(signal, &action, nullptr);
    }
}

StopSignals::~StopSignals()
{
    for (const int signal : Signals) {
        struct sigaction action {};
        if (sigaction(signal, nullptr, &action) == 0 && action.sa_handler == OnStopSignal)
            std::signal(signal, SIG_DFL);
    }
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

void EndBySignal(int signal)
{
    std::signal(signal, SIG_DFL);
    std::raise(signal);
    // Only reached when the signal is blocked.
    std::_Exit(128 + signal);
}

} // namespace ridod2e
