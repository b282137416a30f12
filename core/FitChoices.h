// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A fit to a size as the choices ask for it: the limit, the plan for a row,
// the choices that carry the plan to the command line, and the size a job
// is expected to make before it runs.
#include "core/FitPlan.h"
#include "core/cmdline/ConversionChoices.h"

#include <optional>

// The limit in bytes when the format fits to a size and its video bitrate
// entry is a "Fit in size…" one; nothing otherwise.
std::optional<long long> FitLimitFor(const ConversionChoices& choices);

// The plan for `source` under the choices' sound, mute and size.
FitPlan PlanFitFor(const ConversionChoices& choices, const FitSource& source, long long limitBytes);

// The choices with the plan's bitrates (video at `videoKbps`) and size in
// place of the fit entry, as a fixed-bitrate job would have them.
ConversionChoices WithPlan(ConversionChoices choices, const FitPlan& plan, int videoKbps);

// Whether the chosen video codec runs twice on its own statistics.
bool RunsTwoPasses(const ConversionChoices& choices);

// What the row's job should come to: a fit's plan, or a fixed video
// bitrate (and its sound) over the row's length, for the formats that fit
// to a size; nothing when it cannot be told.
std::optional<long long> ExpectedBytes(const ConversionChoices& choices, const FileRow& row);
