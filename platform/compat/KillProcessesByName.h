// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Kept for the stop step's published contract; nothing calls it, as it would end other users' encoders.
//
// Ends every running process whose executable has the given image name.
// A process matches when the file-name part of its executable, or the whole
// name as the system reports it, equals the image name with the letters a
// to z compared without regard to case; nothing else is folded or trimmed.
#include <string>

// True when the last termination attempted succeeded; false when nothing
// matched or the last attempt failed. Processes are not waited for.
bool KillProcessesByName(const std::string& imageName);

// The matching rule on one process entry's reported name.
bool ImageNameMatches(const std::string& reportedName, const std::string& imageName);
