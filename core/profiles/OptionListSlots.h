#pragma once
// The option lists by their control names, in the order the window shows
// them (video group, audio group, then letterbox and mute). The window finds
// its combo boxes by these names; the command-line tool prints and checks
// the lists through them.
#include "core/profiles/OptionList.h"

#include <array>

struct OptionListSlot {
    const char* controlName;
    OptionList OptionLists::*list;
};

inline constexpr std::array<OptionListSlot, 10> kOptionListSlots{{
    {"ComboVideoCodec", &OptionLists::videoCodec},
    {"ComboVideoSize", &OptionLists::videoSize},
    {"ComboVideoBitrate", &OptionLists::videoBitrate},
    {"ComboVideoFramerate", &OptionLists::videoFramerate},
    {"ComboAudioCodec", &OptionLists::audioCodec},
    {"ComboAudioBitrate", &OptionLists::audioBitrate},
    {"ComboAudioChannel", &OptionLists::audioChannel},
    {"ComboSamplingRate", &OptionLists::samplingRate},
    {"ComboLetterBox", &OptionLists::letterBox},
    {"ComboMuteAudio", &OptionLists::muteAudio},
}};

// The first nine slots are the lists a profile fills or selects in; mute,
// the last, is only reset by the switch.
inline constexpr std::size_t kProfileListSlotCount = 9;
