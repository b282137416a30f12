// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// -crop: the part of the upright picture kept, cut before the picture is
// scaled and bars are added, so that sizes, bars and pixel shapes are
// worked out on what is kept. "auto" is measured first (BorderFinder.h).
#include "encoder/EncodeRequest.h"

#include <string>

namespace ridod2e {

// Adds the cutting step to `steps` (the filters that turn the picture
// upright) and returns the size kept. Fails when the area lies outside the
// picture.
FrameDimensions CropPicture(const std::optional<CropRequest>& crop, FrameDimensions upright, std::string& steps);

} // namespace ridod2e
