// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/profiles/Profiles.h"
#include "core/profiles/SharedLists.h"

namespace {

// Audio outputs have no picture: the video lists stay empty (and enabled).
void ClearPicture(OptionLists& lists)
{
    lists.videoCodec.clear();
    lists.videoSize.clear();
    lists.videoBitrate.clear();
    lists.videoFramerate.clear();
}

void ApplySound(ProfileState& state, const char* codec, const Entries& bitrates, const char* bitrate,
                const Entries& samplingRates, const char* samplingRate)
{
    OptionLists& lists = state.lists;
    ClearPicture(lists);
    lists.audioCodec.fill({codec}, codec);
    lists.audioBitrate.fill(bitrates, bitrate);
    lists.samplingRate.fill(samplingRates, samplingRate);
}

} // namespace

void ApplyAacProfile(ProfileState& state)
{
    ApplySound(state, "aac", GenericAudioBitrates(), "128 Kbps", GenericSamplingRates(), "44100 Hz");
}

void ApplyM4aProfile(ProfileState& state)
{
    ApplySound(state, "mpeg4aac", GenericAudioBitrates(), "128 Kbps", GenericSamplingRates(), "48000 Hz");
}

void ApplyMp3Profile(ProfileState& state)
{
    ApplySound(state, "mp3", WideAudioBitrates(), "192 Kbps", FourRateSampling(), "48000 Hz");
}

void ApplyWmaProfile(ProfileState& state)
{
    ApplySound(state, "wma7x", WideAudioBitrates(), "128 Kbps", WideSamplingRates(), "48000 Hz");
}
