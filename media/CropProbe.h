// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The black borders of a file's picture for Crop "Auto", measured by the
// encoder (a probe with -crop auto), as Add Files and the conversion ask
// for them: the part of the picture inside the borders, or the whole
// picture of the row's Video Size when there are none.
#include "core/CropArea.h"
#include "media/EncoderProbe.h"

#include <optional>
#include <string>

// Nothing when the encoder could not tell: it could not be started or could
// not read the file.
std::optional<CropArea> MeasureCrop(const std::string& path, const std::string& pictureSize, const std::string& appDir,
                                    WaitStyle wait = WaitStyle::Block);
