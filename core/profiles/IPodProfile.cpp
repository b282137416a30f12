// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/profiles/Profiles.h"
#include "core/profiles/SharedLists.h"

void ApplyIPodProfile(const IPodParameters& parameters, ProfileState& state)
{
    OptionLists& lists = state.lists;
    lists.videoCodec.fill({"MPEG4", "XVid", "H264"}, "MPEG4");
    lists.videoSize.fill({parameters.frameSize}, parameters.frameSize);
    lists.videoBitrate.fill({"512 Kbps", "1200 Kbps", "1500 Kbps", "2500 Kbps"}, parameters.videoBitrate);
    lists.videoFramerate.fill(GenericFrameRates(), "Auto");
    lists.audioCodec.fill({"mpeg4aac"}, "mpeg4aac");
    lists.audioBitrate.fill(WideAudioBitrates(), parameters.audioBitrate);
    lists.samplingRate.fill(FourRateSampling(), "44100 Hz");
}
