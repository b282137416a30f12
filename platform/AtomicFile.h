// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writes a whole file so that a crash or a power loss leaves either the old
// file or the new one, never half of it: the text goes to a new file beside
// the target, which then replaces it.
#include <string>
#include <string_view>

namespace platform {

// False when the file could not be written whole; the old one stays then.
bool WriteFileAtomically(const std::string& path, std::string_view text);

} // namespace platform
