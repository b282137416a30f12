// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a conversion run sees of the front end it works for (the window, the
// command-line tool). It reports what happens as values and never waits for
// them to be shown; it asks only what it must know before it goes on.
#include "core/ConversionEvent.h"
#include "core/cmdline/ConversionChoices.h"

#include <string>

class ConversionFrontEnd {
public:
    virtual ~ConversionFrontEnd() = default;

    // Takes the event on the calling thread (a job's, or the window's for a
    // stop) and returns at once; the events of one thread arrive in order.
    virtual void report(const ConversionEvent& event) = 0;

    // The questions below wait for their answers; every event reported
    // before one has reached the front end when it is answered.

    // The required-files check, with its own message; true when all are there.
    virtual bool checkRequiredFiles() = 0;
    // The option choices as they are shown now, for the next command line.
    virtual ConversionChoices choices() = 0;
    // How many files the batch converts at the same time (1 to 8, or
    // kAutoJobs), asked as the batch starts.
    virtual int jobsAtOnce() = 0;
    // "Shut Down Computer After All Conversion Jobs Are Done".
    virtual bool shutdownChecked() = 0;
    // An "Information" message; returns once it is dismissed.
    virtual void information(const std::string& text) = 0;
    // The message that closes a batch; a front end may add to it.
    virtual void closingMessage(const std::string& text) { information(text); }
};
