#include "core/profiles/Profiles.h"

void ApplyPspProfile(int format, ProfileState& state)
{
    state.profileFamily = kPspFamily;
    OptionLists& lists = state.lists;
    const bool avc = format == 13;
    lists.videoCodec.fill({avc ? "h264" : "xvid"}, avc ? "h264" : "xvid");
    lists.videoSize.fill({"160 x 112", "320 x 240", "368 x 208"}, "368 x 208");
    lists.videoBitrate.fill({"216 Kbps", "384 Kbps", "400 Kbps", "512 Kbps", "768 Kbps"}, "400 Kbps");
    lists.videoFramerate.fill({"14.985 fps", "29.97 fps"}, "29.97 fps");
    lists.audioCodec.fill({"mpeg4aac"}, "mpeg4aac");
    lists.audioBitrate.fill({"32 Kbps", "48 Kbps", "64 Kbps", "96 Kbps", "128 Kbps", "160 Kbps"}, "64 Kbps");
    lists.samplingRate.fill({avc ? "48000 Hz" : "24000 Hz"}, avc ? "48000 Hz" : "24000 Hz");
    lists.audioChannel.select("Stereo");
}
