// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The option lists by their control names, in the order the window shows
// them (video group, audio group, then letterbox and mute); the HDR list,
// shown last in the video group, the Crop list of the general group and the
// Loudness list, last in the audio group, came later and follow the letterbox
// so that the others keep their places in what the tool prints. The window finds
// its combo boxes by these names; the command-line tool prints and checks
// the lists through them; a format's row says which of them it offers.
#include "core/profiles/OptionList.h"

#include <array>

// The choices a format offers: one bit per option list and one for the
// volume slider. The window shows the others disabled.
using Offers = unsigned;

namespace offer {
inline constexpr Offers kVideoCodec = 1u << 0;
inline constexpr Offers kVideoSize = 1u << 1;
inline constexpr Offers kVideoBitrate = 1u << 2;
inline constexpr Offers kFrameRate = 1u << 3;
inline constexpr Offers kAudioCodec = 1u << 4;
inline constexpr Offers kAudioBitrate = 1u << 5;
inline constexpr Offers kChannels = 1u << 6;
inline constexpr Offers kSamplingRate = 1u << 7;
inline constexpr Offers kLetterBox = 1u << 8;
inline constexpr Offers kMute = 1u << 9;
inline constexpr Offers kVolume = 1u << 10;
inline constexpr Offers kHdr = 1u << 11;        // only today's video rows choose what HDR becomes
inline constexpr Offers kCrop = 1u << 12;       // every format that codes a picture (see OffersOf)
inline constexpr Offers kLoudness = 1u << 13;   // every format that codes sound anew
inline constexpr Offers kAll = ((1u << 11) - 1) | kLoudness; // every list of the device formats
inline constexpr Offers kSound = kAudioCodec | kAudioBitrate | kChannels | kSamplingRate;
} // namespace offer

struct OptionListSlot {
    const char* controlName;
    OptionList OptionLists::*list;
    Offers offer;
    // Its entries are the window's or the switch's, not a profile's: a format
    // that does not offer it only disables it, keeping entries and selection.
    bool fixedEntries;
};

inline constexpr std::array<OptionListSlot, 13> kOptionListSlots{{
    {"ComboVideoCodec", &OptionLists::videoCodec, offer::kVideoCodec, false},
    {"ComboVideoSize", &OptionLists::videoSize, offer::kVideoSize, false},
    {"ComboVideoBitrate", &OptionLists::videoBitrate, offer::kVideoBitrate, false},
    {"ComboVideoFramerate", &OptionLists::videoFramerate, offer::kFrameRate, false},
    {"ComboAudioCodec", &OptionLists::audioCodec, offer::kAudioCodec, false},
    {"ComboAudioBitrate", &OptionLists::audioBitrate, offer::kAudioBitrate, false},
    {"ComboAudioChannel", &OptionLists::audioChannel, offer::kChannels, true},
    {"ComboSamplingRate", &OptionLists::samplingRate, offer::kSamplingRate, false},
    {"ComboLetterBox", &OptionLists::letterBox, offer::kLetterBox, true},
    {"ComboHdr", &OptionLists::hdr, offer::kHdr, false},
    {"ComboCrop", &OptionLists::crop, offer::kCrop, true},
    {"ComboLoudness", &OptionLists::loudness, offer::kLoudness, true},
    {"ComboMuteAudio", &OptionLists::muteAudio, offer::kMute, true},
}};

// The first twelve slots are the lists a profile fills or selects in (or,
// for the fixed ones, enables); mute, the last, is only reset by the switch.
inline constexpr std::size_t kProfileListSlotCount = 12;
