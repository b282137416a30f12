// SPDX-License-Identifier: GPL-3.0-or-later
#include "encoder/Crop.h"

#include "encoder/Fault.h"

namespace ridod2e {

FrameDimensions CropPicture(const std::optional<CropRequest>& crop, FrameDimensions upright, std::string& steps)
{
    if (!crop || crop->automatic)
        return upright;
    const CropArea& a = crop->area;
    const std::string area = std::to_string(a.width) + ":" + std::to_string(a.height) + ":" + std::to_string(a.left)
        + ":" + std::to_string(a.top);
    if (upright.width > 0 && upright.height > 0
        && (a.left + a.width > upright.width || a.top + a.height > upright.height))
        Fail("-crop " + area + " lies outside the " + std::to_string(upright.width) + "x"
             + std::to_string(upright.height) + " picture");
    if (a.width == upright.width && a.height == upright.height)
        return upright;
    steps += (steps.empty() ? "crop=" : ",crop=") + area;
    return {a.width, a.height};
}

} // namespace ridod2e
