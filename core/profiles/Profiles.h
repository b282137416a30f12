#pragma once
// The option set of each profile family. Each function fills the lists its
// family names (and the channel, letterbox or family value it sets) for the
// format index given; lists it does not name keep entries and selection.
#include "core/profiles/ProfileState.h"

void ApplyIPodProfile(int format, ProfileState& state);         // 0 to 6
void ApplyZuneProfile(int format, ProfileState& state);         // 8, 9, 10
void ApplyPspProfile(int format, ProfileState& state);          // 12, 13
void ApplyPs3Profile(int format, ProfileState& state);          // 14, 15, 16
void ApplyPhoneProfile(int format, ProfileState& state);        // 18 (3GP), 19 (3G2)
void ApplyAudioProfile(int format, ProfileState& state);        // 21 to 24
void ApplyGeneralVideoProfile(int format, ProfileState& state); // 26 to 29
void ApplyNewerVideoProfile(int format, ProfileState& state);   // 31 (MP4), 32 (WebM)
void ApplyStreamCopyProfile(ProfileState& state);               // 33, 34
void ApplyGifProfile(ProfileState& state);                      // 35
void ApplyNewerAudioProfile(int format, ProfileState& state);   // 37 to 40
