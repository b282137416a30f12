#include "core/profiles/FormatSwitch.h"

#include "core/profiles/FormatCatalogue.h"
#include "core/profiles/OptionListSlots.h"
#include "core/profiles/Profiles.h"

namespace {

void ApplyProfile(int format, ProfileState& state)
{
    if (format <= 6)
        ApplyIPodProfile(format, state);
    else if (format <= 10)
        ApplyZuneProfile(format, state);
    else if (format <= 13)
        ApplyPspProfile(format, state);
    else if (format <= 16)
        ApplyPs3Profile(format, state);
    else if (format <= 19)
        ApplyPhoneProfile(format, state);
    else if (format <= 24)
        ApplyAudioProfile(format, state);
    else if (format < formats::kFirstNewer)
        ApplyGeneralVideoProfile(format, state);
    else if (format == formats::kMp4Copy || format == formats::kMkvCopy)
        ApplyStreamCopyProfile(state);
    else if (format == formats::kGif)
        ApplyGifProfile(state);
    else if (format < formats::kMp4Copy)
        ApplyNewerVideoProfile(format, state);
    else
        ApplyNewerAudioProfile(format, state);
}

// Every list and the slider enabled again; only some of today's formats
// disable what they do not use.
void EnableAll(ProfileState& state)
{
    for (const OptionListSlot& slot : kOptionListSlots)
        (state.lists.*slot.list).enabled = true;
    state.volumeEnabled = true;
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
    const bool inList = state.formatIndex >= 0 && state.formatIndex < kFormatCount;
    if (inList) {
        EnableAll(state);
        ApplyProfile(state.formatIndex, state);
    }
    state.selectedFormatIndex = state.formatIndex;
    return inList ? SwitchOutcome::Applied : SwitchOutcome::NoFormat;
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
