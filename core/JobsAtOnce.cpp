// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/JobsAtOnce.h"

#include "core/TextRules.h"
#include "core/cmdline/CommandLineBuilder.h"
#include "core/cmdline/ConversionChoices.h"
#include "core/profiles/NewerCodecs.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <string_view>

namespace {

constexpr const char* kAutoText = "auto";
// The largest standard-definition frame (720 x 576).
constexpr long kStandardDefinitionArea = 720L * 576L;

// The encoders that keep every core busy on a large enough frame.
bool SpreadsOverCores(const std::string& codecText)
{
    static constexpr std::array<std::string_view, 4> kThreaded{"h264", "h265", "av1", "vp9"};
    const NewerCodec* newer = NewerCodecFor(codecText);
    const std::string name = newer != nullptr ? std::string(newer->encoderName) : ToLower(Trim(codecText));
    return std::find(kThreaded.begin(), kThreaded.end(), name) != kThreaded.end();
}

// "1280 x 720", "320 x 240 (VGA)": width times height; 0 for any other text.
long FrameArea(const std::string& text)
{
    int width = 0;
    int height = 0;
    if (std::sscanf(text.c_str(), "%d x %d", &width, &height) != 2 || width <= 0 || height <= 0)
        return 0;
    return static_cast<long>(width) * height;
}

} // namespace

std::optional<int> ParseJobsAtOnce(const std::string& text)
{
    const std::string value = ToLower(Trim(text));
    if (value == kAutoText)
        return kAutoJobs;
    if (value.size() == 1 && value[0] >= '1' && value[0] <= '0' + kMostJobsAtOnce)
        return value[0] - '0';
    return std::nullopt;
}

std::string JobsAtOnceText(int jobs)
{
    return jobs == kAutoJobs ? kAutoText : std::to_string(jobs);
}

JobLoad LoadOf(const ConversionChoices& choices, const std::string& outputExt, const std::string& sourceSize)
{
    if (IsAudioOnlyOutput(outputExt) || !SpreadsOverCores(choices.videoCodec))
        return JobLoad::OneCore;
    // "Original" and the like keep the source's frame.
    const long chosen = FrameArea(choices.videoSize);
    const long area = chosen > 0 ? chosen : FrameArea(sourceSize);
    return area > kStandardDefinitionArea ? JobLoad::AllCores : JobLoad::OneCore;
}

int MostJobs(int jobs, int cores)
{
    return jobs == kAutoJobs ? std::max(cores, 1) : std::max(jobs, 1);
}

bool MayStartJob(int jobs, int cores, const std::vector<JobLoad>& running, JobLoad next, double idleCores)
{
    if (running.empty())
        return true;
    if (static_cast<int>(running.size()) >= MostJobs(jobs, cores))
        return false;
    if (jobs != kAutoJobs)
        return true;
    // A job that fills the processor runs alone, unless it leaves a core idle.
    if (idleCores >= kIdleCoresToStart)
        return true;
    return next == JobLoad::OneCore
        && std::none_of(running.begin(), running.end(), [](JobLoad load) { return load == JobLoad::AllCores; });
}
