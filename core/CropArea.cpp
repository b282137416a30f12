// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/CropArea.h"

#include "core/Texts.h"
#include "core/TextRules.h"

#include <array>
#include <charconv>
#include <cstdio>

namespace {

constexpr std::string_view kCropLineHead = "Crop: ";
constexpr std::string_view kNoCrop = "none";

// Whole numbers split by the separators in turn, the last up to the end.
template <std::size_t N>
std::optional<std::array<int, N>> Numbers(std::string_view text, const std::array<std::string_view, N - 1>& separators)
{
    std::array<int, N> numbers{};
    for (std::size_t i = 0; i < N; ++i) {
        const auto [stop, error] = std::from_chars(text.data(), text.data() + text.size(), numbers[i]);
        const std::string_view rest = text.substr(static_cast<std::size_t>(stop - text.data()));
        if (error != std::errc() || numbers[i] < 0)
            return std::nullopt;
        if (i == N - 1)
            return rest.empty() ? std::optional(numbers) : std::nullopt;
        if (rest.substr(0, separators[i].size()) != separators[i])
            return std::nullopt;
        text = rest.substr(separators[i].size());
    }
    return std::nullopt;
}

std::optional<CropArea> AreaOf(const std::optional<std::array<int, 4>>& numbers)
{
    if (!numbers || (*numbers)[0] == 0 || (*numbers)[1] == 0)
        return std::nullopt;
    return CropArea{(*numbers)[0], (*numbers)[1], (*numbers)[2], (*numbers)[3]};
}

std::optional<std::array<int, 2>> PictureSize(std::string_view size)
{
    return Numbers<2>(Trim(size), {" x "});
}

} // namespace

std::optional<CropArea> ParseCropArea(std::string_view text)
{
    return AreaOf(Numbers<4>(Trim(text), {":", ":", ":"}));
}

std::string CropAreaText(const CropArea& area)
{
    return std::to_string(area.width) + ":" + std::to_string(area.height) + ":" + std::to_string(area.x) + ":"
        + std::to_string(area.y);
}

std::optional<CropArea> CropAreaOfLine(std::string_view line, std::string_view pictureSize)
{
    const std::string text = Trim(line);
    if (text.rfind(kCropLineHead, 0) != 0)
        return std::nullopt;
    const std::string_view found = std::string_view(text).substr(kCropLineHead.size());
    if (found != kNoCrop)
        return AreaOf(Numbers<4>(found, {"x", " at ", ","}));
    const auto picture = PictureSize(pictureSize);
    if (!picture)
        return std::nullopt;
    return AreaOf(std::array<int, 4>{(*picture)[0], (*picture)[1], 0, 0});
}

bool CutsPicture(const CropArea& area, std::string_view pictureSize)
{
    const auto picture = PictureSize(pictureSize);
    return !picture || area.width != (*picture)[0] || area.height != (*picture)[1];
}

std::string CropNote(const CropArea& area)
{
    return texts::kCropNote + std::to_string(area.width) + " x " + std::to_string(area.height) + texts::kCropAt
        + std::to_string(area.x) + "," + std::to_string(area.y);
}
