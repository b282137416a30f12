// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/profiles/Profiles.h"
#include "core/profiles/SharedLists.h"

namespace {

void ApplyPs3(ProfileState& state, const Entries& sizes, const char* size, const char* videoBitrate,
              const char* audioBitrate)
{
    OptionLists& lists = state.lists;
    lists.videoCodec.fill({"h264"}, "h264");
    lists.videoSize.fill(sizes, size);
    lists.videoBitrate.fill({"1200 Kbps", "1500 Kbps", "2000 Kbps", "2500 Kbps", "3000 Kbps"}, videoBitrate);
    lists.videoFramerate.fill({"29.97 fps"}, "29.97 fps");
    lists.audioCodec.fill({"mpeg4aac"}, "mpeg4aac");
    lists.audioBitrate.fill(WideAudioBitrates(), audioBitrate);
    lists.samplingRate.fill(WideSamplingRates(), "44100 Hz");
    lists.audioChannel.select("Stereo");
}

} // namespace

void ApplyPs3Video480Profile(ProfileState& state)
{
    ApplyPs3(state, {"640 x 480", "720 x 480", "720 x 576"}, "720 x 480", "1200 Kbps", "80 Kbps");
}

void ApplyPs3Video720Profile(ProfileState& state)
{
    ApplyPs3(state, {"1280 x 720"}, "1280 x 720", "2000 Kbps", "256 Kbps");
}

void ApplyPs3Video1080Profile(ProfileState& state)
{
    ApplyPs3(state, {"1920 x 1072"}, "1920 x 1072", "2000 Kbps", "256 Kbps");
}
