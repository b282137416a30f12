// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// While a conversion runs, SIGINT, SIGTERM and SIGPIPE (the reader of its
// progress is gone) ask it to stop instead of ending the program on the
// spot: the conversion's threads end after the item in hand and the output
// it began is removed (see OutputFile). The program then ends by the same
// signal, so whoever started it sees what it saw before. A conversion that
// cannot come to a stop within a second (the libraries busy in one long
// call) is ended all the same, its unfinished file removed first. A signal
// that was ignored when the program started stays ignored; outside a
// conversion they keep their usual effect.
#include <exception>
#include <string>

namespace ridod2e {

class StopRequested : public std::exception {
public:
    explicit StopRequested(int signal) : signal_(signal) {}
    int signal() const { return signal_; }
    const char* what() const noexcept override { return "stopped by a signal"; }

private:
    int signal_;
};

class StopSignals {
public:
    StopSignals();
    ~StopSignals();
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

    // Throws StopRequested once a signal has asked to stop.
    void check() const;
};

// Asks the running conversion to stop as the signal would have.
void RequestStop(int signal);

// The file to remove when a stop has to end the program at once; an empty
// path forgets it.
void RemoveOnForcedEnd(const std::string& path);

// Ends the program by the signal, as if it had not been caught.
[[noreturn]] void EndBySignal(int signal);

} // namespace ridod2e
