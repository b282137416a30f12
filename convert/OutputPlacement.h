// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Gives a finished output its name. The file the encoder left under its
// hidden name must still be a regular file of this user's; the rename
// follows no link. With overwrite on it replaces a regular file or one of
// the user's own; anything else there (a link someone else planted, a
// folder) is kept, and the output takes the next free numbered name, as it
// does with overwrite off when a file took the name meanwhile.
#include <string>
#include <system_error>

// Where the output lies now; `error` says why it could not be placed.
std::string PlaceOutput(const std::string& partial, const std::string& target, bool replaceExisting,
                        std::error_code& error);
