// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The format switch on the widgets-free model: applies the profile of the
// format list's selection (state.formatIndex) to the option lists.
//
//   ProfileState state = StartedProfileState();   // as the window starts
//   state.formatIndex = 18;                        // the user picks 3GP
//   if (RunFormatSwitch(state) == SwitchOutcome::Applied) ... write FormatTag(18) into the rows
#include "core/profiles/ProfileState.h"

enum class SwitchOutcome {
    Applied,           // the format's profile is in force; the rows take its tag
    SeparatorRestored, // a separator row: formatIndex is back at the previous format, nothing else changed
    NoFormat,          // no row selected (outside the list): no profile applied, no tag written
};

// Runs the switch for state.formatIndex. A separator brings back
// selectedFormatIndex and leaves lists, choices and family as they were;
// otherwise the channel goes back to "Stereo", mute to "False", the family is
// cleared, the profile applied and selectedFormatIndex takes the new index.
SwitchOutcome RunFormatSwitch(ProfileState& state);

// The model as the main window holds it after creation: the start-up lists
// with format 0 applied.
ProfileState StartedProfileState();

// A freshly started window switched to `formatIndex` (a separator brings back format 0).
ProfileState ProfileStateFor(int formatIndex);
