// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/profiles/Profiles.h"

namespace {

// The two PSP formats differ in their video codec and sampling rate.
void ApplyPsp(ProfileState& state, const char* codec, const char* samplingRate)
{
    OptionLists& lists = state.lists;
    lists.videoCodec.fill({codec}, codec);
    lists.videoSize.fill({"160 x 112", "320 x 240", "368 x 208"}, "368 x 208");
    lists.videoBitrate.fill({"216 Kbps", "384 Kbps", "400 Kbps", "512 Kbps", "768 Kbps"}, "400 Kbps");
    lists.videoFramerate.fill({"14.985 fps", "29.97 fps"}, "29.97 fps");
    lists.audioCodec.fill({"mpeg4aac"}, "mpeg4aac");
    lists.audioBitrate.fill({"32 Kbps", "48 Kbps", "64 Kbps", "96 Kbps", "128 Kbps", "160 Kbps"}, "64 Kbps");
    lists.samplingRate.fill({samplingRate}, samplingRate);
    lists.audioChannel.select("Stereo");
}

} // namespace

void ApplyPspProfile(ProfileState& state)
{
    ApplyPsp(state, "xvid", "24000 Hz");
}

void ApplyPspAvcProfile(ProfileState& state)
{
    ApplyPsp(state, "h264", "48000 Hz");
}
