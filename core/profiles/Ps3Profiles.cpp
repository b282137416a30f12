#include "core/profiles/Profiles.h"
#include "core/profiles/SharedLists.h"

void ApplyPs3Profile(int format, ProfileState& state)
{
    state.profileFamily = kPspFamily;
    OptionLists& lists = state.lists;
    lists.videoCodec.fill({"h264"}, "h264");
    const char* videoBitrate = "2000 Kbps";
    const char* audioBitrate = "256 Kbps";
    switch (format) {
    case 14:
        lists.videoSize.fill({"640 x 480", "720 x 480", "720 x 576"}, "720 x 480");
        videoBitrate = "1200 Kbps";
        audioBitrate = "80 Kbps";
        break;
    case 15:
        lists.videoSize.fill({"1280 x 720"}, "1280 x 720");
        break;
    default:
        lists.videoSize.fill({"1920 x 1072"}, "1920 x 1072");
        break;
    }
    lists.videoBitrate.fill({"1200 Kbps", "1500 Kbps", "2000 Kbps", "2500 Kbps", "3000 Kbps"}, videoBitrate);
    lists.videoFramerate.fill({"29.97 fps"}, "29.97 fps");
    lists.audioCodec.fill({"mpeg4aac"}, "mpeg4aac");
    lists.audioBitrate.fill(WideAudioBitrates(), audioBitrate);
    lists.samplingRate.fill(WideSamplingRates(), "44100 Hz");
    lists.audioChannel.select("Stereo");
}
