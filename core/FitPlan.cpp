// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/FitPlan.h"

#include "core/TextRules.h"
#include "core/Texts.h"
#include "core/profiles/NewerEntries.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

// The share of the limit the bitrates aim at: the rest is for the
// container and what the rate control strays.
constexpr double kTargetShare = 0.95;
// The least share of the limit an output that could fill it comes to.
constexpr double kLeastShare = 0.90;
// Below this share an output is short for want of anything to code.
constexpr double kRateMissShare = 0.60;
// The container's own share on top of the streams.
constexpr double kContainerShare = 1.01;
// Below this many bits a pixel the picture falls apart; above the upper one
// a higher rate buys nothing a viewer sees, so a short clip ends smaller.
constexpr double kLowestBitsPerPixel = 0.02;
constexpr double kHighestBitsPerPixel = 0.5;
constexpr int kLowestVideoKbps = 48;
constexpr double kUsualFramesPerSecond = 30;
// The sound's rates to fall back on, highest first.
constexpr int kAudioSteps[] = {128, 96, 64, 48, 32};

struct Picture {
    int width = 0;
    int height = 0;
    bool known() const { return width > 0 && height > 0; }
    long long area() const { return static_cast<long long>(width) * height; }
};

// "1280 x 720" as numbers; nothing known for any other text.
Picture PictureIn(const std::string& text)
{
    const std::string plain = RemoveBlanks(ToLower(text));
    const auto x = plain.find('x');
    if (x == std::string::npos)
        return {};
    const auto width = ParseNumber(plain.substr(0, x));
    const auto height = ParseNumber(plain.substr(x + 1));
    if (!width || !height || *width <= 0 || *height <= 0)
        return {};
    return {static_cast<int>(*width), static_cast<int>(*height)};
}

// The picture a size entry makes of the source: "Original" keeps it, a box
// takes the source's shape inside it and never scales up.
Picture PictureFor(const FitSource& source, const std::string& sizeEntry)
{
    const Picture own{source.width, source.height};
    const Picture box = PictureIn(sizeEntry);
    if (!box.known())
        return own;
    if (!own.known())
        return box;
    const double scale = std::min({1.0, double(box.width) / own.width, double(box.height) / own.height});
    return {static_cast<int>(own.width * scale), static_cast<int>(own.height * scale)};
}

double Rate(const FitSource& source)
{
    return source.framesPerSecond > 0 ? source.framesPerSecond : kUsualFramesPerSecond;
}

int LowestVideoKbps(const FitSource& source, const Picture& picture)
{
    if (!picture.known())
        return kLowestVideoKbps;
    const double kbps = picture.area() * Rate(source) * kLowestBitsPerPixel / 1000;
    return std::max(kLowestVideoKbps, static_cast<int>(std::ceil(kbps)));
}

int HighestVideoKbps(const FitSource& source, const Picture& picture)
{
    if (!picture.known())
        return 1000000;
    return static_cast<int>(picture.area() * Rate(source) * kHighestBitsPerPixel / 1000);
}

// The kilobits a second the limit holds for the streams.
int StreamKbps(long long limitBytes, double seconds)
{
    return static_cast<int>(std::floor(limitBytes * kTargetShare * 8 / 1000 / seconds));
}

std::string WithThousands(long long value)
{
    std::string digits = std::to_string(value);
    for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(static_cast<std::size_t>(at), ",");
    return digits;
}

std::string DecimalText(double value, int decimals)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    std::string result = text;
    if (result.find('.') != std::string::npos) {
        result.erase(result.find_last_not_of('0') + 1);
        if (result.back() == '.')
            result.pop_back();
    }
    return result;
}

std::string SizeText(long long bytes, int decimals)
{
    const bool megabytes = bytes >= 1000000;
    const double value = megabytes ? bytes / 1e6 : bytes / 1e3;
    return DecimalText(value, decimals) + (megabytes ? " MB" : " KB");
}

// "2:03:00", "4:05".
std::string LengthText(double seconds)
{
    const long long whole = static_cast<long long>(std::ceil(seconds));
    char text[32];
    if (whole >= 3600)
        std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", whole / 3600, whole / 60 % 60, whole % 60);
    else
        std::snprintf(text, sizeof text, "%lld:%02lld", whole / 60, whole % 60);
    return text;
}

} // namespace

FitSource FitSourceOf(const FileRow& row)
{
    FitSource source;
    source.seconds =
        TrimmedSeconds(static_cast<double>(ClockSeconds(row.cell(FileColumn::Duration)).value_or(0)), row.trim);
    const Picture picture = PictureIn(row.cell(FileColumn::VideoSize));
    source.width = picture.width;
    source.height = picture.height;
    source.framesPerSecond = ParseNumber(row.cell(FileColumn::FrameRate)).value_or(0);
    return source;
}

