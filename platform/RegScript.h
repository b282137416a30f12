// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Starts AppDir's "reg.sh" detached and silently at start-up. A missing
// script is skipped; its result is never looked at.
#include <string>

namespace platform {

// Returns whether a script was found and handed to /bin/sh.
bool StartRegScript(const std::string& appDir);

} // namespace platform
