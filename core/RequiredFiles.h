// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The check that the encoder and the libraries it was linked against are
// there before files are measured or converted. It never ends the program.
#include <optional>
#include <string>
#include <vector>

class Messages;

// The files tested, in order: AppDir's encoder, then the two FFmpeg libraries
// whose paths the build recorded.
std::vector<std::string> RequiredFilePaths(const std::string& appDir);

// The first of the files that does not exist; nothing when all do.
std::optional<std::string> MissingRequiredFile(const std::string& appDir);

// True when every file exists; otherwise shows the missing-file message once
// and returns false.
bool CheckRequiredFiles(const std::string& appDir, Messages& messages);

// As above with an explicit list (the build's library paths are replaced in tests).
bool CheckRequiredFiles(const std::vector<std::string>& paths, Messages& messages);
