// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a conversion run tells its front ends as it goes, as values: rows,
// attempts, percentages, counts, sizes, seconds, outcomes and reason codes.
// The run never waits for a front end to take one: the window hands them
// to its own thread, the command-line tool turns them into lines.
#include "core/BatchEstimate.h"
#include "core/FileRow.h"
#include "core/RunRecord.h"

#include <optional>
#include <variant>

namespace events {

// The walk begins with these jobs; Convert Now ! and Add Files are off until it ends.
struct BatchStarted {
    BatchJobs jobs;
};
// A job of the row reaches the encoder: the controls are locked, the row comes into view.
struct JobStarted {
    int row;
};
// A run of the row's job begins: its first (1) or second (2) attempt, or
// the thumbnail run after it.
struct RunStarted {
    int row;
    int attempt;
    bool thumbnail;
};
// A progress report of the encoder; each value is there when the report gave it.
struct Progressed {
    int row;
    int attempt;
    std::optional<int> percent; // of the input's duration; may pass 100
    std::optional<long long> frames;
    std::optional<long long> kilobytes; // the output's size so far
    std::optional<double> seconds;      // of the input converted so far
};
// The progress bar's position; values beyond its ends are held at them.
struct BarMoved {
    int position;
};
// The bar goes back to 0 after showing its position a moment, unless it moves meanwhile.
struct BarResetSoon {};
// The output size the status bar shows; nothing: no size.
struct SizeShown {
    std::optional<long long> kilobytes;
};
// A run of the encoder ended: an entry of the conversion log.
struct RunLogged {
    RunRecord record;
};
// The job of the row is over; jobs that run at the same time end in any order.
struct JobEnded {
    int row;
    RowOutcome outcome;
    Reason reason;
};
// "False" is chosen in the mute list again, for the jobs after this one.
struct MuteReset {};
// The walk is over and the controls are released; `countdown`: the
// power-off countdown begins.
struct BatchEnded {
    bool countdown;
};

} // namespace events

using ConversionEvent = std::variant<events::BatchStarted, events::JobStarted, events::RunStarted, events::Progressed,
                                     events::BarMoved, events::BarResetSoon, events::SizeShown, events::RunLogged,
                                     events::JobEnded, events::MuteReset, events::BatchEnded>;
