// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/cmdline/OptionArgs.h"

#include "core/cmdline/CommandPieces.h"
#include "core/TextRules.h"
#include "core/cmdline/Volume.h"

namespace {

constexpr const char* kOriginalVideoSize = "Original Video Size";
constexpr const char* kFallbackDimensions = "176x144";

// Width and height texts around the first "x"; without one the whole text is the width.
std::pair<std::string, std::string> SplitAtX(const std::string& size)
{
    const auto x = size.find('x');
    if (x == std::string::npos)
        return {size, {}};
    return {size.substr(0, x), size.substr(x + 1)};
}

} // namespace

std::string VideoCodecArg(const std::string& text)
{
    return Quoted(pieces::kVideoCodecHead, ToLower(Trim(text))) + ' ';
}

std::string AudioCodecArg(const std::string& text)
{
    return Quoted(pieces::kAudioCodecHead, Trim(text)) + ' ';
}

std::string VideoBitrateArg(const std::string& text)
{
    const std::string trimmed = Trim(text);
    if (trimmed.empty())
        return {};
    return Quoted(pieces::kVideoBitrateHead, NumberBeforeUnit(trimmed, 'K'));
}

std::string FrameRateArg(const std::string& text)
{
    const std::string trimmed = Trim(text);
    if (trimmed == "Auto")
        return " ";
    const auto unit = trimmed.find(" fps");
    if (unit == std::string::npos || unit == 0)
        return {};
    return Quoted(pieces::kFrameRateHead, trimmed.substr(0, unit)) + ' ';
}

std::string AudioBitrateArg(const std::string& text)
{
    if (text.empty())
        return {};
    return Quoted(pieces::kAudioBitrateHead, NumberBeforeUnit(text, 'K'));
}

std::string ChannelsArg(int index)
{
    switch (index) {
    case 0:
        return std::string(pieces::kStereo);
    case 1:
        return std::string(pieces::kMono);
    default:
        return {};
    }
}

std::string SamplingRateArg(const std::string& text)
{
    return Quoted(pieces::kSamplingRateHead, NumberBeforeUnit(text, 'H'));
}

std::string SizeArg(const std::string& sizeListText, const std::string& sourceSize)
{
    const std::string source = Trim(ToLower(sourceSize));
    if (source.find('x') == std::string::npos)
        return std::string(pieces::kFallbackSize);
    if (sizeListText == kOriginalVideoSize) {
        const std::string size = RemoveBlanks(source);
        const auto [width, height] = SplitAtX(size);
        if (width == "0" || height == "0")
            return {};
        return std::string(pieces::kSizeHead) + size;
    }
    std::string size = Trim(ToLower(sizeListText));
    const auto label = size.find('(');
    if (label != std::string::npos)
        size = size.substr(0, label == 0 ? 0 : label - 1);
    size = RemoveBlanks(size);
    const auto [width, height] = SplitAtX(size);
    if (width == "0" || height == "0")
        size = kFallbackDimensions;
    if (size.empty())
        return {};
    return std::string(pieces::kSizeHead) + size;
}

std::string VolumeArg(const std::string& volumeFactor)
{
    if (volumeFactor == kUnchangedVolumeFactor)
        return {};
    return Quoted(pieces::kVolumeHead, volumeFactor);
}
