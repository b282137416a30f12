// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The gapless figures of a finished MP4 sound file as iTunes writes them in
// its iTunSMPB item: the encoder's priming samples, the padding after the
// sound and the sound's own length, read back from the file's first sound
// track (its edit list gives the priming, its packets' durations the
// length). A player that honours them plays an album without gaps.
#include <string>

namespace ridod2e {

// " 00000000 00000400 0000037A 0000000000023886 00000000 ..." for the file
// open on `descriptor` (which stays open); empty when it has no sound track
// whose figures add up.
std::string GaplessFigures(int descriptor);

} // namespace ridod2e
