// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The part of the upright picture a job keeps (the Crop list, or an area
// given as W:H:X:Y), cut before the picture is scaled and bars are worked
// out, so that the letterbox arithmetic sees the cropped picture. "Auto"
// keeps the part inside the black borders the analysis found.
#include <optional>
#include <string>
#include <string_view>

struct CropArea {
    int width = 0;
    int height = 0;
    int x = 0;
    int y = 0;

    bool operator==(const CropArea&) const = default;
};

// "1280:536:0:92": width, height and the top left corner; nothing for any
// other text or an empty area.
std::optional<CropArea> ParseCropArea(std::string_view text);

// "1280:536:0:92", as the encoder's -crop takes it.
std::string CropAreaText(const CropArea& area);

// The area of the encoder's "Crop: 1280x536 at 0,92" line; for "Crop: none",
// the whole of the picture (its "W x H"); nothing for other lines.
std::optional<CropArea> CropAreaOfLine(std::string_view line, std::string_view pictureSize);

// Whether the area keeps less than the picture of the given size ("1280 x 720").
bool CutsPicture(const CropArea& area, std::string_view pictureSize);

// "Crop 1280 x 536 at 0,92", as the Video Size cell's tooltip tells it.
std::string CropNote(const CropArea& area);