FitPlan PlanFit(const FitSource& source, long long limitBytes, int audioKbps, const std::string& videoSize)
{
    FitPlan plan;
    if (source.seconds <= 0 || limitBytes <= 0)
        return plan;
    const int streams = StreamKbps(limitBytes, source.seconds);
    // The sound as chosen, then each lower rate; then the picture as chosen,
    // then each smaller box.
    std::vector<int> sounds{audioKbps};
    for (const int step : kAudioSteps) {
        if (step < audioKbps)
            sounds.push_back(step);
    }
    std::vector<std::string> sizes{videoSize};
    const Picture chosen = PictureFor(source, videoSize);
    for (const char* box : kNewerPictureBoxes) {
        if (chosen.known() && PictureFor(source, box).area() < chosen.area())
            sizes.emplace_back(box);
    }
    const auto tryPlan = [&](int sound, const std::string& size) {
        const Picture picture = PictureFor(source, size);
        if (streams - sound < LowestVideoKbps(source, picture))
            return false;
        plan.fits = true;
        plan.audioKbps = sound;
        plan.videoSize = size;
        plan.videoKbps = std::min(streams - sound, HighestVideoKbps(source, picture));
        plan.fills = plan.videoKbps == streams - sound;
        plan.expectedBytes = BytesAt(plan.videoKbps + sound, source.seconds);
        return true;
    };
    for (const int sound : sounds) {
        if (tryPlan(sound, videoSize))
            return plan;
    }
    for (const std::string& size : sizes) {
        if (tryPlan(sounds.back(), size))
            return plan;
    }
    const int least = LowestVideoKbps(source, PictureFor(source, sizes.back())) + sounds.back();
    plan.neededBytes = static_cast<long long>(std::ceil(least * 1000.0 / 8 * source.seconds / kTargetShare));
    return plan;
}

int RetargetedVideoKbps(int videoKbps, double seconds, long long measuredBytes, long long limitBytes)
{
    const double over = measuredBytes - limitBytes * kTargetShare;
    const int next = videoKbps - static_cast<int>(std::ceil(over * 8 / 1000 / seconds));
    return std::clamp(next, videoKbps / 2, videoKbps * 2);
}

int BetweenKbps(int lowKbps, long long lowBytes, int highKbps, long long highBytes, long long limitBytes)
{
    if (highBytes <= lowBytes || highKbps <= lowKbps)
        return lowKbps;
    const double share = (limitBytes * kTargetShare - lowBytes) / static_cast<double>(highBytes - lowBytes);
    return lowKbps + static_cast<int>(std::floor(std::clamp(share, 0.0, 1.0) * (highKbps - lowKbps)));
}

bool WorthRaising(long long measuredBytes, long long limitBytes)
{
    return measuredBytes < limitBytes * kLeastShare && measuredBytes >= limitBytes * kRateMissShare;
}

long long BytesAt(int totalKbps, double seconds)
{
    return static_cast<long long>(totalKbps * 1000.0 / 8 * seconds * kContainerShare);
}

std::string SizeText(long long bytes)
{
    return SizeText(bytes, 1);
}

std::string ExpectedSizeText(long long bytes)
{
    return texts::kAboutSize + SizeText(bytes, 0);
}

std::string FitFailureText(double seconds, long long limitBytes, long long neededBytes)
{
    if (seconds <= 0)
        return texts::kFitLengthUnknown + SizeText(limitBytes);
    // Whole units, rounded up: the size named is enough.
    const long long unit = neededBytes >= 1000000 ? 1000000 : 1000;
    const long long needed = (neededBytes + unit - 1) / unit * unit;
    return texts::kFitCannot + LengthText(seconds) + texts::kFitIn + SizeText(limitBytes) + texts::kFitAtLeast
        + SizeText(needed, 0) + texts::kFitNeeded;
}

std::string OverLimitText(long long measuredBytes, long long limitBytes)
{
    int decimals = 1;
    while (decimals < 3 && SizeText(measuredBytes, decimals) == SizeText(limitBytes, decimals))
        ++decimals;
    return SizeText(measuredBytes, decimals) + texts::kFitOver + SizeText(limitBytes);
}

std::string OvershootText(long long measuredBytes, long long limitBytes, int nextVideoKbps)
{
    const std::string apart = measuredBytes > limitBytes ? OverLimitText(measuredBytes, limitBytes)
                                                         : SizeText(measuredBytes) + texts::kFitUnder + SizeText(limitBytes);
    return apart + texts::kFitAgainAt + WithThousands(nextVideoKbps) + texts::kKilobitsPerSecond;
}
