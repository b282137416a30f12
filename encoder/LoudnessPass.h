// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The first pass of a loudness target (-loudness): the sound of one track
// is decoded and mixed as its route will encode it, and measured after EBU
// R128 (integrated loudness and true peak, with libebur128). From that
// comes one gain for the whole file: the one that meets the target, unless
// the true peak would then pass -1 dBTP, where the gain stops. The sound's
// dynamics are kept: nothing is compressed or limited.
#include "encoder/AudioRoute.h"
#include "encoder/InputMedia.h"

#include <functional>

namespace ridod2e {

// The highest true peak a levelled output may reach, in dBTP.
inline constexpr double PeakCeiling = -1.0;

// The gain (a factor) from what was measured to the target, all in LUFS
// and dBTP; 1 for silence, which has no loudness.
double LevellingGain(double integrated, double truePeak, double target);

// Reads the input to its end, measures the route's track from the output's
// timeline start (seconds of the input), and gives the gain to `target`
// LUFS; `onPacket` sees every packet read, for the progress.
double MeasureLevellingGain(InputMedia& input, const AudioRoute& route, double target, double timelineStart,
                            const std::function<void(const AVPacket&)>& onPacket);

} // namespace ridod2e
