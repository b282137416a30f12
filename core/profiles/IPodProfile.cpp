#include "core/profiles/Profiles.h"
#include "core/profiles/SharedLists.h"

#include <array>

namespace {

// The three parameters of the one iPod option set, per format 0 to 6.
struct IPodParameters {
    const char* frameSize;
    const char* videoBitrate;
    const char* audioBitrate;
};

constexpr std::array<IPodParameters, 7> kIPodFormats{{
    {"320 x 240", "1500 Kbps", "64 Kbps"},
    {"320 x 240", "1200 Kbps", "64 Kbps"},
    {"320 x 240", "512 Kbps", "64 Kbps"},
    {"640 x 480", "2500 Kbps", "80 Kbps"},
    {"640 x 480", "1200 Kbps", "80 Kbps"},
    {"640 x 480", "512 Kbps", "80 Kbps"},
    {"640 x 480", "2500 Kbps", "80 Kbps"},
}};

} // namespace

void ApplyIPodProfile(int format, ProfileState& state)
{
    const IPodParameters& parameters = kIPodFormats.at(static_cast<std::size_t>(format));
    OptionLists& lists = state.lists;
    lists.videoCodec.fill({"MPEG4", "XVid", "H264"}, "MPEG4");
    lists.videoSize.fill({parameters.frameSize}, parameters.frameSize);
    lists.videoBitrate.fill({"512 Kbps", "1200 Kbps", "1500 Kbps", "2500 Kbps"}, parameters.videoBitrate);
    lists.videoFramerate.fill(GenericFrameRates(), "Auto");
    lists.audioCodec.fill({"mpeg4aac"}, "mpeg4aac");
    lists.audioBitrate.fill(WideAudioBitrates(), parameters.audioBitrate);
    lists.samplingRate.fill(FourRateSampling(), "44100 Hz");
}
