// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/profiles/Profiles.h"
#include "core/profiles/SharedLists.h"

namespace {

// The lists the four general video formats share.
void ApplyGeneralVideo(OptionLists& lists)
{
    lists.videoSize.fill(GenericVideoSizes(), "Original Video Size");
    lists.videoBitrate.fill(GenericVideoBitrates(), "1200 Kbps");
    lists.audioBitrate.fill(GenericAudioBitrates(), "128 Kbps");
    lists.samplingRate.fill(GenericSamplingRates(), "44100 Hz");
}

} // namespace

void ApplyAviProfile(ProfileState& state)
{
    OptionLists& lists = state.lists;
    ApplyGeneralVideo(lists);
    lists.videoCodec.fill({"MPEG4", "XVid", "H264"}, "MPEG4");
    lists.audioCodec.fill({"mp3", "pcm_s16le", "mp2", "ac3"}, "mp3");
    lists.videoFramerate.fill(GenericFrameRates(), "29.97 fps");
}

void ApplyMpegProfile(ProfileState& state)
{
    OptionLists& lists = state.lists;
    ApplyGeneralVideo(lists);
    lists.videoCodec.fill({"MPEG I", "MPEG II"}, "MPEG I");
    lists.audioCodec.fill({"mp2", "ac3"}, "mp2");
    lists.videoFramerate.fill(GenericFrameRates(), "29.97 fps");
}

void ApplyMovProfile(ProfileState& state)
{
    OptionLists& lists = state.lists;
    ApplyGeneralVideo(lists);
    lists.videoCodec.fill({"mpeg4_qt"}, "mpeg4_qt");
    lists.audioCodec.fill({"mpeg4aac_qt"}, "mpeg4aac_qt");
    lists.videoFramerate.fill(GenericFrameRates(), "Auto");
}

void ApplyWmvProfile(ProfileState& state)
{
    OptionLists& lists = state.lists;
    ApplyGeneralVideo(lists);
    lists.videoCodec.fill({"wmv1x", "wmv2x", "wmv3x"}, "wmv3x");
    lists.audioCodec.fill({"wma7x"}, "wma7x");
    lists.videoFramerate.fill(GenericFrameRates(), "29.97 fps");
}
