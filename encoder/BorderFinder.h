// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// -crop auto: the black borders of the input's picture, measured on the
// upright picture at a dozen moments spread over the input. Only borders
// found at every moment count (a fade from black, a dark opening or a night
// scene is dark only for a while), sides are kept even, and a side is left
// whole when its borders would take more than a third of it.
#include "encoder/Console.h"
#include "encoder/EncodeRequest.h"

#include <optional>

namespace ridod2e {

// The part of the picture inside the borders; nothing when there are none
// (or no picture).
std::optional<CropArea> FindBorders(const EncodeRequest& request);

// Turns -crop auto into the area found (or no crop), and prints it.
void MeasureAutoCrop(EncodeRequest& request, Console& console);

} // namespace ridod2e
