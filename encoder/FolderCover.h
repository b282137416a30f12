// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The cover image of a music folder: cover.jpg, folder.jpg or front.jpg
// (also .jpeg and .png, in any case) beside the input, in that order. A
// folder others may write to is not trusted: only a regular file is read,
// never through a link, and only a JPEG or PNG picture of sensible size.
#include "encoder/MediaTags.h"

#include <optional>
#include <string>

namespace ridod2e {

std::optional<CoverPicture> FolderCover(const std::string& inputPath);

} // namespace ridod2e
