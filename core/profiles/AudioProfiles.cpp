#include "core/profiles/Profiles.h"
#include "core/profiles/SharedLists.h"

void ApplyAudioProfile(int format, ProfileState& state)
{
    OptionLists& lists = state.lists;
    // Audio outputs have no picture: the video lists stay empty (and enabled).
    lists.videoCodec.clear();
    lists.videoSize.clear();
    lists.videoBitrate.clear();
    lists.videoFramerate.clear();
    switch (format) {
    case 21: // AAC
        lists.audioCodec.fill({"aac"}, "aac");
        lists.audioBitrate.fill(GenericAudioBitrates(), "128 Kbps");
        lists.samplingRate.fill(GenericSamplingRates(), "44100 Hz");
        break;
    case 22: // M4A
        lists.audioCodec.fill({"mpeg4aac"}, "mpeg4aac");
        lists.audioBitrate.fill(GenericAudioBitrates(), "128 Kbps");
        lists.samplingRate.fill(GenericSamplingRates(), "48000 Hz");
        break;
    case 23: // MP3
        lists.audioCodec.fill({"mp3"}, "mp3");
        lists.audioBitrate.fill(WideAudioBitrates(), "192 Kbps");
        lists.samplingRate.fill(FourRateSampling(), "48000 Hz");
        break;
    default: // WMA
        lists.audioCodec.fill({"wma7x"}, "wma7x");
        lists.audioBitrate.fill(WideAudioBitrates(), "128 Kbps");
        lists.samplingRate.fill(WideSamplingRates(), "48000 Hz");
        break;
    }
}
