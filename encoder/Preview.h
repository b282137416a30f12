// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// -preview: instead of converting, the output's picture at one moment,
// written as a PNG picture. The picture goes the way a conversion's would
// (turned upright, deinterlaced, its colour mapped, cropped, scaled, bars
// added), and is then shown as a player shows it: pixels that are not
// square are stretched to their shape. A copy shows the source's picture.
// A palette picture (GIF) is shown before its palette, which the whole clip
// makes.
#include "encoder/Console.h"
#include "encoder/EncodeRequest.h"
#include "encoder/InputMedia.h"

namespace ridod2e {

// The moment counts from the output's start (-start); it fails when it lies
// at or past the output's end.
void WritePreview(const EncodeRequest& request, InputMedia& input, Console& console);

} // namespace ridod2e
