// SPDX-License-Identifier: GPL-3.0-or-later
#include "encoder/VideoCodecTuning.h"

#include "encoder/Fault.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <set>

namespace ridod2e {
namespace {

// Factors for a request that gives neither -crf nor a bitrate; H.264 and
// H.265 keep their libraries' own (23 and 28).
constexpr int DefaultAv1Factor = 35;
constexpr int DefaultVp9Factor = 32;

bool IsX26x(AVCodecID id)
{
    return id == AV_CODEC_ID_H264 || id == AV_CODEC_ID_HEVC;
}

std::string WholeText(double value)
{
    return std::to_string(std::lround(value));
}

// x264 and x265 name their presets; SVT-AV1 and VP9 number them, faster
// with a higher number.
void CheckPreset(const AVCodec* codec, const std::string& preset)
{
    static const std::set<std::string> named = {"ultrafast", "superfast", "veryfast", "faster", "fast",
                                                "medium",    "slow",      "slower",   "veryslow", "placebo"};
    if (IsX26x(codec->id)) {
        if (!named.count(preset))
            Fail("-preset for " + std::string(codec->name)
                 + " is one of ultrafast, superfast, veryfast, faster, fast, medium, slow, slower, veryslow, "
                   "placebo, not '" + preset + "'");
        return;
    }
    const int highest = codec->id == AV_CODEC_ID_AV1 ? 13 : 8;
    int number = -1;
    const char* end = preset.data() + preset.size();
    if (std::from_chars(preset.data(), end, number).ptr != end || number < 0 || number > highest)
        Fail("-preset for " + std::string(codec->name) + " is a number from 0 (slowest) to "
             + std::to_string(highest) + " (fastest), not '" + preset + "'");
}

} // namespace

bool HasQualityFactor(const AVCodec* codec)
{
    const std::string name = codec->name;
    return name == "libx264" || name == "libx265" || name == "libsvtav1" || name == "libvpx-vp9";
}

void SetQualityFactor(AVCodecContext& context, const AVCodec* codec, const EncodeRequest& request,
                      Dictionary& options)
{
    if (IsX26x(codec->id)) {
        // -qscale has always set H.264's factor; -crf is the plainer name.
        const std::optional<double> factor = request.qualityFactor ? request.qualityFactor : request.qscale;
        if (factor)
            options.set("crf", std::to_string(std::clamp(*factor, 0.0, 51.0)).c_str());
        return;
    }
    const bool av1 = codec->id == AV_CODEC_ID_AV1;
    const double factor = request.qualityFactor.value_or(av1 ? DefaultAv1Factor : DefaultVp9Factor);
    options.set("crf", WholeText(factor).c_str());
    // VP9 holds a constant quality only without a target bitrate.
    context.bit_rate = 0;
}

void TuneVideoCodec(const AVCodec* codec, const EncodeRequest& request, const AVOutputFormat* muxer,
                    Dictionary& options, ContainerOverride& override)
{
    const bool tunable = HasQualityFactor(codec);
    if (!tunable && request.qualityFactor)
        Fail("-crf does not apply to the " + std::string(codec->name) + " encoder; give -qscale or -b");
    if (!tunable && !request.speedPreset.empty())
        Fail("-preset does not apply to the " + std::string(codec->name) + " encoder");
    if (!request.speedPreset.empty()) {
        CheckPreset(codec, request.speedPreset);
        options.set(codec->id == AV_CODEC_ID_VP9 ? "cpu-used" : "preset", request.speedPreset.c_str());
    }
    if (codec->id == AV_CODEC_ID_VP9)
        options.set("row-mt", "1");
    // The encoders' own chatter on the standard error would reach the
    // application's pipe.
    if (codec->id == AV_CODEC_ID_HEVC)
        options.set("x265-params", "log-level=none");
    if (codec->id == AV_CODEC_ID_AV1)
        setenv("SVT_LOG", "1", 0);  // errors only; a setting of the user's own stands
    const std::string container = muxer->name;
    if (codec->id == AV_CODEC_ID_HEVC && (container == "mp4" || container == "mov"))
        override.codecTag = MKTAG('h', 'v', 'c', '1');
}

} // namespace ridod2e
