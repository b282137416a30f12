#include "core/profiles/Profiles.h"
#include "core/profiles/SharedLists.h"

void ApplyGeneralVideoProfile(int format, ProfileState& state)
{
    OptionLists& lists = state.lists;
    lists.videoSize.fill(GenericVideoSizes(), "Original Video Size");
    lists.videoBitrate.fill(GenericVideoBitrates(), "1200 Kbps");
    lists.audioBitrate.fill(GenericAudioBitrates(), "128 Kbps");
    lists.samplingRate.fill(GenericSamplingRates(), "44100 Hz");
    switch (format) {
    case 26: // AVI
        lists.videoCodec.fill({"MPEG4", "XVid", "H264"}, "MPEG4");
        lists.audioCodec.fill({"mp3", "pcm_s16le", "mp2", "ac3"}, "mp3");
        lists.videoFramerate.fill(GenericFrameRates(), "29.97 fps");
        break;
    case 27: // MPEG
        lists.videoCodec.fill({"MPEG I", "MPEG II"}, "MPEG I");
        lists.audioCodec.fill({"mp2", "ac3"}, "mp2");
        lists.videoFramerate.fill(GenericFrameRates(), "29.97 fps");
        break;
    case 28: // MOV
        lists.videoCodec.fill({"mpeg4_qt"}, "mpeg4_qt");
        lists.audioCodec.fill({"mpeg4aac_qt"}, "mpeg4aac_qt");
        lists.videoFramerate.fill(GenericFrameRates(), "Auto");
        break;
    default: // WMV
        lists.videoCodec.fill({"wmv1x", "wmv2x", "wmv3x"}, "wmv3x");
        lists.audioCodec.fill({"wma7x"}, "wma7x");
        lists.videoFramerate.fill(GenericFrameRates(), "29.97 fps");
        break;
    }
}
