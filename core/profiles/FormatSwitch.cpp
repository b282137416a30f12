// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/profiles/FormatSwitch.h"

#include "core/profiles/FormatCatalogue.h"
#include "core/profiles/OptionListSlots.h"

namespace {

// The lists the format offers are enabled; the others are disabled, and
// emptied unless their entries are fixed. Then the profile fills its lists.
void ApplyFormat(const FormatSpec& format, ProfileState& state)
{
    for (const OptionListSlot& slot : kOptionListSlots) {
        OptionList& list = state.lists.*slot.list;
        const bool offered = (OffersOf(format) & slot.offer) != 0;
        if (offered || slot.fixedEntries)
            list.enabled = offered;
        else
            list.withdraw();
    }
    state.volumeEnabled = (format.offers & offer::kVolume) != 0;
    if (format.applyProfile)
        format.applyProfile(state);
    state.profileFamily = format.family;
}

} // namespace

SwitchOutcome RunFormatSwitch(ProfileState& state)
{
    if (IsSeparatorRow(state.formatIndex)) {
        state.formatIndex = state.selectedFormatIndex;
        return SwitchOutcome::SeparatorRestored;
    }
    state.profileFamily.clear();
    // The fixed channel list; the lossless and Opus rows put "Auto" before it.
    state.lists.audioChannel.fill(FixedChannelEntries(), FixedChannelEntries().front());
    state.lists.muteAudio.selected = 0;
    const FormatSpec* format = FormatAt(state.formatIndex);
    if (format)
        ApplyFormat(*format, state);
    state.selectedFormatIndex = state.formatIndex;
    return format ? SwitchOutcome::Applied : SwitchOutcome::NoFormat;
}

ProfileState StartedProfileState()
{
    ProfileState state;
    RunFormatSwitch(state);
    return state;
}

ProfileState ProfileStateFor(int formatIndex)
{
    ProfileState state = StartedProfileState();
    state.formatIndex = formatIndex;
    RunFormatSwitch(state);
    return state;
}
