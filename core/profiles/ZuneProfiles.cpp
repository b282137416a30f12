// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/profiles/Profiles.h"
#include "core/profiles/SharedLists.h"

namespace {

// The lists the three Zune formats share.
void ApplyZune(OptionLists& lists)
{
    lists.videoSize.fill({"320 x 240", "640 x 480"}, "320 x 240");
    lists.videoBitrate.fill({"256 Kbps", "512 Kbps", "768 Kbps", "1200 Kbps", "1500 Kbps", "2000 Kbps"}, "1200 Kbps");
    lists.audioBitrate.fill(WideAudioBitrates(), "128 Kbps");
}

} // namespace

void ApplyZuneMpeg4Profile(ProfileState& state)
{
    OptionLists& lists = state.lists;
    ApplyZune(lists);
    lists.videoCodec.fill({"mpeg4"}, "mpeg4");
    lists.videoFramerate.fill({"29.97 fps"}, "29.97 fps");
    lists.audioCodec.fill({"mpeg4aac"}, "mpeg4aac");
    lists.samplingRate.fill(WideSamplingRates(), "44100 Hz");
}

void ApplyZuneAvcProfile(ProfileState& state)
{
    OptionLists& lists = state.lists;
    ApplyZune(lists);
    lists.videoCodec.fill({"h264"}, "h264");
    lists.videoFramerate.fill({"29.97 fps"}, "29.97 fps");
    lists.audioCodec.fill({"mpeg4aac"}, "mpeg4aac");
    lists.samplingRate.fill(WideSamplingRates(), "48000 Hz");
}

void ApplyZuneWmvProfile(ProfileState& state)
{
    OptionLists& lists = state.lists;
    ApplyZune(lists);
    lists.videoCodec.fill({"wmv1x", "wmv2x", "wmv3x"}, "wmv3x");
    lists.videoFramerate.fill(GenericFrameRates(), "Auto");
    lists.audioCodec.fill({"wma7x"}, "wma7x");
    lists.samplingRate.fill(WideSamplingRates(), "48000 Hz");
}
